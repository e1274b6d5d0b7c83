// The numeric box's events (a parent assigned, the font, the palette and the
// focus changed) and its text caret.
#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QInputMethod>
#include <QPalette>
#include <algorithm>

#include "qt_text/qt_text.h"
#include "widgets/ov_num_edit.h"
#include "widgets/ov_num_edit_services.h"

namespace ruvo {
namespace {

// A bold face gets a caret two pixels wide.
bool IsBold(const QFont& font) {
  return font.weight() >= QFont::Bold;
}

}  // namespace

bool TOvNumEdit::event(QEvent* event) {
  if (event->type() == QEvent::ParentChange && parentWidget() != nullptr) OnParentAssigned();
  // The window comes back with another control focused: the focus moved on
  // while it was inactive (a handler behind a message box), so the box was
  // left after all.
  if (event->type() == QEvent::WindowActivate && window()->focusWidget() != this)
    FinishInactiveExit();
  return QWidget::event(event);
}

void TOvNumEdit::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) OnFontChanged();
  if (event->type() == QEvent::EnabledChange) update();
  QWidget::changeEvent(event);
}

// A parent's font reaches the box without a font change of its own when
// the box is made inside it, so the caret width is taken from it here too.
void TOvNumEdit::OnParentAssigned() {
  textHeight_ = QFontMetrics(font()).height();
  caretWidth_ = IsBold(font()) ? 2 : 1;
  AdjustHeight();
  AdjustWidth();
  color_ = palette().color(QPalette::Base);
}

void TOvNumEdit::OnFontChanged() {
  if (creating_) return;
  const bool focused = caretExists_;
  if (focused) DestroyTextCaret();
  textHeight_ = QFontMetrics(font()).height();
  AdjustHeight();
  AdjustWidth();
  caretWidth_ = IsBold(font()) ? 2 : 1;
  if (focused) CreateTextCaret();
  update();
}

void TOvNumEdit::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Refresh();
}

// A popup (the context menu) or another window taking the keyboard leaves
// the box the focused control of its window: the rules of entering and
// leaving run only when the focus really comes and goes, the caret follows
// the keyboard either way.
void TOvNumEdit::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (event->reason() == Qt::PopupFocusReason) return;
  if (event->reason() != Qt::ActiveWindowFocusReason) FinishInactiveExit();
  if (!windowInactive_) {
    emit entered();
    model_->EnterFocus();
  }
  windowInactive_ = false;
  CreateTextCaret();
  update();
}

void TOvNumEdit::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  if (event->reason() == Qt::PopupFocusReason) return;
  windowInactive_ = event->reason() == Qt::ActiveWindowFocusReason;
  if (!windowInactive_) {
    emit exited();
    model_->ExitFocus();
  }
  DestroyTextCaret();
  update();
}

void TOvNumEdit::FinishInactiveExit() {
  if (!windowInactive_) return;
  windowInactive_ = false;
  emit exited();
  model_->ExitFocus();
  update();
}

void TOvNumEdit::CreateTextCaret() {
  if (designing_) return;
  caretExists_ = true;
  UpdateCaret();
}

// Shows the caret at the end of the typed text and starts a new blink
// period there, as a caret that moves does; the input method's candidate
// window follows it.
void TOvNumEdit::UpdateCaret() {
  if (!caretExists_ || !hasFocus() || designing_) return;
  caretShown_ = true;
  const int flashTime = QApplication::cursorFlashTime();
  if (flashTime > 0)
    caretBlink_.start(flashTime / 2, this);
  else
    caretBlink_.stop();
  update();
  QGuiApplication::inputMethod()->update(Qt::ImCursorRectangle | Qt::ImFont);
}

void TOvNumEdit::DestroyTextCaret() {
  caretExists_ = false;
  caretShown_ = false;
  caretBlink_.stop();
  update();
}

void TOvNumEdit::timerEvent(QTimerEvent* event) {
  if (event->timerId() != caretBlink_.timerId()) return QWidget::timerEvent(event);
  caretShown_ = !caretShown_;
  update(CaretRect().translated(ClientRect().topLeft()));
}

QVariant TOvNumEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
  switch (query) {
    case Qt::ImCursorRectangle:
      return QRect(CaretPosition() + ClientRect().topLeft(), QSize(caretWidth_, textHeight_));
    case Qt::ImFont:
      return font();
    case Qt::ImHints:
      return int(Qt::ImhFormattedNumbersOnly);
    default:
      return QWidget::inputMethodQuery(query);
  }
}

}  // namespace ruvo
