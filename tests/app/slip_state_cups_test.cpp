// The registered printer of each paper mode on the test server, when a queue
// appears that shifts every printer number after it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "app/slip_state.h"
#include "print/cups_test_server.h"
#include "print/gui_app.h"
#include "print/print_job.h"
#include "print/qt_print_service.h"
#include "settings/printer_registration.h"
#include "settings/settings_names.h"
#include "settings/temp_dir.h"

namespace ruvo {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// A queue whose name sorts before every queue of the test server.
struct QueueSortingFirst {
  QueueSortingFirst() {
    const std::string ppd = RUVO_CUPS_DIR "/ppd-pass360.ppd";
    added =
        std::system(
            ("lpadmin -p ruvo_added -E -v file:/dev/null -P " + ppd + " 2>/dev/null").c_str()) == 0;
  }
  ~QueueSortingFirst() {
    if (added) std::system("lpadmin -x ruvo_added");
  }
  bool added;
};

int NumberOf(TLmPrinter& printer, const std::string& queue) {
  const std::vector<std::string>& names = printer.GetPrinterNames();
  return static_cast<int>(std::find(names.begin(), names.end(), queue) - names.begin());
}

TEST(SelectRegisteredPrinterCupsTest, QueueAddedBeforeTheRegisteredOnesKeepsEachModesPrinter) {
  test::UseTestCupsServer();
  test::EnsureGuiApplication();
  QtPrintService service;
  TLmPrinter printer(service);
  test::TempDir dir;
  const std::pair<std::string_view, std::string> registered[] = {
      {settings::kPaperModeHandFed, "ruvo_pass600"},
      {settings::kPaperModeContinuous, "ruvo_pass360"},
  };
  for (const auto& [mode, queue] : registered) {
    settings::WriteRegistration(dir.path(), mode,
                                {queue, {std::to_string(NumberOf(printer, queue)), "0", "0"}});
  }
  QueueSortingFirst first;
  ASSERT_TRUE(first.added);
  ASSERT_TRUE(printer.OnSettingsChange());

  for (const auto& [mode, queue] : registered) {
    SCOPED_TRACE(queue);
    const settings::RegisteredPrintValues values = settings::ReadRegistration(dir.path(), mode);
    // The passthrough queue that now holds the registered number.
    const std::string displaced =
        printer.GetPrinterNames().at(static_cast<std::size_t>(std::stoi(values.printerNumber)));
    ASSERT_NE(displaced, queue);
    const fs::path pdf = test::TestCupsOutputDir() / (queue + ".pdf");
    const fs::path displacedPdf = test::TestCupsOutputDir() / (displaced + ".pdf");
    fs::remove(pdf);
    fs::remove(displacedPdf);

    const RegisteredPrinterChoice choice =
        SelectRegisteredPrinter(printer, values.printerNumber, values.printerName);
    EXPECT_EQ(choice.how, PrinterSelection::kByName);
    EXPECT_EQ(choice.printerNumber, std::to_string(NumberOf(printer, queue)));
    EXPECT_EQ(choice.notice, "");
    SlipRecord slip;
    slip.recipientName = "registered";
    PrintSlip(printer, slip, values.marginTop, values.marginLeft);
    EXPECT_TRUE(test::WaitForPdf(pdf, 30s)) << "no slip from " << queue;
    EXPECT_FALSE(fs::exists(displacedPdf)) << "a slip went to " << displaced;
  }
}

}  // namespace
}  // namespace ruvo
