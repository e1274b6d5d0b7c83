#include "slip/printer_in_force.h"

#include <gtest/gtest.h>

#include "print/lm_printers.h"
#include "print/slip_units.h"
#include "support/fake_print_service.h"
#include "support/test_text.h"

namespace ruvo {
namespace {

using test::Sj;

class SelectRegisteredPrinterTest : public ::testing::Test {
 protected:
  // "0" appeared after A and B were registered as numbers 0 and 1. Each
  // offers A4 (default), B5 and Postcard, and the trays Upper (default) and
  // Manual.
  void SetUp() override {
    service_.AddPrinter("0");
    service_.AddPrinter("A");
    service_.AddPrinter("H", kPrinterAttributeHidden);
    service_.AddPrinter("B");
    service_.SetDefaultPrinter("B");
  }
  static settings::RegisteredPrintValues Registered(std::string number, std::string name,
                                                    std::string paper = "", std::string bin = "") {
    settings::RegisteredPrintValues values{std::move(number), "0", "0", std::move(name)};
    values.paperName = std::move(paper);
    values.binName = std::move(bin);
    return values;
  }
  PrinterInForce Select(TLmPrinter& printer, const settings::RegisteredPrintValues& values) {
    return SelectRegisteredPrinter(printer, values.printerNumber, RegisteredChoice(values));
  }
  test::FakePrintService service_;
};

TEST_F(SelectRegisteredPrinterTest, NameDecidesAndNoOtherPrinterStandsInForIt) {
  struct Case {
    const char* what;
    settings::RegisteredPrintValues registered;
    PrinterSelection how;
    std::string selected;  // in the layer afterwards
    std::string label;     // Label_PrinterIndex from now on
    std::string paper;
    std::string bin;
    std::string notice;  // UTF-8
  };
  const Case cases[] = {
      {"number shifted", Registered("1", "B"), PrinterSelection::kByName, "B", "2", "A4", "Upper",
       ""},
      {"blanks around, number no integer", Registered("x", " B "), PrinterSelection::kByName, "B",
       "2", "A4", "Upper", ""},
      {"paper and source registered", Registered("9", "A", "B5", "Manual"),
       PrinterSelection::kByName, "A", "1", "B5", "Manual", ""},
      {"no name", Registered("1", ""), PrinterSelection::kByNumber, "A", "1", "A4", "Upper",
       "プリンタ名が登録されていないため、「A」を選択しました。"},
      {"number past the list", Registered("3", ""), PrinterSelection::kFirst, "0", "3", "A4",
       "Upper", "プリンタ名が登録されていないため、「0」を選択しました。"},
      // Gone: the layer keeps the default it started on, and nothing may print.
      {"name of no printer", Registered("0", Sj("消えた")), PrinterSelection::kMissing, "B", "0",
       "", "",
       "登録されたプリンタ「消えた」が見つかりません。「セットするプリンタを登録」で"
       "プリンタを選んでください。"},
      {"hidden printer's name", Registered("-1", "H"), PrinterSelection::kMissing, "B", "-1", "",
       "",
       "登録されたプリンタ「H」が見つかりません。「セットするプリンタを登録」でプリンタを選んでくだ"
       "さい。"},
      {"paper no longer offered", Registered("1", "A", Sj("Ａ５")), PrinterSelection::kMissing, "A",
       "1", "", "",
       "プリンタ「A」に、登録された用紙「Ａ５」がありません。「セットするプリンタを登録」で選び直し"
       "てください。"},
      {"source no longer offered", Registered("1", "A", "", "Tractor"), PrinterSelection::kMissing,
       "A", "1", "", "",
       "プリンタ「A」に、登録された給紙方法「Tractor」がありません。「セットするプリンタを登録」で"
       "選び直してください。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TLmPrinter printer(service_);
    const PrinterInForce inForce = Select(printer, c.registered);
    EXPECT_EQ(inForce.how, c.how);
    EXPECT_EQ(printer.CurrentPrinterName(), c.selected);
    EXPECT_EQ(inForce.printerNumber, c.label);
    EXPECT_EQ(inForce.paperName, c.paper);
    EXPECT_EQ(inForce.binName, c.bin);
    EXPECT_EQ(test::Utf8(inForce.notice), c.notice);
    if (c.how == PrinterSelection::kMissing) {
      EXPECT_THROW(RequirePrinterInForce(inForce), ENoPrinterInForce);
    } else {
      EXPECT_EQ(
          printer.GetPaperSizeNames().at(static_cast<std::size_t>(printer.GetPaperSizeIndex())),
          c.paper);
      EXPECT_EQ(printer.GetBinNames().at(static_cast<std::size_t>(printer.GetBinIndex())), c.bin);
    }
  }
}

// Selecting the printer already selected keeps what a dialog chose on it;
// a registration must still bring its own paper and source (or the
// printer's defaults) back.
TEST_F(SelectRegisteredPrinterTest, EachModeChangeRestoresTheRegisteredPaperAndSource) {
  TLmPrinter printer(service_);
  Select(printer, Registered("0", "A", "Postcard", "Manual"));
  EXPECT_EQ(printer.GetPaperSizeNumber(), 43);
  const PrinterInForce plain = Select(printer, Registered("0", "A"));
  EXPECT_EQ(plain.paperName, "A4");
  EXPECT_EQ(printer.GetPaperSizeNumber(), 9);
  EXPECT_EQ(printer.GetBinNumber(), 1);
}

// The printer before the two in force removed, then one of them, then that
// one back: the layer falls back to the default each time, and each printer
// in force is selected again by name, with its paper and its number brought
// up to date, or stays missing; never another printer.
TEST_F(SelectRegisteredPrinterTest, SelectedAgainAfterTheListChangedNeverAnotherPrinter) {
  TLmPrinter printer(service_);
  const PrinterInForce named = Select(printer, Registered("1", "A", "B5", "Manual"));
  const PrinterInForce unnamed = Select(printer, Registered("2", ""));  // chose B
  service_.RemovePrinter("0");
  ASSERT_TRUE(printer.OnSettingsChange());
  const std::pair<const PrinterInForce*, std::string> renumbered[] = {{&named, "0"},
                                                                      {&unnamed, "1"}};
  for (const auto& [before, number] : renumbered) {
    SCOPED_TRACE(before->chosen.name);
    const PrinterInForce again = SelectPrinterAgain(printer, *before);
    EXPECT_EQ(again.how, before->how);
    EXPECT_EQ(printer.CurrentPrinterName(), before->chosen.name);
    EXPECT_EQ(again.printerNumber, number);
    EXPECT_EQ(again.paperName, before->paperName);
    EXPECT_EQ(again.binName, before->binName);
    EXPECT_EQ(again.notice, before->notice);
  }
  service_.RemovePrinter("A");
  ASSERT_TRUE(printer.OnSettingsChange());
  const PrinterInForce gone = SelectPrinterAgain(printer, named);
  EXPECT_EQ(gone.how, PrinterSelection::kMissing);
  EXPECT_EQ(gone.printerNumber, "1");
  EXPECT_THROW(RequirePrinterInForce(gone), ENoPrinterInForce);  // B stands in for nothing
  service_.AddPrinter("A");
  ASSERT_TRUE(printer.OnSettingsChange());
  const PrinterInForce back = SelectPrinterAgain(printer, gone);
  EXPECT_EQ(back.how, PrinterSelection::kByName);
  EXPECT_EQ(printer.CurrentPrinterName(), "A");
  EXPECT_EQ(back.paperName, "B5");
  EXPECT_EQ(back.binName, "Manual");
}

// Two queues CP932 shows alike: the registered queue name decides.
TEST_F(SelectRegisteredPrinterTest, QueueNameTellsApartPrintersThatLookAlike) {
  for (const char* queue : {"Caf\xC3\xA9", "Caf\xC3\xA8"})
    service_.AddPrinter(Sj("Caf〓")).queue = queue;
  TLmPrinter printer(service_);
  settings::RegisteredPrintValues values = Registered("0", Sj("Caf〓"));
  values.printerQueue = "Caf\xC3\xA8";
  const PrinterInForce inForce = Select(printer, values);
  EXPECT_EQ(inForce.how, PrinterSelection::kByName);
  EXPECT_EQ(printer.CurrentPrinterQueue(), "Caf\xC3\xA8");
  EXPECT_EQ(inForce.printerNumber, "4");
  EXPECT_EQ(SelectedPrinterChoice(printer),
            (PrinterChoice{Sj("Caf〓"), "Caf\xC3\xA8", "A4", "Upper"}));
}

TEST_F(SelectRegisteredPrinterTest, DefaultNumberWithoutDefaultPrinterSelectsTheFirst) {
  service_.SetDefaultPrinter("");
  TLmPrinter printer(service_);
  EXPECT_EQ(Select(printer, Registered("-1", "")).how, PrinterSelection::kFirst);
  EXPECT_EQ(printer.CurrentPrinterName(), "0");
}

TEST_F(SelectRegisteredPrinterTest, TextThatIsNoNumberIsAConversionErrorWhenTheNumberDecides) {
  TLmPrinter printer(service_);
  EXPECT_THROW(Select(printer, Registered("1.5", "")), ConversionError);
  EXPECT_NO_THROW(Select(printer, Registered("", "gone")));  // the name decides: missing
}

TEST(SelectRegisteredPrinter, NoPrinterAtAllPropagates) {
  test::FakePrintService none;
  TLmPrinter printer(none);
  EXPECT_THROW(SelectRegisteredPrinter(printer, "0", {"A", "", "", ""}), ELmPrinterNoPrinter);
}

}  // namespace
}  // namespace ruvo
