// ruvo-slip batch: a shop's order file checked row by row, then every slip
// printed as one job (or written as one PDF), with the senders, the printer
// and the margins of the working directory, as the window would print them.
#include <unistd.h>

#include <algorithm>
#include <ostream>

#include "batch/order_file.h"
#include "cli/commands.h"
#include "cli/journal_recording.h"
#include "cli/output_document.h"
#include "cli/slip_options.h"
#include "cli/slip_session.h"
#include "cli/zip_directory.h"
#include "print/print_job.h"
#include "print/qt_text_measurer.h"
#include "print/slip_document.h"
#include "print/slip_pdf.h"
#include "print/slip_units.h"
#include "settings/file_errors.h"
#include "settings/startup_state.h"
#include "slip/saved_slip.h"

namespace ruvo::cli {

namespace {

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
// resolution and margins, the shipping date. The rest come from each row.
constexpr std::string_view kBatchSlipOptions[] = {"--dir",  "--dpi", "--scale",
                                                  "--date", "--top", "--left"};

bool ReadBatchOption(const std::string& option, ArgReader& reader, Context& ctx,
                     BatchOptions& options) {
  if (option == "--map") {
    options.map = reader.Value();
  } else if (option == "--encoding") {
    const std::string name = reader.Value();
    options.encoding = batch::CsvEncodingNamed(name);
    if (!options.encoding)
      throw UsageError("option --encoding takes utf-8 or cp932, not '" + name + "'");
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

PrintedBatch PrintOrders(const BatchOptions& options, const std::vector<const SlipRecord*>& slips,
                         Context& ctx) {
  EnsureGuiApplication();
  SlipSession session(options.slip, ctx, /*needPrinter=*/!options.pdf);
  if (options.pdf) {
    PdfPageSink sink(ctx, *options.pdf, session.PrintValues());
    return {PrintSlips(slips, session.PrintValues(), sink, ProgressOn(ctx)), std::nullopt};
  }
  PrinterPageSink sink(session.Printer());
  const DocumentRun run = PrintSlips(slips, session.PrintValues(), sink, ProgressOn(ctx));
  if (run.pages == 0) return {run, std::nullopt};
  return {run, PrintSetupOf(session)};
}

// Records the printed rows, each with its file, row and order number, as
// one job; how many the journal took.
std::size_t RecordRows(Context& ctx, const BatchOptions& options, const batch::OrderFile& file,
                       const journal::PrintSetup& printedOn) {
  const std::string orderFile = settings::PathText(std::filesystem::absolute(*options.orderFile));
  std::vector<journal::PrintedSlip> slips;
  for (const batch::OrderRow& row : file.rows) {
    if (!row.Printable()) continue;
    journal::PrintedSlip& slip = slips.emplace_back();
    slip.origin = journal::SlipOrigin::kBatch;
    slip.batchFile = orderFile;
    slip.batchRow = row.row;
    slip.orderNumber = row.orderNumber;
    slip.setup = printedOn;
    slip.slip = row.slip;
  }
  return RecordJob(ctx, options.slip.dir, std::move(slips)).ids.size();
}

std::string ReportJson(const batch::OrderFile& file, std::size_t printed, std::size_t skipped,
                       std::size_t recorded, const Context& ctx) {
  std::string json = "{\"rows\": " + std::to_string(file.rows.size()) +
                     ", \"printed\": " + std::to_string(printed) +
                     ", \"skipped\": " + std::to_string(skipped) +
                     ", \"encoding\": " + JsonString(ctx, batch::CsvEncodingName(file.encoding)) +
                     ", \"problems\": [";
  const char* separator = "";
  for (const batch::BatchProblem& problem : file.AllProblems()) {
    json += separator;
    json += "\n  {\"file\": " + JsonString(ctx, ToOutput(ctx, problem.file)) +
            ", \"row\": " + std::to_string(problem.row) +
            ", \"column\": " + JsonString(ctx, ToOutput(ctx, problem.column)) +
            ", \"reason\": " + JsonString(ctx, ToOutput(ctx, problem.reason)) + "}";
    separator = ",";
  }
  return json + "], \"recorded\": " + std::to_string(recorded) + "}\n";
}

// What the rows' texts are measured at: the resolution --dpi and --scale
// give, else the reference resolution (the printer is asked only when the
// rows print), and the registered form scale.
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

}  // namespace

int RunBatch(const Args& args, Context& ctx) {
  const BatchOptions options = ReadOptions(args, ctx);
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
  EnsureGuiApplication();  // the fonts the rows' texts are measured in
  const QtTextMeasurer measurer;
  source.measurer = &measurer;
  source.fitValues = FitValues(options.slip, state.printValues);
  const batch::OrderFile file = batch::LoadOrderFile(source);

  // Any problem stops the whole batch, unless the good rows are to print
  // alone; a problem of the file or its header stops it in any case.
  const bool problems = !file.problems.empty() || file.InvalidRowCount() > 0;
  const std::vector<const SlipRecord*> slips = file.PrintableSlips();
  const std::size_t skipped = file.problems.empty() ? file.InvalidRowCount() : file.rows.size();
  std::size_t printed = 0;
  std::size_t recorded = 0;
  bool pdfOnStandardOutput = false;
  if (!options.dryRun && (!problems || options.skipInvalid)) {
    pdfOnStandardOutput = options.pdf && DocumentGoesToStandardOutput(*options.pdf);
    const PrintedBatch batch = PrintOrders(options, slips, ctx);
    printed = batch.run.pages;
    if (batch.printedOn) recorded = RecordRows(ctx, options, file, *batch.printedOn);
  }
  // The report would run into a PDF written to standard output; when no
  // PDF was written, the report says why.
  if (!pdfOnStandardOutput) ctx.out << ReportJson(file, printed, skipped, recorded, ctx);
  return problems ? 1 : 0;
}

}  // namespace ruvo::cli
