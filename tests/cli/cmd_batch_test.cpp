// ruvo-slip batch run as built on a prepared working directory: every row a
// page of one PDF with its name at the layout's dots, problems by row and
// column, and nothing written while any is left.
#include <nlohmann/json.hpp>

#include "batch/order_fixture.h"
#include "cli/slip_cli_fixture.h"

namespace ruvo::test {
namespace {

class BatchCommandTest : public SlipCliTest {
 protected:
  void SetUp() override {
    SlipCliTest::SetUp();
    csv_ = dir_ / "orders.csv";
    pdf_ = dir_ / "slips.pdf";
  }

  // Runs the batch on `csv` (UTF-8, written as Shift-JIS) without a
  // postal-code dictionary.
  RunResult Batch(const std::string& csv, const std::string& options) {
    std::ofstream(csv_, std::ios::binary) << Sj(csv);
    return RunSlip("batch", "'" + csv_.string() + "' " + options, "RUVO_ZIP_DICT=/nonexistent");
  }

  std::string ToPdf() const { return "--pdf '" + pdf_.string() + "' --dpi 360 --date 2011-01-05"; }

  fs::path csv_;
  fs::path pdf_;
};

TEST_F(BatchCommandTest, EveryRowIsAPageWithItsNameAtTheLayoutsDots) {
  const RunResult run = Batch(OrderFileOf(3), ToPdf());
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(
      run.out.find(R"("rows": 3, "printed": 3, "skipped": 0, "encoding": "cp932", "problems": [])"),
      std::string::npos)
      << run.out;
  for (int page = 1; page <= 3; ++page) {
    SCOPED_TRACE(page);
    const auto words = WordsOf(pdf_, page);
    // 360 dpi: name at 220, 330 → dots 495, 743; margins 0 for 手差し.
    EXPECT_TRUE(HasWordAt(words, "注文者" + std::to_string(page), 495, 743, 360));
    EXPECT_TRUE(HasWordAt(words, "2011", 383, 54, 360));
  }
  EXPECT_TRUE(WordsOf(pdf_, 4).empty());
}

TEST_F(BatchCommandTest, AProblemStopsEverySlipUnlessGoodRowsAreToPrintAlone) {
  const std::string csv = std::string(kOrderHeader) + OrderLine("一郎") +
                          OrderLine("二郎", "105-0011", "0") +
                          OrderLine("三郎", "1050011", "2", "9");
  const RunResult stopped = Batch(csv, ToPdf());
  EXPECT_EQ(stopped.exitCode, 1);
  EXPECT_NE(stopped.out.find(R"("printed": 0, "skipped": 2)"), std::string::npos) << stopped.out;
  EXPECT_NE(stopped.out.find(R"("row": 3, "column": "個数", "reason": "個数は 1 から 999)"),
            std::string::npos);
  EXPECT_NE(stopped.out.find(R"("row": 4, "column": "時間帯")"), std::string::npos);
  EXPECT_FALSE(fs::exists(pdf_));

  const RunResult skipping = Batch(csv, ToPdf() + " --skip-invalid");
  EXPECT_EQ(skipping.exitCode, 1);
  EXPECT_NE(skipping.out.find(R"("rows": 3, "printed": 1, "skipped": 2)"), std::string::npos);
  EXPECT_TRUE(HasWordAt(WordsOf(pdf_, 1), "一郎", 495, 743, 360));
  EXPECT_TRUE(WordsOf(pdf_, 2).empty());
}

TEST_F(BatchCommandTest, DryRunChecksOnlyAndReportsInTheOutputEncoding) {
  const std::string csv = std::string(kOrderHeader) + OrderLine("一郎", "105-0011", "1000");
  const RunResult dry = Batch(csv, "--dry-run");
  EXPECT_EQ(dry.exitCode, 1);
  const RunResult cp932 =
      RunSlip("--cp932 batch", "'" + csv_.string() + "' --dry-run", "RUVO_ZIP_DICT=/nonexistent");
  EXPECT_NE(cp932.out.find(Sj(R"("column": "個数")")), std::string::npos) << cp932.out;
  EXPECT_EQ(Batch(OrderFileOf(2), "--dry-run").exitCode, 0);
  EXPECT_FALSE(fs::exists(pdf_));
}

TEST_F(BatchCommandTest, BadCommandLinesAreUsageErrors) {
  EXPECT_EQ(RunSlip("batch", "--dry-run").exitCode, 2);  // no order file
  EXPECT_EQ(Batch(OrderFileOf(1), "--encoding latin1").exitCode, 2);
  EXPECT_EQ(Batch(OrderFileOf(1), ToPdf() + " --printer X").exitCode, 2);
  const RunResult missing = RunSlip("batch", "'" + (dir_ / "none.csv").string() + "'");
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find("none.csv: No such file or directory"), std::string::npos);
}

// Whatever stops the batch, its one JSON object says why, with every key.
TEST_F(BatchCommandTest, EveryFailureStillWritesItsOneJsonObject) {
  std::string wide = "郵便番号,住所1,氏名";
  for (int i = 0; i < 20000; ++i)
    wide += ",c";
  std::ofstream(dir_ / "big.csv", std::ios::binary) << std::string((16 << 20) + 1, 'a');
  const struct {
    const char* name;
    std::string arguments;
    int exitCode;
    std::string error;    // the "error" key; empty: null
    std::string problem;  // the first problem's reason; empty: none
  } cases[] = {
      {"no such file", "'" + (dir_ / "none.csv").string() + "'", 1,
       "「" + (dir_ / "none.csv").string() + "」を読めません: ファイルがありません。", ""},
      {"over 16 MiB", "'" + (dir_ / "big.csv").string() + "' --dry-run", 1, "",
       "ファイルが大きすぎます(16 MiB まで)"},
      {"bad option", "'" + csv_.string() + "' --encoding latin1", 2, "*", ""},
  };
  std::ofstream(csv_, std::ios::binary) << Sj(OrderFileOf(1));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const RunResult run = RunSlip("batch", c.arguments, "RUVO_ZIP_DICT=/nonexistent");
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    const nlohmann::json report = nlohmann::json::parse(run.out);
    for (const char* key : {"rows", "orders", "printed", "skipped", "problems", "warnings",
                            "preset", "fields", "ignored", "dpi", "error", "recorded"})
      EXPECT_TRUE(report.contains(key)) << key;
    if (c.error.empty()) {
      EXPECT_TRUE(report["error"].is_null());
    } else if (c.error != "*") {
      EXPECT_EQ(report["error"], c.error);
    } else {
      EXPECT_FALSE(report["error"].get<std::string>().empty());
    }
    if (!c.problem.empty()) {
      EXPECT_EQ(report["problems"][0]["reason"], c.problem);
      EXPECT_TRUE(report["encoding"].is_null());  // never read
    }
  }
  // A header wider than any export is refused at once, read no further.
  const RunResult tooWide = Batch(wide + "\r\n105-0011,東京都,山田\r\n", "--dry-run");
  EXPECT_EQ(tooWide.exitCode, 1);
  EXPECT_EQ(nlohmann::json::parse(tooWide.out)["problems"][0]["reason"],
            "列が多すぎます(1000 列まで、20003 列あります)");
}

// A PDF needs no printer: where none answers, the slips are laid out at
// 360 dpi, and the report says so.
TEST_F(BatchCommandTest, PdfWithoutAPrinterIsLaidOutAt360Dpi) {
  std::ofstream(csv_, std::ios::binary) << Sj(OrderFileOf(1));
  const RunResult run =
      RunSlip("batch", "'" + csv_.string() + "' --pdf '" + pdf_.string() + "'",
              "RUVO_ZIP_DICT=/nonexistent CUPS_SERVER=" + (dir_ / "no-cups.sock").string());
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  const nlohmann::json report = nlohmann::json::parse(run.out);
  EXPECT_EQ(report["dpi"], nlohmann::json::array({360, 360}));
  EXPECT_EQ(report["dpi_source"], "default");
  EXPECT_TRUE(HasWordAt(WordsOf(pdf_, 1), "注文者1", 495, 743, 360));
}

TEST_F(BatchCommandTest, HelpPrintsTheUsage) {
  const RunResult help = RunSlip("batch", "--help");
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.out.starts_with("usage: ruvo-slip")) << help.out;
  EXPECT_NE(help.out.find("--map FILE"), std::string::npos);
}

}  // namespace
}  // namespace ruvo::test
