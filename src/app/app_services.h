#pragma once
// What the main window works with besides its own controls: the printer
// layer, the working folder and the file store, and the platform seams that
// tests replace (message boxes, the desktop's links, the printer-setup
// dialog, the clock).

#include <QDate>
#include <filesystem>
#include <functional>
#include <optional>

#include "journal/journal_time.h"
#include "print/printer_setup_dialog.h"
#include "settings/file_store.h"

class QWidget;

namespace ruvo {
class TLmPrinter;
}  // namespace ruvo

namespace ruvo::postal {
class PostalDirectoryLoader;
}

namespace ruvo::app {

class DesktopLinks;
class MessageBoxes;

struct AppServices {
  TLmPrinter& printer;
  MessageBoxes& boxes;
  DesktopLinks& links;
  // The folder the window keeps its files in: the settings, the printer
  // registrations and the senders are read from it and written into it.
  std::filesystem::path workingFolder;
  // Writes every file the window keeps; a test gives one that fails.
  settings::FileReplacer& files;
  // Shows the printer-setup dialog for the running program over `parent`;
  // it returns with the chosen printer selected in the layer, and says how
  // it ended. Empty: the program's own dialog (TLmPrinterSetupDialog).
  using SetupOutcome = TLmPrinterSetupDialog::Outcome;
  std::function<SetupOutcome(QWidget* parent, PrinterWatch* watch)> runPrinterSetup = {};
  // The postal-code dictionary, loaded in the background once the window
  // shows; null: no postal-code check.
  postal::PostalDirectoryLoader* postal = nullptr;
  // Asks the user over `parent` for Japan Post's file to import (F8); none
  // when the user cancels. Empty: the desktop's file dialog.
  std::function<std::optional<std::filesystem::path>(QWidget* parent)> chooseZipDataFile = {};
  // Asks the user over `parent` for a shop's order file (F3, the batch
  // dialog's "ファイルを開く…"); none when the user cancels. Empty: the
  // desktop's file dialog.
  std::function<std::optional<std::filesystem::path>(QWidget* parent)> chooseOrderFile = {};
  // Today's date, shown as the slip date when the window opens.
  std::function<QDate()> today = [] { return QDate::currentDate(); };
  // Asks for the CSV file the recipient book imports (F6); none when the
  // user cancels. Empty: the desktop's file dialog.
  std::function<std::optional<std::filesystem::path>(QWidget* parent)> chooseBookImportFile = {};
  // Asks where the recipient book is exported to, and in which encoding;
  // none when the user cancels. Empty: the desktop's file dialog.
  struct BookExport {
    std::filesystem::path file;
    bool utf8 = true;  // UTF-8 with BOM; false: Shift-JIS (CP932)
  };
  std::function<std::optional<BookExport>(QWidget* parent)> chooseBookExportFile = {};
  // The clock the shipment journal records printed slips by.
  journal::JournalClock journalClock = journal::SystemNow;
};

}  // namespace ruvo::app
