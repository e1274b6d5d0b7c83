#include "app/slip_preview.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>

#include "app/slip_fit_notice.h"
#include "print/form_placement.h"
#include "print/print_job.h"
#include "print/slip_layout.h"
#include "print/slip_painter.h"
#include "print/slip_proof.h"

namespace ruvo::app {
namespace {

// The preview shows the page from its corner to a little past the form's.
constexpr double kPastTheFormMm = 5;

constexpr std::array kZooms = {50, 75, 100, 150, 200, 300};
constexpr int kInitialZoom = 100;

// What may change the watched window's slip: typing (an input method's
// text included), a click, a drop.
bool MayChangeFields(const QEvent& event) {
  switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::MouseButtonRelease:
    case QEvent::Drop:
      return true;
    default:
      return false;
  }
}

// `object` is `root` or lies inside it, in a window it owns included.
bool Inside(const QObject* object, const QWidget& root) {
  for (; object != nullptr; object = object->parent()) {
    if (object == &root) return true;
  }
  return false;
}

}  // namespace

ProofView::ProofView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("View_Proof"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

// A printer with fewer dots on one axis (360×180) has that axis's dots
// moved onto the grid of the finer one, as its page is painted, so that the
// texts keep their shape and land where they print.
void ProofView::SetPicture(ProofPicture picture) {
  picture_ = std::move(picture);
  paintDpi_ = std::max(picture_.dpiX, picture_.dpiY);
  painted_ = picture_.list;
  const auto onGrid = [this](int dots, int dpi) {
    return static_cast<int>(std::lround(static_cast<double>(dots) * paintDpi_ / dpi));
  };
  if (picture_.dpiX > 0 && picture_.dpiY > 0) {
    for (DrawOp& op : painted_) {
      op.x = onGrid(op.x, picture_.dpiX);
      op.x2 = onGrid(op.x2, picture_.dpiX);
      op.y = onGrid(op.y, picture_.dpiY);
      op.y2 = onGrid(op.y2, picture_.dpiY);
    }
  }
  Resize();
  update();
}

void ProofView::SetZoom(int percent) {
  zoom_ = percent;
  Resize();
  update();
}

QPointF ProofView::PixelsPerDot() const {
  const auto per = [this](int screenDpi, int printerDpi) {
    return printerDpi > 0 ? zoom_ / 100.0 * screenDpi / printerDpi : 0.0;
  };
  return {per(logicalDpiX(), picture_.dpiX), per(logicalDpiY(), picture_.dpiY)};
}

void ProofView::Resize() {
  const QPointF scale = PixelsPerDot();
  resize(std::max(1, static_cast<int>(picture_.pageDots.width() * scale.x()) + 1),
         std::max(1, static_cast<int>(picture_.pageDots.height() * scale.y()) + 1));
}

// The page white, the rest of the view grey.
void ProofView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Mid));
  const QPointF scale = PixelsPerDot();
  if (scale.x() <= 0 || scale.y() <= 0) return;
  painter.fillRect(
      QRectF(0, 0, picture_.pageDots.width() * scale.x(), picture_.pageDots.height() * scale.y()),
      Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(scale.x() * picture_.dpiX / paintDpi_, scale.y() * picture_.dpiY / paintDpi_);
  PaintDrawList(painter, painted_, paintDpi_);
}

SlipPreview::SlipPreview(MessageBoxes& boxes, std::function<ProofPicture()> draw, QWidget& watched,
                         QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      guard_(boxes, this),
      draw_(std::move(draw)),
      watched_(watched) {
  setObjectName(QStringLiteral("Form_Preview"));
  setWindowTitle(QStringLiteral("プレビュー"));
  redraw_ = new QTimer(this);
  redraw_->setSingleShot(true);
  redraw_->setInterval(0);
  ConnectGuarded(guard_, redraw_, &QTimer::timeout, this, [this] { Redraw(); });
  ComboBox_Zoom = new QComboBox(this);
  ComboBox_Zoom->setObjectName(QStringLiteral("ComboBox_Zoom"));
  for (const int zoom : kZooms)
    ComboBox_Zoom->addItem(QStringLiteral("%1 %").arg(zoom), zoom);
  ComboBox_Zoom->setCurrentIndex(ComboBox_Zoom->findData(kInitialZoom));
  ComboBox_Zoom->setToolTip(QStringLiteral("表示倍率 (100 % で実寸)"));
  View_Proof = new ProofView(this);
  ScrollBox_Proof = new QScrollArea(this);
  ScrollBox_Proof->setObjectName(QStringLiteral("ScrollBox_Proof"));
  ScrollBox_Proof->setWidget(View_Proof);
  Label_Notes = new QLabel(this);
  Label_Notes->setObjectName(QStringLiteral("Label_Notes"));
  Label_Notes->setStyleSheet(QStringLiteral("color: #c00000"));
  Label_Notes->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ComboBox_Zoom, 0, Qt::AlignLeft);
  layout->addWidget(ScrollBox_Proof, 1);
  layout->addWidget(Label_Notes);
  ConnectGuarded(guard_, ComboBox_Zoom, &QComboBox::currentIndexChanged, this,
                 [this] { View_Proof->SetZoom(ComboBox_Zoom->currentData().toInt()); });
  resize(820, 520);
}

// An error of the drawing (a margin that is no number, no printer) is said
// under an empty page rather than in a box at every key.
void SlipPreview::Redraw() {
  redraw_->stop();
  ProofPicture picture;
  try {
    picture = draw_();
  } catch (const std::exception& error) {
    picture.notes = QStringList{ErrorBoxText(error)};
  }
  Label_Notes->setText(picture.notes.join(QStringLiteral("\n")));
  Label_Notes->setVisible(!picture.notes.isEmpty());
  View_Proof->SetPicture(std::move(picture));
}

void SlipPreview::RedrawSoon() {
  redraw_->start();
}

bool SlipPreview::eventFilter(QObject* watched, QEvent* event) {
  if (MayChangeFields(*event) && Inside(watched, watched_) && !Inside(watched, *this)) RedrawSoon();
  return false;
}

// The window's input is watched only while the preview stands.
void SlipPreview::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  qApp->installEventFilter(this);
  Redraw();
}

void SlipPreview::hideEvent(QHideEvent* event) {
  qApp->removeEventFilter(this);
  QDialog::hideEvent(event);
}

ProofPicture ProofPictureOf(const SlipRecord& slip, const SlipPrintValues& values) {
  const std::vector<FieldOverflow> overflows = MeasureSlipOverflows(slip, values);
  const FormPlacement placement(values);
  const SlipFormExtent form = SlipForm();
  return {SlipProof(slip, values, overflows), placement.DpiX(), placement.DpiY(),
          QSize(placement.X(form.width + MmToUnits(kPastTheFormMm)),
                placement.Y(form.height + MmToUnits(kPastTheFormMm))),
          OverflowNotes(overflows)};
}

Resolution PreviewResolution(TLmPrinter& printer, QString& note) {
  note.clear();
  try {
    return EffectiveResolution(printer);
  } catch (const std::exception&) {
    note = QStringLiteral("プリンタの解像度が分からないため %1 dpi で表示しています")
               .arg(kFitReferenceDpi);
    return {kFitReferenceDpi, kFitReferenceDpi};
  }
}

}  // namespace ruvo::app
