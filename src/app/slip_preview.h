#pragma once
// The preview ("プレビュー", F9): the slip drawn on screen as it will print,
// over the outline of its boxes, at the margins and scale in force, with a
// zoom. A text wider than its box is red, and the list under the page names
// its field. The dialog is given how to draw the proof and redraws it soon
// after any input to the window it watches, once however many keys arrived
// in between, so that typing is never held up; it knows nothing else of that
// window.

#include <QDialog>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "app/handler_guard.h"
#include "print/draw_op.h"
#include "print/print_service.h"
#include "print/slip_record.h"

class QComboBox;
class QLabel;
class QScrollArea;
class QTimer;

namespace ruvo {
class TLmPrinter;
}

namespace ruvo::app {

// A proof as the preview shows it.
struct ProofPicture {
  DrawList list;  // in printer dots
  int dpiX = 0;   // the printer's effective resolution
  int dpiY = 0;
  QSize pageDots;     // the part of the page shown, from its top-left corner
  QStringList notes;  // what does not fit, each naming its field
};

// The proof of `slip` at `values`, from the page's corner to a little past
// the form's, with the texts that do not fit named.
ProofPicture ProofPictureOf(const SlipRecord& slip, const SlipPrintValues& values);

// The resolution a preview draws at: the printer's, or the reference
// resolution with `note` saying so when the printer does not tell it.
Resolution PreviewResolution(TLmPrinter& printer, QString& note);

// Paints a proof at a zoom, 100 % showing it life size at the screen's
// resolution. Setters update and repaint; painting only reads.
class ProofView : public QWidget {
  Q_OBJECT

 public:
  explicit ProofView(QWidget* parent);

  void SetPicture(ProofPicture picture);
  void SetZoom(int percent);
  const ProofPicture& Picture() const { return picture_; }
  // Screen pixels per printer dot across and down.
  QPointF PixelsPerDot() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Resize();

  ProofPicture picture_;
  DrawList painted_;  // the picture's list on the grid of its finer axis
  int paintDpi_ = 0;
  int zoom_ = 100;
};

class SlipPreview : public QDialog {
  Q_OBJECT

 public:
  // `draw` makes the proof of the slip as it stands; what it throws is
  // shown in the preview instead of a page. Input to `watched` or any
  // window it owns redraws.
  SlipPreview(MessageBoxes& boxes, std::function<ProofPicture()> draw, QWidget& watched,
              QWidget* parent);

  // Draws the proof now.
  void Redraw();
  // Draws it once the events waiting now are handled.
  void RedrawSoon();
  ProofView& View() { return *View_Proof; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  HandlerGuard guard_;
  std::function<ProofPicture()> draw_;
  QWidget& watched_;
  QTimer* redraw_;
  QComboBox* ComboBox_Zoom;
  QScrollArea* ScrollBox_Proof;
  ProofView* View_Proof;
  QLabel* Label_Notes;
};

}  // namespace ruvo::app
