#include "journal/slip_number.h"

#include <cstdint>

#include "journal/journal_texts.h"
#include "transfer/half_width.h"

namespace ruvo::journal {
namespace {

constexpr std::size_t kBodyDigits = kModulus7SlipNumberDigits - 1;

constexpr struct {
  SlipNumberRule rule;
  std::string_view name;
} kRuleNames[] = {
    {SlipNumberRule::kModulus7, "mod7"},
    {SlipNumberRule::kPlain, "plain"},
};

bool AllDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::uint64_t NumberOf(std::string_view digits) {
  std::uint64_t value = 0;
  for (const char digit : digits)
    value = value * 10 + static_cast<std::uint64_t>(digit - '0');
  return value;
}

// "0099" → "0100"; nothing after "9999".
std::optional<std::string> CountedUp(std::string digits) {
  for (auto at = digits.rbegin(); at != digits.rend(); ++at) {
    if (*at != '9') {
      ++*at;
      return digits;
    }
    *at = '0';
  }
  return std::nullopt;
}

}  // namespace

std::string_view SlipNumberRuleName(SlipNumberRule rule) {
  for (const auto& row : kRuleNames) {
    if (row.rule == rule) return row.name;
  }
  return {};
}

std::optional<SlipNumberRule> SlipNumberRuleNamed(std::string_view name) {
  for (const auto& row : kRuleNames) {
    if (row.name == name) return row.rule;
  }
  return std::nullopt;
}

char Modulus7CheckDigit(std::string_view elevenDigits) {
  return static_cast<char>('0' + NumberOf(elevenDigits) % 7);
}

std::string CheckedSlipNumber(std::string_view cp932, SlipNumberRule rule) {
  std::string digits;
  for (const char c : ToHalfWidth(cp932)) {
    if (c != ' ' && c != '-') digits += c;
  }
  if (!AllDigits(digits)) throw SlipNumberError(std::string(text::kNotDigits));
  if (rule == SlipNumberRule::kPlain) {
    if (digits.size() > kMaxPlainSlipNumberDigits)
      throw SlipNumberError(std::string(text::kTooManyDigits));
    return digits;
  }
  if (digits.size() != kModulus7SlipNumberDigits)
    throw SlipNumberError(std::string(text::kNotTwelveDigits));
  if (digits.back() != Modulus7CheckDigit(std::string_view(digits).substr(0, kBodyDigits)))
    throw SlipNumberError(std::string(text::kBadCheckDigit));
  return digits;
}

std::string NextSlipNumber(std::string_view number, SlipNumberRule rule) {
  const std::string digits = CheckedSlipNumber(number, rule);
  const std::optional<std::string> next =
      CountedUp(rule == SlipNumberRule::kPlain ? digits : digits.substr(0, kBodyDigits));
  if (!next) throw SlipNumberError(std::string(text::kExhausted));
  if (rule == SlipNumberRule::kPlain) return *next;
  return *next + Modulus7CheckDigit(*next);
}

}  // namespace ruvo::journal
