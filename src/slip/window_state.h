#pragma once
// The main window's state beside its controls (no Qt): what its start-up
// shows of a working folder, the print values it keeps as labels, and what
// its sender tabs load. The window only shows what these say.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "settings/app_settings.h"
#include "settings/file_errors.h"
#include "settings/printer_registration.h"
#include "settings/sender_file.h"
#include "settings/startup_state.h"
#include "slip/printer_in_force.h"

namespace ruvo {

// The print values the window keeps beside the slip, as decimal texts: what
// its labels hold.
struct PrintLabels {
  std::string printerIndex;  // Label_PrinterIndex; "-1" is the system default
  std::string top;           // Label_Prn_Top, printer dots as typed ("" counts as 0)
  std::string left;          // Label_Prn_Left
  std::string dpiX;          // Label_dpix: effective resolution of the last print
  std::string dpiY;          // Label_dpiy
  bool operator==(const PrintLabels&) const = default;
};

// What loading the sender of a tab gives the window.
struct TabSender {
  std::optional<settings::SenderFields> fields;  // read whole; nothing else is set then
  bool noTab = false;  // the tab is none of the ten: the window says kNoSenderTabText
  // A first start: the folder holds none of the program's files, so a
  // missing sender file is no error; the window says how to register one.
  bool firstStart = false;
  // Why the file could not be read, naming it alone ("my3.txt: No such file
  // or directory"): the user knows the folder the window works in.
  std::optional<settings::FileReadError> error;
};

// The sender of `tab` in `folder`.
TabSender LoadTabSender(const std::filesystem::path& folder, int tab);

// What the window shows right after it opened in a working folder. Its
// start-up takes it in this order, each step in turn: the two reports, the
// saved slip and the settings' print labels, the printer of the settings'
// number, the stored paper mode's registration and its printer, the
// remembered tab's sender. A step that fails (the printer layer's errors, a
// registered number that is no integer) stops the ones after it.
struct WindowStartup {
  // The settings and registration files that could not be read, for one
  // error box; empty when both could (CP932).
  std::string unreadableReport;
  // The files written in another encoding, for one notice; empty when none
  // is (CP932).
  std::string foreignEncodingReport;
  int fontIndex = 1;
  int senderTab = 0;  // -1 while the remembered tab is no tab
  int paperMode = 0;  // -1 while the stored one is no item
  // The settings file's printer number and margins, in force until the
  // registration replaces them.
  PrintLabels labels;
  settings::SavedSlip saved;  // as read, the sender as the settings file holds it
  // The stored paper mode's registration (of no section while it is no item).
  settings::RegisteredPrintValues registration;
  TabSender sender;  // the remembered tab's
};

WindowStartup LoadWindowStartup(const std::filesystem::path& folder);

// The labels a paper mode's registration sets: its printer number and
// margins; the resolution of the last print stays.
PrintLabels WithRegistration(PrintLabels labels, const settings::RegisteredPrintValues& values);

// The registration the printer-registration button writes for `choice`:
// the printer's number and the margins from the labels.
settings::PrinterRegistration RegistrationOf(const PrinterChoice& choice,
                                             const PrintLabels& labels);

}  // namespace ruvo
