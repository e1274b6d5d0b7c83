// Prints slips through the real Qt/CUPS print service on the test server and
// reads back the PDF that CUPS wrote: every text of the slip must be there,
// within one dot of where the layout puts it.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <regex>
#include <thread>

#include "print/lm_d97_dot.h"
#include "print/print_job.h"
#include "print/qt_print_service.h"
#include "print/slip_units.h"
#include "support/cups_jobs.h"
#include "support/cups_test_server.h"
#include "support/gui_app.h"
#include "support/pdf_words.h"
#include "support/slips.h"
#include "support/test_text.h"

namespace ruvo {
namespace {

namespace fs = std::filesystem;
using test::Sj;

class SlipCupsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    test::UseTestCupsServer();
    test::EnsureGuiApplication();
  }

  void Select(TLmPrinter& printer, const std::string& queue) {
    const auto& names = printer.GetPrinterNames();
    const auto found = std::find(names.begin(), names.end(), queue);
    ASSERT_NE(found, names.end()) << queue << " is not on the test server";
    printer.SetIndex(static_cast<int>(found - names.begin()));
  }

  // Prints the slip on `queue` and checks every text in the PDF CUPS wrote.
  void PrintAndCheck(const std::string& queue, int expectedDpi) {
    QtPrintService service;
    TLmPrinter printer(service);
    ASSERT_NO_FATAL_FAILURE(Select(printer, queue));
    const SlipPrintValues values = EffectivePrintValues(printer, "6", "-4");
    ASSERT_EQ(values.dpiX, std::to_string(expectedDpi));
    const fs::path pdf = test::TestCupsOutputDir() / (queue + ".pdf");
    fs::remove(pdf);
    SlipRecord slip = test::FullSlip();
    slip.senderZip = "1500002";  // seven bare digits fill the boxes as 150-0002 does
    PrintSlip(printer, slip, values);
    const DrawList list = SLIP97_Prn(slip, values);
    const std::vector<test::PdfWord> words = test::AwaitPdfWords(pdf);
    ASSERT_FALSE(words.empty()) << "no readable PDF at " << pdf;
    test::ExpectEveryTextInPlace(list, words, expectedDpi);
  }
};

TEST_F(SlipCupsTest, EveryTextLandsInPlaceAt360Dpi) {
  PrintAndCheck("ruvo_pass360", 360);
}

TEST_F(SlipCupsTest, EveryTextLandsInPlaceAt600Dpi) {
  PrintAndCheck("ruvo_pass600", 600);
}

// Nothing reaches the scheduler when a print fails: no job, so no PDF can
// come later.
TEST_F(SlipCupsTest, RejectingQueueGivesAClearErrorAndNoJob) {
  const int jobsBefore = test::NewestJobOnTheServer().id;
  QtPrintService service;
  TLmPrinter printer(service);
  ASSERT_NO_FATAL_FAILURE(Select(printer, "ruvo_reject"));
  try {
    PrintSlip(printer, test::FullSlip(), "", "");
    ADD_FAILURE() << "no error";
  } catch (const EPrinter& e) {
    EXPECT_NE(std::string(e.what()).find("ruvo_reject"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(printer.Printing());
  EXPECT_EQ(test::NewestJobOnTheServer().id, jobsBefore);
}

TEST_F(SlipCupsTest, BadMarginAbandonsTheJobAndSubmitsNothing) {
  const int jobsBefore = test::NewestJobOnTheServer().id;
  QtPrintService service;
  TLmPrinter printer(service);
  ASSERT_NO_FATAL_FAILURE(Select(printer, "ruvo_pass360"));
  try {
    PrintSlip(printer, test::FullSlip(), "1.5", "");
    ADD_FAILURE() << "no error";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'1.5' is not a valid integer value");
  }
  EXPECT_FALSE(printer.Printing());
  EXPECT_EQ(test::NewestJobOnTheServer().id, jobsBefore);
}

}  // namespace
}  // namespace ruvo
