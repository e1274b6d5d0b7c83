#pragma once
// The batch dialog ("送り状の一括印刷"): a shop's order file, dropped on the
// main window, shown row by row with what each row would print and its
// problems; the good rows print as one job of one page per slip, with the
// printer, margins and resolution F11 would use, or a chosen row alone. The
// main window's slip is not touched.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "app/handler_guard.h"
#include "batch/order_file.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace ruvo {
class TLmPrinter;
}

namespace ruvo::app {

struct BatchDialogSetup {
  TLmPrinter& printer;  // its selected printer is the paper mode's
  MessageBoxes& boxes;
  std::string marginTop;   // Label_Prn_Top, as F11 prints with it
  std::string marginLeft;  // Label_Prn_Left
  // Reads and checks the order file, anew at every call (it may have been
  // fixed in the meantime); settings::FileReadError when it cannot be read.
  std::function<batch::OrderFile()> load;
  QString fileName;  // shown in the caption
  // Run before a job starts; throws, printing nothing, while the paper
  // mode's printer is not there (ENoPrinterInForce). Empty: no check.
  std::function<void()> requirePrinter = {};
  // When each slip was printed a short while ago ("本日 14:05"), empty for
  // one that was not; such rows are marked and left out of the job unless
  // the user includes them. Empty: no row is marked.
  std::function<std::vector<QString>(const std::vector<const SlipRecord*>&)> earlierPrints = {};
  // Records the rows of a job the print service accepted, printed with
  // `values`; the notice for the user, empty when there is nothing to tell.
  // Empty: nothing is recorded.
  std::function<QString(const std::vector<const batch::OrderRow*>&, const SlipPrintValues&)>
      recordPrinted = {};
  std::string scaleX = "";  // the paper mode's registered form scale, as F11 prints with it
  std::string scaleY = "";
};

class BatchDialog : public QDialog {
  Q_OBJECT

 public:
  // Reads the file; its read error propagates to the caller's guard.
  BatchDialog(BatchDialogSetup setup, QWidget* parent);

  const batch::OrderFile& File() const { return file_; }
  bool Printing() const { return printing_; }

 protected:
  // While a job is being made, closing asks it to stop instead.
  void reject() override;

 private:
  void MakeControls();
  void ConnectButtons();
  // The commands of the buttons.
  void ReadFileAgain();
  void PrintAll();
  void PrintChosenRow();
  void CancelPrinting();
  void ShowFile();
  void ShowRows();
  void ShowRow(int index, const batch::OrderRow& row);
  QString Verdict(const batch::OrderRow& row) const;
  void UpdateButtons();
  // Marks the rows printed a short while ago.
  void FindEarlierPrints();
  bool PrintedEarlier(std::size_t index) const { return !earlier_.at(index).isEmpty(); }
  // The rows "すべて印刷" prints: the good ones, without the ones printed a
  // short while ago unless the user includes them; none while the file
  // has a problem of its own.
  std::vector<const batch::OrderRow*> RowsToPrint() const;
  std::size_t LeftOutAsPrinted() const;
  // Prints `rows` as one job and records them; false when the user
  // cancelled it.
  bool PrintRows(const std::vector<const batch::OrderRow*>& rows);

  BatchDialogSetup setup_;
  HandlerGuard guard_;
  QLabel* Label_Summary;
  QLabel* Label_Problems;  // the file's and the header's problems, red
  QTableWidget* Table_Rows;
  QProgressBar* ProgressBar;
  QCheckBox* CheckBox_IncludePrinted;
  QPushButton* BitBtn_Reload;
  QPushButton* BitBtn_PrintAll;
  QPushButton* BitBtn_PrintRow;
  QPushButton* BitBtn_Cancel;
  QPushButton* BitBtn_Close;
  batch::OrderFile file_;
  std::vector<QString> earlier_;  // per row: when it was printed before, or empty
  bool printing_ = false;
  bool cancelRequested_ = false;
};

}  // namespace ruvo::app
