#include "settings/working_folder.h"

#include "settings/sender_file.h"
#include "settings/settings_names.h"

namespace ruvo::settings {
namespace {

// A name that cannot be examined (no permission on the folder) counts as
// present: such a folder is no fresh start.
bool Present(const std::filesystem::path& file) {
  std::error_code error;
  return std::filesystem::symlink_status(file, error).type() !=
         std::filesystem::file_type::not_found;
}

}  // namespace

bool HoldsProgramFiles(const std::filesystem::path& directory) {
  for (const std::string_view name : {kSettingsFileName, kRegistrationFileName}) {
    if (Present(FileIn(directory, name))) return true;
  }
  for (int slot = 0; slot < kSenderSlotCount; ++slot) {
    if (Present(FileIn(directory, SenderFileName(slot)))) return true;
  }
  return false;
}

}  // namespace ruvo::settings
