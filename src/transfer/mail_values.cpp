#include "transfer/mail_values.h"

#include <array>
#include <vector>

#include "transfer/char_kinds.h"
#include "transfer/mail_line.h"
#include "transfer/mail_words.h"
#include "transfer/sjis.h"
#include "transfer/text_ops.h"

namespace ruvo {

namespace {

constexpr std::string_view kPostalMark = "\x81\xA7";  // 〒
constexpr std::size_t kPostalCodeDigits = 7;
constexpr std::size_t kPostalCodeHead = 3;  // "105" of "105-0011"

// Telephone numbers in Japan have 10 digits, mobile and IP phones 11.
constexpr std::size_t kFewestTelephoneDigits = 10;
constexpr std::size_t kMostTelephoneDigits = 11;
constexpr std::string_view kJapanCallingCode = "81";

// Units between whose parts shop systems put blanks ("愛知県 岡崎市 本宿町").
constexpr std::array<std::string_view, 9> kPlaceUnits = {
    "\x93\x73",  // 都
    "\x93\xB9",  // 道
    "\x95\x7B",  // 府
    "\x8C\xA7",  // 県
    "\x8E\x73",  // 市
    "\x8B\xE6",  // 区
    "\x8C\x53",  // 郡
    "\x92\xAC",  // 町
    "\x91\xBA",  // 村
};

std::size_t Next(std::string_view text, std::size_t pos) {
  return pos + sjis::CharLengthAt(text, pos);
}

char AsciiDigit(unsigned code) {
  return static_cast<char>('0' + DigitValue(code));
}

// What separates the groups of a telephone number.
bool IsTelephoneSeparator(unsigned code) {
  return IsHyphenCode(code) || IsLongVowelCode(code) || IsBlankCode(code) || code == '(' ||
         code == ')' || code == '.'  //
         || code == 0x8169           // （
         || code == 0x816A           // ）
         || code == 0x8144;          // ．
}

bool IsPlus(unsigned code) {
  return code == '+' || code == 0x817B;  // ＋
}

bool HasDigit(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size(); pos = Next(text, pos)) {
    if (IsDigitCode(CodeAt(text, pos))) return true;
  }
  return false;
}

// What may follow a telephone number on its line: nothing, words without
// digits ("(携帯)", "代表"), or a second number after "/", "、" or ",".
bool IsRemark(std::string_view rest) {
  rest = TrimBlanks(rest);
  if (rest.empty() || !HasDigit(rest)) return true;
  const unsigned code = CodeAt(rest, 0);
  return code == '/' || code == ',' || code == 0x815E  // ／
         || code == 0x8141                             // 、
         || code == 0x8143;                            // ，
}

// "+81 90-1234-5678", "+81 (0)3-1234-5678" and "+819012345678" as dialled
// at home.
bool DropCallingCode(std::vector<std::string>& groups) {
  if (groups.empty() || !groups.front().starts_with(kJapanCallingCode)) return false;
  groups.front().erase(0, kJapanCallingCode.size());
  if (groups.front().empty()) groups.erase(groups.begin());
  if (!groups.empty() && groups.front() == "0") groups.erase(groups.begin());
  if (groups.empty()) return false;
  if (groups.front().front() != '0') groups.front().insert(0, "0");
  return true;
}

// A hyphen and a digit after seven digits: "090-2468" of the mobile number
// "090-2468-1357", which is no postal code.
bool GoesOnAsNumber(std::string_view rest) {
  if (rest.empty()) return false;
  const unsigned code = CodeAt(rest, 0);
  const std::size_t next = Next(rest, 0);
  return (IsHyphenCode(code) || IsLongVowelCode(code)) && next < rest.size() &&
         IsDigitCode(CodeAt(rest, next));
}

bool IsPlaceUnit(std::string_view character) {
  for (const std::string_view unit : kPlaceUnits) {
    if (character == unit) return true;
  }
  return false;
}

}  // namespace

