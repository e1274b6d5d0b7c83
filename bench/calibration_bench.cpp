// Getting the position right, against printing a slip: the test sheet's
// page reaches the queue in the time a slip's does (target: at most 1.5
// times the slip, painted as a PDF page alone and through a CUPS queue), and
// measuring a slip's texts against their boxes takes well under a display
// frame (target under 2 ms, a frame being 16 ms).
//
// The queue pair needs a CUPS server with the queue ruvo_pass360, as the
// test server of scripts/cups-test-server.sh has: CUPS_SERVER names its
// socket (scripts/bench.sh starts one). Without it that pair is skipped.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <thread>

#include "print/known_slip.h"
#include "print/lm_d97_dot.h"
#include "print/lm_printers.h"
#include "print/print_job.h"
#include "print/qt_print_service.h"
#include "print/qt_text_measurer.h"
#include "print/slip_pdf.h"
#include "print/test_sheet.h"

namespace ruvo {
namespace {

const SlipPrintValues k360Dpi{"360", "360", "12", "-8"};

std::map<std::string, double> meanMs;

void BM_SlipDrawList(benchmark::State& state) {
  const SlipRecord slip = test::KnownSlip();
  for (auto _ : state)
    benchmark::DoNotOptimize(SLIP97_Prn(slip, k360Dpi));
}
BENCHMARK(BM_SlipDrawList);

void BM_TestSheetDrawList(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(TestSheet(k360Dpi));
  state.counters["ops"] = static_cast<double>(TestSheet(k360Dpi).size());
}
BENCHMARK(BM_TestSheetDrawList);

// The page as the print document paints it, without the spooler.
void PaintPdfPage(benchmark::State& state, const DrawList& list) {
  for (auto _ : state) {
    SlipPdf pdf(QPageSize::A4, 360, 360);
    pdf.AddPage(list);
    benchmark::DoNotOptimize(pdf.Finish());
  }
}

void BM_SlipPdfPage(benchmark::State& state) {
  PaintPdfPage(state, SLIP97_Prn(test::KnownSlip(), k360Dpi));
}
BENCHMARK(BM_SlipPdfPage)->Unit(benchmark::kMillisecond);

void BM_TestSheetPdfPage(benchmark::State& state) {
  PaintPdfPage(state, TestSheet(k360Dpi));
}
BENCHMARK(BM_TestSheetPdfPage)->Unit(benchmark::kMillisecond);

// Waits until the queue has printed every job it took, so that each job
// is timed on an idle server, not behind the jobs before it.
bool WaitForIdleQueue() {
  for (int tries = 0; tries < 300; ++tries) {
    FILE* pipe = ::popen("lpstat -o ruvo_pass360 2>/dev/null", "r");
    if (pipe == nullptr) return false;
    char line[256];
    const bool busy = std::fgets(line, sizeof line, pipe) != nullptr;
    ::pclose(pipe);
    if (!busy) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

// From the document's start to the spooler's acceptance, as F11 prints.
void ToQueue(benchmark::State& state, bool sheet) {
  if (std::getenv("CUPS_SERVER") == nullptr) {
    return state.SkipWithError("no CUPS_SERVER: no test server");
  }
  QtPrintService service;
  TLmPrinter printer(service);
  const auto& names = printer.GetPrinterNames();
  const auto found = std::find(names.begin(), names.end(), "ruvo_pass360");
  if (found == names.end()) return state.SkipWithError("no queue ruvo_pass360");
  printer.SetIndex(static_cast<int>(found - names.begin()));
  const SlipPrintValues values = EffectivePrintValues(printer, "12", "-8");
  const DrawList list = sheet ? TestSheet(values) : SLIP97_Prn(test::KnownSlip(), values);
  for (auto _ : state) {
    state.PauseTiming();
    if (!WaitForIdleQueue()) return state.SkipWithError("ruvo_pass360 stays busy");
    state.ResumeTiming();
    PrintDrawList(printer, list);
  }
}

void BM_SlipToQueue(benchmark::State& state) {
  ToQueue(state, false);
}
BENCHMARK(BM_SlipToQueue)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_TestSheetToQueue(benchmark::State& state) {
  ToQueue(state, true);
}
BENCHMARK(BM_TestSheetToQueue)->Unit(benchmark::kMillisecond)->Iterations(20);

// Every text of a slip measured with the installed fonts, one of them too
// wide for its box: what the window does after a keystroke.
void BM_MeasureSlipOverflow(benchmark::State& state) {
  SlipRecord slip = test::KnownSlip();
  slip.recipientName = test::FortyByteName();
  const QtTextMeasurer measurer;
  for (auto _ : state)
    benchmark::DoNotOptimize(MeasureOverflows(slip, k360Dpi, measurer));
}
BENCHMARK(BM_MeasureSlipOverflow)->Unit(benchmark::kMillisecond);

// Notes each benchmark's mean time to print the pairs' ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (!run.error_occurred) meanMs[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

void PrintRatio(const char* what, const std::string& sheet, const std::string& slip) {
  if (meanMs.count(sheet) == 0 || meanMs.count(slip) == 0) return;
  std::printf("%s: test sheet %.1f ms, slip %.1f ms: ratio %.2f (target <= 1.50)\n", what,
              meanMs[sheet], meanMs[slip], meanMs[sheet] / meanMs[slip]);
}

}  // namespace
}  // namespace ruvo

int main(int argc, char** argv) {
  if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
  }
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  ruvo::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  ruvo::PrintRatio("PDF page", "BM_TestSheetPdfPage", "BM_SlipPdfPage");
  ruvo::PrintRatio("to the queue", "BM_TestSheetToQueue/iterations:20",
                   "BM_SlipToQueue/iterations:20");
  benchmark::Shutdown();
  return 0;
}
