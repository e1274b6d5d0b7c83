#pragma once
// The printer-registration file "ruvo_q710.ini": one section per paper mode,
// named by the paper mode's text ("手差し", "連続(４インチ)"), whose four keys
// are texts: the printer's name, and its number and margins, which read as
// "0" when missing.

#include <filesystem>
#include <string>
#include <string_view>

#include "settings/file_store.h"

namespace ruvo::settings {

// What a paper mode's registration sets in the main window's labels, and
// the name of the printer it was registered with.
struct RegisteredPrintValues {
  std::string printerNumber = "0";  // "PrnNoIndex"  → Label_PrinterIndex
  std::string marginTop = "0";      // "slpPrn_Top"  → Label_Prn_Top
  std::string marginLeft = "0";     // "slpPrn_Left" → Label_Prn_Left
  // "PrnName", empty when the key is missing. Only read: the name the
  // registration writes is PrinterRegistration::printerName.
  std::string printerName = "";
  bool operator==(const RegisteredPrintValues&) const = default;
};

// A registration as it is written.
struct PrinterRegistration {
  std::string printerName;       // "PrnName": the printer box's text, blanks at both ends removed
  RegisteredPrintValues values;  // its printerName is not written
  bool operator==(const PrinterRegistration&) const = default;
};

// Reads "PrnNoIndex", "slpPrn_Top" and "slpPrn_Left" of `paperMode`'s
// section, in this order, each defaulting to "0", then "PrnName" (default
// empty): printer numbers shift when a queue is added or a network printer
// appears, so the name is what identifies the registered printer.
RegisteredPrintValues ReadRegistration(const std::filesystem::path& directory,
                                       std::string_view paperMode);

// Where each value of `paperMode`'s registration is read, for messages:
// "PrnNoIndex in [手差し] of /w/ruvo_q710.ini" (CP932), in the fields of
// RegisteredPrintValues.
RegisteredPrintValues RegistrationSources(const std::filesystem::path& directory,
                                          std::string_view paperMode);

// Writes "PrnName", "PrnNoIndex", "slpPrn_Top", "slpPrn_Left" in this order
// into `paperMode`'s section, in one replacement of the file. Throws
// FileWriteError when it cannot be written; it is then as it was.
void WriteRegistration(const std::filesystem::path& directory, std::string_view paperMode,
                       const PrinterRegistration& registration,
                       FileReplacer& replacer = PlatformFileReplacer());

}  // namespace ruvo::settings
