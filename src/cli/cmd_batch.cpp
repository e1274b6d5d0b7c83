// ruvo-slip batch: a shop's order file checked order by order, then every
// slip printed as one job (or written as one PDF), with the senders, the
// printer and the margins of the working directory, as the window would
// print them. Whatever happens, one JSON object reports it.
#include <unistd.h>

#include <algorithm>
#include <ostream>

#include "batch/order_file.h"
#include "cli/batch_report.h"
#include "cli/commands.h"
#include "cli/journal_recording.h"
#include "cli/output_document.h"
#include "cli/slip_options.h"
#include "cli/slip_session.h"
#include "cli/zip_directory.h"
#include "print/lm_printer_errors.h"
#include "print/print_job.h"
#include "print/qt_text_measurer.h"
#include "print/slip_document.h"
#include "print/slip_pdf.h"
#include "print/slip_units.h"
#include "settings/file_errors.h"
#include "settings/startup_state.h"
#include "slip/error_texts.h"
#include "slip/saved_slip.h"

namespace ruvo::cli {

namespace {

// A PDF on a computer without the registered printer is laid out at the
// resolution of the common slip printers (impact printers of 180 and 360
// dpi): 360 places every box of the layout on a whole dot.
constexpr int kPdfDefaultDpi = 360;

struct BatchOptions {
  std::optional<std::string> orderFile;
  SlipOptions slip;
  std::optional<std::string> map;
  std::optional<batch::CsvEncoding> encoding;
  std::optional<std::string> pdf;
  std::optional<std::string> dict;
  bool skipInvalid = false;
  bool dryRun = false;
};

// The slip options that make sense for a batch: the working directory, the
// resolution and margins, the shipping date. The rest come from each order.
constexpr std::string_view kBatchSlipOptions[] = {"--dir",  "--dpi", "--scale",
                                                  "--date", "--top", "--left"};

bool ReadBatchOption(const std::string& option, ArgReader& reader, Context& ctx,
                     BatchOptions& options) {
  if (option == "--map") {
    options.map = reader.Value();
  } else if (option == "--encoding") {
    const std::string name = reader.Value();
    options.encoding = batch::CsvReadingEncodingNamed(name);
    if (!options.encoding) {
      throw UsageError("option --encoding takes utf-8, cp932, utf-16le or utf-16be, not '" + name +
                       "'");
    }
  } else if (option == "--pdf") {
    options.pdf = reader.Value();
  } else if (option == "--printer") {
    options.slip.printer = ReadNamedPrinter(reader, ctx);
  } else if (option == "--dict") {
    options.dict = reader.Value();
  } else if (option == "--skip-invalid") {
    options.skipInvalid = true;
  } else if (option == "--dry-run") {
    options.dryRun = true;
  } else if (std::find(std::begin(kBatchSlipOptions), std::end(kBatchSlipOptions), option) !=
             std::end(kBatchSlipOptions)) {
    return ReadSlipOption(option, reader, ctx, options.slip);
  } else {
    return false;
  }
  return true;
}

BatchOptions ReadOptions(const Args& args, Context& ctx) {
  BatchOptions options;
  ArgReader reader(args);
  while (!reader.Done()) {
    const std::string option = reader.NextOption();
    if (!option.starts_with("--") && !options.orderFile) {
      options.orderFile = option;
    } else if (!ReadBatchOption(option, reader, ctx, options)) {
      reader.Unknown();
    }
  }
  if (!options.orderFile) throw UsageError("the order file FILE.csv is required");
  if (options.pdf && options.slip.printer)
    throw UsageError("--pdf and --printer exclude each other");
  return options;
}

// The pages as one PDF, written once all are painted: a file is replaced
// whole like every file the program writes, so that a batch that fails
// half-way leaves no shortened PDF behind; a stream ("-", "/dev/stdout")
// gets it where it stands.
class PdfPageSink : public SlipPageSink {
 public:
  PdfPageSink(Context& ctx, std::string file, const SlipPrintValues& values)
      : ctx_(ctx),
        file_(std::move(file)),
        dpiX_(LabelTextToInt(values.dpiX)),
        dpiY_(LabelTextToInt(values.dpiY)) {}

