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

#include "print/cups_test_server.h"
#include "print/gui_app.h"
#include "print/lm_d97_dot.h"
#include "print/pdf_words.h"
#include "print/print_job.h"
#include "print/qt_print_service.h"
#include "print/slip_units.h"
#include "support/test_text.h"

namespace ruvo {
namespace {

namespace fs = std::filesystem;
using test::Sj;

SlipRecord FullSlip() {
  SlipRecord slip;
  slip.recipientZip = "730-0001";
  slip.recipientAddress1 = Sj("広島県広島市中区白島北町１～３");
  slip.recipientAddress2 = Sj("ルヴォビル２階");
  slip.recipientAddress3 = Sj("総務部");
  slip.recipientName = Sj("山田太郎");
  slip.recipientTel = "082-123-4567";
  slip.goods = {Sj("書籍"), Sj("文具"), Sj("割れ物注意")};
  slip.quantity = "12";
  slip.slipDate = std::chrono::year(2011) / 1 / 5;
  slip.wishedMonth = "1";
  slip.wishedDay = "10";
  slip.timeSlots[3] = true;
  slip.senderZip = "1500002";  // seven bare digits
  slip.senderAddress1 = Sj("東京都渋谷区渋谷");
  slip.senderAddress2 = Sj("２－２１－１");
  slip.senderName = Sj("株式会社ルヴォ");
  slip.senderTel = "03-1234-5678";
  return slip;
}

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
    const DrawList list = SLIP97_Prn(FullSlip(), values);

    const fs::path pdf = test::TestCupsOutputDir() / (queue + ".pdf");
    fs::remove(pdf);
    const auto start = std::chrono::steady_clock::now();
    PrintDrawList(printer, list);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    std::cout << "[ timing   ] " << queue << ": print job from begin to spooler acceptance "
              << took.count() << " ms\n";

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

TEST_F(SlipCupsTest, RejectingQueueGivesAClearErrorAndNoPdf) {
  QtPrintService service;
  TLmPrinter printer(service);
  ASSERT_NO_FATAL_FAILURE(Select(printer, "ruvo_reject"));
  try {
    PrintSlip(printer, FullSlip(), "", "");
    ADD_FAILURE() << "no error";
  } catch (const EPrinter& e) {
    EXPECT_NE(std::string(e.what()).find("ruvo_reject"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(printer.Printing());
  std::this_thread::sleep_for(std::chrono::seconds(1));
  EXPECT_FALSE(fs::exists(test::TestCupsOutputDir() / "ruvo_reject.pdf"));
}

TEST_F(SlipCupsTest, BadMarginAbandonsTheJobAndWritesNoPdf) {
  QtPrintService service;
  TLmPrinter printer(service);
  ASSERT_NO_FATAL_FAILURE(Select(printer, "ruvo_pass360"));
  const fs::path pdf = test::TestCupsOutputDir() / "ruvo_pass360.pdf";
  fs::remove(pdf);
  try {
    PrintSlip(printer, FullSlip(), "1.5", "");
    ADD_FAILURE() << "no error";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'1.5' is not a valid integer value");
  }
  EXPECT_FALSE(printer.Printing());
  std::this_thread::sleep_for(std::chrono::seconds(1));
  EXPECT_FALSE(fs::exists(pdf));
}

}  // namespace
}  // namespace ruvo
