// The shipment journal's speed. Recording a slip adds under 2 ms to its
// print: F11's job on the fake print service alone, and with the slip then
// recorded in an open journal. A search over 100,000 slips answers in under
// 50 ms, whichever way it finds them: a word of two characters (read row by
// row, newest first), of three or more (the trigram index), a telephone
// number's part, a postal code, a day's range, and a word no slip has (the
// longest case: every row is read). Opening the large journal (quick_check)
// is what the window does once after its first paint and ruvo-slip once per
// command.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>

#include "journal/duplicate_check.h"
#include "journal/journal_record.h"
#include "journal/journal_search.h"
#include "journal/journal_slips.h"
#include "journal/recipient_book.h"
#include "print/print_job.h"
#include "support/fake_print_service.h"

namespace {

using ruvo::journal::Journal;
using ruvo::journal::PrintedSlip;
using ruvo::test::Sj;

// A folder under TMPDIR for the run, removed at its end.
class BenchFolder {
 public:
  BenchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ruvo-journal-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~BenchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Recipients spread as a shop's are: many names, a few places and goods.
PrintedSlip ShopSlip(int i) {
  static const char* const kFamilies[] = {"山田", "佐藤", "鈴木", "高橋", "田中", "伊藤", "渡辺",
                                          "中村", "小林", "加藤", "吉田", "山本", "松本", "井上"};
  static const char* const kGiven[] = {"太郎", "花子", "一郎", "美咲", "健太", "陽子", "大輔",
                                       "直美", "翔太", "由美", "拓也", "恵子", "誠",   "愛"};
  static const char* const kPlaces[] = {"東京都港区芝公園", "大阪府大阪市北区梅田",
                                        "広島県広島市中区白島北町", "北海道札幌市中央区北一条西",
                                        "福岡県福岡市博多区博多駅前"};
  static const char* const kGoods[] = {"書籍", "文具", "果物", "ＣＤ・ＤＶＤ", "衣類", "食品"};
  const auto at = [i](auto& list, int step) {
    return list[static_cast<std::size_t>(i / step) % std::size(list)];
  };
  ruvo::SlipRecord slip = ruvo::test::SlipTo(
      std::string(at(kFamilies, 1)) + at(kGiven, 14) + std::to_string(i % 997), at(kGoods, 3),
      std::to_string(100 + i % 800) + "-" + std::to_string(1000 + i % 9000));
  slip.recipientAddress1 = Sj(std::string(at(kPlaces, 7)) + std::to_string(i % 50) + "-1");
  slip.recipientTel = "0" + std::to_string(3 + i % 6) + "-" + std::to_string(1000 + i % 9000) +
                      "-" + std::to_string(1000 + (i * 7) % 9000);
  return ruvo::test::PrintedFromWindow(std::move(slip));
}

struct Printer {
  Printer() {
    service.AddPrinter("Slip_Printer");
    service.SetDefaultPrinter("Slip_Printer");
  }
  ruvo::test::FakePrintService service;
  ruvo::TLmPrinter layer{service, ruvo::TLmPrinter::FirstSnapshot::kAtFirstUse};
};

void BM_PrintWithoutJournal(benchmark::State& state) {
  Printer printer;
  const PrintedSlip slip = ShopSlip(1);
  for (auto _ : state)
    ruvo::PrintSlip(printer.layer, slip.slip, "12", "-8");
}
BENCHMARK(BM_PrintWithoutJournal)->Unit(benchmark::kMillisecond);

const std::filesystem::path& LargeJournal();

// Into a new journal, and into one of 100,000 slips.
void BM_PrintAndRecord(benchmark::State& state) {
  Printer printer;
  const BenchFolder folder;
  Journal journal(state.range(0) == 0 ? folder.path() : LargeJournal());
  journal.ForWriting();
  int i = 0;
  for (auto _ : state) {
    PrintedSlip slip = ShopSlip(++i);
    ruvo::PrintSlip(printer.layer, slip.slip, "12", "-8");
    slip.setup.jobId = printer.layer.LastJobId();
    if (!RecordPrintedSlips(journal, {std::move(slip)}).Recorded())
      state.SkipWithError("not recorded");
  }
}
BENCHMARK(BM_PrintAndRecord)->Arg(0)->Arg(100000)->Unit(benchmark::kMillisecond);

// The day a slip of the large journal was printed: a thousand a day from
// 2026-01-01 on.
std::chrono::system_clock::time_point DayOfJob(int job) {
  return ruvo::test::TokyoTime(2026, 1, 1, 10, 0) + std::chrono::days(job);
}

// 100,000 slips, recorded once for every benchmark that reads them, in jobs
// of 1,000, one a day.
const std::filesystem::path& LargeJournal() {
  static const BenchFolder folder;
  static const bool filled = [] {
    int job = 0;
    Journal journal(folder.path(), [&job] { return DayOfJob(job); });
    for (; job < 100; ++job) {
      std::vector<PrintedSlip> slips;
      for (int i = 0; i < 1000; ++i)
        slips.push_back(ShopSlip(job * 1000 + i));
      if (!RecordPrintedSlips(journal, std::move(slips)).Recorded()) return false;
    }
    return true;
  }();
  (void)filled;
  return folder.path();
}

void BM_OpenLargeJournal(benchmark::State& state) {
  const std::filesystem::path& folder = LargeJournal();
  for (auto _ : state) {
    Journal journal(folder);
    benchmark::DoNotOptimize(journal.ForReading());
  }
}
BENCHMARK(BM_OpenLargeJournal)->Unit(benchmark::kMillisecond);

// The search box's queries, by their case.
const struct {
  const char* name;
  const char* text;  // UTF-8
  const char* tel;
  bool oneDay;
} kSearches[] = {
    {"two characters", "松本", "", false},
    {"three characters", "松本美咲", "", false},
    {"goods", "ＣＤ", "", false},
    {"part of a phone number", "", "1234-8", false},
    {"postal code", "105-1005", "", false},
    {"a day", "", "", true},
    {"no such name", "存在しない名前", "", false},
    {"two characters no slip has", "存在", "", false},
};

void BM_SearchOf100000Slips(benchmark::State& state) {
  const auto& search = kSearches[state.range(0)];
  Journal journal(LargeJournal());
  ruvo::journal::SlipQuery query;
  query.text = Sj(search.text);
  query.tel = search.tel;
  if (search.oneDay) query.from = query.to = std::chrono::year(2026) / 3 / 15;
  journal.ForReading();  // opened and checked once, as the history dialog finds it
  std::size_t found = 0;
  for (auto _ : state)
    found = FindSlips(journal, query).slips.size();
  state.SetLabel(search.name);
  state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_SearchOf100000Slips)
    ->DenseRange(0, std::size(kSearches) - 1)
    ->Unit(benchmark::kMillisecond);

void BM_BookAsYouTypeOf100000Slips(benchmark::State& state) {
  Journal journal(LargeJournal());
  ruvo::journal::RecipientQuery query;
  query.text = Sj("松本");
  journal.ForReading();
  for (auto _ : state)
    benchmark::DoNotOptimize(FindRecipients(journal, query));
  ruvo::journal::RecipientQuery everyone;
  everyone.limit = 0;
  state.counters["recipients"] = static_cast<double>(FindRecipients(journal, everyone).size());
}
BENCHMARK(BM_BookAsYouTypeOf100000Slips)->Unit(benchmark::kMillisecond);

void BM_DuplicateCheckOf100000Slips(benchmark::State& state) {
  Journal journal(LargeJournal());
  const PrintedSlip slip = ShopSlip(4242);
  journal.ForReading();
  for (auto _ : state)
    benchmark::DoNotOptimize(FindEarlierPrint(journal, slip.slip));
}
BENCHMARK(BM_DuplicateCheckOf100000Slips)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
