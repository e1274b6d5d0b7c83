#pragma once
// The print-position dialog ("印字位置調整"): the top and left margin of the
// current paper mode in printer dots, registered beside its printer.
// Beside each margin it shows what the dots are on paper at the selected
// printer's resolution; what is stored stays the dots as typed.

#include <QDialog>

#include "app/app_services.h"
#include "app/handler_guard.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace ruvo {
class TOvNumEdit;
}

namespace ruvo::app {

class TForm_Main;

class TForm_SLIP97YPrn : public QDialog {
  Q_OBJECT

 public:
  TForm_SLIP97YPrn(TForm_Main& main, const AppServices& services, QWidget* parent);

  // Prepares the fields from the main window's margins and shows the dialog
  // modally. Closing it other than by registering keeps the labels and the
  // file as they were.
  void Execute();
  void FormShow();
  // Asks "印字位置調整の余白を登録しますか?"; Yes writes the margins into
  // the current paper mode's registration (its printer, paper and source
  // stay as registered), copies them into the main window and closes the
  // dialog; No leaves it open and nothing changed.
  void BitBtn_MRGNClick();

  // "12 dots = 0.85 mm at 360 dpi", or why there is no such line.
  QString TopOnPaper() const;
  QString LeftOnPaper() const;

  QGroupBox* GroupBox1;
  QLabel* Label_Top;
  QLabel* Label_Left;
  TOvNumEdit* OvNumEdit_TOP;
  TOvNumEdit* OvNumEdit_LEFT;
  QLabel* Label_TopMm;
  QLabel* Label_LeftMm;
  QPushButton* BitBtn_MRGN;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void ShowOnPaper();

  TForm_Main& main_;
  AppServices services_;
  HandlerGuard guard_;
};

// What a margin's printer dots are on paper.
struct MarginOnPaperText {
  QString brief;  // "0.85 mm", beside the field
  QString line;   // "12 dots = 0.85 mm at 360 dpi", its tooltip
};
// `dotsText` at `dpi` dots per inch. A text that is no integer cannot be
// printed, and an unknown resolution cannot be converted; both say so.
MarginOnPaperText MarginOnPaper(const std::string& dotsText, int dpi);

}  // namespace ruvo::app
