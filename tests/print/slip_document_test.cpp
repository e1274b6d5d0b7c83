#include "print/slip_document.h"

#include <gtest/gtest.h>

#include "print/lm_d97_dot.h"
#include "print/lm_printers.h"
#include "print/slip_units.h"
#include "support/fake_print_service.h"
#include "support/test_text.h"

namespace ruvo {
namespace {

using test::FakeJob;

class SlipDocumentTest : public ::testing::Test {
 protected:
  SlipDocumentTest() {
    for (const char* name : {"一郎", "二郎", "三郎"}) {
      SlipRecord slip;
      slip.recipientName = test::Sj(name);
      slips_.push_back(slip);
    }
    for (const SlipRecord& slip : slips_)
      pointers_.push_back(&slip);
  }

  // The layer takes its snapshot of the printers when it is made.
  static test::FakePrintService WithSlipPrinter() {
    test::FakePrintService service;
    service.AddPrinter("Slip").resolution = {360, 180};
    service.SetDefaultPrinter("Slip");
    return service;
  }

  test::FakePrintService service_ = WithSlipPrinter();
  TLmPrinter printer_{service_};
  PrinterPageSink sink_{printer_};
  std::vector<SlipRecord> slips_;
  std::vector<const SlipRecord*> pointers_;
  const SlipPrintValues values_{"360", "180", "6", "-4"};
};

TEST_F(SlipDocumentTest, EverySlipIsOnePageOfOneJobInOrder) {
  std::vector<std::size_t> told;
  const DocumentRun run =
      PrintSlips(pointers_, values_, sink_, [&](std::size_t done, std::size_t all) {
        EXPECT_EQ(all, 3u);
        told.push_back(done);
        return true;
      });
  EXPECT_EQ(run.pages, 3u);
  EXPECT_EQ(told, (std::vector<std::size_t>{1, 2, 3}));
  ASSERT_EQ(service_.PrintedJobs().size(), 1u);
  const FakeJob& job = *service_.PrintedJobs()[0];
  EXPECT_EQ(job.request.title, "ruvo_Rezovod  ");
  ASSERT_EQ(job.pages.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i)
    EXPECT_EQ(job.pages[i], SLIP97_Prn(slips_[i], values_));
}

TEST_F(SlipDocumentTest, CancelAndFailureLeaveNothingPrinted) {
  const DocumentRun cancelled =
      PrintSlips(pointers_, values_, sink_, [](std::size_t done, std::size_t) { return done < 2; });
  EXPECT_TRUE(cancelled.cancelled);
  EXPECT_EQ(cancelled.pages, 0u);

  service_.failNewPageAt = 2;  // the third slip's page cannot be started
  EXPECT_THROW(PrintSlips(pointers_, values_, sink_), EPrinter);

  service_.failNewPageAt = -1;
  EXPECT_THROW(PrintSlips(pointers_, {"360", "180", "1.5", ""}, sink_), ConversionError);

  EXPECT_TRUE(service_.PrintedJobs().empty());
  ASSERT_EQ(service_.Jobs().size(), 3u);
  for (const auto& job : service_.Jobs()) {
    EXPECT_EQ(job->state, FakeJob::State::kAborted);
    EXPECT_TRUE(job->pages.empty());
  }
  EXPECT_FALSE(printer_.Printing());
}

TEST_F(SlipDocumentTest, NoSlipsStartNoJob) {
  EXPECT_EQ(PrintSlips({}, values_, sink_).pages, 0u);
  EXPECT_TRUE(service_.Jobs().empty());
}

}  // namespace
}  // namespace ruvo
