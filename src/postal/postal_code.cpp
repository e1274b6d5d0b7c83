#include "postal/postal_code.h"

#include <array>

#include "transfer/sjis.h"
#include "transfer/text_ops.h"

namespace ruvo::postal {
namespace {

constexpr std::size_t kDigitCount = 7;
constexpr std::size_t kHyphenAfter = 3;  // "105-0011"

// The value of a one- or two-byte digit character, or -1.
int DigitValue(std::string_view character) {
  if (character.size() == 1 && character[0] >= '0' && character[0] <= '9') {
    return character[0] - '0';
  }
  // "０" to "９" are 82 4F to 82 58.
  if (character.size() == 2 && character[0] == '\x82') {
    const auto trail = static_cast<unsigned char>(character[1]);
    if (trail >= 0x4F && trail <= 0x58) return trail - 0x4F;
  }
  return -1;
}

bool IsHyphen(std::string_view character) {
  return character == "-" || character == "\x81\x7C";  // "－"
}

}  // namespace

std::optional<PostalCode> ParsePostalCode(std::string_view text) {
  text = TrimBlanks(text);
  std::uint32_t value = 0;
  std::size_t digits = 0;
  bool hyphen = false;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::string_view character = text.substr(pos, sjis::CharLengthAt(text, pos));
    pos += character.size();
    if (IsHyphen(character) && digits == kHyphenAfter && !hyphen) {
      hyphen = true;
      continue;
    }
    const int digit = DigitValue(character);
    if (digit < 0 || digits == kDigitCount) return std::nullopt;
    value = value * 10 + static_cast<std::uint32_t>(digit);
    ++digits;
  }
  if (digits != kDigitCount) return std::nullopt;
  return PostalCode{value};
}

std::string DigitsOf(PostalCode code) {
  std::string digits(kDigitCount, '0');
  for (std::size_t i = kDigitCount; i-- > 0; code.value /= 10) {
    digits[i] = static_cast<char>('0' + code.value % 10);
  }
  return digits;
}

std::string HyphenatedOf(PostalCode code) {
  std::string digits = DigitsOf(code);
  return digits.insert(kHyphenAfter, "-");
}

}  // namespace ruvo::postal
