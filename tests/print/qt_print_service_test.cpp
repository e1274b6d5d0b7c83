// Talks to the private CUPS server of scripts/cups-test-server.sh.
#include "print/qt_print_service.h"

#include <gtest/gtest.h>

#include <QImage>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <set>
#include <thread>

#include "print/lm_printers.h"
#include "support/cups_jobs.h"
#include "support/cups_test_server.h"
#include "support/widget_app.h"

namespace ruvo {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct WordBox {
  double xMin = -1;  // points from the page's left edge
  double yMin = -1;  // points from the page's top edge
};

// Where pdftotext finds `word` on the page; negative when it is not there.
WordBox FindWord(const fs::path& pdf, const std::string& word) {
  const std::string boxes = test::RunCommand("pdftotext -bbox '" + pdf.string() + "' -");
  const auto at = boxes.find(">" + word + "<");
  if (at == std::string::npos) return {};
  const auto x = boxes.rfind("xMin=\"", at);
  const auto y = boxes.rfind("yMin=\"", at);
  return {std::stod(boxes.substr(x + 6)), std::stod(boxes.substr(y + 6))};
}

class QtPrintServiceTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    test::UseTestCupsServer();
    test::EnsureWidgetApplication();
  }

  // Selects a queue of the test server by name through the layer's numbering.
  static void Select(TLmPrinter& printer, const std::string& queue) {
    const auto& names = printer.GetPrinterNames();
    const auto found = std::find(names.begin(), names.end(), queue);
    ASSERT_NE(found, names.end()) << queue;
    printer.SetIndex(static_cast<int>(found - names.begin()));
  }

  QtPrintService service;
};

TEST_F(QtPrintServiceTest, EnumerationSeesTheTestQueuesAndTheDefault) {
  std::vector<std::string> names;
  for (const PrinterEntry& entry : service.EnumeratePrinters())
    names.push_back(entry.name);
  for (const char* queue : {"ruvo_pass360", "ruvo_pass600", "ruvo_stock", "ruvo_reject"}) {
    SCOPED_TRACE(queue);
    EXPECT_NE(std::find(names.begin(), names.end(), queue), names.end());
  }
  EXPECT_EQ(service.DefaultPrinterName(), "ruvo_pass360");
  TLmPrinter printer(service);
  EXPECT_EQ(printer.GetPrinterNames()[static_cast<std::size_t>(printer.GetIndex())],
            "ruvo_pass360");
}

TEST_F(QtPrintServiceTest, ResolutionIsTheQueuesOwnDefault) {
  TLmPrinter printer(service);
  const std::pair<const char*, Resolution> cases[] = {{"ruvo_pass360", {360, 360}},
                                                      {"ruvo_pass600", {600, 600}},
                                                      {"ruvo_pass360x180", {360, 180}},
                                                      {"ruvo_stock", {300, 300}}};
  for (const auto& [queue, resolution] : cases) {
    SCOPED_TRACE(queue);
    Select(printer, queue);
    EXPECT_EQ(printer.GetResolution(), resolution);
    EXPECT_EQ(printer.GetScale(), 100);
  }
}

TEST_F(QtPrintServiceTest, PaperSizesFromQtAndSourcesFromThePpd) {
  TLmPrinter printer(service);
  Select(printer, "ruvo_pass360");
  const auto& papers = printer.GetPaperSizeNames();
  EXPECT_EQ(papers[static_cast<std::size_t>(printer.GetPaperSizeIndex())], "A4");
  EXPECT_EQ(printer.GetPaperSizeNumber(), 9);  // DMPAPER_A4
  EXPECT_EQ(printer.GetBinNames(), (std::vector<std::string>{"Upper Tray", "Manual Feed"}));
  EXPECT_EQ(printer.GetBinIndex(), 0);
  EXPECT_EQ(printer.GetBinNumber(), 1);  // DMBIN_UPPER

  Select(printer, "ruvo_stock");  // its PPD has no InputSlot
  EXPECT_THROW(printer.GetBinNames(), ELmPrinterNoInfo);
}

