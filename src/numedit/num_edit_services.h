#pragma once
// The three platform services the numeric box's editing needs. The widget
// implements them on its toolkit; tests use in-memory fakes.

#include <string>
#include <string_view>

namespace ruvo {

// The system clipboard as text. Texts are CP932 bytes; the implementation
// converts at its edge. No operation throws.
class NumClipboard {
 public:
  virtual ~NumClipboard() = default;
  // True when the clipboard holds text (an empty text counts as text).
  virtual bool HasText() const = 0;
  // The clipboard's text; "" when it holds none.
  virtual std::string Text() const = 0;
  // Replaces the clipboard's contents with `cp932`.
  virtual void SetText(std::string_view cp932) = 0;
};

// The platform's default beep, sounded for a refused keystroke.
class NumBeeper {
 public:
  virtual ~NumBeeper() = default;
  virtual void Beep() = 0;
};

// The width test of the box's current size and font.
class NumWidthTest {
 public:
  virtual ~NumWidthTest() = default;
  // True when the display text of `value` (FormatDisplayText, marks
  // included) is not wider than the room the box has for it.
  virtual bool TextFits(std::string_view value) const = 0;
};

}  // namespace ruvo
