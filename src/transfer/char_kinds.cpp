#include "transfer/char_kinds.h"

#include "transfer/sjis.h"

namespace ruvo {

namespace {

constexpr unsigned kFullWidthDigitZero = 0x824F;  // ０
constexpr unsigned kFullWidthDigitNine = 0x8258;  // ９

bool Between(unsigned code, unsigned first, unsigned last) {
  return code >= first && code <= last;
}

}  // namespace

unsigned CodeAt(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (sjis::CharLengthAt(text, pos) == 1) return lead;
  return lead * 256u + static_cast<unsigned char>(text[pos + 1]);
}

bool HasCode(std::string_view text, unsigned code) {
  for (std::size_t pos = 0; pos < text.size(); pos += sjis::CharLengthAt(text, pos)) {
    if (CodeAt(text, pos) == code) return true;
  }
  return false;
}

bool IsDigitCode(unsigned code) {
  return Between(code, '0', '9') || Between(code, kFullWidthDigitZero, kFullWidthDigitNine);
}

int DigitValue(unsigned code) {
  return static_cast<int>(code <= '9' ? code - '0' : code - kFullWidthDigitZero);
}

bool IsBlankCode(unsigned code) {
  return code == ' ' || code == '\t' || code == 0x8140;  // 　
}

bool IsHyphenCode(unsigned code) {
  return code == '-' || code == 0x817C  // －
         || code == 0x815D              // ‐
         || code == 0x815C;             // ―
}

bool IsLongVowelCode(unsigned code) {
  return code == 0x815B;  // ー
}

bool IsKatakanaCode(unsigned code) {
  return Between(code, 0x8340, 0x8396)  // ァ to ヶ
         || Between(code, 0xA6, 0xDF);  // ｦ to ﾟ, ｰ among them
}

bool IsHiraganaCode(unsigned code) {
  return Between(code, 0x829F, 0x82F1);  // ぁ to ん
}

bool IsLatinCode(unsigned code) {
  return Between(code, 'A', 'Z') || Between(code, 'a', 'z') ||
         Between(code, 0x8260, 0x8279)      // Ａ to Ｚ
         || Between(code, 0x8281, 0x829A);  // ａ to ｚ
}

}  // namespace ruvo