// Qt gives every size it knows no Windows paper for the same id (11x14,
// 13x19, RA0, SRA3, ... on these queues): each must still name its own paper,
// and keep its code from one listing to the next.
TEST_F(QtPrintServiceTest, EveryPaperAndSourceOfAQueueHasACodeOfItsOwn) {
  for (const char* queue : {"ruvo_pass360", "ruvo_stock"}) {
    SCOPED_TRACE(queue);
    const std::vector<PaperChoice> papers = service.PaperSizes(queue);
    ASSERT_GT(papers.size(), 20u);
    std::set<std::uint16_t> codes;
    for (const PaperChoice& paper : papers)
      codes.insert(paper.code);
    EXPECT_EQ(codes.size(), papers.size());
    EXPECT_EQ(service.PaperSizes(queue), papers);
    std::set<std::uint16_t> sources;
    for (const PaperChoice& source : service.PaperSources(queue))
      EXPECT_TRUE(sources.insert(source.code).second) << source.name;
  }
}

// Nothing reached the scheduler: no job, so no PDF can come later.
TEST_F(QtPrintServiceTest, RejectingQueueIsAClearErrorAndSubmitsNothing) {
  const int jobsBefore = test::NewestJobOnTheServer().id;
  TLmPrinter printer(service);
  Select(printer, "ruvo_reject");
  try {
    printer.BeginDoc("ruvo_Rezovod  ");
    ADD_FAILURE() << "the rejecting queue took a document";
  } catch (const EPrinter& error) {
    EXPECT_NE(std::string(error.what()).find("ruvo_reject: the printer does not accept jobs"),
              std::string::npos)
        << error.what();
  }
  EXPECT_FALSE(printer.Printing());
  EXPECT_EQ(test::NewestJobOnTheServer().id, jobsBefore);
}

// The queue stops accepting jobs while the page is being painted: the
// spooler's refusal at the end is an error, the document is gone, no PDF.
TEST_F(QtPrintServiceTest, JobRefusedAtTheEndIsAnErrorAndSubmitsNothing) {
  const int jobsBefore = test::NewestJobOnTheServer().id;
  TLmPrinter printer(service);
  Select(printer, "ruvo_pass600");
  printer.BeginDoc("ruvo_Rezovod  ");
  printer.Canvas().Draw({"Lucida Sans Unicode", 10, 100, 100, "refused"});
  ASSERT_EQ(std::system("cupsreject ruvo_pass600"), 0);
  try {
    printer.EndDoc();
    ADD_FAILURE() << "the refused job was reported as printed";
  } catch (const EPrinter& error) {
    EXPECT_NE(std::string(error.what()).find("ruvo_pass600: the spooler refused the job"),
              std::string::npos)
        << error.what();
  }
  ASSERT_EQ(std::system("cupsaccept ruvo_pass600"), 0);
  EXPECT_FALSE(printer.Printing());
  EXPECT_EQ(test::NewestJobOnTheServer().id, jobsBefore);
}

TEST_F(QtPrintServiceTest, AbortedDocumentSendsNothing) {
  const int jobsBefore = service.LastJobId();
  const int serverJobsBefore = test::NewestJobOnTheServer().id;
  const std::string queueBefore = test::RunCommand("lpstat -W all -o ruvo_pass360");
  TLmPrinter printer(service);
  Select(printer, "ruvo_pass360");
  printer.BeginDoc("ruvo_Rezovod  ");
  printer.Canvas().Draw({"Lucida Sans Unicode", 10, 100, 100, "partial"});
  printer.Abort();
  EXPECT_FALSE(printer.Printing());
  EXPECT_EQ(service.LastJobId(), jobsBefore);
  EXPECT_EQ(test::NewestJobOnTheServer().id, serverJobsBefore);
  EXPECT_EQ(test::RunCommand("lpstat -W all -o ruvo_pass360"), queueBefore);
}

TEST_F(QtPrintServiceTest, UnknownQueueIsAnErrorNotTheDefaultPrinter) {
  DocumentRequest request;
  request.printer = "ruvo_missing";
  request.resolution = {360, 360};
  EXPECT_THROW(service.BeginDocument(request), EPrinter);
  EXPECT_THROW(service.DefaultSettings("ruvo_missing"), EPrinter);
  EXPECT_THROW(service.PrinterResolution("ruvo_missing"), EPrinter);
}

