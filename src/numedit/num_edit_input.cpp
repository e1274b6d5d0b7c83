// How keys, characters, focus changes and the mouse map onto the editing
// operations of the numeric box.

#include <array>
#include <optional>

#include "numedit/num_edit_model.h"
#include "numedit/num_full_width.h"

namespace ruvo {
namespace {

enum class KeyAction : std::uint8_t {
  kSelectAll,
  kCopy,
  kClearSelection,
  kArrowUp,    // clears the selection, then may move to the previous control
  kArrowDown,  // clears the selection, then may move to the next control
  kPaste,
  kCut,
  kDeleteLastChar,
};

struct KeyRow {
  NumModifiers modifiers;  // must equal the key's modifiers exactly
  NumKey key;
  KeyAction action;
  bool edits;  // skipped while ReadOnly
};

// Tried in this order; the first row that matches consumes the key.
constexpr std::array<KeyRow, 16> kKeyRows = {{
    {kShift, NumKey::kLeft, KeyAction::kSelectAll, false},   // Shift+Left
    {kShift, NumKey::kRight, KeyAction::kSelectAll, false},  // Shift+Right
    {kCtrl, NumKey::kA, KeyAction::kSelectAll, false},       // Ctrl+A
    {kCtrl, NumKey::kC, KeyAction::kCopy, false},            // Ctrl+C
    {kNoModifier, NumKey::kPageUp, KeyAction::kClearSelection, false},
    {kNoModifier, NumKey::kPageDown, KeyAction::kClearSelection, false},
    {kNoModifier, NumKey::kEnd, KeyAction::kClearSelection, false},
    {kNoModifier, NumKey::kHome, KeyAction::kClearSelection, false},
    {kNoModifier, NumKey::kLeft, KeyAction::kClearSelection, false},
    {kNoModifier, NumKey::kRight, KeyAction::kClearSelection, false},
    {kNoModifier, NumKey::kUp, KeyAction::kArrowUp, false},
    {kNoModifier, NumKey::kDown, KeyAction::kArrowDown, false},
    {kCtrl, NumKey::kV, KeyAction::kPaste, true},  // Ctrl+V
    {kCtrl, NumKey::kX, KeyAction::kCut, true},    // Ctrl+X
    {kNoModifier, NumKey::kBackspace, KeyAction::kDeleteLastChar, true},
    {kNoModifier, NumKey::kDelete, KeyAction::kDeleteLastChar, true},
}};

enum class CharAction : std::uint8_t {
  kIgnore,  // consumed silently: its work was done at key-down
  kEnter,
  kMinus,
  kPoint,
  kDigit,
  kRefuse,  // any character not in the table
};

struct CharRow {
  unsigned first;  // a range of character codes, both ends included
  unsigned last;
  CharAction action;
};

// Any character not listed is refused.
constexpr std::array<CharRow, 9> kCharRows = {{
    {1, 1, CharAction::kIgnore},     // Ctrl+A
    {3, 3, CharAction::kIgnore},     // Ctrl+C
    {8, 8, CharAction::kIgnore},     // Backspace
    {22, 22, CharAction::kIgnore},   // Ctrl+V
    {24, 24, CharAction::kIgnore},   // Ctrl+X
    {13, 13, CharAction::kEnter},    // Enter
    {'-', '-', CharAction::kMinus},  // toggles the sign
    {'.', '.', CharAction::kPoint},  // the decimal point
    {'0', '9', CharAction::kDigit},  // a digit
}};

CharAction CharActionOf(unsigned ch) {
  for (const CharRow& row : kCharRows)
    if (ch >= row.first && ch <= row.last) return row.action;
  return CharAction::kRefuse;
}

// A focus move that an arrow key asks for, when the settings allow it.
FocusMove ArrowFocusMove(const NumEditBehaviour& behaviour, KeyAction action) {
  if (!behaviour.arrowFocusMove) return FocusMove::kNone;
  if (action == KeyAction::kArrowUp && behaviour.options.Contains(eoArrowUp))
    return FocusMove::kPrevious;
  if (action == KeyAction::kArrowDown && behaviour.options.Contains(eoArrowDown))
    return FocusMove::kNext;
  return FocusMove::kNone;
}

FocusMove RunKeyAction(NumEditModel& model, KeyAction action) {
  switch (action) {
    case KeyAction::kSelectAll:
      model.SelectAll();
      break;
    case KeyAction::kCopy:
      model.CopyToClipboard();
      break;
    case KeyAction::kClearSelection:
      model.ClearSelection();
      break;
    case KeyAction::kArrowUp:
    case KeyAction::kArrowDown:
      model.ClearSelection();
      return ArrowFocusMove(model.Behaviour(), action);
    case KeyAction::kPaste:
      model.PasteFromClipboard();
      break;
    case KeyAction::kCut:
      model.CutToClipboard();
      break;
    case KeyAction::kDeleteLastChar:
      model.DeleteLastChar();
      break;
  }
  return FocusMove::kNone;
}

}  // namespace

KeyDownResult NumEditModel::KeyDown(NumKey key, NumModifiers modifiers) {
  for (const KeyRow& row : kKeyRows) {
    if (row.edits && behaviour_.readOnly) continue;
    if (row.key == key && row.modifiers == modifiers)
      return {true, RunKeyAction(*this, row.action)};
  }
  return {};
}

FocusMove NumEditModel::KeyPress(unsigned ch) {
  if (behaviour_.readOnly) return FocusMove::kNone;
  switch (CharActionOf(ch)) {
    case CharAction::kIgnore:
      break;
    case CharAction::kEnter:
      if (behaviour_.enterFocusMove) return FocusMove::kNext;
      Refuse();
      break;
    case CharAction::kMinus:
      ToggleMinus();
      break;
    case CharAction::kPoint:
      InsertDecimalPoint();
      break;
    case CharAction::kDigit:
      InsertDigit(static_cast<char>(ch));
      break;
    case CharAction::kRefuse:
      Refuse();
      break;
  }
  return FocusMove::kNone;
}

void NumEditModel::EnterFocus() {
  if (behaviour_.autoSelect) SelectAll();
}

void NumEditModel::ExitFocus() {
  if (ValueText() == "-" && !behaviour_.options.Contains(eoMinusOnly)) value_.AssignValue("");
  if (behaviour_.hideSelection) ClearSelection();
}

void NumEditModel::LeftButtonDown() {
  if (!justDoubleClicked_) ClearSelection();
  justDoubleClicked_ = false;
}

void NumEditModel::DoubleClick() {
  SelectAll();
  justDoubleClicked_ = true;
}

void NumEditModel::LeftButtonDrag(int x, int numberLeft, int numberRight) {
  if (x >= numberLeft && x <= numberRight) SelectAll();
}

unsigned ImeCharToInputChar(unsigned cp932Code) {
  const std::optional<char> ascii = FullWidthNumberCharToAscii(cp932Code);
  return ascii ? static_cast<unsigned char>(*ascii) : cp932Code;
}

}  // namespace ruvo
