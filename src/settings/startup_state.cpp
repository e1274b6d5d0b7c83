#include "settings/startup_state.h"

#include "settings/file_errors.h"
#include "settings/file_store.h"
#include "settings/profile_file.h"
#include "settings/sender_file.h"
#include "settings/settings_names.h"
#include "settings/text_encoding.h"

namespace ruvo::settings {

std::vector<FileReadError> SettingsFileReadErrors(const std::filesystem::path& directory) {
  std::vector<FileReadError> errors;
  for (const std::string_view name : {kSettingsFileName, kRegistrationFileName}) {
    try {
      ReadFileIfExists(FileIn(directory, name));
    } catch (const FileReadError& error) {
      errors.push_back(error);
    }
  }
  return errors;
}

std::vector<ForeignEncodedFile> ForeignEncodedSettingsFiles(
    const std::filesystem::path& directory) {
  std::vector<ForeignEncodedFile> found;
  for (const std::string_view name : {kSettingsFileName, kRegistrationFileName}) {
    const std::filesystem::path file = FileIn(directory, name);
    std::optional<std::string> content;
    try {
      content = ReadFileIfExists(file);
    } catch (const FileReadError&) {
      continue;  // reported as unreadable
    }
    if (!content) continue;
    if (const auto encoding = ForeignEncodingOf(*content)) found.push_back({file, *encoding});
  }
  return found;
}

StartupState LoadStartupState(const std::filesystem::path& directory) {
  StartupState state;
  state.unreadableFiles = SettingsFileReadErrors(directory);
  state.foreignEncodedFiles = ForeignEncodedSettingsFiles(directory);
  state.read = ReadStartupSettings(directory);
  state.saved = state.read.saved;
  // A stored index that is no item leaves the choice empty while its
  // registration is loaded; the window then shows the first item.
  state.printValues = ReadRegistration(directory, PaperModeName(state.saved.paperMode));
  if (PaperModeName(state.saved.paperMode).empty()) state.saved.paperMode = 0;
  if (!IsSenderSlot(state.saved.senderTab)) {
    state.senderError = std::string(kNoSenderTabText);
    return state;
  }
  try {
    state.saved.slip.sender = LoadSender(directory, state.saved.senderTab);
  } catch (const FileReadError& error) {
    state.senderError = error.what();
    state.senderReadError = error;
  }
  return state;
}

}  // namespace ruvo::settings
