// ruvo-slip batch on the private CUPS server: a day's orders go out as one
// job, one page per row, each row's name at the layout's dots; and print,
// whose report must be written.
#include <sys/wait.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "batch/order_fixture.h"
#include "cli/slip_cli_fixture.h"
#include "journal/journal_record.h"
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

// The test sheet and the proof go to the queue as one page each, on the
// registered paper, and say so.
TEST_F(SlipCliTest, CalibrateAndProofPrintOnePageEach) {
  UseTestCupsServer();
  const fs::path out = TestCupsOutputDir() / "ruvo_pass360.pdf";
  for (const auto& [command, key] : {std::pair("calibrate", R"("boxes": 39, "ms": )"),
                                     std::pair("print --proof", R"("overflow": [], "job_id": )")}) {
    SCOPED_TRACE(command);
    fs::remove(out);
    const RunResult run = RunSlip(command, "--printer ruvo_pass360");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find(R"({"printer": "ruvo_pass360", "paper": "A4", "source": "Upper Tray", )"
                           R"("dpi": [360, 360], )"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find(key), std::string::npos) << run.out;
    ASSERT_TRUE(WaitForPdf(out, std::chrono::seconds(60)));
    EXPECT_EQ(PdfPageCount(out), 1);
  }
}

// The journal of a print and a batch, recorded while another program
// records into the same journal: each slip with its job, the batch's rows
// with their file, row and order number.
TEST_F(SlipCliTest, PrintAndBatchAreRecordedWithTheirJobs) {
  UseTestCupsServer();
  const pid_t other = ::fork();
  if (other == 0) {
    journal::Journal journal(dir_);
    for (int i = 0; i < 100; ++i) {
      journal::PrintedSlip slip;
      slip.slip.recipientName = Sj("窓口" + std::to_string(i));
      if (!journal::RecordPrintedSlips(journal, {slip}).Recorded()) ::_exit(1);
    }
    ::_exit(0);
  }
  const RunResult print = RunSlip("print", "--printer ruvo_pass360");
  ASSERT_EQ(print.exitCode, 0) << print.err;
  const auto printed = nlohmann::json::parse(print.out);
  EXPECT_GT(printed["job_id"].get<int>(), 0);
  std::ofstream(dir_ / "orders.csv", std::ios::binary)
      << Sj("注文番号,郵便番号,住所1,氏名\r\n"
            "A-1,105-0011,東京都港区芝公園4-2-8,注文者1\r\n"
            "A-2,105-0011,東京都港区芝公園4-2-8,注文者2\r\n");
  const RunResult batch =
      RunSlip("batch", "'" + (dir_ / "orders.csv").string() + "' --printer ruvo_pass360",
              "RUVO_ZIP_DICT=/nonexistent");
  ASSERT_EQ(batch.exitCode, 0) << batch.err;
  EXPECT_NE(batch.out.find(R"("recorded": 2})"), std::string::npos) << batch.out;
  int status = 0;
  ::waitpid(other, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), 0);

  const auto list = nlohmann::json::parse(RunSlip("journal list", "--limit 0").out)["slips"];
  ASSERT_EQ(list.size(), 103u);
  std::vector<nlohmann::json> ours;
  for (const auto& slip : list) {
    if (slip["printer"] == "ruvo_pass360") ours.push_back(slip);
  }
  ASSERT_EQ(ours.size(), 3u);
  EXPECT_EQ(ours[0]["name"], "注文者2");
  EXPECT_EQ(ours[0]["order_number"], "A-2");
  EXPECT_EQ(ours[1]["order_number"], "A-1");
  EXPECT_EQ(ours[0]["job_id"], ours[1]["job_id"]);
  EXPECT_GT(ours[0]["job_id"].get<int>(), printed["job_id"].get<int>());
  EXPECT_EQ(ours[2]["source"], "cli");
  EXPECT_EQ(ours[2]["id"], printed["journal_id"]);
  EXPECT_EQ(ours[2]["job_id"], printed["job_id"]);
  const auto row =
      nlohmann::json::parse(RunSlip("journal show", std::to_string(ours[0]["id"].get<int>())).out);
  EXPECT_EQ(row["batch_row"], 3);
  EXPECT_EQ(row["batch_file"], (dir_ / "orders.csv").string());
}

// Two recorded slips printed again: one job of two pages, each name at the
// layout's dots, recorded as reprints dated today.
TEST_F(SlipCliTest, ReprintIsOneJobOfTheRecordedSlips) {
  UseTestCupsServer();
  std::ofstream(dir_ / "orders.csv", std::ios::binary) << Sj(OrderFileOf(2));
  ASSERT_EQ(RunSlip("batch",
                    "'" + (dir_ / "orders.csv").string() +
                        "' --printer ruvo_pass360 "
                        "--date 2011-01-05",
                    "RUVO_ZIP_DICT=/nonexistent")
                .exitCode,
            0);
  const fs::path out = TestCupsOutputDir() / "ruvo_pass360.pdf";
  fs::remove(out);
  const RunResult reprint = RunSlip("journal reprint", "2 1 --printer ruvo_pass360");
  ASSERT_EQ(reprint.exitCode, 0) << reprint.err;
  const auto report = nlohmann::json::parse(reprint.out);
  EXPECT_EQ(report["slips"][0]["reprint_of"], 2);
  EXPECT_EQ(report["slips"][1]["id"], 4);
  ASSERT_TRUE(WaitForPdf(out, std::chrono::seconds(60)));
  EXPECT_EQ(PdfPageCount(out), 2);
  EXPECT_TRUE(HasWordAt(WordsOf(out, 1), "注文者2", 495, 743, 360));
  EXPECT_TRUE(HasWordAt(WordsOf(out, 2), "注文者1", 495, 743, 360));
  const auto shown = nlohmann::json::parse(RunSlip("journal show", "4").out);
  EXPECT_EQ(shown["reprint_of"], 1);
  EXPECT_NE(shown["slip_date"], "2011-01-05");
  EXPECT_EQ(nlohmann::json::parse(RunSlip("journal show", "1").out)["slip_date"], "2011-01-05");
}

}  // namespace
}  // namespace ruvo::test
