#pragma once
// Layout units (1/160 inch) to printer dots, and the strict reading of the
// resolution and margin texts the conversion works from.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ruvo {

// A resolution or margin text that is no integer. The message reads
// "'1.5' is not a valid integer value" (the text as CP932 bytes), followed
// by where the text was read when that is known: "'' is not a valid integer
// value (PrnNoIndex in [手差し] of /w/ruvo_q710.ini)".
class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(std::string_view text, std::string_view source = {});
  // The text that is no integer.
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// A margin or resolution so large that a position leaves the int range, or
// a margin that moves every text off the page.
class SlipPositionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A half away from zero: 382.5 → 383, -382.5 → -383, 382.4999 → 382.
std::int64_t RoundOff(long double value);

// Dots per 10000 layout units: dpi / 160 × 10000 with a half going to the even
// neighbour (360 → 22500, 203 → 12688, 201 → 12562).
std::int64_t ScaleFromDpi(int dpi);

// The integer of a print-value text (resolution, margin, printer number);
// ConversionError for anything that is no integer literal (leading blanks, a
// sign, decimal digits, or hexadecimal after "$", "x", "X" or "0x").
int LabelTextToInt(const std::string& text);

// As LabelTextToInt, but an empty text is 0.
int MarginTextToInt(const std::string& text);

// The same, naming in the error where the text was read ("option --top",
// "slpPrn_Top in [手差し] of /w/ruvo_q710.ini").
int LabelTextToInt(const std::string& text, std::string_view source);
int MarginTextToInt(const std::string& text, std::string_view source);

// The device dot of a layout coordinate: RoundOff(scale × units / 10000) plus
// the margin, unscaled (360 dpi: 170 → 383).
int UnitsToDots(std::int64_t scale, int units, int margin);

}  // namespace ruvo
