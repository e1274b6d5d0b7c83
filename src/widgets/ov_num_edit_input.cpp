// Keys and input-method characters of the numeric box, mapped onto the
// editing model; the mouse and the context menu are ov_num_edit_mouse.cpp.

#include <QAction>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPointer>
#include <array>

#include "qt_text/qt_text.h"
#include "widgets/ov_num_edit.h"

namespace ruvo {
namespace {

struct KeyMapRow {
  int qtKey;
  NumKey key;
};

// The Qt keys the editing model reacts to at key-down; all others are kOther.
constexpr std::array<KeyMapRow, 16> kKeyMap = {{
    {Qt::Key_Left, NumKey::kLeft},
    {Qt::Key_Right, NumKey::kRight},
    {Qt::Key_Up, NumKey::kUp},
    {Qt::Key_Down, NumKey::kDown},
    {Qt::Key_PageUp, NumKey::kPageUp},
    {Qt::Key_PageDown, NumKey::kPageDown},
    {Qt::Key_Home, NumKey::kHome},
    {Qt::Key_End, NumKey::kEnd},
    {Qt::Key_Backspace, NumKey::kBackspace},
    {Qt::Key_Delete, NumKey::kDelete},
    {Qt::Key_A, NumKey::kA},
    {Qt::Key_C, NumKey::kC},
    {Qt::Key_V, NumKey::kV},
    {Qt::Key_X, NumKey::kX},
    {Qt::Key_Enter, NumKey::kOther},   // keypad Enter: a character only
    {Qt::Key_Return, NumKey::kOther},  // Enter: a character only
}};

NumKey ToNumKey(int qtKey) {
  for (const KeyMapRow& row : kKeyMap)
    if (row.qtKey == qtKey) return row.key;
  return NumKey::kOther;
}

// Shift, Ctrl and Alt as the model compares them; Meta and the keypad flag
// take no part.
NumModifiers ToNumModifiers(Qt::KeyboardModifiers modifiers) {
  NumModifiers result = kNoModifier;
  if (modifiers & Qt::ShiftModifier) result = result | kShift;
  if (modifiers & Qt::ControlModifier) result = result | kCtrl;
  if (modifiers & Qt::AltModifier) result = result | kAlt;
  return result;
}

constexpr unsigned kEnterChar = 13;
constexpr unsigned kLineFeedChar = 10;
constexpr unsigned kEscapeChar = 27;
constexpr unsigned kBackspaceChar = 8;
constexpr unsigned kFirstPrintable = 0x20;
constexpr unsigned kDeleteChar = 0x7F;  // also the text X11 gives the Delete key

// The character a key types, as the control characters of a Windows
// keyboard: Enter 13 (Ctrl+Enter 10), Backspace 8 (Ctrl+Backspace 127),
// Ctrl+letter 1-26 with or without Shift. Keys with Alt are menu keys and
// type nothing. 0 when the key types no character.
unsigned CharacterOf(const QKeyEvent& event, NumModifiers modifiers) {
  if (modifiers & kAlt) return 0;
  const bool ctrl = (modifiers & kCtrl) != 0;
  const int key = event.key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) return ctrl ? kLineFeedChar : kEnterChar;
  if (key == Qt::Key_Backspace) return ctrl ? kDeleteChar : kBackspaceChar;
  if (key == Qt::Key_Escape) return kEscapeChar;
  if (ctrl && key >= Qt::Key_A && key <= Qt::Key_Z)
    return static_cast<unsigned>(key - Qt::Key_A + 1);
  if (ctrl) return 0;  // shortcuts
  const QString text = event.text();
  if (text.isEmpty()) return 0;
  const unsigned code = text.at(0).unicode();
  return code < kFirstPrintable || code == kDeleteChar ? 0 : code;
}

// A character from the input method as its CP932 code (lead × 256 + trail
// for a two-byte character); a character CP932 lacks gives the geta mark's
// code, which the character handling refuses like any stranger.
unsigned Cp932CodeOf(const QString& character) {
  const std::string bytes = QStringToCp932(character).bytes;
  unsigned code = 0;
  for (const char byte : bytes)
    code = code * 256 + static_cast<unsigned char>(byte);
  return code;
}

}  // namespace

bool TOvNumEdit::HandleKeyDown(const QKeyEvent& event) {
  const KeyDownResult result =
      model_->KeyDown(ToNumKey(event.key()), ToNumModifiers(event.modifiers()));
  if (!result.consumed) return false;
  Refresh();
  PostFocusMove(result.focusMove);
  return true;
}

void TOvNumEdit::HandleCharacter(unsigned code) {
  const FocusMove move = model_->KeyPress(code);
  Refresh();
  PostFocusMove(move);
}

// Escape belongs to the dialog (it closes it) unless the box wants every
// key, which it does when Enter moves the focus; keys that type no
// character (function keys, Tab) go on to the window.
void TOvNumEdit::keyPressEvent(QKeyEvent* event) {
  if (HandleKeyDown(*event)) return event->accept();
  const bool wantsAllKeys = model_->Behaviour().enterFocusMove;
  const unsigned code = CharacterOf(*event, ToNumModifiers(event->modifiers()));
  if (code == 0 || (code == kEscapeChar && !wantsAllKeys)) return event->ignore();
  HandleCharacter(code);
  event->accept();
}

// Full-width digits, "－" and "．" committed by the input method arrive as
// their ASCII forms; any other committed character is refused.
void TOvNumEdit::inputMethodEvent(QInputMethodEvent* event) {
  const QString committed = event->commitString();
  for (qsizetype i = 0; i < committed.size();) {
    const qsizetype length = committed.at(i).isHighSurrogate() ? 2 : 1;
    HandleCharacter(ImeCharToInputChar(Cp932CodeOf(committed.mid(i, length))));
    i += length;
  }
  event->accept();
}

// The move runs after the key that asked for it has been handled to the
// end, like a message posted to the window; a box on its own moves nothing.
void TOvNumEdit::PostFocusMove(FocusMove move) {
  if (move == FocusMove::kNone || isWindow()) return;
  const bool next = move == FocusMove::kNext;
  QPointer<TOvNumEdit> self(this);
  QMetaObject::invokeMethod(
      this,
      [self, next] {
        if (self) self->focusNextPrevChild(next);
      },
      Qt::QueuedConnection);
}

}  // namespace ruvo
