#pragma once
// The batch dialog ("送り状の一括印刷"): a shop's order file, dropped on the
// main window or opened with F3, read on a thread of its own with its
// progress shown, then shown order by order with what each would print, the
// buyer of a gift, its problems and warnings; the good orders print as one
// job of one page per slip, with the printer, margins and resolution F11
// would use, or a chosen order alone. The file's encoding and column map
// can be chosen, and another file opened. The main window's slip is not
// touched.

#include <QDialog>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "app/handler_guard.h"
#include "batch/order_file.h"
#include "print/print_service.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableView;

namespace ruvo {
class TLmPrinter;
}

namespace ruvo::app {

class BatchOrdersModel;
class SlipPreview;
class OrderFileLoader;

// The user's choices of how the file is read.
struct BatchChoices {
  std::filesystem::path orderFile;
  std::optional<batch::CsvEncoding> encoding;      // none: told by its bytes
  std::optional<std::filesystem::path> columnMap;  // none: the working folder's
};

using ChooseFile = std::function<std::optional<std::filesystem::path>(QWidget* parent)>;

struct BatchDialogSetup {
  TLmPrinter& printer;  // its selected printer is the paper mode's
  MessageBoxes& boxes;
  std::string marginTop;   // Label_Prn_Top, as F11 prints with it
  std::string marginLeft;  // Label_Prn_Left
  // Reads and checks the order file with the choices, anew at every call
  // (it may have been fixed in the meantime), on a thread of its own:
  // settings::FileReadError when it cannot be read, batch::ReadCancelled
  // when its progress says stop.
  std::function<batch::OrderFile(const BatchChoices&, const batch::ReadProgress&)> load;
  BatchChoices choices;  // the file first shown
  // Run before a job starts; throws, printing nothing, while the paper
  // mode's printer is not there (ENoPrinterInForce). Empty: no check.
  std::function<void()> requirePrinter = {};
  // Ask for an order file and a column map; empty: the desktop's file dialog.
  ChooseFile chooseOrderFile = {};
  ChooseFile chooseColumnMap = {};
  // When each slip was printed a short while ago ("本日 14:05"), empty for
  // one that was not; such orders are marked and left out of the job unless
  // the user includes them. Empty: no order is marked.
  std::function<std::vector<QString>(const std::vector<const SlipRecord*>&)> earlierPrints = {};
  // Records the orders of a job the print service accepted, read from the
  // order file and printed with `values`; the notice for the user, empty
  // when there is nothing to tell. Empty: nothing is recorded.
  std::function<QString(const std::filesystem::path& orderFile,
                        const std::vector<const batch::Order*>&, const SlipPrintValues&)>
      recordPrinted = {};
  std::string scaleX = "";  // the paper mode's registered form scale, as F11 prints with it
  std::string scaleY = "";
};

class BatchDialog : public QDialog {
  Q_OBJECT

 public:
  // Starts reading the file; its end shows the orders, or the error box.
  BatchDialog(BatchDialogSetup setup, QWidget* parent);
  ~BatchDialog() override;

  const batch::OrderFile& File() const { return file_; }
  const BatchChoices& Choices() const { return setup_.choices; }
  bool Loading() const;
  bool Printing() const { return printing_; }

  // The most problems of the file the list shows; the total is said below.
  static constexpr int kProblemsShown = 200;

 protected:
  // While a job is being made or the file read, closing asks it to stop
  // instead.
  void reject() override;

 private:
  void MakeControls();
  // The commands of the buttons.
  void OpenAnotherFile();
  void ChooseColumnMap();
  void ReadFileAgain();
  void PrintAll();
  void PrintChosenOrder();
  // The chosen order's slip on screen as it will print; it follows the
  // choice.
  void PreviewChosenOrder();
  void CancelReadingOrPrinting();
  void ConnectControls();
  void FitScreen();
  void StartLoading();
  void LoadFinished();
  void ShowProgress(int step, int percent);
  void ShowFile();
  void ShowProblems();
  void ShowUnusedColumns();
  void ChoicesChanged();
  void UpdateButtons();
  int CurrentRow() const;
  // Marks the orders printed a short while ago.
  void FindEarlierPrints();
  // The orders "すべて印刷" prints: the good ones, without the ones printed
  // a short while ago unless the user includes them; none while the file
  // has a problem of its own.
  std::vector<const batch::Order*> OrdersToPrint() const;
  std::size_t LeftOutAsPrinted() const;
  // Prints `orders` as one job and records them; false when the user
  // cancelled it.
  bool PrintOrders(const std::vector<const batch::Order*>& orders);

  BatchDialogSetup setup_;
  HandlerGuard guard_;
  QLabel* Label_Summary;
  QLabel* Label_Problems;  // how many problems the file has, red
  QListWidget* List_Problems;
  QLabel* Label_Unused;  // the columns left unused
  QTableView* Table_Rows;
  QComboBox* ComboBox_Encoding;
  QComboBox* ComboBox_Map;
  QProgressBar* ProgressBar;
  QCheckBox* CheckBox_IncludePrinted;
  QPushButton* BitBtn_Open;
  QPushButton* BitBtn_ChooseMap;
  QPushButton* BitBtn_Reload;
  QPushButton* BitBtn_PrintAll;
  QPushButton* BitBtn_PrintRow;
  QPushButton* BitBtn_Preview;
  QPushButton* BitBtn_Cancel;
  QPushButton* BitBtn_Close;

  batch::OrderFile file_;
  std::vector<QString> earlier_;  // per order: when it was printed before, or empty
  BatchOrdersModel* model_ = nullptr;
  SlipPreview* preview_ = nullptr;
  Resolution previewDpi_;  // asked when the preview opens
  QString previewNote_;    // why the preview is not at the printer's resolution
  OrderFileLoader* loader_ = nullptr;
  bool printing_ = false;
  bool cancelRequested_ = false;
};

}  // namespace ruvo::app
