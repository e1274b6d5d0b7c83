#pragma once
// The journal's settings ("伝票番号・重複確認の設定"), opened from the
// history: for each paper mode the slip number printed on the next form of
// the stock, started at the first form of a new stock, corrected after a
// jammed form, or no longer recorded; and how long a parcel to the same
// recipient with the same goods counts as already printed. Each change is
// written to the journal at once; the dialog is given the journal and never
// reaches into the window.

#include <QDialog>
#include <QString>

#include "app/handler_guard.h"
#include "journal/journal.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace ruvo::app {

struct JournalSettingsSetup {
  journal::Journal& journal;
  MessageBoxes& boxes;
  int paperMode;  // the paper mode shown first: the one in force
};

// A slip number as the user reads it on the form: twelve digits with the
// check digit in groups of four ("1234-5678-9013"), other numbers as they are.
QString SlipNumberAsPrinted(const std::string& digits);

class JournalSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  JournalSettingsDialog(JournalSettingsSetup setup, QWidget* parent);

 private:
  void MakeControls();
  void ConnectControls();
  int PaperMode() const;
  void ShowLedger();
  void SetNumber();
  void StopNumber();
  void WriteDuplicateHours(int hours);

  JournalSettingsSetup setup_;
  HandlerGuard guard_;
  QComboBox* ComboBox_PaperMode;
  QLabel* Label_NextNumber;
  QLineEdit* Edit_SlipNumber;
  QRadioButton* RadioButton_Modulus7;
  QRadioButton* RadioButton_Plain;
  QPushButton* BitBtn_SetNumber;
  QPushButton* BitBtn_StopNumber;
  QSpinBox* SpinBox_DuplicateHours;
  QPushButton* BitBtn_Close;
};

}  // namespace ruvo::app
