#pragma once
// What the slip commands (drawlist, render, print) share: their common
// options, the slip the main window would hold right after start-up in a
// directory, the print values it would print with, and the Qt application
// the painting and the printers need.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "print/print_service.h"
#include "print/slip_record.h"
#include "slip/printer_in_force.h"
#include "slip/saved_slip.h"

namespace ruvo {
class TLmPrinter;
}

namespace ruvo::cli {

#define RUVO_SLIP_OPTIONS                                                                \
  "[--dir DIR] [--dpi X[xY]] [--scale P] [--date YYYY-MM-DD] [--no-date] [--no-sender] " \
  "[--slot 1-5] [--add3 TEXT] [--top N] [--left N]"
inline constexpr std::string_view kDrawListSynopsis = RUVO_SLIP_OPTIONS;
inline constexpr std::string_view kRenderSynopsis =
    "--pdf FILE [--page SIZE] [--proof] " RUVO_SLIP_OPTIONS;
inline constexpr std::string_view kPrintSynopsis = "[--printer NAME] [--proof] " RUVO_SLIP_OPTIONS;
#undef RUVO_SLIP_OPTIONS
// The test sheet shows no slip: of the slip options only those that place
// it apply.
inline constexpr std::string_view kCalibrateSynopsis =
    "[--pdf FILE [--page SIZE] | --printer NAME] [--dir DIR] [--dpi X[xY]] [--scale P] "
    "[--top N] [--left N]";

// A printer named on the command line: its queue name or the name the
// printer list shows.
struct NamedPrinter {
  std::string queue;  // UTF-8, the argument as given (converted from CP932 with --cp932)
  std::string name;   // CP932, "〓" for what CP932 cannot hold
};

// The --printer argument.
NamedPrinter ReadNamedPrinter(ArgReader& reader, const Context& ctx);

struct SlipOptions {
  std::filesystem::path dir = ".";
  std::optional<Resolution> dpi;       // the printer's resolution instead of asking it
  std::optional<std::uint16_t> scale;  // percent; the printer's own (100 with --dpi) when unset
  std::optional<std::chrono::year_month_day> date;  // today when unset
  bool noDate = false;
  bool noSender = false;
  int slot = 0;                     // 1-5 ticks that time slot; 0 none
  std::optional<std::string> add3;  // CP932
  std::optional<std::string> top;   // CP932 margin texts, converted strictly later
  std::optional<std::string> left;
  std::optional<NamedPrinter> printer;  // print --printer instead of the registered one
  bool slipShown = true;                // false: only the print values count (the test
                                        // sheet), so a sender file is not missed
  // The registration of this paper mode instead of the remembered one: a
  // reprint of slips the journal recorded on it.
  std::optional<int> reprintPaperMode;
};

// Reads the value of `option` when it is one of the shared options and
// returns true; false leaves the option to the command.
bool ReadSlipOption(const std::string& option, ArgReader& reader, Context& ctx,
                    SlipOptions& options);

// The slip and the print values of the main window right after start-up in
// options.dir, with the options applied. A settings or registration file
// that cannot be read gives its defaults, a sender file that cannot be loaded
// leaves the settings' sender values; each is a warning on ctx.err. A folder
// that does not exist is a FileReadError; a margin that is no integer a
// ConversionError naming the key and file, or the option, it came from; a
// registered form scale out of range a SlipScaleError naming its key.
struct PreparedSlip {
  SlipRecord slip;
  std::string printerNumber;  // the registration's printer number text
  PrinterChoice printer;      // the registration's printer, paper and source
  std::string marginTop;
  std::string marginLeft;
  std::string printerNumberSource;  // where printerNumber was read, for messages
  std::string scaleX = "";          // the registration's form scale, tenths of a percent
  std::string scaleY = "";
  int paperMode = 0;  // whose registration this is (0 手差し, 1 連続(４インチ))
};
PreparedSlip PrepareSlip(const SlipOptions& options, Context& ctx);

// "2011-01-05" as the value of `option`; UsageError for another form or a
// day that does not exist.
std::chrono::year_month_day ParseDateOption(const std::string& option, const std::string& text);

// Selects the printer a slip command prints on: --printer's, with the
// registered paper and source when it names the registered printer and its
// own defaults otherwise (EPrinterNotFound when it names none), else the
// paper mode's registered one as the window selects it, warning on ctx.err
// when the registration's number chose. ENoPrinterInForce when the
// registered printer, paper or source is not there: a slip on another
// printer would be a slip wasted.
PrinterInForce SelectSlipPrinter(TLmPrinter& printer, const SlipOptions& options,
                                 const PreparedSlip& prepared, Context& ctx);

// The effective print values: the --dpi/--scale values when --dpi is given,
// else the selected printer's resolution and scale (its errors propagate);
// the margins and the form's scale as prepared.
SlipPrintValues ResolvePrintValues(const SlipOptions& options, const PreparedSlip& prepared,
                                   TLmPrinter* printer);

// The Qt application for fonts, painting and printers; created once, on
// Qt's offscreen platform when neither DISPLAY nor WAYLAND_DISPLAY is set.
void EnsureGuiApplication();

}  // namespace ruvo::cli
