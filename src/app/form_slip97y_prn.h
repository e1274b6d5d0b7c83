#pragma once
// The print-position dialog ("印字位置調整"): the top and left margin of a
// paper mode in printer dots, each also in millimetres at the printer's
// resolution (either may be typed; the other follows), and the form's scale
// per axis. What is registered stays the dots as typed. Its test sheet and
// proof print the values as they stand, before anything is registered, so
// that the user can try a margin on plain paper first. It is given the
// values and hands the user's on; it knows nothing of the window that opened
// it.

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "app/handler_guard.h"
#include "print/print_service.h"

class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace ruvo {
class TOvNumEdit;
}

namespace ruvo::app {

class MessageBoxes;

struct PrintPosition {
  std::string top;  // printer dots as typed ("" counts as 0)
  std::string left;
  std::string scaleX = "";  // per mille as registered ("" is 100.0 %)
  std::string scaleY = "";
  bool operator==(const PrintPosition&) const = default;
};

class TForm_SLIP97YPrn : public QDialog {
  Q_OBJECT

 public:
  // What the dialog's buttons do with the values as they stand; an error
  // an action throws is shown and keeps the dialog open.
  struct Actions {
    std::function<void(const PrintPosition&)> registerPosition;
    std::function<void(const PrintPosition&)> printTestSheet;  // テスト印字
    std::function<void(const PrintPosition&)> printProof;      // 確認印刷
  };

  TForm_SLIP97YPrn(MessageBoxes& boxes, Actions actions, QWidget* parent);

  // Shows `position`, the margins' size on paper at `dpi` (0: unknown) and
  // the caret in the top margin. A scale text that is no scale shows as
  // 100.0 % and is handed back as it was until the user changes it.
  void Prepare(const PrintPosition& position, Resolution dpi);
  // Prepare, then the dialog modally. Closing it other than by registering
  // registers nothing.
  void Execute(const PrintPosition& position, Resolution dpi);
  // The values as they stand; a scale still as shown keeps its text.
  PrintPosition Values() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void MakeControls();
  void ConnectControls();
  // Asks "印字位置調整の余白を登録しますか?"; Yes registers the values and
  // closes the dialog, No leaves it open.
  void RegisterPosition();
  // The millimetres of each margin's dots; a field being typed into keeps
  // its text.
  void ShowOnPaper();
  // The dots of the millimetres typed into `mm`, into `dots`.
  void MmTyped(const QDoubleSpinBox& mm, TOvNumEdit& dots, int dpi);
  std::string ScaleText(const QDoubleSpinBox& spin, const std::string& given) const;

  HandlerGuard guard_;
  Actions actions_;
  Resolution dpi_;
  PrintPosition given_;
  int shownScaleX_ = 0;  // per mille, as Prepare showed it
  int shownScaleY_ = 0;
  const QDoubleSpinBox* typing_ = nullptr;  // the millimetres the dots are set from
  QGroupBox* GroupBox1;
  TOvNumEdit* OvNumEdit_TOP;
  TOvNumEdit* OvNumEdit_LEFT;
  QDoubleSpinBox* SpinBox_TopMm;
  QDoubleSpinBox* SpinBox_LeftMm;
  QDoubleSpinBox* SpinBox_ScaleX;
  QDoubleSpinBox* SpinBox_ScaleY;
  QPushButton* BitBtn_MRGN;
  QPushButton* BitBtn_TestSheet;
  QPushButton* BitBtn_Proof;
};

// What a margin's printer dots are on paper.
struct MarginOnPaperText {
  std::optional<double> mm;  // none when it cannot be converted
  QString line;              // "12 dots = 0.85 mm at 360 dpi", the tooltip
};
// `dotsText` at `dpi` dots per inch. A text that is no integer cannot be
// printed, and an unknown resolution cannot be converted; both say so.
MarginOnPaperText MarginOnPaper(const std::string& dotsText, int dpi);

}  // namespace ruvo::app
