#include "print/print_job.h"

#include <gtest/gtest.h>

#include "print/lm_d97_dot.h"
#include "print/slip_units.h"
#include "support/fake_print_service.h"
#include "support/test_text.h"

namespace ruvo {
namespace {

using test::FakeJob;
using test::FakePrintService;

SlipRecord SmallSlip() {
  SlipRecord slip;
  slip.recipientZip = "730-0001";
  slip.recipientName = test::Sj("山田太郎");
  slip.slipDate = std::chrono::year(2026) / 12 / 7;
  return slip;
}

class PrintJobTest : public ::testing::Test {
 protected:
  PrintJobTest() {
    service_.AddPrinter("Office").resolution = {600, 600};
    service_.AddPrinter("Slip").resolution = {360, 180};
    service_.SetDefaultPrinter("Office");
  }

  void SetScale(const std::string& printer, std::uint16_t percent) {
    auto& settings = service_.Printer(printer).defaults;
    settings.fields |= kFieldScale;
    settings.scale = percent;
  }

  FakePrintService service_;
};

TEST_F(PrintJobTest, EffectiveResolutionIsResolutionTimes100ByScale) {
  const struct {
    std::uint16_t scale;
    Resolution expected;
  } rows[] = {
      {100, {360, 180}}, {50, {720, 360}},
      {30, {1200, 600}}, {200, {180, 90}},  // a larger page gives fewer dots per slip unit
      {70, {514, 257}},                     // 514.28…, 257.14…: the remainder is dropped
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.scale);
    SetScale("Slip", row.scale);
    TLmPrinter printer(service_);
    printer.SetIndex(1);
    EXPECT_EQ(EffectiveResolution(printer), row.expected);
  }
}

TEST_F(PrintJobTest, DriverWithoutScaleCountsAs100Percent) {
  TLmPrinter printer(service_);
  printer.SetIndex(1);
  const SlipPrintValues values = EffectivePrintValues(printer, "", "7");
  EXPECT_EQ(values.dpiX, "360");
  EXPECT_EQ(values.dpiY, "180");
  EXPECT_EQ(values.left, "7");
}

TEST_F(PrintJobTest, ZeroPercentScaleIsAnErrorNotADivision) {
  SetScale("Slip", 0);
  TLmPrinter printer(service_);
  printer.SetIndex(1);
  EXPECT_THROW(EffectiveResolution(printer), PrintJobError);
  EXPECT_THROW(PrintSlip(printer, SmallSlip(), "", ""), PrintJobError);
  EXPECT_TRUE(service_.Jobs().empty());
}

// Below 1 dpi every text would stand at the corner; above the layer's limit
// no printer reports. Nothing is started.
TEST_F(PrintJobTest, EffectiveResolutionOutside1To100000DpiIsRefused) {
  EXPECT_EQ(EffectiveDpi(1, 100), 1);
  EXPECT_EQ(EffectiveDpi(1000, 1), 100000);
  EXPECT_EQ(test::MessageOf<PrintJobError>([] { EffectiveDpi(360, 65535); }),
            "printer resolution 360 dpi at scale 65535% gives 0 dpi; a slip is printed at 1 to "
            "100000 dpi");
  EXPECT_THROW(EffectiveDpi(1001, 1), PrintJobError);
  SetScale("Slip", 65535);
  TLmPrinter printer(service_);
  printer.SetIndex(1);
  EXPECT_THROW(PrintSlip(printer, SmallSlip(), "", ""), PrintJobError);
  EXPECT_TRUE(service_.Jobs().empty());
}

TEST_F(PrintJobTest, PrintsOneTitledDocumentHoldingTheSlip) {
  TLmPrinter printer(service_);
  printer.SetIndex(1);
  const SlipPrintValues used = PrintSlip(printer, SmallSlip(), "10", "-5");
  ASSERT_EQ(service_.PrintedJobs().size(), 1u);
  const FakeJob& job = *service_.PrintedJobs().front();
  EXPECT_EQ(job.request.printer, "Slip");
  EXPECT_EQ(job.request.title, "ruvo_Rezovod  ");
  // One page, F11's slip alone.
  EXPECT_EQ(job.pages, std::vector<DrawList>{SLIP97_Prn(SmallSlip(), {"360", "180", "10", "-5"})});
  EXPECT_EQ(used.dpiY, "180");
  EXPECT_FALSE(printer.Printing());
}

TEST_F(PrintJobTest, BadMarginAbortsTheStartedDocument) {
  TLmPrinter printer(service_);
  for (const char* margin : {"1.5", "-", "abc"}) {
    SCOPED_TRACE(margin);
    EXPECT_THROW(PrintSlip(printer, SmallSlip(), margin, ""), ConversionError);
    EXPECT_THROW(PrintSlip(printer, SmallSlip(), "", margin), ConversionError);
  }
  // The document is started before the slip is drawn, and each failed
  // drawing abandons it with nothing on its page.
  ASSERT_EQ(service_.Jobs().size(), 6u);
  for (const auto& job : service_.Jobs()) {
    EXPECT_EQ(job->state, FakeJob::State::kAborted);
    EXPECT_TRUE(job->pages.empty());
  }
  EXPECT_TRUE(service_.PrintedJobs().empty());
  EXPECT_FALSE(printer.Printing());
}

TEST_F(PrintJobTest, RefusedStartIsReportedBeforeABadMargin) {
  service_.Printer("Office").acceptsJobs = false;
  TLmPrinter printer(service_);
  EXPECT_THROW(PrintSlip(printer, SmallSlip(), "abc", ""), EPrinter);
  EXPECT_TRUE(service_.PrintedJobs().empty());
  EXPECT_FALSE(printer.Printing());
}

TEST_F(PrintJobTest, DrawingFailureAbandonsTheDocument) {
  service_.failDrawAt = 3;
  TLmPrinter printer(service_);
  EXPECT_THROW(PrintSlip(printer, SmallSlip(), "", ""), EPrinter);
  ASSERT_EQ(service_.Jobs().size(), 1u);
  EXPECT_EQ(service_.Jobs().front()->state, FakeJob::State::kAborted);
  EXPECT_TRUE(service_.PrintedJobs().empty());
  EXPECT_FALSE(printer.Printing());
  // The next slip prints normally: nothing of the failed job is left open.
  service_.failDrawAt = -1;
  PrintSlip(printer, SmallSlip(), "", "");
  EXPECT_EQ(service_.PrintedJobs().size(), 1u);
}

TEST_F(PrintJobTest, SpoolerRefusalIsReportedAndNothingPrinted) {
  service_.refuseAtEnd = true;
  TLmPrinter printer(service_);
  EXPECT_THROW(PrintSlip(printer, SmallSlip(), "", ""), EPrinter);
  EXPECT_TRUE(service_.PrintedJobs().empty());
  EXPECT_FALSE(printer.Printing());
}

TEST_F(PrintJobTest, QueueNotAcceptingJobsStartsNothing) {
  service_.Printer("Slip").acceptsJobs = false;
  TLmPrinter printer(service_);
  printer.SetIndex(1);
  EXPECT_THROW(PrintSlip(printer, SmallSlip(), "", ""), EPrinter);
  EXPECT_TRUE(service_.PrintedJobs().empty());
}

TEST_F(PrintJobTest, PrinterRemovedAfterSelectionPrintsNowhereElse) {
  TLmPrinter printer(service_);
  printer.SetIndex(1);
  service_.RemovePrinter("Slip");
  EXPECT_THROW(PrintSlip(printer, SmallSlip(), "", ""), EPrinter);
  EXPECT_TRUE(service_.PrintedJobs().empty());
}

TEST(PrintJobNoPrinterTest, OnlyHiddenPrintersCountAsNoPrinter) {
  FakePrintService service;
  service.AddPrinter("Hidden", kPrinterAttributeLocal | kPrinterAttributeHidden);
  service.SetDefaultPrinter("Hidden");
  TLmPrinter printer(service);
  EXPECT_THROW(PrintSlip(printer, SmallSlip(), "", ""), ELmPrinterNoPrinter);
  EXPECT_TRUE(service.Jobs().empty());
}

TEST(PrintJobNoPrinterTest, NoPrinterIsTheLayersErrorAndNoJob) {
  FakePrintService service;
  TLmPrinter printer(service);
  try {
    PrintSlip(printer, SmallSlip(), "", "");
    ADD_FAILURE() << "no error";
  } catch (const ELmPrinterNoPrinter& e) {
    EXPECT_STREQ(e.what(), "TLmPrinter.CheckNoPrinter: No Printer");
  }
  EXPECT_TRUE(service.Jobs().empty());
}

}  // namespace
}  // namespace ruvo
