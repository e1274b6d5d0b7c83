#pragma once
// The main window over the fake print service in a working folder of its
// own, with scripted message boxes and a file store that fails on demand:
// what every window test starts from.

#include <QApplication>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <memory>

#include "app/app_fakes.h"
#include "app/form_main.h"
#include "app/window_controls.h"
#include "print/lm_printers.h"
#include "support/fake_print_service.h"
#include "support/faulty_file_replacer.h"
#include "support/temp_dir.h"

namespace ruvo::test {

// The fixed day the windows show as today.
inline QDate PinnedToday() {
  return QDate(2011, 1, 5);
}

class WindowHarness {
 public:
  // Two printers, "Slip" (the default) and "Office"; a fresh working folder.
  WindowHarness() {
    service.AddPrinter("Slip");
    service.AddPrinter("Office");
    service.SetDefaultPrinter("Slip");
    printer = std::make_unique<TLmPrinter>(service);
  }
  ~WindowHarness() { window.reset(); }
  WindowHarness(const WindowHarness&) = delete;
  WindowHarness& operator=(const WindowHarness&) = delete;

  // Makes the window and shows it; returns once its start-up has run.
  app::TForm_Main& Open() {
    window = std::make_unique<app::TForm_Main>(
        app::AppServices{.printer = *printer,
                         .boxes = boxes,
                         .links = links,
                         .workingFolder = Folder(),
                         .files = files,
                         .runPrinterSetup = setup,
                         .postal = postal,
                         .chooseZipDataFile = chooseZipData,
                         .chooseOrderFile = chooseOrderFile,
                         .today = PinnedToday,
                         .journalClock = [this] { return journalNow; }});
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) qWarning("the window did not become active");
    if (!QTest::qWaitFor([this] { return window->StartupDone(); }))
      qWarning("the window's start-up did not run");
    return *window;
  }

  // Closes the window as its close box does (the settings are saved).
  void Close() {
    window->close();
    window.reset();
  }

  const std::filesystem::path& Folder() const { return folder_.path(); }

  FakePrintService service;
  std::unique_ptr<TLmPrinter> printer;
  ScriptedMessageBoxes boxes;
  RecordingLinks links;
  // Every file the window writes; its faults are off until a test sets one.
  FaultyFileReplacer files;
  // The setup dialog: cancelled unless a test says otherwise.
  std::function<app::AppServices::SetupOutcome(QWidget*, PrinterWatch*)> setup =
      [](QWidget*, PrinterWatch*) { return app::AppServices::SetupOutcome::kCancelled; };
  postal::PostalDirectoryLoader* postal = nullptr;
  // The file F8 imports: none (cancelled) unless a test says otherwise.
  std::function<std::optional<std::filesystem::path>(QWidget*)> chooseZipData = [](QWidget*) {
    return std::optional<std::filesystem::path>();
  };
  // The order file F3 opens: none (cancelled) unless a test says otherwise.
  std::function<std::optional<std::filesystem::path>(QWidget*)> chooseOrderFile = [](QWidget*) {
    return std::optional<std::filesystem::path>();
  };
  // The journal's clock: 2011-01-05 14:05 in Japan unless a test moves it.
  std::chrono::system_clock::time_point journalNow =
      std::chrono::sys_days(std::chrono::year_month_day(
          std::chrono::year(2011), std::chrono::January, std::chrono::day(5))) +
      std::chrono::hours(5) + std::chrono::minutes(5);
  std::unique_ptr<app::TForm_Main> window;

 private:
  TempDir folder_;
};

}  // namespace ruvo::test