std::optional<PostalCodeValue> PostalCodeAtStart(std::string_view text) {
  std::string_view rest = TrimBlanks(text);
  if (rest.starts_with(kPostalMark)) rest = TrimBlanks(rest.substr(kPostalMark.size()));
  std::string digits;
  bool hyphen = false;
  std::size_t pos = 0;
  for (; pos < rest.size(); pos = Next(rest, pos)) {
    const unsigned code = CodeAt(rest, pos);
    if (IsDigitCode(code)) {
      digits += AsciiDigit(code);
    } else if ((IsHyphenCode(code) || IsLongVowelCode(code)) && digits.size() == kPostalCodeHead &&
               !hyphen) {
      hyphen = true;
    } else {
      break;
    }
  }
  if (digits.size() != kPostalCodeDigits || GoesOnAsNumber(rest.substr(pos))) return std::nullopt;
  digits.insert(kPostalCodeHead, "-");
  return PostalCodeValue{digits, std::string(TrimBlanks(rest.substr(pos)))};
}

std::optional<std::string> TelephoneNumberOf(std::string_view text) {
  const std::string_view number = TrimBlanks(text);
  std::size_t pos = 0;
  const bool international = !number.empty() && IsPlus(CodeAt(number, 0));
  if (international) pos = Next(number, 0);
  std::vector<std::string> groups(1);
  for (; pos < number.size(); pos = Next(number, pos)) {
    const unsigned code = CodeAt(number, pos);
    if (IsDigitCode(code)) {
      groups.back() += AsciiDigit(code);
    } else if (!IsTelephoneSeparator(code)) {
      break;
    } else if (!groups.back().empty()) {
      groups.emplace_back();
    }
  }
  if (groups.back().empty()) groups.pop_back();
  if (!IsRemark(number.substr(pos)) || groups.empty()) return std::nullopt;
  if (international && !DropCallingCode(groups)) return std::nullopt;
  std::string joined;
  std::size_t digits = 0;
  for (const std::string& group : groups) {
    if (!joined.empty()) joined += '-';
    joined += group;
    digits += group.size();
  }
  if (digits < kFewestTelephoneDigits || digits > kMostTelephoneDigits || joined.front() != '0')
    return std::nullopt;
  return joined;
}

std::string NameOf(std::string_view text) {
  std::string_view name = TrimBlanks(text);
  // The honorific may stand before or after the reading, so twice.
  for (int round = 0; round < 2; ++round) {
    name = TrimBlanks(name.substr(0, name.size() - HonorificLengthAtEnd(name)));
    const auto reading = BracketedAtEnd(name);
    if (reading && reading->open > 0 && IsKanaOnly(reading->inside))
      name = TrimBlanks(name.substr(0, reading->open));
  }
  return std::string(name);
}

std::string TidyAddress(std::string_view text) {
  const std::string_view address = TrimBlanks(text);
  std::string tidy;
  std::string_view last;  // the last character written
  bool digitSeen = false;
  bool blankPending = false;
  for (std::size_t pos = 0; pos < address.size(); pos = Next(address, pos)) {
    const unsigned code = CodeAt(address, pos);
    if (IsBlankCode(code)) {
      blankPending = true;
      continue;
    }
    if (blankPending && (digitSeen || !IsPlaceUnit(last))) tidy += ' ';
    blankPending = false;
    digitSeen = digitSeen || IsDigitCode(code);
    last = address.substr(pos, sjis::CharLengthAt(address, pos));
    tidy += last;
  }
  return tidy;
}

bool IsKanaOnly(std::string_view text) {
  bool kana = false;
  for (std::size_t pos = 0; pos < text.size(); pos = Next(text, pos)) {
    const unsigned code = CodeAt(text, pos);
    if (IsKatakanaCode(code) || IsHiraganaCode(code)) {
      kana = true;
    } else if (!IsLongVowelCode(code) && !IsBlankCode(code) && code != 0x8145  // ・
               && code != 0xA5) {                                              // ･
      return false;
    }
  }
  return kana;
}

bool HasSevenDigitRun(std::string_view text) {
  std::size_t run = 0;
  for (std::size_t pos = 0; pos < text.size(); pos = Next(text, pos)) {
    if (IsDigitCode(CodeAt(text, pos))) {
      ++run;
      continue;
    }
    if (run == kPostalCodeDigits) return true;
    run = 0;
  }
  return run == kPostalCodeDigits;
}

}  // namespace ruvo
