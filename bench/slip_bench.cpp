// The slip's speed: building its draw list (target under 50 µs) and painting
// it onto a 360 dpi A4 page (target under 20 ms).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "print/lm_d97_dot.h"
#include "print/slip_painter.h"
#include "support/slips.h"

namespace {

const ruvo::SlipPrintValues k360Dpi{"360", "360", "12", "-8"};

void BM_BuildDrawList(benchmark::State& state) {
  const ruvo::SlipRecord slip = ruvo::test::FullSlip();
  for (auto _ : state)
    benchmark::DoNotOptimize(ruvo::SLIP97_Prn(slip, k360Dpi));
}
BENCHMARK(BM_BuildDrawList);

void BM_PaintDrawListOn360DpiPage(benchmark::State& state) {
  const ruvo::DrawList list = ruvo::SLIP97_Prn(ruvo::test::FullSlip(), k360Dpi);
  QImage page(2977, 4210, QImage::Format_RGB32);  // A4 at 360 dpi
  page.setDotsPerMeterX(14173);
  page.setDotsPerMeterY(14173);
  page.fill(Qt::white);
  for (auto _ : state) {
    QPainter painter(&page);
    ruvo::PaintDrawList(painter, list);
  }
  state.counters["texts"] = static_cast<double>(list.size());
}
BENCHMARK(BM_PaintDrawListOn360DpiPage)->Unit(benchmark::kMillisecond);

}  // namespace