TEST_F(QtPrintServiceTest, QueueRemovedBetweenSnapshotAndJobIsAnError) {
  const std::string ppd = std::string(RUVO_CUPS_DIR) + "/ppd-pass360.ppd";
  ASSERT_EQ(
      std::system(("lpadmin -p ruvo_gone -E -v file:/dev/null -P " + ppd + " 2>/dev/null").c_str()),
      0);
  TLmPrinter printer(service);
  Select(printer, "ruvo_gone");
  ASSERT_EQ(std::system("lpadmin -x ruvo_gone"), 0);
  EXPECT_THROW(printer.BeginDoc("t"), EPrinter);
  EXPECT_FALSE(printer.Printing());
  EXPECT_TRUE(printer.OnSettingsChange());
  EXPECT_EQ(printer.CurrentPrinterName(), "ruvo_pass360");
}

TEST_F(QtPrintServiceTest, JobOnPassthroughQueueGivesPdfWithTheTextAtItsDots) {
  const fs::path pdf = test::TestCupsOutputDir() / "ruvo_pass360.pdf";
  fs::remove(pdf);
  TLmPrinter printer(service);
  Select(printer, "ruvo_pass360");
  printer.BeginDoc("ruvo_Rezovod  ");
  printer.Canvas().Draw({"Lucida Sans Unicode", 10, 383, 54, "2026"});
  const int job = printer.EndDoc();
  EXPECT_GT(job, 0);
  EXPECT_EQ(job, service.LastJobId());
  // The id is the server's own: its newest job has that number.
  EXPECT_EQ(test::NewestJobOnTheServer().id, job);
  ASSERT_TRUE(test::WaitForPdf(pdf, 30s));
  // 383 dots at 360 dpi are 76.6 pt from the printable area's left edge
  // (the queue has no margins).
  const WordBox box = FindWord(pdf, "2026");
  ASSERT_GE(box.xMin, 0) << "2026 not found in the PDF";
  EXPECT_NEAR(box.xMin * 360 / 72, 383, 1.5);
}

// Pages added with NewPage go out as one job: one PDF, each text on its own
// page at the same dots, as a batch of slips is printed.
TEST_F(QtPrintServiceTest, PagesOfOneDocumentAreOneJobWithEachTextOnItsPage) {
  const fs::path pdf = test::TestCupsOutputDir() / "ruvo_pass360.pdf";
  fs::remove(pdf);
  TLmPrinter printer(service);
  Select(printer, "ruvo_pass360");
  const int jobBefore = service.LastJobId();
  printer.BeginDoc("ruvo_Rezovod  ");
  printer.Canvas().Draw({"Lucida Sans Unicode", 10, 383, 54, "first"});
  printer.NewPage();
  printer.Canvas().Draw({"Lucida Sans Unicode", 10, 383, 54, "second"});
  printer.EndDoc();
  EXPECT_GT(service.LastJobId(), jobBefore);
  ASSERT_TRUE(test::WaitForPdf(pdf, 30s));
  EXPECT_EQ(test::PdfPageCount(pdf), 2);
  const std::string page2 =
      test::RunCommand("pdftotext -f 2 -l 2 -bbox '" + pdf.string() + "' - 2>/dev/null");
  EXPECT_EQ(page2.find(">first<"), std::string::npos);
  const auto at = page2.find(">second<");
  ASSERT_NE(at, std::string::npos);
  EXPECT_NEAR(std::stod(page2.substr(page2.rfind("xMin=\"", at) + 6)) * 360 / 72, 383, 1.5);
}

// 180 dots down at 180 dpi are one inch, whatever grid the page is painted on.
TEST_F(QtPrintServiceTest, FewerDotsDownThanAcrossKeepTheInchesDown) {
  const fs::path pdf = test::TestCupsOutputDir() / "ruvo_pass360x180.pdf";
  fs::remove(pdf);
  TLmPrinter printer(service);
  Select(printer, "ruvo_pass360x180");
  printer.BeginDoc("ruvo_Rezovod  ");
  printer.Canvas().Draw({"Lucida Sans Unicode", 10, 360, 180, "inch"});
  printer.EndDoc();
  ASSERT_TRUE(test::WaitForPdf(pdf, 30s));
  const WordBox box = FindWord(pdf, "inch");
  ASSERT_GE(box.xMin, 0) << "inch not found in the PDF";
  EXPECT_NEAR(box.xMin, 72, 0.5);
  EXPECT_NEAR(box.yMin, 72, 1.5);  // the box top is the font's ascent, a fraction off
}

