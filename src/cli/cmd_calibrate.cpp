// ruvo-slip calibrate: the test sheet of a working directory's paper mode,
// printed on its registered printer (or --printer) or written as a one-page
// PDF: the outline of every box with its caption, a crosshair at each
// anchor, millimetre rulers and the feed direction, at the margins and
// scale in force.
#include <algorithm>
#include <ostream>
#include <sstream>

#include "cli/commands.h"
#include "cli/slip_options.h"
#include "cli/slip_output.h"
#include "cli/slip_session.h"
#include "print/test_sheet.h"

namespace ruvo::cli {
namespace {

// The slip options that place the sheet; the rest would change no line of it.
constexpr std::string_view kPlacingOptions[] = {"--dir", "--dpi", "--scale", "--top", "--left"};

struct CalibrateOptions {
  SlipOptions slip;
  std::optional<std::string> pdf;
  std::string page = "A4";
};

CalibrateOptions ReadOptions(const Args& args, Context& ctx) {
  CalibrateOptions options;
  options.slip.slipShown = false;
  ArgReader reader(args);
  while (!reader.Done()) {
    const std::string option = reader.NextOption();
    if (option == "--pdf") {
      options.pdf = reader.Value();
    } else if (option == "--page") {
      options.page = reader.Value();
    } else if (option == "--printer") {
      options.slip.printer = ReadNamedPrinter(reader, ctx);
    } else if (std::find(std::begin(kPlacingOptions), std::end(kPlacingOptions), option) !=
               std::end(kPlacingOptions)) {
      ReadSlipOption(option, reader, ctx, options.slip);
    } else {
      reader.Unknown();
    }
  }
  if (options.pdf && options.slip.printer)
    throw UsageError("--pdf and --printer exclude each other");
  return options;
}

}  // namespace

int RunCalibrate(const Args& args, Context& ctx) {
  const CalibrateOptions options = ReadOptions(args, ctx);
  const QPageSize::PageSizeId pageId = PageSizeNamed(options.page);
  EnsureGuiApplication();
  SlipSession session(options.slip, ctx, /*needPrinter=*/!options.pdf);
  const DrawList sheet = TestSheet(session.PrintValues());
  const std::string boxes = std::to_string(TestSheetBoxCount());
  if (options.pdf) {
    if (WriteOnePagePdf(ctx, *options.pdf, pageId, session.PrintValues(), sheet)) return 0;
    ctx.out << "{\"pdf\": " + JsonString(ctx, *options.pdf) +
                   ", \"page\": " + JsonString(ctx, options.page) + ", \"dpi\": [" +
                   session.PrintValues().dpiX + ", " + session.PrintValues().dpiY +
                   "], \"boxes\": " + boxes + "}\n";
    return 0;
  }
  const PrintedPage printed = PrintOnePage(session, sheet, ctx);
  std::ostringstream json;
  json << "{" << printed.printerKeys << ", \"boxes\": " << boxes << ", \"ms\": " << printed.ms
       << "}\n";
  ctx.out << json.str();
  return 0;
}

}  // namespace ruvo::cli
