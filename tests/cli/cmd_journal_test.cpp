// ruvo-slip journal and book run as built on a working folder whose journal
// holds slips the window, a batch and the command line printed: what they
// list, show, export and copy, and the book's way in and out as CSV.
#include <nlohmann/json.hpp>

#include "cli/slip_cli_fixture.h"
#include "journal/duplicate_check.h"
#include "journal/journal_record.h"
#include "journal/journal_search.h"
#include "journal/slip_number_ledger.h"

namespace ruvo::test {
namespace {

using nlohmann::json;

class JournalCommandTest : public SlipCliTest {
 protected:
  void SetUp() override {
    SlipCliTest::SetUp();
    journal::Journal journal(dir_);
    journal::SetSlipNumberLedger(journal, 0, "123456789013", journal::SlipNumberRule::kModulus7);
    Printed(journal, journal::SlipOrigin::kWindow, "山田太郎", "");
    Printed(journal, journal::SlipOrigin::kBatch, "佐藤花子", "R-1001");
    Printed(journal, journal::SlipOrigin::kCommandLine, "山田花子", "");
  }

  static void Printed(journal::Journal& journal, journal::SlipOrigin origin, std::string_view name,
                      std::string_view order) {
    journal::PrintedSlip slip;
    slip.origin = origin;
    slip.orderNumber = std::string(order);
    slip.setup = {0, "Slip", "Slip", "A5", "", {"360", "360", "", "-8"}, 40};
    slip.slip.recipientZip = "105-0011";
    slip.slip.recipientAddress1 = Sj("東京都港区芝公園4-2-8");
    slip.slip.recipientName = Sj(name);
    slip.slip.goods[0] = Sj("書籍");
    slip.slip.slipDate = std::chrono::year(2026) / 3 / 15;
    ASSERT_TRUE(journal::RecordPrintedSlips(journal, {slip}).Recorded());
  }

