#include "app/slip_state.h"

#include <gtest/gtest.h>

#include "print/fake_print_service.h"
#include "print/lm_printers.h"
#include "print/slip_units.h"
#include "test_text.h"

namespace ruvo {
namespace {

using test::Sj;

// A distinct value in every saved field, so a swapped pair shows.
settings::SavedSlip DistinctSavedSlip() {
  settings::SavedSlip saved;
  saved.zip = Sj("１０５－００１１");
  saved.address1 = Sj("東京都港区芝公園");
  saved.address2 = Sj("１－２－３");
  saved.customer = Sj("山田太郎");
  saved.tel = Sj("０３－１２３４－５６７８");
  saved.goods1 = "g1";
  saved.goods2 = "g2";
  saved.goods3 = "g3";
  saved.quantity = "007";
  saved.deliveryMonth = "12";
  saved.deliveryDay = "24";
  saved.sender = {Sj("１５０－０００２"), "sa1", "sa2", "sn", Sj("０３")};
  return saved;
}

TEST(RestoreSavedSlip, HoldsTheFieldsAsTheControlsKeepThem) {
  SlipRecord slip;
  RestoreSavedSlip(slip, DistinctSavedSlip());
  EXPECT_EQ(slip.recipientZip, "105-0011");
  EXPECT_EQ(slip.recipientTel, "03-1234-5678");
  EXPECT_EQ(slip.quantity, "7");
  // The sender's fields have no conversion.
  EXPECT_EQ(slip.senderZip, Sj("１５０－０００２"));
  EXPECT_EQ(slip.senderTel, Sj("０３"));
}

TEST(RestoreSavedSlip, LeavesWhatTheSettingsDoNotKeep) {
  SlipRecord slip;
  slip.recipientAddress3 = "kept";
  slip.printDate = false;
  slip.printSender = false;
  slip.timeSlots[2] = true;
  slip.slipDate = std::chrono::year(2011) / 1 / 5;
  RestoreSavedSlip(slip, DistinctSavedSlip());
  EXPECT_EQ(slip.recipientAddress3, "kept");
  EXPECT_FALSE(slip.printDate);
  EXPECT_FALSE(slip.printSender);
  EXPECT_TRUE(slip.timeSlots[2]);
  EXPECT_EQ(slip.slipDate, std::chrono::year(2011) / 1 / 5);
}

TEST(SavedSlipOf, GivesBackEveryFieldInItsOwnKey) {
  settings::SavedSlip saved = DistinctSavedSlip();
  // Values the controls hold unchanged, so the round trip is exact.
  saved.zip = "105-0011";
  saved.tel = "03";
  saved.quantity = "7";
  SlipRecord slip;
  RestoreSavedSlip(slip, saved);
  EXPECT_EQ(SavedSlipOf(slip), saved);
}

class SelectRegisteredPrinterTest : public ::testing::Test {
 protected:
  // "0" appeared after A and B were registered as numbers 0 and 1.
  void SetUp() override {
    service_.AddPrinter("0");
    service_.AddPrinter("A");
    service_.AddPrinter("H", kPrinterAttributeHidden);
    service_.AddPrinter("B");
    service_.SetDefaultPrinter("B");
  }
  test::FakePrintService service_;
};

TEST_F(SelectRegisteredPrinterTest, NameDecidesWhenAVisiblePrinterHasItElseTheNumber) {
  struct Case {
    const char* what;
    std::string number;
    std::string name;
    PrinterSelection how;
    std::string selected;
    std::string label;  // Label_PrinterIndex from now on
    std::string notice;
  };
  const Case cases[] = {
      {"number shifted", "1", "B", PrinterSelection::kByName, "B", "2", ""},
      {"blanks around, number no integer", "x", " B ", PrinterSelection::kByName, "B", "2", ""},
      {"no name", "1", "", PrinterSelection::kByNumber, "A", "1",
       Sj("プリンタ名が登録されていないため、「A」を選択しました。")},
      {"name of no printer", "0", Sj("消えた"), PrinterSelection::kByNumber, "0", "0",
       Sj("登録されたプリンタ「消えた」が見つかりません。「0」を選択しました。")},
      {"hidden printer's name", "-1", "H", PrinterSelection::kByNumber, "B", "-1",
       Sj("登録されたプリンタ「H」が見つかりません。「B」を選択しました。")},
      {"number past the list", "3", "", PrinterSelection::kFirst, "0", "3",
       Sj("プリンタ名が登録されていないため、「0」を選択しました。")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TLmPrinter printer(service_);
    const RegisteredPrinterChoice choice = SelectRegisteredPrinter(printer, c.number, c.name);
    EXPECT_EQ(choice.how, c.how);
    EXPECT_EQ(printer.CurrentPrinterName(), c.selected);
    EXPECT_EQ(choice.printerName, c.selected);
    EXPECT_EQ(choice.printerNumber, c.label);
    EXPECT_EQ(test::Utf8(choice.notice), test::Utf8(c.notice));
  }
}

TEST_F(SelectRegisteredPrinterTest, DefaultNumberWithoutDefaultPrinterSelectsTheFirst) {
  service_.SetDefaultPrinter("");
  TLmPrinter printer(service_);
  EXPECT_EQ(SelectRegisteredPrinter(printer, "-1", "").how, PrinterSelection::kFirst);
  EXPECT_EQ(printer.CurrentPrinterName(), "0");
}

TEST_F(SelectRegisteredPrinterTest, TextThatIsNoNumberIsAConversionErrorWhenTheNumberDecides) {
  TLmPrinter printer(service_);
  EXPECT_THROW(SelectRegisteredPrinter(printer, "1.5", ""), ConversionError);
  EXPECT_THROW(SelectRegisteredPrinter(printer, "", "gone"), ConversionError);
}

TEST(SelectRegisteredPrinter, NoPrinterAtAllPropagates) {
  test::FakePrintService none;
  TLmPrinter printer(none);
  EXPECT_THROW(SelectRegisteredPrinter(printer, "0", "A"), ELmPrinterNoPrinter);
}

}  // namespace
}  // namespace ruvo
