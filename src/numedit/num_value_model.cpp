// The numeric box's value: its settings and their writers, and the value
// stored. Parsing is num_value_parse.cpp, formatting num_value_format.cpp.
#include "numedit/num_value_model.h"

namespace ruvo {
namespace {

// Writes `value` into `field` and reports whether it changed.
template <typename T, typename V>
bool Assign(T& field, const V& value) {
  if (field == value) return false;
  field = T(value);
  return true;
}

}  // namespace

NumValueModel::NumValueModel(const NumValueSettings& settings) : settings_(settings) {
  if (settings_.integerLength < 0) settings_.integerLength = NumValueSettings{}.integerLength;
  if (settings_.decimalLength < 0) settings_.decimalLength = NumValueSettings{}.decimalLength;
  RecomputeDisplay();
}

bool NumValueModel::SetText(std::string_view s) {
  if (s == valueText_) return false;
  AssignValue(StripLeadingZeros(ParseText(s)));
  return true;
}

void NumValueModel::AssignValue(std::string value) {
  valueText_ = std::move(value);
  RecomputeDisplay();
}

void NumValueModel::Reparse() {
  valueText_ = ParseText(valueText_);
  RecomputeDisplay();
}

void NumValueModel::RecomputeDisplay() {
  displayText_ = FormatDisplayText(valueText_);
}

std::size_t NumValueModel::IntegerLimit() const {
  return static_cast<std::size_t>(settings_.integerLength);
}

std::size_t NumValueModel::DecimalLimit() const {
  return static_cast<std::size_t>(settings_.decimalLength);
}

bool NumValueModel::SetIntegerLength(int length) {
  if (length < 0 || length == settings_.integerLength) return false;
  settings_.integerLength = length;
  Reparse();
  return true;
}

bool NumValueModel::SetDecimalLength(int length) {
  if (length < 0 || length == settings_.decimalLength) return false;
  settings_.decimalLength = length;
  Reparse();
  return true;
}

bool NumValueModel::SetMinus(bool minus) {
  if (minus == settings_.minus) return false;
  settings_.minus = minus;
  Reparse();
  return true;
}

bool NumValueModel::SetComma(bool comma) {
  if (!Assign(settings_.comma, comma)) return false;
  RecomputeDisplay();
  return true;
}

bool NumValueModel::SetZeroEnabled(bool enabled) {
  if (!Assign(settings_.zeroEnabled, enabled)) return false;
  RecomputeDisplay();
  return true;
}

bool NumValueModel::SetDecimalFixed(bool fixed) {
  if (!Assign(settings_.decimalFixed, fixed)) return false;
  RecomputeDisplay();
  return true;
}

bool NumValueModel::SetIntegerFixed(bool fixed) {
  if (!Assign(settings_.integerFixed, fixed)) return false;
  RecomputeDisplay();
  return true;
}

bool NumValueModel::SetLeftMark(std::string_view mark) {
  if (!Assign(settings_.leftMark, mark)) return false;
  RecomputeDisplay();
  return true;
}

bool NumValueModel::SetRightMark(std::string_view mark) {
  if (!Assign(settings_.rightMark, mark)) return false;
  RecomputeDisplay();
  return true;
}

}  // namespace ruvo