// A printer with fewer dots across than down (180x360): every one of its
// dots down is a step on paper, 1/360 inch, not rounded to 1/180.
TEST_F(QtPrintServiceTest, FewerDotsAcrossThanDownKeepEveryDotDown) {
  const fs::path pdf = test::TestCupsOutputDir() / "ruvo_pass180x360.pdf";
  fs::remove(pdf);
  TLmPrinter printer(service);
  Select(printer, "ruvo_pass180x360");
  EXPECT_EQ(printer.GetResolution(), (Resolution{180, 360}));
  printer.BeginDoc("ruvo_Rezovod  ");
  printer.Canvas().Draw({"Lucida Sans Unicode", 10, 180, 360, "upper"});
  printer.Canvas().Draw({"Lucida Sans Unicode", 10, 540, 361, "lower"});
  printer.EndDoc();
  ASSERT_TRUE(test::WaitForPdf(pdf, 30s));
  const WordBox upper = FindWord(pdf, "upper");
  const WordBox lower = FindWord(pdf, "lower");
  ASSERT_GE(upper.xMin, 0) << "upper not found in the PDF";
  ASSERT_GE(lower.xMin, 0) << "lower not found in the PDF";
  EXPECT_NEAR(upper.xMin, 72, 0.5);
  EXPECT_NEAR(lower.xMin, 216, 0.5);
  EXPECT_NEAR(upper.yMin, 72, 1.5);  // the box top is the font's ascent, a fraction off
  EXPECT_NEAR(lower.yMin - upper.yMin, 72.0 / 360, 0.05);  // one dot down, same ascent
}

// The origin is the corner of what the printer can print: on this queue's
// A4 that is 18 pt in from the left and 36 pt down from the top.
TEST_F(QtPrintServiceTest, OriginIsThePrintableAreaNotThePaperCorner) {
  const fs::path pdf = test::TestCupsOutputDir() / "ruvo_margin360.pdf";
  fs::remove(pdf);
  TLmPrinter printer(service);
  Select(printer, "ruvo_margin360");
  printer.BeginDoc("ruvo_Rezovod  ");
  printer.Canvas().Draw({"Lucida Sans Unicode", 10, 0, 0, "corner"});
  printer.EndDoc();
  ASSERT_TRUE(test::WaitForPdf(pdf, 30s));
  const WordBox box = FindWord(pdf, "corner");
  ASSERT_GE(box.xMin, 0) << "corner not found in the PDF";
  EXPECT_NEAR(box.xMin, 18, 0.5);
  EXPECT_NEAR(box.yMin, 36, 1.5);  // the box top is the font's ascent, a fraction off
}

TEST_F(QtPrintServiceTest, StockCupsPdfQueueCompletesWithAPageThatIsNotBlank) {
  const fs::path folder = test::TestCupsOutputDir() / "stock";
  for (const auto& file : fs::directory_iterator(folder))
    fs::remove(file.path());
  TLmPrinter printer(service);
  Select(printer, "ruvo_stock");
  printer.BeginDoc("ruvo_Rezovod  ");
  printer.Canvas().Draw({"Lucida Sans Unicode", 22, 300, 300, "8888888888"});
  printer.EndDoc();
  fs::path pdf;
  for (int tries = 0; tries < 600 && pdf.empty(); ++tries) {
    for (const auto& file : fs::directory_iterator(folder)) {
      if (file.path().extension() == ".pdf" && test::WaitForPdf(file.path(), 5s)) pdf = file.path();
    }
    std::this_thread::sleep_for(100ms);
  }
  ASSERT_FALSE(pdf.empty()) << "no PDF from the stock queue";
  const fs::path image = fs::path(RUVO_CUPS_DIR) / "stock-page";
  test::RunCommand("pdftoppm -r 30 -gray -png -singlefile '" + pdf.string() + "' '" +
                   image.string() + "'");
  QImage page(QString::fromStdString(image.string() + ".png"));
  ASSERT_FALSE(page.isNull());
  int dark = 0;
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x)
      dark += qGray(page.pixel(x, y)) < 128 ? 1 : 0;
  }
  EXPECT_GT(dark, 10);
}

}  // namespace
}  // namespace ruvo
