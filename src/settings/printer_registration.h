#pragma once
// The printer-registration file "ruvo_q710.ini": one section per paper mode,
// named by the paper mode's text ("手差し", "連続(４インチ)"). Its keys are
// texts: the printer's name, its number and the margins, which read as "0"
// when missing, and beside them the printer's queue name, paper size and
// paper source, and the form's scale per axis, which files of earlier
// versions lack and which read as empty.

#include <filesystem>
#include <string>
#include <string_view>

#include "settings/file_store.h"

namespace ruvo::settings {

// What a paper mode's registration sets in the main window's labels, and
// the printer, paper and source it was registered with.
struct RegisteredPrintValues {
  std::string printerNumber = "0";  // "PrnNoIndex"  → Label_PrinterIndex
  std::string marginTop = "0";      // "slpPrn_Top"  → Label_Prn_Top
  std::string marginLeft = "0";     // "slpPrn_Left" → Label_Prn_Left
  // "PrnName", empty when the key is missing. Only read: the name the
  // registration writes is PrinterRegistration::printerName.
  std::string printerName = "";
  // "PrnQueue": the print service's own name of the printer (UTF-8), for a
  // name CP932 cannot hold ("Café", whose PrnName reads "Caf〓"); empty when
  // PrnName says it. The file holds it percent-encoded ("Caf%C3%A9").
  std::string printerQueue = "";
  // "PaperName", "BinName": the paper size and paper source as the printer
  // lists them; empty: the printer's own default.
  std::string paperName = "";
  std::string binName = "";
  // "slpPrn_ScaleX", "slpPrn_ScaleY": the form's scale across and down, in
  // tenths of a percent ("1010" is 101.0 %), for a printer whose feed or
  // head stretches the page; empty: 100.0 %. Read strictly when printing
  // (ScaleTextToPerMille).
  std::string scaleX = "";
  std::string scaleY = "";
  bool operator==(const RegisteredPrintValues&) const = default;
};

// A registration as it is written.
struct PrinterRegistration {
  std::string printerName;       // "PrnName": the printer box's text, blanks at both ends removed
  RegisteredPrintValues values;  // its printerName is not written
  bool operator==(const PrinterRegistration&) const = default;
};

// Reads "PrnNoIndex", "slpPrn_Top" and "slpPrn_Left" of `paperMode`'s
// section, in this order, each defaulting to "0", then "PrnName",
// "PrnQueue", "PaperName", "BinName", "slpPrn_ScaleX" and "slpPrn_ScaleY"
// (default empty): printer numbers shift when a queue is added or a network
// printer appears, so the name is what identifies the registered printer.
RegisteredPrintValues ReadRegistration(const std::filesystem::path& directory,
                                       std::string_view paperMode);

// Where each value of `paperMode`'s registration is read, for messages:
// "PrnNoIndex in [手差し] of /w/ruvo_q710.ini" (CP932), in the fields of
// RegisteredPrintValues (the number, the margins and the scales).
RegisteredPrintValues RegistrationSources(const std::filesystem::path& directory,
                                          std::string_view paperMode);

// Writes "PrnName", "PrnNoIndex", "slpPrn_Top", "slpPrn_Left", then
// "PrnQueue", "PaperName", "BinName" in this order into `paperMode`'s
// section, in one replacement of the file; readers of the first four never
// meet the others. The scale keys are left as they are: registering a
// printer keeps the form's scale measured for the paper mode. Throws FileWriteError when it cannot
// be written; it is then as it was.
void WriteRegistration(const std::filesystem::path& directory, std::string_view paperMode,
                       const PrinterRegistration& registration,
                       FileReplacer& replacer = PlatformFileReplacer());

// Writes "slpPrn_Top" and "slpPrn_Left" alone: registering margins keeps the
// printer, paper and source registered as they are.
void WriteRegisteredMargins(const std::filesystem::path& directory, std::string_view paperMode,
                            const std::string& marginTop, const std::string& marginLeft,
                            FileReplacer& replacer = PlatformFileReplacer());

// Writes "slpPrn_ScaleX" and "slpPrn_ScaleY" alone (tenths of a percent,
// "1000" for 100.0 %); a file without them prints as before.
void WriteRegisteredScale(const std::filesystem::path& directory, std::string_view paperMode,
                          const std::string& scaleX, const std::string& scaleY,
                          FileReplacer& replacer = PlatformFileReplacer());

}  // namespace ruvo::settings
