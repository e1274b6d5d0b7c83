// ruvo-slip batch on the private CUPS server: a day's orders go out as one
// job, one page per row, each row's name at the layout's dots; and print,
// whose report must be written.
#include "batch/order_fixture.h"
#include "cli/slip_cli_fixture.h"
#include "support/cups_test_server.h"

namespace ruvo::test {
namespace {

TEST_F(SlipCliTest, BatchOnAQueueIsOneJobOfOnePagePerRow) {
  UseTestCupsServer();  // inherited by ruvo-slip and lpstat
  const fs::path out = TestCupsOutputDir() / "ruvo_pass360.pdf";
  fs::remove(out);
  const auto jobs = [] {
    return RunCommand("lpstat -W completed -o ruvo_pass360 2>/dev/null | wc -l");
  };
  const std::string jobsBefore = jobs();
  std::ofstream(dir_ / "orders.csv", std::ios::binary) << Sj(OrderFileOf(4));
  const RunResult run =
      RunSlip("batch", "'" + (dir_ / "orders.csv").string() + "' --printer ruvo_pass360",
              "RUVO_ZIP_DICT=/nonexistent");
  ASSERT_EQ(run.exitCode, 0) << run.err << run.out;
  EXPECT_NE(run.out.find(R"("rows": 4, "printed": 4, "skipped": 0)"), std::string::npos);
  ASSERT_TRUE(WaitForPdf(out, std::chrono::seconds(60)));
  EXPECT_EQ(PdfPageCount(out), 4);
  EXPECT_EQ(std::stoi(jobs()), std::stoi(jobsBefore) + 1);
  for (int page = 1; page <= 4; ++page) {
    SCOPED_TRACE(page);
    // ruvo_pass360: 360 dpi, its printable area at the paper corner.
    EXPECT_TRUE(HasWordAt(WordsOf(out, page), "注文者" + std::to_string(page), 495, 743, 360));
  }
}

// The page goes to the queue, but the report of it cannot be written (a
// full device, a closed standard output): the command says so and fails,
// as every command does.
TEST_F(SlipCliTest, PrintWhoseReportCannotBeWrittenFails) {
  UseTestCupsServer();
  const fs::path err = dir_ / "stderr.txt";
  for (const auto& [redirection, reason] : {std::pair(">/dev/full", "No space left on device"),
                                            std::pair(">&-", "Bad file descriptor")}) {
    SCOPED_TRACE(redirection);
    const std::string line = std::string(RUVO_SLIP_EXE) + " print --dir '" + dir_.string() +
                             "' --printer ruvo_pass360 " + redirection + " 2>'" + err.string() +
                             "'";
    const int status = std::system(line.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(ReadFile(err).find(
                  std::string("ruvo-slip print: standard output cannot be written: ") + reason),
              std::string::npos)
        << ReadFile(err);
  }
}

}  // namespace
}  // namespace ruvo::test
