#pragma once
// The value of the numeric input box and the string rules around it.
//
// The box holds one value string (ValueText) that grows and shrinks only at
// its right end, like a calculator display, and shows it formatted
// (DisplayText): thousands commas, optional zero-filled decimals, optional
// marks before and after. Every text here is CP932 bytes.
//
// Shape of ValueText, kept by every path that stores it:
//   an optional "-" (only when Minus), then at most IntegerLength digits,
//   then optionally "." and at most DecimalLength digits ("." only when
//   DecimalLength > 0); nothing else. "" means "no number". Typing also leaves
//   the intermediate forms "-", "12." and "-0".
//
// Nothing here throws: bad input is absorbed by the parse rules.

#include <string>
#include <string_view>

namespace ruvo {

// A value cut into its four parts; JoinNumber glues them back in this order.
struct NumberParts {
  std::string sign;      // "-" or ""
  std::string integer;   // digits before the point
  std::string point;     // "." or ""
  std::string decimals;  // digits after the point
};

// The settings that shape the value and its text, with the box's defaults.
struct NumValueSettings {
  int integerLength = 9;      // most integer digits, the sign not counted
  int decimalLength = 3;      // most decimals; 0 forbids the point
  bool minus = true;          // negative values allowed
  bool comma = true;          // group the integer digits by three on display
  bool zeroEnabled = false;   // leading zeros stay in the value ("007")
  bool decimalFixed = false;  // always show decimalLength decimals
  bool integerFixed = false;  // show "0" for an empty integer part
  std::string leftMark;       // shown before the number while there is one
  std::string rightMark;      // shown after the number while there is one
};

class NumValueModel {
 public:
  NumValueModel() = default;  // the box's defaults, empty value
  // Empty value with `settings`; a negative length is taken as its default,
  // as a property writer would ignore it.
  explicit NumValueModel(const NumValueSettings& settings);

  const NumValueSettings& Settings() const { return settings_; }

  // Text, read: the value exactly as stored ("", "-", "12." included).
  const std::string& GetText() const { return valueText_; }
  // Text, write. Does nothing and returns false when `s` is byte-for-byte the
  // current value. Otherwise stores StripLeadingZeros(ParseText(s)) and
  // returns true: OnChange is due, even when the parsed value is unchanged
  // (writing "1,000" over "1000", or "abc" over "").
  bool SetText(std::string_view s);

  const std::string& ValueText() const { return valueText_; }
  // Always FormatDisplayText(ValueText()).
  const std::string& DisplayText() const { return displayText_; }

  // Stores `value` as it is (no parse, no leading-zero rule) and recomputes
  // DisplayText. For editing paths that already produced a well-shaped value.
  void AssignValue(std::string value);

  // Property writers. Each returns true when it changed something (so the
  // owner refreshes), false when the new setting equals the current one or is
  // ignored. None of them is a reason for OnChange. Lengths below 0 are
  // ignored. Changing IntegerLength, DecimalLength or Minus re-applies
  // ParseText to the stored value (without stripping leading zeros again),
  // so a value that no longer fits is cut or emptied silently.
  bool SetIntegerLength(int length);
  bool SetDecimalLength(int length);
  bool SetMinus(bool minus);
  bool SetComma(bool comma);
  // The stored value is not normalised again when zeros become disallowed.
  bool SetZeroEnabled(bool enabled);
  bool SetDecimalFixed(bool fixed);
  bool SetIntegerFixed(bool fixed);
  bool SetLeftMark(std::string_view mark);
  bool SetRightMark(std::string_view mark);

  // Any text to a value: full-width digits, "－" and "．" become ASCII, "，"
  // and "," are dropped, the walk stops at the first character that cannot
  // belong to a number (or at a broken two-byte character). Too many decimals
  // are cut; too many integer digits give "". The result holds only "-",
  // digits and "."; leading zeros are kept.
  std::string ParseText(std::string_view s) const;
  // Removes leading zeros of the integer part unless ZeroEnabled: "007" → "7",
  // "000" → "0", "." → "0.", "-007.50" → "-7.50", "-" and "" unchanged.
  std::string StripLeadingZeros(std::string_view s) const;

  static NumberParts SplitNumber(std::string_view value);
  static std::string JoinNumber(const NumberParts& parts);
  // "1234567" → "1,234,567"; never a comma in front ("123" unchanged).
  static std::string GroupThousands(std::string_view digits);

  // The number as shown, without marks: grouped, zero-filled decimals with
  // DecimalFixed, "0" for an empty integer part with IntegerFixed or
  // DecimalFixed. "-1234.5" → "-1,234.500" with DecimalFixed and 3 decimals.
  std::string FormatNumber(std::string_view value) const;
  // FormatNumber framed by the marks; "" (no marks either) when it is empty.
  std::string FormatDisplayText(std::string_view value) const;
  // The text whose width is the room kept for the number of `value`: with
  // IntegerFixed all IntegerLength digits and the sign, with DecimalFixed all
  // decimals. Equals FormatNumber(value) when neither is set.
  std::string ReservedTemplate(std::string_view value) const;
  // The widest possible number: "-000,000,000.000" with the defaults.
  std::string MaximumTemplate() const;
  // The part of the shown number in front of the caret: the number as typed
  // (grouped, "0" for an empty integer part when a Fixed setting is on) but
  // without the zero fill, so with DecimalFixed the caret stands after the
  // typed decimals: "1.2" → "1.2" while "1.200" is shown.
  std::string CaretText() const;

 private:
  std::string FilterNumberChars(std::string_view converted) const;
  std::string ApplyLengthLimits(std::string r) const;
  void Reparse();
  void RecomputeDisplay();
  std::size_t IntegerLimit() const;
  std::size_t DecimalLimit() const;

  NumValueSettings settings_;
  std::string valueText_;
  std::string displayText_;
};

}  // namespace ruvo
