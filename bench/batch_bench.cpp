// Printing a day's orders: reading and checking an order file of 10,000 rows
// (target under 1 s), a shop's export of 10,000 rows and 60 columns, two
// item rows an order, recognised as a platform's and joined column by
// column (target under 1 s), and the PDF of 1,000 slips, one page each (target
// under 10 s). The memory painting the pages adds grows with the PDF's bytes
// (about 1.3 KiB a slip), not with painted page images.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "batch/order_file.h"
#include "batch/order_fixture.h"
#include "print/lm_d97_dot.h"
#include "print/slip_pdf.h"

namespace {

using ruvo::batch::OrderFile;
using ruvo::batch::OrderFileOptions;

// Every row with the first sender, held in memory: no files are read.
OrderFileOptions Options() {
  OrderFileOptions options;
  options.context.senders.senders[0] =
      ruvo::settings::SenderFields{"150-0002", ruvo::test::Sj("東京都渋谷区渋谷"), "",
                                   ruvo::test::Sj("株式会社ルヴォ"), "03-1234-5678"};
  options.context.slipDate = std::chrono::year(2026) / 3 / 1;
  return options;
}

// The memory the process holds now (resident), in MiB.
double ResidentMib() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

void BM_CheckOrderFile(benchmark::State& state) {
  const std::string bytes =
      ruvo::test::Sj(ruvo::test::OrderFileOf(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    const OrderFile file = ruvo::batch::ReadOrderFile(bytes, Options());
    if (file.PrintableSlips().size() != static_cast<std::size_t>(state.range(0))) {
      state.SkipWithError("rows were not all good");
    }
  }
  state.counters["rows"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_CheckOrderFile)->Arg(10000)->Unit(benchmark::kMillisecond);

// A Rakuten-style export: the recipient's columns joined from parts, the
// buyer's beside them, and filler columns up to 60, as a full download has.
std::string ShopExport(int rows) {
  const std::vector<std::string> named = {"注文番号",
                                          "送付先ID",
                                          "注文者姓",
                                          "注文者名",
                                          "送付先郵便番号1",
                                          "送付先郵便番号2",
                                          "送付先住所都道府県",
                                          "送付先住所郡市区",
                                          "送付先住所それ以降の住所",
                                          "送付先姓",
                                          "送付先名",
                                          "送付先電話番号1",
                                          "送付先電話番号2",
                                          "送付先電話番号3",
                                          "商品名",
                                          "個数",
                                          "お届け時間帯",
                                          "お届け日指定"};
  std::string csv;
  for (const std::string& name : named)
    csv += name + ",";
  for (std::size_t i = named.size(); i < 60; ++i)
    csv += "列" + std::to_string(i) + (i + 1 < 60 ? "," : "\r\n");
  std::string filler;
  for (std::size_t i = named.size(); i < 60; ++i)
    filler += std::string("値") + (i + 1 < 60 ? "," : "\r\n");
  for (int row = 0; row < rows; ++row) {
    const int order = row / 2;
    csv += "100000-20261208-" + std::to_string(order) + ",1,鈴木,一郎,105,0011,東京都,港区," +
           "芝公園4-2-8 タワー" + std::to_string(order % 100) + "階,山田,花子,03,1234,5678," +
           "紀州南高梅 はちみつ梅 " + std::to_string(row) + ",1,1416,2026-12-12," + filler;
  }
  return ruvo::test::Sj(csv);
}

void BM_CheckShopExport(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const std::string bytes = ShopExport(rows);
  for (auto _ : state) {
    const OrderFile file = ruvo::batch::ReadOrderFile(bytes, Options());
    if (file.preset.empty() || file.PrintableSlips().size() != static_cast<std::size_t>(rows / 2))
      state.SkipWithError("the export was not read as two rows an order");
  }
  state.counters["rows"] = static_cast<double>(rows);
  state.counters["columns"] = 60;
}
BENCHMARK(BM_CheckShopExport)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_PdfOfSlips(benchmark::State& state) {
  const OrderFile file = ruvo::batch::ReadOrderFile(
      ruvo::test::Sj(ruvo::test::OrderFileOf(static_cast<int>(state.range(0)))), Options());
  const std::vector<const ruvo::SlipRecord*> slips = file.PrintableSlips();
  const ruvo::SlipPrintValues values{"360", "360", "0", "0"};
  qsizetype bytes = 0;
  double growth = 0;
  for (auto _ : state) {
    const double before = ResidentMib();
    ruvo::SlipPdf pdf(QPageSize::A4, 360, 360);
    for (const ruvo::SlipRecord* slip : slips)
      pdf.AddPage(ruvo::SLIP97_Prn(*slip, values));
    growth = ResidentMib() - before;
    bytes = pdf.Finish().size();
  }
  state.counters["pages"] = static_cast<double>(slips.size());
  state.counters["pdf_kib"] = static_cast<double>(bytes) / 1024.0;
  // What painting every page added: the PDF's bytes so far, no page images.
  state.counters["rss_growth_mib"] = growth;
}
BENCHMARK(BM_PdfOfSlips)->Arg(100)->Arg(1000)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
