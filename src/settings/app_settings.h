#pragma once
// The settings file "ruvo_Rezovod.ini", section "rv_RezovodPrn": what the
// main window reads when it is shown, writes when it goes away, and what the
// printer setup (F7) reads and writes. The window only moves values between
// these structures and its controls.

#include <filesystem>
#include <string>

#include "settings/file_store.h"
#include "settings/sender_file.h"

namespace ruvo::settings {

// The slip fields that survive a restart, each a control's text.
struct SavedSlip {
  std::string zip;             // "E_ZIP"    Edit_Zip
  std::string address1;        // "E_AD1"    Edit_Add1
  std::string address2;        // "E_AD2"    Edit_Add2
  std::string customer;        // "E_CUS"    Edit_Custo1
  std::string tel;             // "E_TEL"    Edit_tel
  std::string goods1;          // "E_G1"     Edit_G1
  std::string goods2;          // "E_G2"     Edit_G2
  std::string goods3;          // "E_G3"     Edit_G3
  std::string quantity = "1";  // "KOSUU"   OvNumEdit_KOSUU
  std::string deliveryMonth;   // "de_date1" Edit_de_date1
  std::string deliveryDay;     // "de_date2" Edit_de_date2
  SenderFields sender;  // "OP023MyZip", "OP023MyADD1", "OP023MyADD2", "OP023My", "OP023MyTEL"
  bool operator==(const SavedSlip&) const = default;
};

// The slip fields to write at exit: each field as the window holds it
// (`now`), except a field that still holds what the window showed when the
// settings were read (`shown`): that one gets the file's own bytes back
// (`read`). The window may not show a file's bytes exactly (a file written
// in UTF-8, a code CP932 maps twice, a value longer than its field), and a
// value the user did not touch must not change for it.
SavedSlip KeepUntouchedFields(const SavedSlip& now, const SavedSlip& shown, const SavedSlip& read);

// What the window writes at exit (and reads back at the next show).
struct ExitSettings {
  int fontIndex = 1;  // "Addr_Font": 0 "10", 1 "11", 2 "12"
  SavedSlip slip;
  int paperMode = 0;  // "ComboBox_SEL": 0 "手差し", 1 "連続(４インチ)"
  int senderTab = 0;  // "Tab_My": 0-9 for "依頼主1"-"依頼主10"
  bool operator==(const ExitSettings&) const = default;
};

// What the window reads when it is shown.
struct StartupSettings {
  int printerNumber = -1;  // "Rezovodprnno"; -1 is the system's default printer
  int marginTop = 0;       // "rv_RezovodPrn_Top", replaced by the paper mode's registration
  int marginLeft = 0;      // "rv_RezovodPrn_Left", likewise
  ExitSettings saved;
  bool operator==(const StartupSettings&) const = default;
};

// Reads every key in the order of the show: "Rezovodprnno", the two margins,
// "Tab_My", "Addr_Font", the sender fields, the recipient and goods fields,
// "KOSUU", "de_date1", "de_date2", "ComboBox_SEL". A missing file, key or an
// integer key holding no integer gives the key's default.
StartupSettings ReadStartupSettings(const std::filesystem::path& directory);

// Writes the exit's nineteen keys in order: "Addr_Font", "E_ZIP" … "E_G3",
// "KOSUU", "de_date1", "de_date2", "OP023My", "OP023MyZip", "OP023MyADD1",
// "OP023MyADD2", "OP023MyTEL", "ComboBox_SEL", "Tab_My", all in one
// replacement of the file (WriteProfileTexts): a quit takes one flush to
// disk, not nineteen. Throws FileWriteError when the file cannot be
// written; it is then as it was.
void WriteExitSettings(const std::filesystem::path& directory, const ExitSettings& settings,
                       FileReplacer& replacer = PlatformFileReplacer());

// "Rezovodprnno" (default -1), read and written by the printer setup.
int ReadPrinterNumber(const std::filesystem::path& directory);
void WritePrinterNumber(const std::filesystem::path& directory, int printerNumber,
                        FileReplacer& replacer = PlatformFileReplacer());

}  // namespace ruvo::settings
