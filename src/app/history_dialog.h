#pragma once
// The history ("履歴", F5): the slips the journal holds, the newest first,
// found as the user types a name, telephone number, postal code, address or
// goods, and within a range of days; the chosen ones are printed again as
// one job with today's date or their own, or one is loaded into the main
// window to be changed and printed. The journal's settings (the slip
// numbers, the duplicate window) open from here. The dialog is given the journal and the
// way the window prints; it never reaches into the window.

#include <QDialog>
#include <chrono>
#include <functional>
#include <optional>
#include <vector>

#include "app/handler_guard.h"
#include "journal/journal.h"
#include "journal/printed_slip.h"
#include "journal/reprint.h"

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace ruvo::app {

class SlipListModel;

struct HistoryDialogSetup {
  journal::Journal& journal;
  MessageBoxes& boxes;
  std::chrono::year_month_day today;  // the date range starts out as the last month to today
  int paperMode;                      // the paper mode in force, for the slip-number settings
  // Prints `originals` again as one job with `date`, recorded as reprints
  // of them (asking first); the window's print path.
  std::function<void(const std::vector<journal::PrintedSlip>& originals, journal::ReprintDate date)>
      reprint;
};

class HistoryDialog : public QDialog {
  Q_OBJECT

 public:
  HistoryDialog(HistoryDialogSetup setup, QWidget* parent);

  // The slip the user chose to load into the window ("呼び出す"), with
  // today's date; nothing when the dialog was closed otherwise.
  const std::optional<SlipRecord>& SlipToLoad() const { return slipToLoad_; }

 private:
  void MakeControls();
  void ConnectControls();
  void Search();
  std::vector<int> ChosenRows() const;
  void ReprintChosen();
  void LoadChosen();
  void OpenSettings();
  void UpdateButtons();

  HistoryDialogSetup setup_;
  HandlerGuard guard_;
  SlipListModel* model_;
  QLineEdit* Edit_Search;
  QCheckBox* CheckBox_Period;
  QDateEdit* DateEdit_From;
  QDateEdit* DateEdit_To;
  QTableView* Table_Slips;
  QLabel* Label_Count;
  QRadioButton* RadioButton_Today;
  QRadioButton* RadioButton_Original;
  QPushButton* BitBtn_Reprint;
  QPushButton* BitBtn_Load;
  QPushButton* BitBtn_Settings;
  QPushButton* BitBtn_Close;
  std::optional<SlipRecord> slipToLoad_;
};

}  // namespace ruvo::app
