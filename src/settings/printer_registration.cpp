#include "settings/printer_registration.h"

#include <vector>

#include "settings/file_errors.h"
#include "settings/profile_file.h"
#include "settings/settings_names.h"

namespace ruvo::settings {
namespace {

// Every key of a registration but the name reads as "0" when it is missing.
constexpr std::string_view kRegistrationDefault = "0";
constexpr std::string_view kPrinterNameKey = "PrnName";

// The keys of the values a registration sets, in the order they are read
// and written.
constexpr struct {
  std::string_view key;
  std::string RegisteredPrintValues::*field;
} kValueKeys[] = {
    {"PrnNoIndex", &RegisteredPrintValues::printerNumber},  // printer number
    {"slpPrn_Top", &RegisteredPrintValues::marginTop},      // top margin in printer dots
    {"slpPrn_Left", &RegisteredPrintValues::marginLeft},    // left margin in printer dots
};

std::filesystem::path RegistrationFile(const std::filesystem::path& directory) {
  return FileIn(directory, kRegistrationFileName);
}

}  // namespace

RegisteredPrintValues ReadRegistration(const std::filesystem::path& directory,
                                       std::string_view paperMode) {
  const std::filesystem::path file = RegistrationFile(directory);
  RegisteredPrintValues values;
  for (const auto& row : kValueKeys) {
    values.*row.field = ReadProfileText(file, paperMode, row.key, kRegistrationDefault);
  }
  values.printerName = ReadProfileText(file, paperMode, kPrinterNameKey, "");
  return values;
}

RegisteredPrintValues RegistrationSources(const std::filesystem::path& directory,
                                          std::string_view paperMode) {
  const std::string place =
      " in [" + std::string(paperMode) + "] of " + PathText(RegistrationFile(directory));
  RegisteredPrintValues sources;
  for (const auto& row : kValueKeys) {
    sources.*row.field = std::string(row.key) + place;
  }
  return sources;
}

void WriteRegistration(const std::filesystem::path& directory, std::string_view paperMode,
                       const PrinterRegistration& registration, FileReplacer& replacer) {
  std::vector<ProfileSetting> keys{{paperMode, kPrinterNameKey, registration.printerName}};
  for (const auto& row : kValueKeys) {
    keys.push_back({paperMode, row.key, registration.values.*row.field});
  }
  WriteProfileTexts(RegistrationFile(directory), keys, replacer);
}

}  // namespace ruvo::settings
