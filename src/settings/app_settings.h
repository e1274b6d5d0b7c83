#pragma once
// The settings file "ruvo_Rezovod.ini", section "rv_RezovodPrn": what the
// main window reads when it is shown, writes when it goes away, and what the
// printer setup (F7) reads and writes. The window only moves values between
// these structures and its controls.

#include <filesystem>
#include <string>

#include "settings/file_store.h"
#include "settings/sender_file.h"
#include "slip/slip_fields.h"

namespace ruvo::settings {

// The slip fields that survive a restart, each a control's text, saved
// under its field's key (kSlipFields).
struct SavedSlip {
  std::string zip;       // SlipField::kRecipientZip
  std::string address1;  // kRecipientAddress1
  std::string address2;  // kRecipientAddress2
  std::string customer;  // kRecipientName
  std::string tel;       // kRecipientTel
  std::string goods1;    // kGoods1
  std::string goods2;    // kGoods2
  std::string goods3;    // kGoods3
  std::string quantity{SlipFieldOf(SlipField::kQuantity).initial};
  std::string deliveryMonth;  // kWishedMonth
  std::string deliveryDay;    // kWishedDay
  SenderFields sender;        // kSenderZip … kSenderTel
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
// "Tab_My", "Addr_Font", the sender fields, the recipient, goods, quantity
// and wished-date fields, "ComboBox_SEL". A missing file, key or an integer
// key holding no integer gives the key's default.
StartupSettings ReadStartupSettings(const std::filesystem::path& directory);

// Writes the exit's keys in order: "Addr_Font", the recipient, goods,
// quantity and wished-date fields, the sender fields (name first),
// "ComboBox_SEL", "Tab_My", all in one replacement of the file
// (WriteProfileTexts): a quit takes one flush to disk, not one per key.
// Throws FileWriteError when the file cannot be written; it is then as it
// was.
void WriteExitSettings(const std::filesystem::path& directory, const ExitSettings& settings,
                       FileReplacer& replacer = PlatformFileReplacer());

// "Rezovodprnno" (default -1), read and written by the printer setup.
int ReadPrinterNumber(const std::filesystem::path& directory);
void WritePrinterNumber(const std::filesystem::path& directory, int printerNumber,
                        FileReplacer& replacer = PlatformFileReplacer());

}  // namespace ruvo::settings
