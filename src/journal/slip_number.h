#pragma once
// The numbers pre-printed on the carrier's slip forms. A stock of forms is
// numbered in turn; the common rule for carriers' tracking numbers is twelve
// digits whose last is a check digit: the remainder of the first eleven,
// taken as one number, divided by 7 (12345678901 mod 7 = 3, so the form's
// number is 123456789013). Stocks numbered without a check digit count up
// as they are.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "transfer/user_message_error.h"

namespace ruvo::journal {

enum class SlipNumberRule {
  kModulus7,  // twelve digits, the last the check digit of the eleven before
  kPlain,     // up to kMaxPlainSlipNumberDigits digits counted up as a number
};
// "mod7", "plain": as the journal stores the rule and ruvo-slip names it.
std::string_view SlipNumberRuleName(SlipNumberRule rule);
std::optional<SlipNumberRule> SlipNumberRuleNamed(std::string_view name);

inline constexpr std::size_t kModulus7SlipNumberDigits = 12;
inline constexpr std::size_t kMaxPlainSlipNumberDigits = 20;

// A number the rule does not take; what() is the reason in Japanese (CP932),
// the sentence the window shows as it is.
class SlipNumberError : public UserMessageError {
 public:
  using UserMessageError::UserMessageError;
};

// The check digit of eleven digits: '0' to '6'.
char Modulus7CheckDigit(std::string_view elevenDigits);

// A slip number as the user writes it, full-width or with blanks and
// hyphens ("1234-5678-9013", "１２３４…"), as its bare digits. SlipNumberError
// for anything but digits, for a length the rule does not take, and under
// kModulus7 for a wrong check digit.
std::string CheckedSlipNumber(std::string_view cp932, SlipNumberRule rule);

// The number of the next form after the valid `number`: under kModulus7 the
// first eleven digits counted up and the check digit computed anew
// (123456789013 → 123456789024), under kPlain the number counted up in the
// same width ("0099" → "0100"). SlipNumberError after the last number of
// that width.
std::string NextSlipNumber(std::string_view number, SlipNumberRule rule);

}  // namespace ruvo::journal
