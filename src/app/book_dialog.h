#pragma once
// The recipient book ("住所録", F6): the recipients slips were printed to and
// the ones the user keeps, found as the user types; an entry is added,
// changed or deleted in the fields below the list, and the chosen one fills
// the window's recipient. The book is read from and written to CSV (UTF-8
// with BOM or CP932) with an order file's column names. The dialog is given
// the journal and the file seams; it never reaches into the window.

#include <QDialog>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "app/handler_guard.h"
#include "batch/csv_encoding.h"
#include "journal/recipient_book.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace ruvo::settings {
class FileReplacer;
}

namespace ruvo::app {

class TCp932Edit;

struct BookDialogSetup {
  journal::Journal& journal;
  MessageBoxes& boxes;
  settings::FileReplacer& files;  // writes the exported file
  // The CSV file to read recipients from; none when the user cancels.
  std::function<std::optional<std::filesystem::path>(QWidget* parent)> chooseImportFile;
  // The file to export to and its encoding; none when the user cancels.
  struct ExportTarget {
    std::filesystem::path file;
    batch::CsvEncoding encoding = batch::CsvEncoding::kUtf8;
  };
  std::function<std::optional<ExportTarget>(QWidget* parent)> chooseExportFile;
};

class BookDialog : public QDialog {
  Q_OBJECT

 public:
  BookDialog(BookDialogSetup setup, QWidget* parent);

  // The entry the user chose for the window's recipient; nothing when the
  // dialog was closed otherwise.
  const std::optional<journal::Recipient>& Chosen() const { return chosen_; }

 private:
  void MakeControls();
  void ConnectControls();
  void Search();
  // The entry of the selected line, or nothing.
  std::optional<journal::Recipient> Selected() const;
  void ShowSelected();
  // The entry as the fields below the list hold it.
  journal::Recipient Entry() const;
  void AddEntry();
  void ChangeEntry();
  void DeleteEntry();
  void ImportCsv();
  void ExportCsv();
  void ChooseSelected();
  void UpdateButtons();

  BookDialogSetup setup_;
  HandlerGuard guard_;
  QLineEdit* Edit_Search;
  QTableWidget* Table_Book;
  QLabel* Label_Count;
  // The entry's name, postal code, address lines and telephone number.
  std::array<TCp932Edit*, 6> fields_{};
  QPushButton* BitBtn_Add;
  QPushButton* BitBtn_Change;
  QPushButton* BitBtn_Delete;
  QPushButton* BitBtn_Import;
  QPushButton* BitBtn_Export;
  QPushButton* BitBtn_Choose;
  QPushButton* BitBtn_Close;
  std::vector<journal::Recipient> shown_;
  std::optional<journal::Recipient> chosen_;
};

}  // namespace ruvo::app
