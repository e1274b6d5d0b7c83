// Construction, settings and size rules of the numeric box. Its events and
// caret are ov_num_edit_events.cpp, its input ov_num_edit_input.cpp.

#include "widgets/ov_num_edit.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QInputMethod>
#include <QPalette>
#include <algorithm>

#include "qt_text/qt_text.h"
#include "widgets/ov_num_edit_services.h"

namespace ruvo {
namespace {

// Outer size of a new box; the height then follows AutoSize once it has a
// parent.
constexpr int kDefaultWidth = 121;
constexpr int kDefaultHeight = 20;
// Width of the sunken edge around the client area with bsSingle.
constexpr int kBorderEdge = 2;

// Writes `value` into `field` and reports whether it changed.
template <typename T>
bool Assign(T& field, const T& value) {
  if (field == value) return false;
  field = value;
  return true;
}

}  // namespace

TOvNumEdit::TOvNumEdit(QWidget* parent)
    : QWidget(parent),
      clipboard_(std::make_unique<QtNumClipboard>()),
      beeper_(std::make_unique<QtNumBeeper>()),
      widthTest_(std::make_unique<WidgetWidthTest>(*this)),
      model_(std::make_unique<NumEditModel>(*clipboard_, *beeper_, *widthTest_)) {
  resize(kDefaultWidth, kDefaultHeight);
  setCursor(Qt::IBeamCursor);
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  setAttribute(Qt::WA_InputMethodEnabled, true);
  color_ = palette().color(QPalette::Base);
  disabledColor_ = palette().color(QPalette::Disabled, QPalette::Text);
  textHeight_ = QFontMetrics(font()).height();
  ApplyBorder();
  model_->SetOnChange([this] {
    Refresh();
    emit changed();
  });
  BuildEditMenu();
  creating_ = false;
  if (parent != nullptr) OnParentAssigned();
}

TOvNumEdit::~TOvNumEdit() = default;

void TOvNumEdit::SetText(std::string_view s) {
  model_->SetText(s);  // repaints and emits changed() when stored
}

std::size_t TOvNumEdit::GetTextBuf(std::span<char> buffer) const {
  if (buffer.empty()) return 0;
  const std::size_t count = std::min(GetText().size(), buffer.size() - 1);
  std::copy_n(GetText().begin(), count, buffer.begin());
  buffer[count] = '\0';
  return count;
}

QString TOvNumEdit::text() const {
  return Cp932ToQString(GetText());
}

void TOvNumEdit::setText(const QString& text) {
  SetText(QStringToCp932(text).bytes);
}

// AutoSize goes first: a box without it keeps the height its window gave
// it, and the margin writes below must not re-run the height rule with
// whatever font the box inherits at this moment.
void TOvNumEdit::Apply(const NumEditProperties& properties) {
  const NumEditLayout& l = properties.layout;
  SetAutoSize(l.autoSize);
  SetAlignment(l.alignment);
  SetVertAlignment(l.vertAlignment);
  SetTopMargin(l.topMargin);
  SetBottomMargin(l.bottomMargin);
  SetLeftMargin(l.leftMargin);
  SetRightMargin(l.rightMargin);
  SetBorderStyle(l.borderStyle);
  model_->Apply(properties);
  AfterValueSetting(true);
}

void TOvNumEdit::Refresh() {
  update();
  UpdateCaret();
}

void TOvNumEdit::AfterValueSetting(bool changed) {
  if (!changed) return;
  AdjustWidth();
  Refresh();
}

void TOvNumEdit::AfterLayoutSetting(bool height, bool width) {
  if (height) AdjustHeight();
  if (width) AdjustWidth();
  Refresh();
}

void TOvNumEdit::SetIntegerLength(int length) {
  AfterValueSetting(model_->Value().SetIntegerLength(length));
}
void TOvNumEdit::SetDecimalLength(int length) {
  AfterValueSetting(model_->Value().SetDecimalLength(length));
}
void TOvNumEdit::SetMinus(bool minus) {
  AfterValueSetting(model_->Value().SetMinus(minus));
}
void TOvNumEdit::SetComma(bool comma) {
  AfterValueSetting(model_->Value().SetComma(comma));
}
void TOvNumEdit::SetZeroEnabled(bool enabled) {
  AfterValueSetting(model_->Value().SetZeroEnabled(enabled));
}
void TOvNumEdit::SetDecimalFixed(bool fixed) {
  AfterValueSetting(model_->Value().SetDecimalFixed(fixed));
}
void TOvNumEdit::SetIntegerFixed(bool fixed) {
  AfterValueSetting(model_->Value().SetIntegerFixed(fixed));
}
void TOvNumEdit::SetLeftMark(std::string_view cp932) {
  AfterValueSetting(model_->Value().SetLeftMark(cp932));
}
void TOvNumEdit::SetRightMark(std::string_view cp932) {
  AfterValueSetting(model_->Value().SetRightMark(cp932));
}

void TOvNumEdit::SetAlignment(TAlignment alignment) {
  if (Assign(layout_.alignment, alignment)) Refresh();
}

void TOvNumEdit::SetVertAlignment(TVertAlignment alignment) {
  if (Assign(layout_.vertAlignment, alignment)) Refresh();
}

void TOvNumEdit::SetTopMargin(int pixels) {
  if (pixels >= 0 && Assign(layout_.topMargin, pixels)) AfterLayoutSetting(true, false);
}

void TOvNumEdit::SetBottomMargin(int pixels) {
  if (pixels >= 0 && Assign(layout_.bottomMargin, pixels)) AfterLayoutSetting(true, false);
}

void TOvNumEdit::SetLeftMargin(int pixels) {
  if (pixels >= 0 && Assign(layout_.leftMargin, pixels)) AfterLayoutSetting(false, true);
}

void TOvNumEdit::SetRightMargin(int pixels) {
  if (pixels >= 0 && Assign(layout_.rightMargin, pixels)) AfterLayoutSetting(false, true);
}

void TOvNumEdit::SetAutoSize(bool autoSize) {
  if (Assign(layout_.autoSize, autoSize)) AfterLayoutSetting(true, true);
}

// The value and every setting survive; only the edge around the client area
// changes, and with it the client size.
void TOvNumEdit::SetBorderStyle(TBorderStyle style) {
  if (!Assign(layout_.borderStyle, style)) return;
  ApplyBorder();
  AfterLayoutSetting(true, true);
}

void TOvNumEdit::ApplyBorder() {
  const int edge = layout_.borderStyle == bsSingle ? kBorderEdge : 0;
  setContentsMargins(edge, edge, edge, edge);
}

void TOvNumEdit::SetColor(const QColor& color) {
  if (Assign(color_, color)) update();
}

void TOvNumEdit::SetDisabledColor(const QColor& color) {
  if (Assign(disabledColor_, color)) update();
}

void TOvNumEdit::SetDesigning(bool designing) {
  if (!Assign(designing_, designing)) return;
  if (designing_) DestroyTextCaret();
  AdjustWidth();
  update();
}

void TOvNumEdit::SetClientHeight(int height) {
  const QMargins edge = contentsMargins();
  resize(width(), height + edge.top() + edge.bottom());
}

void TOvNumEdit::AdjustHeight() {
  if (!layout_.autoSize) return;
  SetClientHeight(textHeight_ + layout_.topMargin + layout_.bottomMargin);
  updateGeometry();
}

void TOvNumEdit::AdjustWidth() {
  if (!designing_ || !layout_.autoSize) return;
  if (!model_->Behaviour().options.Contains(eoAutoWidthSize)) return;
  const NumValueModel& value = model_->Value();
  const int client = TextWidth(value.MaximumTemplate()) + TextWidth(value.Settings().leftMark) +
                     TextWidth(value.Settings().rightMark) + layout_.leftMargin +
                     layout_.rightMargin + 2;
  const QMargins edge = contentsMargins();
  resize(client + edge.left() + edge.right(), height());
}

QSize TOvNumEdit::sizeHint() const {
  if (!layout_.autoSize) return QSize(kDefaultWidth, height());
  const QMargins edge = contentsMargins();
  const int client = textHeight_ + layout_.topMargin + layout_.bottomMargin;
  return QSize(kDefaultWidth, client + edge.top() + edge.bottom());
}

}  // namespace ruvo
