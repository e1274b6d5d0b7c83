#pragma once
// The print-position dialog ("印字位置調整"): the top and left margin of a
// paper mode in printer dots. Beside each margin it shows what the dots are
// on paper at the printer's resolution; what is registered stays the dots as
// typed. It is given the margins and hands the user's on to be registered;
// it knows nothing of the window that opened it.

#include <QDialog>
#include <functional>
#include <string>

#include "app/handler_guard.h"
#include "print/print_service.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace ruvo {
class TOvNumEdit;
}

namespace ruvo::app {

class MessageBoxes;

// Printer dots as typed ("" counts as 0).
struct Margins {
  std::string top;
  std::string left;
  bool operator==(const Margins&) const = default;
};

class TForm_SLIP97YPrn : public QDialog {
  Q_OBJECT

 public:
  // `registerMargins` keeps the margins the user registers; an error it
  // throws is shown and keeps the dialog open.
  TForm_SLIP97YPrn(MessageBoxes& boxes, std::function<void(const Margins&)> registerMargins,
                   QWidget* parent);

  // Shows `margins`, their size on paper at `dpi` (0: unknown) and the
  // caret in the top margin.
  void Prepare(const Margins& margins, Resolution dpi);
  // Prepare, then the dialog modally. Closing it other than by registering
  // registers nothing.
  void Execute(const Margins& margins, Resolution dpi);
  Margins Values() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Asks "印字位置調整の余白を登録しますか?"; Yes registers the margins and
  // closes the dialog, No leaves it open.
  void RegisterMargins();
  void ShowOnPaper();

  HandlerGuard guard_;
  std::function<void(const Margins&)> registerMargins_;
  Resolution dpi_;
  QGroupBox* GroupBox1;
  TOvNumEdit* OvNumEdit_TOP;
  TOvNumEdit* OvNumEdit_LEFT;
  QLabel* Label_TopMm;
  QLabel* Label_LeftMm;
  QPushButton* BitBtn_MRGN;
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
