// The setup dialog on queues of the test server: the paper and tray the user
// picks there are what CUPS gets in the job.
#include <gtest/gtest.h>

#include <QComboBox>

#include "print/printer_setup_dialog.h"
#include "print/qt_print_service.h"
#include "support/cups_jobs.h"
#include "support/cups_test_server.h"
#include "support/widget_app.h"

namespace ruvo {
namespace {

void Choose(TLmPrinterSetupDialog& dialog, const char* box, const char* text) {
  auto& combo = *dialog.findChild<QComboBox*>(QLatin1String(box));
  const int row = combo.findText(QString::fromUtf8(text));
  ASSERT_GE(row, 0) << text << " is not offered in " << box;
  combo.setCurrentIndex(row);
  emit combo.activated(row);
}

// 13x19, 11x14 and RA3 share Qt's paper id; Tabloid and 11x17 share a
// Windows code. Each must show and print as itself.
TEST(PrinterSetupDialogCupsTest, PaperAndTrayChosenInTheDialogAreTheJobsMediaAndInputSlot) {
  test::UseTestCupsServer();
  test::EnsureWidgetApplication();
  QtPrintService service;
  TLmPrinter printer(service);
  struct Case {
    const char* queue;
    const char* paper;  // as the dialog lists it and the job's media
    const char* tray;
    const char* inputSlot;
  };
  const Case cases[] = {{"ruvo_pass600", "13x19", "Manual Feed", "Manual"},
                        {"ruvo_pass600", "11x14", "Upper Tray", "Upper"},
                        {"ruvo_pass360", "RA3", "Manual Feed", "Manual"},
                        {"ruvo_pass360", "Tabloid", "Upper Tray", "Upper"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.queue) + " " + c.paper);
    TLmPrinterSetupDialog dialog(printer);
    dialog.Prepare();
    ASSERT_NO_FATAL_FAILURE(Choose(dialog, "ComboBox_Printer", c.queue));
    ASSERT_NO_FATAL_FAILURE(Choose(dialog, "ComboBox_PaperSize", c.paper));
    ASSERT_NO_FATAL_FAILURE(Choose(dialog, "ComboBox_PaperSource", c.tray));
    ASSERT_TRUE(dialog.Finish(true));
    EXPECT_EQ(printer.GetPaperSizeNames().at(static_cast<std::size_t>(printer.GetPaperSizeIndex())),
              c.paper);
    printer.BeginDoc("ruvo_Rezovod  ");
    printer.Canvas().Draw({"Lucida Sans Unicode", 10, 100, 100, "paper"});
    printer.EndDoc();
    EXPECT_EQ(test::JobAttribute(service.LastJobId(), "media"), c.paper);
    EXPECT_EQ(test::JobAttribute(service.LastJobId(), "InputSlot"), c.inputSlot);
  }
}

}  // namespace
}  // namespace ruvo