  json Json(const std::string& command, const std::string& options) {
    const RunResult run = RunSlip(command, options);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return json::parse(run.out, nullptr, /*allow_exceptions=*/false);
  }
};

TEST_F(JournalCommandTest, ListFindsNewestFirstAndShowTellsEverything) {
  const json list = Json("journal list", "--search 山田");
  ASSERT_EQ(list["slips"].size(), 2u);
  const json& newest = list["slips"][0];
  EXPECT_EQ(newest["id"], 3);
  EXPECT_EQ(newest["source"], "cli");
  EXPECT_EQ(newest["name"], "山田花子");
  EXPECT_EQ(newest["slip_number"], "123456789035");
  EXPECT_EQ(list["slips"][1]["source"], "window");
  EXPECT_TRUE(std::regex_match(newest["printed_at"].get<std::string>(),
                               std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d)")));
  EXPECT_EQ(list["more"], false);
  EXPECT_EQ(Json("journal list", "--limit 1")["more"], true);

  const json shown = Json("journal show", "2");
  EXPECT_EQ(shown["order_number"], "R-1001");
  EXPECT_EQ(shown["paper_mode"], "手差し");
  EXPECT_EQ(shown["left"], -8);
  EXPECT_EQ(shown["top"], 0);
  EXPECT_EQ(shown["goods"], json::array({"書籍", "", ""}));

  const RunResult missing = RunSlip("journal show", "9");
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err.find("no slip 9"), std::string::npos);
}

// The manual page's test runs no printer; the keys of a printed slip are
// checked here.
TEST_F(JournalCommandTest, EveryKeyOfASlipIsInTheManualPage) {
  const std::string page = ReadFile(RUVO_MAN_PAGE);
  for (const json& slip : {Json("journal show", "1"), Json("journal list", "")["slips"][0]}) {
    for (const auto& [key, value] : slip.items())
      EXPECT_NE(page.find("*" + key + "*"), std::string::npos) << key;
  }
}

// What the back office takes in: one line per slip, oldest first, in
// UTF-8 with its BOM unless CP932 is asked for; into a file with a report.
TEST_F(JournalCommandTest, ExportGivesOrderSlipNumberAndRecipient) {
  const RunResult csv = RunSlip("journal export", "--csv --from 2000-01-01 --to 2999-12-31");
  ASSERT_EQ(csv.exitCode, 0) << csv.err;
  std::istringstream lines(csv.out);
  std::string header;
  std::string first;
  std::getline(lines, header);
  std::getline(lines, first);
  EXPECT_EQ(header,
            "\xEF\xBB\xBF注文番号,伝票番号,出荷日,印刷日時,郵便番号,住所1,住所2,住所3,氏名,"
            "電話番号,品名1\r");
  EXPECT_TRUE(first.starts_with(",123456789013,2026-03-15,")) << first;
  const RunResult sjis = RunSlip("journal export", "--csv --encoding cp932 --to 2000-01-01");
  EXPECT_EQ(sjis.out, Sj("注文番号,伝票番号,出荷日,印刷日時,郵便番号,住所1,住所2,住所3,氏名,"
                         "電話番号,品名1\r\n"));

  const json report = Json("journal export", "'" + (dir_ / "out.json").string() + "'");
  EXPECT_EQ(report["slips"], 3);
  EXPECT_EQ(json::parse(ReadFile(dir_ / "out.json"))["slips"].size(), 3u);
}

TEST_F(JournalCommandTest, BackupIsAJournalOfItsOwn) {
  fs::create_directory(dir_ / "copy");
  const json report =
      Json("journal backup", "'" + (dir_ / "copy" / "ruvo_journal.db").string() + "'");
  EXPECT_EQ(report["slips"], 3);
  journal::Journal copy(dir_ / "copy");
  EXPECT_EQ(journal::SlipCount(copy), 3);
}

// The book filled by the prints, and a shop's list taken in and written out
// again in either encoding.
TEST_F(JournalCommandTest, BookFillsItselfAndGoesInAndOutAsCsv) {
  EXPECT_EQ(Json("book list", "")["recipients"].size(), 3u);
  std::ofstream(dir_ / "shop.csv", std::ios::binary)
      << Sj("注文番号,お届け先名,お届け先郵便番号,お届け先住所1,お届け先電話番号\r\n"
            "A1,鈴木一郎,１０００００１,東京都千代田区千代田1-1,03-0000-0001\r\n");
  const json imported = Json("book import", "'" + (dir_ / "shop.csv").string() + "'");
  EXPECT_EQ(imported["added"], 1);
  EXPECT_EQ(imported["encoding"], "cp932");
  EXPECT_EQ(Json("book list", "--search 1000001")["recipients"][0]["zip"], "100-0001");

  for (const std::string encoding : {"utf-8", "cp932"}) {
    SCOPED_TRACE(encoding);
    const fs::path written = dir_ / ("book-" + encoding + ".csv");
    Json("book export", "--encoding " + encoding + " '" + written.string() + "'");
    fs::remove_all(dir_ / "again");
    fs::create_directory(dir_ / "again");
    const RunResult again = RunSlip(
        "book import", "'" + written.string() + "' --dir '" + (dir_ / "again").string() + "'");
    EXPECT_NE(again.out.find(R"("rows": 4, "added": 4, "updated": 0, "encoding": ")" + encoding),
              std::string::npos)
        << again.out;
  }
}

// The window's duplicate question reads what the command wrote; a refused
// value leaves the window as it was.
TEST_F(JournalCommandTest, DuplicatesSetsHowLongASlipCountsAsPrinted) {
  EXPECT_EQ(Json("journal duplicates", "")["hours"], 0);  // the same day
  EXPECT_EQ(Json("journal duplicates", "--hours 744")["hours"], 744);
  EXPECT_EQ(Json("journal duplicates", "--hours 48")["hours"], 48);
  EXPECT_EQ(RunSlip("journal duplicates", "--hours -1").exitCode, 2);
  EXPECT_EQ(Json("journal duplicates", "")["hours"], 48);
  journal::Journal journal(dir_);
  EXPECT_EQ(journal::ReadDuplicateWindow(journal).hours, 48);
  EXPECT_EQ(Json("journal duplicates", "--hours 0")["hours"], 0);
  EXPECT_EQ(journal::ReadDuplicateWindow(journal).hours, 0);
}

TEST_F(JournalCommandTest, MistakesAreToldWithTheirUsage) {
  const struct {
    const char* command;
    const char* options;
    int exitCode;
    const char* said;  // on standard error
  } cases[] = {
      // The subcommand comes first, its options after it.
      {"journal", "", 2,
       "unknown subcommand '--dir'; it is one of list, show, reprint, export, backup, number, "
       "duplicates"},
      {"journal lost", "", 2, "unknown subcommand 'lost'"},
      {"journal show", "0", 2, "an id is a whole number from 1, not '0'"},
      {"journal list", "--from 2026-02-30", 2, "option --from: no such day '2026-02-30'"},
      {"journal number", "--set 123456789012", 1, "伝票番号の最後の 1 桁が合いません"},
      {"journal duplicates", "--hours 745", 2,
       "option --hours takes a whole number from 0 to 744, not '745'"},
      {"book add", "--zip 105-0011", 1, "氏名が空です"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.command) + " " + c.options);
    const RunResult run = RunSlip(c.command, c.options);
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
  }
  const RunResult help = RunSlip("book import", "--help");
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.out.starts_with("usage: ruvo-slip book import FILE")) << help.out;
}

}  // namespace
}  // namespace ruvo::test
