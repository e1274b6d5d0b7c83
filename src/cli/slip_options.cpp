#include "cli/slip_options.h"

#include <QGuiApplication>
#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <iostream>

#include "print/lm_printers.h"
#include "print/print_job.h"
#include "print/slip_units.h"
#include "settings/file_errors.h"
#include "settings/file_store.h"
#include "settings/settings_names.h"
#include "settings/startup_state.h"
#include "slip/printer_in_force.h"
#include "slip/saved_slip.h"
#include "transfer/cp932_codec.h"
#include "transfer/text_ops.h"

namespace ruvo::cli {

namespace {

// A whole decimal number within [min, max], or nothing.
std::optional<int> ParseDecimal(std::string_view text, int min, int max) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < min || value > max) {
    return std::nullopt;
  }
  return value;
}

// "360" → 360 × 360, "360x180" → 360 × 180.
Resolution ParseDpi(const std::string& text) {
  const std::size_t cross = text.find('x');
  const auto x = ParseDecimal(std::string_view(text).substr(0, cross), 1, kMaxEffectiveDpi);
  const auto y = cross == std::string::npos
                     ? x
                     : ParseDecimal(std::string_view(text).substr(cross + 1), 1, kMaxEffectiveDpi);
  if (!x || !y) throw UsageError("option --dpi takes X or XxY dots per inch, not '" + text + "'");
  return {*x, *y};
}

void ApplyOptions(const SlipOptions& options, SlipRecord& slip) {
  slip.slipDate = options.date.value_or(LocalToday());
  slip.printDate = !options.noDate;
  slip.printSender = !options.noSender;
  if (options.slot > 0) slip.timeSlots[static_cast<std::size_t>(options.slot - 1)] = true;
  if (options.add3) slip.recipientAddress3 = *options.add3;
}

}  // namespace

bool ReadSlipOption(const std::string& option, ArgReader& reader, Context& ctx,
                    SlipOptions& options) {
  if (option == "--dir") {
    options.dir = reader.Value();
  } else if (option == "--dpi") {
    options.dpi = ParseDpi(reader.Value());
  } else if (option == "--scale") {
    options.scale = static_cast<std::uint16_t>(reader.IntValue(1, 65535));
  } else if (option == "--date") {
    options.date = ParseDateOption(option, reader.Value());
  } else if (option == "--no-date") {
    options.noDate = true;
  } else if (option == "--no-sender") {
    options.noSender = true;
  } else if (option == "--slot") {
    options.slot = reader.IntValue(1, kTimeSlotCount);
  } else if (option == "--add3") {
    options.add3 = reader.TextValue(ctx);
  } else if (option == "--top") {
    options.top = reader.TextValue(ctx);
  } else if (option == "--left") {
    options.left = reader.TextValue(ctx);
  } else {
    return false;
  }
  return true;
}

PreparedSlip PrepareSlip(const SlipOptions& options, Context& ctx) {
  settings::RequireFolder(options.dir);
  const settings::StartupState state = settings::LoadStartupState(options.dir);
  for (const settings::FileReadError& problem : state.unreadableFiles) {
    Warn(ctx, std::string(problem.what()) + "; its values read as the defaults");
  }
  for (const settings::ForeignEncodedFile& foreign : state.foreignEncodedFiles) {
    Warn(ctx, settings::PathText(foreign.file) + " seems written in " +
                  std::string(foreign.encoding) + ", not Shift-JIS; its texts read garbled");
  }
  // A reprint's slips come from the journal, the folder's sender is none of
  // theirs; the test sheet shows no slip at all.
  if (state.senderError && options.slipShown && !options.reprintPaperMode) {
    Warn(ctx, *state.senderError);
  }
  const int paperMode = options.reprintPaperMode.value_or(state.saved.paperMode);
  const std::string_view paperModeName = settings::PaperModeName(paperMode);
  const settings::RegisteredPrintValues registration =
      options.reprintPaperMode ? settings::ReadRegistration(options.dir, paperModeName)
                               : state.printValues;
  const settings::RegisteredPrintValues sources =
      settings::RegistrationSources(options.dir, paperModeName);
  PreparedSlip prepared{{},
                        registration.printerNumber,
                        RegisteredChoice(registration),
                        options.top.value_or(registration.marginTop),
                        options.left.value_or(registration.marginLeft),
                        sources.printerNumber,
                        registration.scaleX,
                        registration.scaleY,
                        paperMode};
  // Converted as printing will convert them, to say where a bad text is.
  MarginTextToInt(prepared.marginTop, options.top ? "option --top" : sources.marginTop);
  MarginTextToInt(prepared.marginLeft, options.left ? "option --left" : sources.marginLeft);
  ScaleTextToPerMille(prepared.scaleX, sources.scaleX);
  ScaleTextToPerMille(prepared.scaleY, sources.scaleY);
  RestoreSavedSlip(prepared.slip, state.saved.slip);
  ApplyOptions(options, prepared.slip);
  return prepared;
}

