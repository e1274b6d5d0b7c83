// Measuring, geometry and painting of the numeric input box.

#include <qdrawutil.h>

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

#include "qt_text/qt_text.h"
#include "widgets/ov_num_edit.h"

namespace ruvo {
namespace {

// Thickness of the sunken client edge of a bordered box, and of the plain
// frame the available width allows for without one.
constexpr int kClientEdge = 2;
constexpr int kPlainEdge = 1;

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;

struct PaintColours {
  QColor brush;
  QColor text;
};

// A selected value is drawn in the highlight colours, otherwise in the
// text colour on the box's Color. (A disabled box ignores the selection.)
// The colours are the active ones even while another window is active: the
// selection outlives a window switch and keeps looking the same.
PaintColours EnabledColours(const QPalette& palette, bool selected, const QColor& color) {
  constexpr QPalette::ColorGroup kGroup = QPalette::Active;
  if (selected)
    return {palette.color(kGroup, QPalette::Highlight),
            palette.color(kGroup, QPalette::HighlightedText)};
  return {color, palette.color(kGroup, QPalette::Text)};
}

// The number, widened over each mark that is set; the rest of the client
// area keeps Color from the background.
QRect FillRect(const NumEditGeometry& geometry, const NumValueSettings& settings) {
  QRect fill = geometry.number;
  if (!settings.leftMark.empty()) fill.setLeft(geometry.leftMark.left());
  if (!settings.rightMark.empty()) fill.setRight(geometry.rightMark.right());
  return fill;
}

// Each text from the top-left corner of its rectangle, without background;
// the marks only beside a number.
void DrawTexts(QPainter& painter, const NumEditGeometry& geometry, const NumValueSettings& settings,
               const std::string& number) {
  if (!settings.leftMark.empty() && !number.empty())
    painter.drawText(geometry.leftMark, kTextFlags, Cp932ToQString(settings.leftMark));
  painter.drawText(geometry.number, kTextFlags, Cp932ToQString(number));
  if (!settings.rightMark.empty() && !number.empty())
    painter.drawText(geometry.rightMark, kTextFlags, Cp932ToQString(settings.rightMark));
}

}  // namespace

int TOvNumEdit::TextWidth(std::string_view cp932) const {
  if (cp932.empty()) return 0;
  return fontMetrics().horizontalAdvance(Cp932ToQString(cp932)) + 1;
}

int TOvNumEdit::ReservedWidth() const {
  const NumValueModel& value = Model().Value();
  return TextWidth(value.ReservedTemplate(value.ValueText()));
}

int TOvNumEdit::DisplayTextWidth(std::string_view value) const {
  return TextWidth(Model().Value().FormatDisplayText(value));
}

int TOvNumEdit::CaretTextWidth() const {
  return TextWidth(Model().Value().CaretText());
}

int TOvNumEdit::AvailableWidth() const {
  const int edge = layout_.borderStyle == bsSingle ? kClientEdge : kPlainEdge;
  return ClientRect().width() - layout_.leftMargin - layout_.rightMargin - 2 * edge;
}

bool TOvNumEdit::TextFits(std::string_view value) const {
  return DisplayTextWidth(value) <= AvailableWidth();
}

QRect TOvNumEdit::ClientRect() const {
  return contentsRect();
}

// The marks take room only while a number is shown, or while a Fixed setting
// shows "0" for the empty value.
bool TOvNumEdit::MarksShown() const {
  const NumValueSettings& s = Model().Value().Settings();
  return !GetText().empty() || s.integerFixed || s.decimalFixed;
}

NumEditWidths TOvNumEdit::MeasureWidths() const {
  const NumValueModel& value = Model().Value();
  const NumValueSettings& s = value.Settings();
  NumEditWidths w;
  w.reserved = ReservedWidth();
  w.number = TextWidth(value.FormatNumber(value.ValueText()));
  w.caretText = CaretTextWidth();
  if (MarksShown()) {
    w.leftMark = TextWidth(s.leftMark);
    w.rightMark = TextWidth(s.rightMark);
  }
  return w;
}

NumEditGeometry TOvNumEdit::Geometry() const {
  NumEditGeometryInput in;
  in.client = ClientRect().size();
  in.settings = layout_;
  in.textHeight = textHeight_;
  in.widths = MeasureWidths();
  return ComputeNumEditGeometry(in);
}

QRect TOvNumEdit::LeftMarkRect() const {
  return Geometry().leftMark;
}
QRect TOvNumEdit::ReservedRect() const {
  return Geometry().reserved;
}
QRect TOvNumEdit::NumberRect() const {
  return Geometry().number;
}
QRect TOvNumEdit::RightMarkRect() const {
  return Geometry().rightMark;
}
QPoint TOvNumEdit::CaretPosition() const {
  return Geometry().caret;
}

QRect TOvNumEdit::CaretRect() const {
  if (!caretExists_) return {};
  return QRect(CaretPosition(), QSize(caretWidth_, textHeight_));
}

void TOvNumEdit::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), color_);
  if (layout_.borderStyle == bsSingle) qDrawWinPanel(&painter, rect(), palette(), true);
  painter.translate(ClientRect().topLeft());
  painter.setClipRect(QRect(QPoint(0, 0), ClientRect().size()));

  const NumEditGeometry geometry = Geometry();
  numberBounds_ = geometry.number;
  const NumValueModel& value = Model().Value();
  const PaintColours colours = isEnabled() ? EnabledColours(palette(), Model().Selected(), color_)
                                           : PaintColours{color_, disabledColor_};
  painter.fillRect(FillRect(geometry, value.Settings()), colours.brush);
  painter.setPen(colours.text);
  DrawTexts(painter, geometry, value.Settings(), value.FormatNumber(value.ValueText()));
  if (caretExists_ && caretShown_)
    painter.fillRect(QRect(geometry.caret, QSize(caretWidth_, textHeight_)), colours.text);
}

}  // namespace ruvo
