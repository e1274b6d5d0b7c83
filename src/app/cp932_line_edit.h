#pragma once
// The single-line edit box of the windows. Its text is a field of the slip
// (kSlipFields), so what the user types or pastes is fitted to the field by
// FitFieldInsertion (its first line, no control characters, "〓" for what
// CP932 lacks, cut at the byte limit on a character boundary), and
// inputAdjusted() tells the window what was changed. A half-width field
// turns every change half-width.
//
// Texts the program sets itself (restored from files, written by the
// transfer) go through SetCp932Text or setText and are kept whole: unlike a
// plain QLineEdit with maxLength, the limit applies to what the user enters.

#include <QLineEdit>
#include <cstddef>
#include <string>
#include <string_view>

#include "slip/slip_fields.h"
#include "transfer/cp932_codec.h"

namespace ruvo::app {

class TCp932Edit : public QLineEdit {
  Q_OBJECT

 public:
  // The box of `field`: its byte limit and kind from kSlipFields.
  TCp932Edit(SlipField field, QWidget* parent);

  SlipField Field() const { return field_; }
  // Whether entering the box leaves its text unselected, the caret at its
  // end, where the user goes on typing.
  void SetCaretToEndOnEntry(bool atEnd) { caretToEnd_ = atEnd; }

  // The text as CP932; `replaced` counts characters that became "〓".
  Cp932Text Cp932() const;
  // The text as CP932, its characters that became "〓" added to `replaced`.
  std::string Cp932(std::size_t& replaced) const;
  void SetCp932Text(std::string_view cp932);
  // Sets a text of the program's own, kept whole. (Qt runs the validator for
  // QLineEdit::setText too, so the box must know which texts the user made.)
  void setText(const QString& text);

 signals:
  // The box received the focus, after Qt's own focus handling.
  void entered(ruvo::SlipField field);
  // The focus moved on to another control of the window (not: the window
  // lost the keyboard, or a menu opened).
  void exited();
  // A user edit changed characters to fit the field: `replaced` became "〓",
  // `dropped` control characters or lines were left out, `cut` bytes beyond
  // the limit were not taken.
  void inputAdjusted(ruvo::SlipField field, int replaced, int dropped, int cut);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  class Validator;
  friend class Validator;

  void KeepHalfWidth();

  SlipField field_;
  std::size_t byteLimit_ = 0;  // 0 for no limit
  bool caretToEnd_ = false;
  QString accepted_;          // the text before the edit being validated
  bool settingText_ = false;  // the program, not the user, changes the text
};

}  // namespace ruvo::app