std::chrono::year_month_day ParseDateOption(const std::string& option, const std::string& text) {
  const auto year = ParseDecimal(std::string_view(text).substr(0, 4), 1, 9999);
  const auto month = text.size() == 10 ? ParseDecimal(text.substr(5, 2), 1, 12) : std::nullopt;
  const auto day = text.size() == 10 ? ParseDecimal(text.substr(8, 2), 1, 31) : std::nullopt;
  const bool dashes = text.size() == 10 && text[4] == '-' && text[7] == '-';
  if (!year || !month || !day || !dashes) {
    throw UsageError("option " + option + " takes YYYY-MM-DD, not '" + text + "'");
  }
  const std::chrono::year_month_day date{std::chrono::year(*year),
                                         std::chrono::month(static_cast<unsigned>(*month)),
                                         std::chrono::day(static_cast<unsigned>(*day))};
  if (!date.ok()) throw UsageError("option " + option + ": no such day '" + text + "'");
  return date;
}

NamedPrinter ReadNamedPrinter(ArgReader& reader, const Context& ctx) {
  const std::string given = reader.Value();
  if (ctx.cp932) return {Cp932ToUtf8(given), given};
  return {given, Utf8ToCp932(given).bytes};
}

namespace {

// The printer --printer names: by its queue name first, else by the name
// the list shows.
PrinterChoice NamedChoice(TLmPrinter& printer, const NamedPrinter& named) {
  const std::vector<std::string>& queues = printer.GetPrinterQueues();
  auto at = std::find(queues.begin(), queues.end(), named.queue) - queues.begin();
  if (at == static_cast<std::ptrdiff_t>(queues.size())) {
    const std::vector<std::string>& names = printer.GetPrinterNames();
    at = std::find(names.begin(), names.end(), named.name) - names.begin();
  }
  if (at == static_cast<std::ptrdiff_t>(queues.size())) throw EPrinterNotFound(named.name);
  const auto position = static_cast<std::size_t>(at);
  return {printer.GetPrinterNames()[position], queues[position], "", ""};
}

bool SamePrinter(const PrinterChoice& named, const PrinterChoice& registered) {
  return registered.queue.empty() ? Trim(named.name) == registered.name
                                  : named.queue == registered.queue;
}

}  // namespace

PrinterInForce SelectSlipPrinter(TLmPrinter& printer, const SlipOptions& options,
                                 const PreparedSlip& prepared, Context& ctx) {
  PrinterInForce inForce;
  if (options.printer) {
    PrinterChoice choice = NamedChoice(printer, *options.printer);
    if (SamePrinter(choice, prepared.printer)) {
      choice.paperName = prepared.printer.paperName;
      choice.binName = prepared.printer.binName;
    }
    inForce = SelectRegisteredPrinter(printer, "0", choice);
  } else {
    try {
      inForce = SelectRegisteredPrinter(printer, prepared.printerNumber, prepared.printer);
    } catch (const ConversionError&) {
      LabelTextToInt(prepared.printerNumber, prepared.printerNumberSource);  // names the key
      throw;
    }
    // The window would show the notice in its status bar.
    if (inForce.how != PrinterSelection::kMissing && !inForce.notice.empty())
      Warn(ctx, inForce.notice);
  }
  RequirePrinterInForce(inForce);
  return inForce;
}

SlipPrintValues ResolvePrintValues(const SlipOptions& options, const PreparedSlip& prepared,
                                   TLmPrinter* printer) {
  if (!options.dpi) {
    if (printer == nullptr) throw std::logic_error("no printer to take the resolution from");
    if (!options.scale) {
      return EffectivePrintValues(*printer, prepared.marginTop, prepared.marginLeft,
                                  prepared.scaleX, prepared.scaleY);
    }
  }
  const Resolution dpi = options.dpi ? *options.dpi : printer->GetResolution();
  const std::uint16_t scale = options.scale.value_or(100);
  return {std::to_string(EffectiveDpi(dpi.x, scale)),
          std::to_string(EffectiveDpi(dpi.y, scale)),
          prepared.marginTop,
          prepared.marginLeft,
          prepared.scaleX,
          prepared.scaleY};
}

void EnsureGuiApplication() {
  if (QGuiApplication::instance() != nullptr) return;
  const bool hasDisplay =
      std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
  if (!hasDisplay) setenv("QT_QPA_PLATFORM", "offscreen", 0);  // an explicit choice stays
  static int argc = 1;
  static char name[] = "ruvo-slip";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
}

}  // namespace ruvo::cli
