#pragma once
// The values the main window holds right after it was shown in a directory:
// the settings file read, the selected paper mode's registration applied and
// the sender of the remembered tab loaded. The printer itself is not touched.
// ruvo-slip works from these; the window's start-up (slip/window_state.h)
// shows them.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "settings/app_settings.h"
#include "settings/file_errors.h"
#include "settings/printer_registration.h"

namespace ruvo::settings {

// A settings or registration file in another encoding than CP932: its
// texts read as garbled characters (ForeignEncodingOf tells).
struct ForeignEncodedFile {
  std::filesystem::path file;
  std::string_view encoding;  // "UTF-8", "UTF-16"
  bool operator==(const ForeignEncodedFile&) const = default;
};

struct StartupState {
  // The settings file's values as read.
  StartupSettings read;
  // The same, the sender fields replaced by the sender file when it loaded,
  // and a paper mode outside the choice's items shown as 0.
  ExitSettings saved;
  // Label_PrinterIndex, Label_Prn_Top, Label_Prn_Left: the registration of
  // the stored paper mode (of no section when the stored index is no item).
  RegisteredPrintValues printValues;
  // Why the remembered tab's sender was not loaded: "TabErr" for a tab that
  // is none of the ten, else the sender file's error text ("/w/my0.txt: No
  // such file or directory"); the sender fields then keep the settings'
  // values.
  std::optional<std::string> senderError;
  // The sender file's error itself, when the tab is one of the ten.
  std::optional<FileReadError> senderReadError;
  // The settings and registration files that exist but could not be read
  // (no permission, a folder, a device, a FIFO, too large), in that order,
  // as the errors reading them gave ("/w/ruvo_q710.ini: Permission denied").
  // Their keys read as the defaults; the window reports these once.
  std::vector<FileReadError> unreadableFiles;
  // The settings and registration files, in that order, that are written
  // in another encoding; the window reports these once.
  std::vector<ForeignEncodedFile> foreignEncodedFiles;
};

StartupState LoadStartupState(const std::filesystem::path& directory);

// The settings and registration files of `directory` that exist but could
// not be read, as StartupState::unreadableFiles lists them.
std::vector<FileReadError> SettingsFileReadErrors(const std::filesystem::path& directory);

// The settings and registration files of `directory` that are written in
// another encoding than CP932, as StartupState::foreignEncodedFiles lists
// them.
std::vector<ForeignEncodedFile> ForeignEncodedSettingsFiles(const std::filesystem::path& directory);

}  // namespace ruvo::settings
