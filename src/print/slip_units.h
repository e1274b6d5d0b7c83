#pragma once
// Layout units (1/160 inch) to printer dots, millimetres on paper to dots and
// back, and the strict reading of the resolution, margin and scale texts the
// conversions work from.

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

// A form scale outside the range a printer's stretch can need.
class SlipScaleError : public std::runtime_error {
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

inline constexpr double kMmPerInch = 25.4;

// Millimetres on paper of `dots` at `dpi` (> 0): 12 dots at 360 dpi are
// 0.8467 mm.
double DotsToMm(int dots, int dpi);

// The dot nearest to `mm` at `dpi` (> 0), a half away from zero: 0.85 mm at
// 360 dpi is 12.05 dots → 12, -0.85 mm → -12, 1 mm at 300 dpi 11.81 → 12.
// SlipPositionError when it leaves the int range.
int MmToDots(double mm, int dpi);

// DotsToMm as the margins are shown beside their dots: two decimals,
// "0.85" (12 dots at 360 dpi), "-0.56", and "0.00" rather than "-0.00".
// Two decimals name every dot up to 2540 dpi, where a dot is 0.01 mm.
std::string DotsToMmText(int dots, int dpi);

// The form's scale per axis in tenths of a percent (per mille): 1000 is
// 100.0 %, 1010 stretches every distance from the form's origin by 1 %.
inline constexpr int kScaleUnity = 1000;
// Half and twice the size: far beyond any feed's stretch, and a value
// written in whole percent by mistake ("101") is refused, not printed at
// a tenth of the size.
inline constexpr int kMinScalePerMille = 500;
inline constexpr int kMaxScalePerMille = 2000;

// The per-mille value of a scale text; an empty text is 1000. Throws
// ConversionError (naming `source`) for a text that is no integer and
// SlipScaleError ("scale 101 per mille (slpPrn_ScaleX in [手差し] of
// /w/ruvo_q710.ini) is outside 500 to 2000, i.e. 50.0 % to 200.0 %") outside
// the range.
int ScaleTextToPerMille(const std::string& text, std::string_view source = {});

// 1010 → "101.0", 995 → "99.5".
std::string PerMilleAsPercentText(int perMille);

}  // namespace ruvo
