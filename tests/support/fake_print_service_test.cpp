#include "support/fake_print_service.h"

#include <gtest/gtest.h>

#include "print/lm_printer_errors.h"

namespace ruvo::test {
namespace {

DocumentRequest RequestFor(std::string printer) {
  DocumentRequest request;
  request.printer = std::move(printer);
  request.title = "t";
  request.resolution = {360, 360};
  return request;
}

TEST(FakePrintServiceTest, EnumeratesInOrderOfAdditionWithAttributes) {
  FakePrintService service;
  service.AddPrinter("A");
  service.AddPrinter("H", kPrinterAttributeHidden);
  service.AddPrinter("B").queue = "B-queue";
  service.AddPrinterFirst("0");
  const std::vector<PrinterEntry> expected = {{"0", kPrinterAttributeLocal, "0"},
                                              {"A", kPrinterAttributeLocal, "A"},
                                              {"H", kPrinterAttributeHidden, "H"},
                                              {"B", kPrinterAttributeLocal, "B-queue"}};
  EXPECT_EQ(service.EnumeratePrinters(), expected);
}

TEST(FakePrintServiceTest, RemovedPrinterIsUnknownToEveryQuery) {
  FakePrintService service;
  service.AddPrinter("A");
  service.RemovePrinter("A");
  EXPECT_TRUE(service.EnumeratePrinters().empty());
  EXPECT_THROW(service.DefaultSettings("A"), EPrinter);
  EXPECT_THROW(service.PaperSizes("A"), EPrinter);
  EXPECT_THROW(service.PrinterResolution("A"), EPrinter);
  EXPECT_THROW(service.BeginDocument(RequestFor("A")), EPrinter);
  EXPECT_TRUE(service.Jobs().empty());
}

TEST(FakePrintServiceTest, UnreachableServiceAnswersNoQueryAndStartsNoJob) {
  FakePrintService service;
  service.AddPrinter("A");
  service.unreachable = true;
  EXPECT_THROW(service.EnumeratePrinters(), EPrinter);
  EXPECT_THROW(service.DefaultPrinterName(), EPrinter);
  EXPECT_THROW(service.BeginDocument(RequestFor("A")), EPrinter);
  EXPECT_TRUE(service.Jobs().empty());
}

TEST(FakePrintServiceTest, EndedDocumentIsPrintedWithItsPage) {
  FakePrintService service;
  service.AddPrinter("A");
  auto document = service.BeginDocument(RequestFor("A"));
  document->Draw({"f", 10, 1, 2, "x"});
  document->End();
  ASSERT_EQ(service.PrintedJobs().size(), 1u);
  EXPECT_EQ(service.PrintedJobs()[0]->pages, (std::vector<DrawList>{{{"f", 10, 1, 2, "x"}}}));
  EXPECT_EQ(service.PrintedJobs()[0]->request.printer, "A");
}

TEST(FakePrintServiceTest, NewPageStartsTheNextPageOfTheSameJob) {
  FakePrintService service;
  service.AddPrinter("A");
  auto document = service.BeginDocument(RequestFor("A"));
  document->Draw({"f", 10, 1, 2, "x"});
  document->NewPage();
  document->Draw({"f", 10, 1, 2, "y"});
  document->End();
  ASSERT_EQ(service.PrintedJobs().size(), 1u);
  EXPECT_EQ(service.PrintedJobs()[0]->pages,
            (std::vector<DrawList>{{{"f", 10, 1, 2, "x"}}, {{"f", 10, 1, 2, "y"}}}));
}

// Only an accepted job takes an id; a refused one leaves the numbering as
// it was.
TEST(FakePrintServiceTest, AcceptedJobsAreNumberedInTurn) {
  FakePrintService service;
  service.AddPrinter("A");
  service.nextJobId = 41;
  EXPECT_EQ(service.BeginDocument(RequestFor("A"))->End(), 41);
  service.refuseAtEnd = true;
  EXPECT_THROW(service.BeginDocument(RequestFor("A"))->End(), EPrinter);
  service.refuseAtEnd = false;
  EXPECT_EQ(service.BeginDocument(RequestFor("A"))->End(), 42);
  EXPECT_EQ(service.Jobs()[1]->id, 0);
}

TEST(FakePrintServiceTest, DocumentDroppedUnfinishedIsAbortedWithoutPage) {
  FakePrintService service;
  service.AddPrinter("A");
  service.BeginDocument(RequestFor("A"))->Draw({"f", 10, 1, 2, "x"});
  ASSERT_EQ(service.Jobs().size(), 1u);
  EXPECT_EQ(service.Jobs()[0]->state, FakeJob::State::kAborted);
  EXPECT_TRUE(service.Jobs()[0]->pages.empty());
}

TEST(FakePrintServiceTest, FaultSwitchesFailAtTheirStep) {
  FakePrintService service;
  service.AddPrinter("A");
  service.AddPrinter("R").acceptsJobs = false;
  EXPECT_THROW(service.BeginDocument(RequestFor("R")), EPrinter);

  service.failDrawAt = 1;
  auto document = service.BeginDocument(RequestFor("A"));
  EXPECT_NO_THROW(document->Draw({"f", 10, 0, 0, "first"}));
  EXPECT_THROW(document->Draw({"f", 10, 0, 0, "second"}), EPrinter);

  service.failDrawAt = -1;
  service.failNewPageAt = 1;
  auto paged = service.BeginDocument(RequestFor("A"));
  EXPECT_THROW(paged->NewPage(), EPrinter);

  service.failNewPageAt = -1;
  service.refuseAtEnd = true;
  auto refused = service.BeginDocument(RequestFor("A"));
  refused->Draw({"f", 10, 0, 0, "x"});
  EXPECT_THROW(refused->End(), EPrinter);
  EXPECT_EQ(service.Jobs().back()->state, FakeJob::State::kRefused);
  EXPECT_TRUE(service.PrintedJobs().empty());
}

}  // namespace
}  // namespace ruvo::test
