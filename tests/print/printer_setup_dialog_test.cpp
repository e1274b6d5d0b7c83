#include "print/printer_setup_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QSignalSpy>

#include "print/printer_watch.h"
#include "support/fake_print_service.h"
#include "support/widget_app.h"

namespace ruvo {
namespace {

// Printers A, hidden H, B; B is the default and offers only A5 from a tractor.
class PrinterSetupDialogTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { test::EnsureWidgetApplication(); }

  static test::FakePrintService MakeService() {
    test::FakePrintService made;
    made.AddPrinter("A");
    made.AddPrinter("H", kPrinterAttributeHidden);
    test::FakePrinter& b = made.AddPrinter("B");
    b.papers = {{11, "A5"}};
    b.sources = {{8, "Tractor"}};
    b.defaults.paperSize = 11;
    b.defaults.defaultSource = 8;
    made.SetDefaultPrinter("B");
    return made;
  }

  QComboBox& Box(TLmPrinterSetupDialog& dialog, const char* name) {
    return *dialog.findChild<QComboBox*>(QLatin1String(name));
  }

  test::FakePrintService service = MakeService();
  TLmPrinter printer{service};
};

TEST_F(PrinterSetupDialogTest, PreselectsTheSelectedPrinterAndItsCurrentPaper) {
  printer.ApplySetupChoice(0, 13, 4);  // A with B5 from manual feed
  TLmPrinterSetupDialog dialog(printer);
  dialog.Prepare();
  EXPECT_EQ(Box(dialog, "ComboBox_Printer").count(), 2);  // the hidden printer is not offered
  EXPECT_EQ(Box(dialog, "ComboBox_Printer").currentText(), QStringLiteral("A"));
  EXPECT_EQ(Box(dialog, "ComboBox_PaperSize").currentText(), QStringLiteral("B5"));
  EXPECT_EQ(Box(dialog, "ComboBox_PaperSource").currentText(), QStringLiteral("Manual"));
}

TEST_F(PrinterSetupDialogTest, ConfirmSelectsTheChosenPrinterPaperAndSource) {
  printer.SetIndex(1);
  TLmPrinterSetupDialog dialog(printer);
  dialog.Prepare();
  Box(dialog, "ComboBox_Printer").setCurrentIndex(0);
  emit Box(dialog, "ComboBox_Printer").activated(0);
  EXPECT_EQ(Box(dialog, "ComboBox_PaperSize").currentText(), QStringLiteral("A4"));  // A's default
  Box(dialog, "ComboBox_PaperSize").setCurrentIndex(2);                              // Postcard
  Box(dialog, "ComboBox_PaperSource").setCurrentIndex(1);                            // Manual
  EXPECT_TRUE(dialog.Finish(true));
  EXPECT_EQ(printer.GetIndex(), 0);
  EXPECT_EQ(printer.GetPaperSizeNumber(), 43);
  EXPECT_EQ(printer.GetBinNumber(), 4);
  EXPECT_EQ(printer.GetPaperSizeIndex(), 2);
}

// A queue whose name CP932 cannot hold is listed as "Caf〓" and asked for
// its papers, and chosen, by its own name.
TEST_F(PrinterSetupDialogTest, PrinterOfANameCp932CannotHoldIsListedAndChosen) {
  test::FakePrinter& cafe = service.AddPrinter("Caf\x81\xAC");
  cafe.queue = "Caf\xC3\xA9";
  cafe.papers = {{70, "A6"}};
  TLmPrinter listing(service);  // the fixture's layer took its list before
  TLmPrinterSetupDialog dialog(listing);
  dialog.Prepare();
  EXPECT_EQ(Box(dialog, "ComboBox_Printer").itemText(2), QStringLiteral("Caf〓"));
  Box(dialog, "ComboBox_Printer").setCurrentIndex(2);
  emit Box(dialog, "ComboBox_Printer").activated(2);
  EXPECT_EQ(Box(dialog, "ComboBox_PaperSize").currentText(), QStringLiteral("A6"));
  EXPECT_TRUE(dialog.Finish(true));
  EXPECT_EQ(listing.CurrentPrinterQueue(), "Caf\xC3\xA9");
  EXPECT_EQ(listing.GetPaperSizeNumber(), 70);
}

TEST_F(PrinterSetupDialogTest, CancelChangesNothing) {
  printer.SetIndex(1);
  TLmPrinterSetupDialog dialog(printer);
  dialog.Prepare();
  Box(dialog, "ComboBox_Printer").setCurrentIndex(0);
  emit Box(dialog, "ComboBox_Printer").activated(0);
  EXPECT_FALSE(dialog.Finish(false));
  EXPECT_EQ(dialog.LastOutcome(), TLmPrinterSetupDialog::Outcome::kCancelled);
  EXPECT_EQ(printer.GetIndex(), 1);
  EXPECT_EQ(printer.GetPaperSizeNumber(), 11);
}

// The dropped choice is not reported as the user's: OK gives false, and the
// watch tells that the layer fell back to the default printer, so that the
// window selects its printer in force again.
TEST_F(PrinterSetupDialogTest, PrintersChangedWhileOpenDropTheChoiceAndSayTheSelectionFellBack) {
  printer.SetIndex(0);
  PrinterWatch watch(printer);
  QSignalSpy changed(&watch, &PrinterWatch::printersChanged);
  TLmPrinterSetupDialog dialog(printer, &watch);
  dialog.Prepare();
  Box(dialog, "ComboBox_PaperSize").setCurrentIndex(1);
  service.AddPrinter("C");
  EXPECT_FALSE(dialog.Finish(true));
  EXPECT_EQ(dialog.LastOutcome(), TLmPrinterSetupDialog::Outcome::kDropped);
  EXPECT_EQ(changed.count(), 1);
  EXPECT_EQ(printer.CurrentPrinterName(), "B");
}

// A queue CUPS stops by itself, or a service that cannot answer, is no change.
TEST_F(PrinterSetupDialogTest, WatchSignalsOnlyWhenThePrintersNumberingChanges) {
  PrinterWatch watch(printer);
  QSignalSpy changed(&watch, &PrinterWatch::printersChanged);
  service.Printer("A").attributes |= kPrinterAttributeWorkOffline;
  EXPECT_FALSE(watch.CheckPrinters());
  service.unreachable = true;
  EXPECT_FALSE(watch.CheckPrinters());
  service.unreachable = false;
  service.Printer("A").attributes |= kPrinterAttributeHidden;
  EXPECT_TRUE(watch.CheckPrinters());
  EXPECT_EQ(changed.count(), 1);
}

TEST_F(PrinterSetupDialogTest, PrinterVanishingWhileChosenShowsEmptyListsAndFallsBack) {
  printer.SetIndex(1);
  TLmPrinterSetupDialog dialog(printer);
  dialog.Prepare();
  service.RemovePrinter("A");
  Box(dialog, "ComboBox_Printer").setCurrentIndex(0);
  emit Box(dialog, "ComboBox_Printer").activated(0);  // must not throw out of the signal
  EXPECT_EQ(Box(dialog, "ComboBox_PaperSize").count(), 0);
  EXPECT_FALSE(dialog.Finish(true));
  EXPECT_EQ(printer.CurrentPrinterName(), "B");
  EXPECT_EQ(printer.GetIndex(), 0);
}

// The application came back to the front while the dialog was open and the
// watch renewed the printers: the rows of the dialog's printer list no longer
// match the layer's numbers, so neither the lists shown nor the choice may
// follow them.
TEST_F(PrinterSetupDialogTest, RowsOfAPrinterListRenewedWhileOpenAreNotApplied) {
  printer.SetIndex(0);
  PrinterWatch watch(printer);
  TLmPrinterSetupDialog dialog(printer, &watch);
  dialog.Prepare();
  service.RemovePrinter("A");
  ASSERT_TRUE(watch.CheckPrinters());  // only B is left, now number 0

  Box(dialog, "ComboBox_Printer").setCurrentIndex(1);
  emit Box(dialog, "ComboBox_Printer").activated(1);  // B's row of the old list
  EXPECT_EQ(Box(dialog, "ComboBox_PaperSize").count(), 0);

  Box(dialog, "ComboBox_Printer").setCurrentIndex(0);  // A's row, number 0 is B now
  EXPECT_FALSE(dialog.Finish(true));
  EXPECT_EQ(printer.CurrentPrinterName(), "B");
  EXPECT_EQ(printer.GetPaperSizeNumber(), 11);  // B's own default, no choice of A's
}

// A layer made while the service was down takes its first snapshot when the
// dialog lists the printers; that is no change of the printers.
TEST_F(PrinterSetupDialogTest, FirstSnapshotTakenByTheDialogIsNoChange) {
  service.unreachable = true;
  TLmPrinter late(service);
  service.unreachable = false;
  TLmPrinterSetupDialog dialog(late);
  dialog.Prepare();
  EXPECT_TRUE(dialog.Finish(true));
  EXPECT_EQ(late.CurrentPrinterName(), "B");
}

TEST_F(PrinterSetupDialogTest, NoPrinterIsTheLayersError) {
  test::FakePrintService empty;
  TLmPrinter none(empty);
  TLmPrinterSetupDialog dialog(none);
  EXPECT_THROW(dialog.Prepare(), ELmPrinterNoPrinter);
}

}  // namespace
}  // namespace ruvo
