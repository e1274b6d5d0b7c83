#include "numedit/num_edit_model.h"

#include <utility>

namespace ruvo {

NumEditModel::NumEditModel(NumClipboard& clipboard, NumBeeper& beeper, NumWidthTest& widthTest)
    : clipboard_(clipboard), beeper_(beeper), widthTest_(widthTest) {}

void NumEditModel::Apply(const NumEditProperties& properties) {
  const NumValueSettings& v = properties.value;
  value_.SetIntegerLength(v.integerLength);
  value_.SetDecimalLength(v.decimalLength);
  value_.SetMinus(v.minus);
  value_.SetComma(v.comma);
  value_.SetZeroEnabled(v.zeroEnabled);
  value_.SetDecimalFixed(v.decimalFixed);
  value_.SetIntegerFixed(v.integerFixed);
  value_.SetLeftMark(v.leftMark);
  value_.SetRightMark(v.rightMark);
  behaviour_ = properties.behaviour;
  SetText(properties.text);
}

void NumEditModel::SetText(std::string_view s) {
  if (value_.SetText(s)) RaiseChange();
}

// ---- selection and undo ----

void NumEditModel::SelectAll() {
  selLength_ = static_cast<int>(DisplayText().size());
}

void NumEditModel::ClearSelection() {
  selLength_ = 0;
}

void NumEditModel::SaveUndo() {
  undoText_ = ValueText();
  canUndo_ = true;
}

void NumEditModel::SwapUndo() {
  std::string previous = ValueText();
  value_.AssignValue(std::move(undoText_));
  undoText_ = std::move(previous);
  canUndo_ = true;
}

void NumEditModel::Undo() {
  if (!canUndo_) return;
  SwapUndo();
  SelectAll();
  RaiseChange();
}

// ---- editing ----

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

// ---- clipboard ----

void NumEditModel::CopyToClipboard() {
  if (!Selected()) return;
  clipboard_.SetText(behaviour_.imageCopy ? DisplayText() : ValueText());
}

void NumEditModel::CutToClipboard() {
  if (!Selected()) return;
  CopyToClipboard();
  Clear();
  RaiseChange();
}

void NumEditModel::PasteFromClipboard() {
  if (!clipboard_.HasText()) return;
  const std::string pasted = clipboard_.Text();
  SaveUndo();
  const std::string t = value_.ParseText(Selected() ? pasted : ValueText() + pasted);
  value_.AssignValue(value_.StripLeadingZeros(t));
  ClearSelection();
  RaiseChange();
}

}  // namespace ruvo
