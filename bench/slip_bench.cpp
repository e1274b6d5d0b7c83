// The slip's speed: building its draw list (target under 50 µs) and painting
// it onto a 360 dpi A4 page (target under 20 ms).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "print/lm_d97_dot.h"
#include "print/slip_painter.h"
#include "transfer/cp932_codec.h"

namespace {

std::string Sj(std::string_view utf8) {
  return ruvo::Utf8ToCp932(utf8).bytes;
}

ruvo::SlipRecord FullSlip() {
  ruvo::SlipRecord slip;
  slip.recipientZip = "730-0001";
  slip.recipientAddress1 = Sj("広島県広島市中区白島北町１－２－３");
  slip.recipientAddress2 = Sj("ルヴォビル２階");
  slip.recipientAddress3 = Sj("総務部");
  slip.recipientName = Sj("山田太郎");
  slip.recipientTel = "082-123-4567";
  slip.goods = {Sj("書籍"), Sj("文具"), Sj("割れ物注意")};
  slip.quantity = "12";
  slip.slipDate = std::chrono::year(2026) / 12 / 7;
  slip.wishedMonth = "12";
  slip.wishedDay = "24";
  slip.timeSlots[1] = true;
  slip.senderZip = "150-0002";
  slip.senderAddress1 = Sj("東京都渋谷区渋谷");
  slip.senderAddress2 = Sj("２－２１－１");
  slip.senderName = Sj("株式会社ルヴォ");
  slip.senderTel = "03-1234-5678";
  return slip;
}

const ruvo::SlipPrintValues k360Dpi{"360", "360", "12", "-8"};

void BM_BuildDrawList(benchmark::State& state) {
  const ruvo::SlipRecord slip = FullSlip();
  for (auto _ : state)
    benchmark::DoNotOptimize(ruvo::SLIP97_Prn(slip, k360Dpi));
}
BENCHMARK(BM_BuildDrawList);

void BM_PaintDrawListOn360DpiPage(benchmark::State& state) {
  const ruvo::DrawList list = ruvo::SLIP97_Prn(FullSlip(), k360Dpi);
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
