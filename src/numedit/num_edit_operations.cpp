// What typing does to the numeric box's value: a digit, the decimal point,
// the minus sign, a deletion, and the refusal of what does not fit.
#include <utility>

#include "numedit/num_edit_model.h"

namespace ruvo {

void NumEditModel::Refuse() {
  if (behaviour_.errorBeep) beeper_.Beep();
}

void NumEditModel::Store(std::string value) {
  SaveUndo();
  value_.AssignValue(std::move(value));
  RaiseChange();
}

void NumEditModel::RaiseChange() {
  if (onChange_) onChange_();
}

bool NumEditModel::Fits(std::string_view value) const {
  return !behaviour_.options.Contains(eoORInputStop) || widthTest_.TextFits(value);
}

void NumEditModel::Clear() {
  SaveUndo();
  value_.AssignValue("");
  ClearSelection();
  RaiseChange();
}

// Whether one more digit stays within the length limits, counted on the
// value as typed (before leading zeros are stripped): with IntegerLength 1,
// "0" cannot become "5" by typing "5".
bool NumEditModel::DigitAllowed() const {
  const std::string& v = ValueText();
  const std::size_t sign = v.find('-') != std::string::npos ? 1 : 0;
  const std::size_t point = v.find('.');
  const auto& settings = value_.Settings();
  if (settings.decimalLength == 0 || point == std::string::npos) {
    const std::size_t integerEnd = point == std::string::npos ? v.size() : point;
    return integerEnd - sign < static_cast<std::size_t>(settings.integerLength);
  }
  return v.size() - point - 1 < static_cast<std::size_t>(settings.decimalLength);
}

void NumEditModel::InsertDigit(char digit) {
  if (behaviour_.readOnly) return;
  if (Selected()) Clear();
  if (!DigitAllowed()) return Refuse();
  std::string t = value_.StripLeadingZeros(ValueText() + digit);
  if (!Fits(t)) return Refuse();
  Store(std::move(t));
}

void NumEditModel::InsertDecimalPoint() {
  if (behaviour_.readOnly) return;
  if (value_.Settings().decimalLength == 0) return Refuse();
  if (Selected()) Clear();
  if (ValueText().find('.') != std::string::npos) return Refuse();
  const std::string t = ValueText() + '.';
  if (!Fits(t)) return Refuse();
  Store(value_.StripLeadingZeros(t));
}

void NumEditModel::ToggleMinus() {
  if (behaviour_.readOnly) return;
  if (!value_.Settings().minus) return Refuse();
  if (Selected()) Clear();
  const std::size_t sign = ValueText().find('-');
  if (sign != std::string::npos) {
    std::string t = ValueText();
    t.erase(sign, 1);
    return Store(std::move(t));
  }
  std::string t = '-' + ValueText();
  if (!Fits(t)) return Refuse();
  Store(std::move(t));
}

void NumEditModel::DeleteLastChar() {
  if (behaviour_.readOnly || ValueText().empty()) return;
  if (Selected()) return Clear();
  std::string t = ValueText();
  t.pop_back();
  if (!t.empty() && t.back() == '.') t.pop_back();
  Store(std::move(t));
}

}  // namespace ruvo
