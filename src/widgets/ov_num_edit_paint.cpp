// Measuring, geometry and painting of the numeric input box.

#include <qdrawutil.h>

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

#include "widgets/ov_num_edit.h"
#include "widgets/qt_text.h"

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

  const NumEditGeometry layout = Geometry();
  numberBounds_ = layout.number;
  const NumValueModel& value = Model().Value();
  const NumValueSettings& s = value.Settings();
  const bool selected = Model().Selected() && isEnabled();
  const PaintColours colours =
      selected
          ? PaintColours{palette().color(QPalette::Highlight),
                         palette().color(QPalette::HighlightedText)}
          : PaintColours{color_, isEnabled() ? palette().color(QPalette::Text) : disabledColor_};

  // The fill covers the number and any mark shown, not the whole client area.
  QRect fill = layout.number;
  if (!s.leftMark.empty()) fill.setLeft(layout.leftMark.left());
  if (!s.rightMark.empty()) fill.setRight(layout.rightMark.right());
  painter.fillRect(fill, colours.brush);

  const std::string number = value.FormatNumber(value.ValueText());
  painter.setPen(colours.text);
  if (!s.leftMark.empty() && !number.empty())
    painter.drawText(layout.leftMark, kTextFlags, Cp932ToQString(s.leftMark));
  painter.drawText(layout.number, kTextFlags, Cp932ToQString(number));
  if (!s.rightMark.empty() && !number.empty())
    painter.drawText(layout.rightMark, kTextFlags, Cp932ToQString(s.rightMark));

  if (caretExists_ && caretShown_)
    painter.fillRect(QRect(layout.caret, QSize(caretWidth_, textHeight_)), colours.text);
}

}  // namespace ruvo