  void Begin() override { pdf_.emplace(QPageSize::A4, dpiX_, dpiY_); }
  void AddPage(const DrawList& page) override { pdf_->AddPage(page); }
  void Finish() override {
    const QByteArray bytes = pdf_->Finish();
    pdf_.reset();
    WriteDocument(ctx_, file_,
                  std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  }
  void Abandon() noexcept override { pdf_.reset(); }

 private:
  Context& ctx_;
  std::string file_;
  int dpiX_;
  int dpiY_;
  std::optional<SlipPdf> pdf_;
};

// "12/340" on one line rewritten in place, when stderr is a terminal.
DocumentProgress ProgressOn(Context& ctx) {
  if (::isatty(STDERR_FILENO) != 1) return {};
  return [&ctx](std::size_t done, std::size_t total) {
    ctx.err << '\r' << done << '/' << total << (done == total ? "\n" : "") << std::flush;
    return true;
  };
}

// The batch's run, and how its job was printed when the print service
// accepted one (not for a PDF).
struct PrintedBatch {
  DocumentRun run;
  std::optional<journal::PrintSetup> printedOn;
};

// The session a PDF is laid out in: the registered printer's resolution
// when it is there, else kPdfDefaultDpi: a PDF needs no printer.
std::unique_ptr<SlipSession> PdfSession(const BatchOptions& options, Context& ctx,
                                        BatchReport& report) {
  report.dpiSource = options.slip.dpi ? "option" : "printer";
  if (!options.slip.dpi) {
    try {
      return std::make_unique<SlipSession>(options.slip, ctx);
    } catch (const ELmPrinter&) {
    } catch (const EPrinter&) {
    }
    report.dpiSource = "default";
  }
  SlipOptions fixed = options.slip;
  if (!fixed.dpi) fixed.dpi = Resolution{kPdfDefaultDpi, kPdfDefaultDpi};
  return std::make_unique<SlipSession>(fixed, ctx);
}

PrintedBatch PrintOrders(const BatchOptions& options, const std::vector<const SlipRecord*>& slips,
                         Context& ctx, BatchReport& report) {
  EnsureGuiApplication();
  if (options.pdf) {
    const std::unique_ptr<SlipSession> session = PdfSession(options, ctx, report);
    report.dpi = {session->PrintValues().dpiX, session->PrintValues().dpiY};
    PdfPageSink sink(ctx, *options.pdf, session->PrintValues());
    return {PrintSlips(slips, session->PrintValues(), sink, ProgressOn(ctx)), std::nullopt};
  }
  SlipSession session(options.slip, ctx, /*needPrinter=*/true);
  report.dpi = {session.PrintValues().dpiX, session.PrintValues().dpiY};
  report.dpiSource = options.slip.dpi ? "option" : "printer";
  PrinterPageSink sink(session.Printer());
  const DocumentRun run = PrintSlips(slips, session.PrintValues(), sink, ProgressOn(ctx));
  if (run.pages == 0) return {run, std::nullopt};
  return {run, PrintSetupOf(session)};
}

// Records the printed orders, each with its file, first row and order
// number, as one job; how many the journal took.
std::size_t RecordOrders(Context& ctx, const BatchOptions& options, const batch::OrderFile& file,
                         const journal::PrintSetup& printedOn) {
  std::vector<journal::PrintedSlip> slips =
      journal::BatchOrdersPrinted(*options.orderFile, file.PrintableOrders(), printedOn);
  return RecordJob(ctx, options.slip.dir, std::move(slips)).ids.size();
}

// What the orders' texts are measured at: the resolution --dpi and --scale
// give, else the reference resolution (the printer is asked only when the
// orders print), and the registered form scale.
SlipPrintValues FitValues(const SlipOptions& options,
                          const settings::RegisteredPrintValues& registration) {
  const Resolution dpi = options.dpi.value_or(Resolution{kFitReferenceDpi, kFitReferenceDpi});
  const std::uint16_t scale = options.dpi ? options.scale.value_or(100) : 100;
  return {std::to_string(EffectiveDpi(dpi.x, scale)),
          std::to_string(EffectiveDpi(dpi.y, scale)),
          "",
          "",
          registration.scaleX,
          registration.scaleY};
}

// Reads and checks the order file with the working folder's senders,
// registration and postal-code dictionary.
batch::OrderFile LoadOrders(const BatchOptions& options, Context& ctx) {
  settings::RequireFolder(options.slip.dir);  // its senders and printer, or no slip at all
  const settings::StartupState state = settings::LoadStartupState(options.slip.dir);
  const postal::PostalDirectory postal = LoadZipDirectory(ctx, options.dict, options.slip.dir);
  batch::OrderFileSource source;
  source.orderFile = *options.orderFile;
  if (options.map) source.columnMap = *options.map;
  source.encoding = options.encoding;
  source.workingFolder = options.slip.dir;
  source.selectedSender = state.saved.senderTab;
  source.postal = &postal;
  source.slipDate = options.slip.date.value_or(LocalToday());
  EnsureGuiApplication();  // the fonts the orders' texts are measured in
  const QtTextMeasurer measurer;
  source.measurer = &measurer;
  source.fitValues = FitValues(options.slip, state.printValues);
  return batch::LoadOrderFile(source);
}

int RunChecked(const BatchOptions& options, Context& ctx, BatchReport& report,
               batch::OrderFile& file, bool& pdfOnStandardOutput) {
  file = LoadOrders(options, ctx);
  report.file = &file;
  // Any problem stops the whole batch, unless the good orders are to print
  // alone; a problem of the file or its header stops it in any case.
  const bool problems = !file.problems.empty() || file.InvalidOrderCount() > 0;
  if (!options.dryRun && (!problems || options.skipInvalid)) {
    pdfOnStandardOutput = options.pdf && DocumentGoesToStandardOutput(*options.pdf);
    const PrintedBatch batch = PrintOrders(options, file.PrintableSlips(), ctx, report);
    report.printed = batch.run.pages;
    if (batch.printedOn) report.recorded = RecordOrders(ctx, options, file, *batch.printedOn);
  }
  return problems ? 1 : 0;
}

}  // namespace

int RunBatch(const Args& args, Context& ctx) {
  BatchReport report;
  batch::OrderFile file;
  bool pdfOnStandardOutput = false;
  int status = 0;
  try {
    const BatchOptions options = ReadOptions(args, ctx);
    status = RunChecked(options, ctx, report, file, pdfOnStandardOutput);
  } catch (const std::exception& error) {
    // The report says why in Japanese; the error goes on to standard error.
    report.error = JapaneseErrorText(error);
    ctx.out << BatchReportJson(ctx, report);
    throw;
  }
  // The report would run into a PDF written to standard output; when no
  // PDF was written, the report says why.
  if (!pdfOnStandardOutput || report.printed == 0) ctx.out << BatchReportJson(ctx, report);
  return status;
}

}  // namespace ruvo::cli
