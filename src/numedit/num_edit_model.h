#pragma once
// Editing of the numeric input box, like a calculator display: digits, the
// point and deletions act at the right end of the value, the minus sign is
// toggled at its front, and the selection is either nothing or everything.
//
// The model owns the value (NumValueModel) and the editing state: the
// selection, a single-level undo and the double-click flag. It needs three
// services (clipboard, beep, width test) and tells its host about a changed
// value through the OnChange callback. It never throws.
//
// To refuse an input is to beep (when ErrorBeep) and do nothing else. To
// store a value t is: SaveUndo; ValueText := t; DisplayText recomputed;
// OnChange. The host repaints and moves the caret after every operation; the
// OnChange callback runs after the value is stored, so the host repaints and
// updates the caret there before passing the notification on.

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "numedit/num_edit_services.h"
#include "numedit/num_edit_settings.h"
#include "numedit/num_edit_types.h"
#include "numedit/num_value_model.h"

namespace ruvo {

// What a key-down did: consumed keys go no further (the host sets the key to
// 0); a focus move is for the host to post.
struct KeyDownResult {
  bool consumed = false;
  FocusMove focusMove = FocusMove::kNone;
  friend bool operator==(const KeyDownResult&, const KeyDownResult&) = default;
};

// One entry of the built-in context menu; `tag` is its index.
struct EditMenuEntry {
  int tag;
  const char* caption;  // CP932; "-" is a separator
};

class NumEditModel {
 public:
  static constexpr int kEditMenuSize = 8;
  // The context menu's entries by tag: 0 Undo, 1 separator, 2 Cut, 3 Copy,
  // 4 Paste, 5 Delete, 6 separator, 7 Select all.
  static const std::array<EditMenuEntry, kEditMenuSize>& EditMenuEntries();

  // The services must outlive the model.
  NumEditModel(NumClipboard& clipboard, NumBeeper& beeper, NumWidthTest& widthTest);

  // The value and its settings; property writers there raise no OnChange.
  NumValueModel& Value() { return value_; }
  const NumValueModel& Value() const { return value_; }
  const std::string& ValueText() const { return value_.ValueText(); }
  const std::string& DisplayText() const { return value_.DisplayText(); }

  // Settings read when input arrives; plain data, change them at will.
  NumEditBehaviour& Behaviour() { return behaviour_; }
  const NumEditBehaviour& Behaviour() const { return behaviour_; }

  // Applies every setting of `properties` and writes its text (raising
  // OnChange when the text differs from the current value).
  void Apply(const NumEditProperties& properties);

  // Called after every stored change of the value (possibly twice for one
  // keystroke: typing over a selection, Cut).
  void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

  // Text, write: as NumValueModel::SetText, raising OnChange when due. Takes
  // no undo snapshot and leaves the selection as it is.
  void SetText(std::string_view s);

  // Selection: SelStart is always 0; SelLength is 0 or the length that
  // DisplayText had when everything was selected.
  int SelStart() const { return 0; }
  int SelLength() const { return selLength_; }
  bool Selected() const { return selLength_ != 0; }
  void SelectAll();  // an empty value selects nothing
  void ClearSelection();

  // Undo: one earlier value. CanUndo stays true once set.
  const std::string& UndoText() const { return undoText_; }
  bool CanUndo() const { return canUndo_; }
  void SaveUndo();
  void SwapUndo();
  // When CanUndo: swaps the value with the undo text, selects all, OnChange.
  // A second Undo brings back the value the first one replaced.
  void Undo();

  // Empties the value (with an undo snapshot and OnChange) and the
  // selection. Does not look at ReadOnly; its callers do.
  void Clear();
  // `digit` is '0'..'9'. Refused past IntegerLength or DecimalLength, judged
  // before leading zeros are stripped, and with eoORInputStop when the
  // result would not fit.
  void InsertDigit(char digit);
  void InsertDecimalPoint();  // "" becomes "0.", "-" becomes "-0."
  void ToggleMinus();
  // Backspace and Delete: removes the last character, and a point left at
  // the end with it; clears a selected value instead. Never beeps.
  void DeleteLastChar();

  void CopyToClipboard();  // only when selected
  void CutToClipboard();   // only when selected; OnChange twice
  // Appends the clipboard's text to the value (or replaces a selected value)
  // through ParseText: no width test, no beep; an integer part grown too
  // long empties the value.
  void PasteFromClipboard();

  // Key-down after the host's own OnKeyDown handler, with the modifiers
  // compared exactly.
  KeyDownResult KeyDown(NumKey key, NumModifiers modifiers);
  // A character after the host's OnKeyPress handler; every character is
  // consumed. `ch` is the character's code (ASCII for the ones handled).
  FocusMove KeyPress(unsigned ch);

  // Focus rules, run after the host raised OnEnter / OnExit.
  void EnterFocus();
  // Empties a lone "-" (no undo snapshot, no OnChange) unless eoMinusOnly,
  // then drops the selection when HideSelection.
  void ExitFocus();

  // Mouse: the host takes the focus on a left button-down only when this is
  // true, before calling LeftButtonDown.
  bool TakesFocusOnLeftButton() const { return !justDoubleClicked_; }
  void LeftButtonDown();  // clears the selection unless just double-clicked
  void OtherButtonDown() { justDoubleClicked_ = false; }
  void DoubleClick();
  // A move with the left button held at `x`, the number drawn from
  // `numberLeft` to `numberRight` (inclusive): selects all inside.
  void LeftButtonDrag(int x, int numberLeft, int numberRight);

  // Whether the context-menu entry `tag` is enabled when the menu opens.
  bool EditMenuEnabled(int tag) const;
  // Runs the entry `tag`; a disabled entry or separator does nothing.
  void EditMenuClick(int tag);

 private:
  void Refuse();
  void Store(std::string value);
  void RaiseChange();
  bool Fits(std::string_view value) const;
  bool DigitAllowed() const;

  NumClipboard& clipboard_;
  NumBeeper& beeper_;
  NumWidthTest& widthTest_;
  NumValueModel value_;
  NumEditBehaviour behaviour_;
  std::function<void()> onChange_;
  int selLength_ = 0;
  std::string undoText_;
  bool canUndo_ = false;
  bool justDoubleClicked_ = false;
};

// The character a full-width input-method character stands for: the CP932
// codes of "０"-"９", "－" and "．" give their ASCII forms; any other code is
// returned unchanged (and then refused by KeyPress).
unsigned ImeCharToInputChar(unsigned cp932Code);

}  // namespace ruvo
