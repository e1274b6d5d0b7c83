#include "settings/settings_names.h"

#include <cstddef>
#include <string>

namespace ruvo::settings {

std::string_view PaperModeName(int paperMode) {
  if (paperMode < 0 || static_cast<std::size_t>(paperMode) >= kPaperModeNames.size()) return {};
  return kPaperModeNames[static_cast<std::size_t>(paperMode)];
}

std::filesystem::path FileIn(const std::filesystem::path& directory, std::string_view name) {
  return directory / std::filesystem::path(std::string(name));
}

}  // namespace ruvo::settings
