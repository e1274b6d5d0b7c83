// The numeric box's value as it is shown: grouped, zero-filled, framed by
// its marks, and the room kept for it.
#include "numedit/num_value_model.h"

namespace ruvo {
namespace {

std::string Zeros(std::size_t count) {
  return std::string(count, '0');
}

}  // namespace

NumberParts NumValueModel::SplitNumber(std::string_view value) {
  NumberParts parts;
  if (!value.empty() && value.front() == '-') {
    parts.sign = "-";
    value.remove_prefix(1);
  }
  const std::size_t point = value.find('.');
  if (point == std::string_view::npos) {
    parts.integer = std::string(value);
    return parts;
  }
  parts.integer = std::string(value.substr(0, point));
  parts.point = ".";
  parts.decimals = std::string(value.substr(point + 1));
  return parts;
}

std::string NumValueModel::JoinNumber(const NumberParts& parts) {
  return parts.sign + parts.integer + parts.point + parts.decimals;
}

std::string NumValueModel::GroupThousands(std::string_view digits) {
  std::string grouped;
  grouped.reserve(digits.size() + digits.size() / 3);
  for (std::size_t i = 0; i < digits.size(); ++i) {
    const std::size_t fromRight = digits.size() - i;
    if (i > 0 && fromRight % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return grouped;
}

std::string NumValueModel::FormatNumber(std::string_view value) const {
  NumberParts parts = SplitNumber(value);
  if (settings_.comma) parts.integer = GroupThousands(parts.integer);
  if (settings_.decimalFixed) {
    parts.decimals = (parts.decimals + Zeros(DecimalLimit())).substr(0, DecimalLimit());
    if (settings_.decimalLength > 0) parts.point = ".";
  }
  if ((settings_.integerFixed || settings_.decimalFixed) && parts.integer.empty())
    parts.integer = "0";
  return JoinNumber(parts);
}

std::string NumValueModel::FormatDisplayText(std::string_view value) const {
  const std::string number = FormatNumber(value);
  if (number.empty()) return number;
  return settings_.leftMark + number + settings_.rightMark;
}

std::string NumValueModel::ReservedTemplate(std::string_view value) const {
  NumberParts parts = SplitNumber(value);
  if (settings_.integerFixed) {
    parts.integer = Zeros(IntegerLimit());
    if (settings_.minus) parts.sign = "-";
  }
  if ((settings_.integerFixed || settings_.decimalFixed) && parts.integer.empty())
    parts.integer = "0";
  if (settings_.decimalFixed) {
    parts.point = ".";
    parts.decimals = Zeros(DecimalLimit());
  }
  if (settings_.comma) parts.integer = GroupThousands(parts.integer);
  return JoinNumber(parts);
}

std::string NumValueModel::MaximumTemplate() const {
  std::string integer = Zeros(IntegerLimit());
  if (settings_.comma) integer = GroupThousands(integer);
  return (settings_.minus ? "-" : "") + integer + "." + Zeros(DecimalLimit());
}

std::string NumValueModel::CaretText() const {
  NumberParts parts = SplitNumber(valueText_);
  if (settings_.comma) parts.integer = GroupThousands(parts.integer);
  if ((settings_.integerFixed || settings_.decimalFixed) && parts.integer.empty())
    parts.integer = "0";
  return JoinNumber(parts);
}

}  // namespace ruvo
