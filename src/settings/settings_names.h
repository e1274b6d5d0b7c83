#pragma once
// Names of the files in the working directory and of the paper modes, as
// CP932 bytes where they are Japanese.

#include <array>
#include <filesystem>
#include <string_view>

namespace ruvo::settings {

// The last slip, the sender tab, the paper mode and a few printer values.
inline constexpr std::string_view kSettingsFileName = "ruvo_Rezovod.ini";
// One registered printer and pair of margins per paper mode.
inline constexpr std::string_view kRegistrationFileName = "ruvo_q710.ini";
// The settings file's only section.
inline constexpr std::string_view kSettingsSection = "rv_RezovodPrn";

// "手差し": hand-fed single sheets (paper-mode index 0).
inline constexpr std::string_view kPaperModeHandFed = "\x8E\xE8\x8D\xB7\x82\xB5";
// "連続(４インチ)": continuous four-inch stationery (paper-mode index 1).
inline constexpr std::string_view kPaperModeContinuous =
    "\x98\x41\x91\xB1(\x82\x53\x83\x43\x83\x93\x83\x60)";

// The paper-mode choice's items, by index.
inline constexpr std::array<std::string_view, 2> kPaperModeNames = {
    kPaperModeHandFed,     // 0
    kPaperModeContinuous,  // 1
};

// The paper mode's name, or the empty text for an index that is no item
// (the choice then has no selection and its text is empty).
std::string_view PaperModeName(int paperMode);

// `directory` joined with a file name of this folder.
std::filesystem::path FileIn(const std::filesystem::path& directory, std::string_view name);

}  // namespace ruvo::settings
