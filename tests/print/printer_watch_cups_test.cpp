// The printer watch on the test server while CUPS stops a queue by itself and
// while cupsd is down and comes back: the selection stays with the queue.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <algorithm>

#include "print/printer_watch.h"
#include "print/qt_print_service.h"
#include "support/cups_test_server.h"
#include "support/widget_app.h"

namespace ruvo {
namespace {

using namespace std::chrono_literals;

TEST(PrinterWatchCupsTest, StoppedQueueAndServerRestartKeepTheSelection) {
  test::UseTestCupsServer();
  test::EnsureWidgetApplication();
  QtPrintService service;
  TLmPrinter printer(service);
  const auto& names = printer.GetPrinterNames();
  const auto queue = std::find(names.begin(), names.end(), "ruvo_pass600");
  ASSERT_NE(queue, names.end());
  printer.SetIndex(static_cast<int>(queue - names.begin()));  // not the server's default
  PrinterWatch watch(printer);
  QSignalSpy changed(&watch, &PrinterWatch::printersChanged);

  // What CUPS does when the printer is switched off or its backend fails.
  ASSERT_EQ(std::system("cupsdisable ruvo_pass600"), 0);
  EXPECT_FALSE(watch.CheckPrinters());
  ASSERT_EQ(std::system("cupsenable ruvo_pass600"), 0);
  {
    test::PausedCupsServer server;
    ASSERT_TRUE(server.Paused());
    EXPECT_THROW(service.EnumeratePrinters(), EPrinter);
    EXPECT_FALSE(watch.CheckPrinters());
    ASSERT_TRUE(server.Resume());
  }
  EXPECT_FALSE(watch.CheckPrinters());
  EXPECT_EQ(changed.count(), 0);

  const std::filesystem::path pdf = test::TestCupsOutputDir() / "ruvo_pass600.pdf";
  std::filesystem::remove(pdf);
  printer.BeginDoc("ruvo_Rezovod  ");
  printer.Canvas().Draw({"Lucida Sans Unicode", 10, 100, 100, "restart"});
  printer.EndDoc();
  EXPECT_TRUE(test::WaitForPdf(pdf, 30s));
}

}  // namespace
}  // namespace ruvo
