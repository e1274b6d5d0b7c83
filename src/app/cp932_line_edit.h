#pragma once
// The single-line edit box of the windows. Its text is a CP932 field of the
// slip, so what the user types or pastes is held to the field's rules:
//
// - a byte limit counts CP932 bytes (a full-width character takes two) and
//   cuts an insertion at a character boundary, never inside a character;
// - a pasted text with line breaks keeps its first line, as the single-line
//   edit of the platform the files come from does;
// - control characters are dropped (a tab becomes a blank);
// - a character CP932 cannot hold becomes "〓" at once, so the box shows
//   what will be printed and saved, and charactersReplaced() tells the
//   window.
//
// Texts the program sets itself (restored from files, written by the
// transfer) go through SetCp932Text or setText and are kept whole: unlike a
// plain QLineEdit with maxLength, the limit applies to what the user enters.

#include <QLineEdit>
#include <cstddef>
#include <string>
#include <string_view>

#include "transfer/cp932_codec.h"

namespace ruvo::app {

class TCp932Edit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TCp932Edit(QWidget* parent = nullptr);

  // The most CP932 bytes the user may enter; 0 for no limit.
  void SetByteLimit(std::size_t bytes) { byteLimit_ = bytes; }
  std::size_t ByteLimit() const { return byteLimit_; }

  // The text as CP932; `replaced` counts characters that became "〓".
  Cp932Text Cp932() const;
  void SetCp932Text(std::string_view cp932);
  // Sets a text of the program's own, kept whole. (Qt runs the validator for
  // QLineEdit::setText too, so the box must know which texts the user made.)
  void setText(const QString& text);

 signals:
  // The box received the focus, after Qt's own focus handling (which may
  // select the text): an entry handler may move the caret.
  void entered();
  // The focus moved on to another control of the window (not: the window
  // lost the keyboard, or a menu opened).
  void exited();
  // A user edit changed characters to fit the field: `replaced` became "〓",
  // `dropped` control characters or lines were left out, `cut` bytes beyond
  // the limit were not taken.
  void inputAdjusted(int replaced, int dropped, int cut);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  class Validator;
  friend class Validator;

  std::size_t byteLimit_ = 0;
  QString accepted_;          // the text before the edit being validated
  bool settingText_ = false;  // the program, not the user, changes the text
};

// What may be inserted into a single-line CP932 field: `inserted` with its
// first line only, control characters dropped (a tab as a blank), characters
// CP932 lacks as "〓", cut to `roomBytes` CP932 bytes at a character
// boundary (no limit when `roomBytes` is npos).
struct FieldInsertion {
  QString text;
  int replaced = 0;
  int dropped = 0;
  int cut = 0;  // bytes that did not fit
};
FieldInsertion FitFieldInsertion(const QString& inserted, std::size_t roomBytes);

// CP932 bytes of a text whose characters CP932 can all hold.
std::size_t Cp932ByteCount(QStringView text);

}  // namespace ruvo::app
