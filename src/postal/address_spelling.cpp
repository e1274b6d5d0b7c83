#include "postal/address_spelling.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "transfer/sjis.h"

namespace ruvo::postal {
namespace {

// Reasons are plain ASCII: they document the table and are no user text.
constexpr std::string_view kWidth = "digit width: 1-2-3 and the full-width 1-2-3 are one number";
constexpr std::string_view kKe = "small ke, read ga: Kasumigaseki is written with it, ke or ga";
constexpr std::string_view kNo = "genitive no: written as the kanji, the katakana or the kana";
constexpr std::string_view kAza =
    "aza, oaza: the district's mark, written by some and left out by others";
constexpr std::string_view kKyoto =
    "Kyoto's ways up, down, east and west of a crossing: in kana or katakana, with or without ga";

constexpr SpellingVariant kVariants[] = {
    {" ", "", "blank: an address reads the same without its blanks"},
    {"\t", "", "tab: pasted from a table, a blank like any other"},
    {"\x81\x40", "", "full-width blank: a blank like any other"},                    // 　
    {"\x82\x4F", "0", kWidth},                                                       // ０
    {"\x82\x50", "1", kWidth},                                                       // １
    {"\x82\x51", "2", kWidth},                                                       // ２
    {"\x82\x52", "3", kWidth},                                                       // ３
    {"\x82\x53", "4", kWidth},                                                       // ４
    {"\x82\x54", "5", kWidth},                                                       // ５
    {"\x82\x55", "6", kWidth},                                                       // ６
    {"\x82\x56", "7", kWidth},                                                       // ７
    {"\x82\x57", "8", kWidth},                                                       // ８
    {"\x82\x58", "9", kWidth},                                                       // ９
    {"\x81\x7C", "-", "hyphen width: block numbers are written 8240-1 either way"},  // － (and −)
    {"\x81\x5D", "-", "short hyphen typed for the hyphen of a block number"},        // ‐
    {"\x83\x96", "\x83\x50", kKe},  // ヶ → ケ  霞ヶ関
    {"\x82\xAA", "\x83\x50", kKe},  // が → ケ  霞が関
    {"\xB9", "\x83\x50", kKe},      // ｹ → ケ  half-width 霞ｹ関
    {"\x83\x95", "\x83\x50", kKe},  // ヵ → ケ  the small ka some write for ヶ
    {"\x94\x56", "\x82\xCC", kNo},  // 之 → の  湯之沢
    {"\x83\x6D", "\x82\xCC", kNo},  // ノ → の  湯ノ沢
    {"\xC9", "\x82\xCC", kNo},      // ﾉ → の  half-width 湯ﾉ沢
    {"\x8E\x9A", "", kAza},         // 字  秋田市寺内字イサノ: the small district's mark
};

// Words, longest first where one begins another. Each row's first character
// is looked up before the character rows, so "上がる" is read before its が.
constexpr SpellingVariant kWords[] = {
    {"\x91\xE5\x8E\x9A", "", kAza},  // 大字  軽井沢町大字軽井沢: written or left out
    {"\x8F\xE3\x82\xAA\x82\xE9", "\x8F\xE3\x83\x8B", kKyoto},  // 上がる → 上ル
    {"\x8F\xE3\x82\xE9", "\x8F\xE3\x83\x8B", kKyoto},          // 上る → 上ル
    {"\x89\xBA\x82\xAA\x82\xE9", "\x89\xBA\x83\x8B", kKyoto},  // 下がる → 下ル
    {"\x89\xBA\x82\xE9", "\x89\xBA\x83\x8B", kKyoto},          // 下る → 下ル
    {"\x93\x8C\x93\xFC\x83\x8B", "\x93\x8C\x93\xFC", kKyoto},  // 東入ル → 東入
    {"\x93\x8C\x93\xFC\x82\xE9", "\x93\x8C\x93\xFC", kKyoto},  // 東入る → 東入
    {"\x90\xBC\x93\xFC\x83\x8B", "\x90\xBC\x93\xFC", kKyoto},  // 西入ル → 西入
    {"\x90\xBC\x93\xFC\x82\xE9", "\x90\xBC\x93\xFC", kKyoto},  // 西入る → 西入
    {"\x93\xFC\x82\xE9", "\x93\xFC\x83\x8B", kKyoto},          // 入る → 入ル
    // ビルディング → ビル  丸の内ビルディング, which its tenants write 丸の内ビル
    {"\x83\x72\x83\x8B\x83\x66\x83\x42\x83\x93\x83\x4F", "\x83\x72\x83\x8B",
     "building: the long and the short word name one building"},
};

constexpr std::string_view kJo = "\x8F\xF0";              // 条
constexpr std::string_view kSen = "\x90\xFC";             // 線
constexpr std::string_view kChome = "\x92\x9A\x96\xDA";   // 丁目
constexpr std::string_view kBlocks = "\x8B\xD8\x96\xDA";  // 筋目

// "to" holds the words as they stand in a comparable address.
constexpr SpellingVariant kNumberedDistrictWords[] = {
    {"\x8F\xF0", "\x8F\xF0", "jo: numbered districts, Sapporo and other planned towns"},  // 条
    {"\x92\x9A\x96\xDA", "\x92\x9A\x96\xDA", "chome: numbered blocks of a district"},     // 丁目
    {"\x90\xFC", "\x90\xFC", "sen: numbered lines of Hokkaido's farmland districts"},     // 線
};

// Character code: the byte of a one-byte character, lead × 256 + trail of a
// two-byte one; the two ranges do not overlap (lead bytes are 0x81 or more).
unsigned CharacterCode(std::string_view character) {
  const auto first = static_cast<unsigned char>(character[0]);
  if (character.size() == 1) return first;
  return first * 256u + static_cast<unsigned char>(character[1]);
}

// Row number + 1 of each character code in kVariants, 0 for none, and
// whether a word of kWords begins with it: one lookup per character, as
// every dictionary address goes through here.
class VariantIndex {
 public:
  VariantIndex() {
    for (std::size_t row = 0; row < std::size(kVariants); ++row) {
      rows_[CharacterCode(kVariants[row].from)] = static_cast<std::uint8_t>(row + 1);
    }
    for (const SpellingVariant& word : kWords) {
      const std::string_view first = word.from.substr(0, sjis::CharLengthAt(word.from, 0));
      wordLeads_[CharacterCode(first)] = true;
    }
  }
  const SpellingVariant* Find(std::string_view character) const {
    const std::uint8_t row = rows_[CharacterCode(character)];
    return row == 0 ? nullptr : &kVariants[row - 1];
  }
  // The word of kWords that `text` begins with, if its first character
  // leads one.
  const SpellingVariant* FindWord(std::string_view character, std::string_view text) const {
    if (!wordLeads_[CharacterCode(character)]) return nullptr;
    for (const SpellingVariant& word : kWords) {
      if (text.starts_with(word.from)) return &word;
    }
    return nullptr;
  }

 private:
  std::array<std::uint8_t, 0x10000> rows_{};
  std::array<bool, 0x10000> wordLeads_{};
};

static_assert(std::size(kVariants) < 255, "rows are numbered in one byte");

// Latin letters of either width as upper-case ASCII: "ＪＡビル", "JAビル" and
// "Jaビル" name one building, "１２Ｆ" and "12f" one floor. 0 for any other
// character.
char LatinLetter(std::string_view character) {
  const unsigned code = CharacterCode(character);
  if (code >= 'a' && code <= 'z') return static_cast<char>(code - 'a' + 'A');
  if (code >= 0x8260 && code <= 0x8279) return static_cast<char>(code - 0x8260 + 'A');  // Ａ-Ｚ
  if (code >= 0x8281 && code <= 0x829A) return static_cast<char>(code - 0x8281 + 'A');  // ａ-ｚ
  return 0;
}

// Each word and character of the tables replaced, the rest as it is.
std::string EvenVariants(std::string_view address) {
  static const VariantIndex index;
  std::string comparable;
  comparable.reserve(address.size());
  for (std::size_t pos = 0; pos < address.size();) {
    const std::string_view character = address.substr(pos, sjis::CharLengthAt(address, pos));
    if (const SpellingVariant* word = index.FindWord(character, address.substr(pos))) {
      comparable += word->to;
      pos += word->from.size();
      continue;
    }
    pos += character.size();
    const SpellingVariant* variant = index.Find(character);
    const char letter = variant == nullptr ? LatinLetter(character) : 0;
    if (variant != nullptr) {
      comparable += variant->to;
    } else if (letter != 0) {
      comparable += letter;
    } else {
      comparable += character;
    }
  }
  return comparable;
}

struct KanjiDigit {
  unsigned code;  // CharacterCode
  unsigned value;
};

constexpr unsigned kTen = 10;

constexpr KanjiDigit kKanjiDigits[] = {
    {0x88EA, 1},     // 一
    {0x93F1, 2},     // 二
    {0x8E4F, 3},     // 三
    {0x8E6C, 4},     // 四
    {0x8CDC, 5},     // 五
    {0x985A, 6},     // 六
    {0x8EB5, 7},     // 七
    {0x94AA, 8},     // 八
    {0x8BE3, 9},     // 九
    {0x8F5C, kTen},  // 十
};

// The kanji digit's value, 0 for any other character.
unsigned KanjiDigitValue(std::string_view character) {
  const unsigned code = CharacterCode(character);
  for (const KanjiDigit& digit : kKanjiDigits) {
    if (digit.code == code) return digit.value;
  }
  return 0;
}

// The number a run of kanji digits writes, 1 to 99 ("五", "十五", "二十",
// "二十四"), or 0 when the run is no such number ("一二", "十十").
unsigned KanjiNumber(const std::vector<unsigned>& digits) {
  unsigned tens = 0;
  unsigned units = 0;
  for (const unsigned digit : digits) {
    if (digit == kTen) {
      if (tens != 0) return 0;
      tens = units == 0 ? 1 : units;
      units = 0;
    } else {
      if (units != 0) return 0;
      units = digit;
    }
  }
  return tens * kTen + units;
}

bool StartsWithDistrictWord(std::string_view text) {
  for (const SpellingVariant& word : kNumberedDistrictWords) {
    if (text.starts_with(word.from)) return true;
  }
  return false;
}

// False when no district word stands in the text. A byte search may also
// find one across two characters, which only costs the full walk.
bool MayHoldDistrictWord(std::string_view text) {
  for (const SpellingVariant& word : kNumberedDistrictWords) {
    if (text.find(word.from) != std::string_view::npos) return true;
  }
  return false;
}

// Reads the run of kanji digits at `pos` into `digits`; returns its end.
std::size_t ReadKanjiDigits(std::string_view text, std::size_t pos, std::vector<unsigned>& digits) {
  while (pos < text.size()) {
    const std::size_t length = sjis::CharLengthAt(text, pos);
    const unsigned value = KanjiDigitValue(text.substr(pos, length));
    if (value == 0) break;
    digits.push_back(value);
    pos += length;
  }
  return pos;
}

// Kanji numbers before a district word in digits: "北二十四条西" → "北24条西".
std::string DistrictNumbersInDigits(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::vector<unsigned> digits;
  for (std::size_t pos = 0; pos < text.size();) {
    digits.clear();
    const std::size_t end = ReadKanjiDigits(text, pos, digits);
    if (end == pos) {
      const std::size_t length = sjis::CharLengthAt(text, pos);
      out += text.substr(pos, length);
      pos += length;
      continue;
    }
    const unsigned number = KanjiNumber(digits);
    const bool district = number != 0 && StartsWithDistrictWord(text.substr(end));
    out += district ? std::to_string(number) : std::string(text.substr(pos, end - pos));
    pos = end;
  }
  return out;
}

// Whether `text` ends in one of Kyoto's ways from a crossing, as written or
// as ComparableAddress writes them.
bool EndsInKyotoWay(std::string_view text) {
  static constexpr std::string_view kWays[] = {
      "\x8F\xE3\x82\xE9",  // 上る
      "\x8F\xE3\x83\x8B",  // 上ル
      "\x89\xBA\x82\xE9",  // 下る
      "\x89\xBA\x83\x8B",  // 下ル
      "\x93\xFC\x82\xE9",  // 入る
      "\x93\xFC\x83\x8B",  // 入ル
      "\x93\x8C\x93\xFC",  // 東入
      "\x90\xBC\x93\xFC",  // 西入
  };
  return std::any_of(std::begin(kWays), std::end(kWays),
                     [&](std::string_view way) { return text.ends_with(way); });
}

// The end of the run of digits of either width at `pos`; `pos` for none.
std::size_t DigitRunEnd(std::string_view text, std::size_t pos) {
  while (pos < text.size()) {
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (byte >= '0' && byte <= '9') {
      ++pos;
    } else if (byte == 0x82 && pos + 1 < text.size() &&
               static_cast<unsigned char>(text[pos + 1]) >= 0x4F &&
               static_cast<unsigned char>(text[pos + 1]) <= 0x58) {  // ０ to ９
      pos += 2;
    } else {
      break;
    }
  }
  return pos;
}

}  // namespace

std::span<const SpellingVariant> SpellingVariants() {
  return kVariants;
}

std::span<const SpellingVariant> SpellingWords() {
  return kWords;
}

std::span<const SpellingVariant> NumberedDistrictWords() {
  return kNumberedDistrictWords;
}

std::string ComparableAddress(std::string_view address) {
  std::string even = EvenVariants(address);
  return MayHoldDistrictWord(even) ? DistrictNumbersInDigits(even) : even;
}

std::size_t BlockNumberStart(std::string_view address) {
  for (std::size_t pos = 0; pos < address.size();) {
    std::vector<unsigned> kanji;
    const std::size_t digits = DigitRunEnd(address, pos);
    const std::size_t end = digits > pos ? digits : ReadKanjiDigits(address, pos, kanji);
    if (end == pos) {
      pos += sjis::CharLengthAt(address, pos);
      continue;
    }
    const std::string_view after = address.substr(end);
    const bool district = after.starts_with(kJo) || after.starts_with(kSen);
    const bool block = after.starts_with(kChome) || after.starts_with(kBlocks);
    // Kyoto counts blocks from a crossing: "上る四丁目" is part of the street.
    const bool street = block && EndsInKyotoWay(address.substr(0, pos));
    // Kanji that are no number of 1 to 99 stay kanji in a comparable
    // address, and so are no block number.
    const bool number = digits > pos || KanjiNumber(kanji) != 0;
    if (number && (digits > pos ? !district && !street : block && !street)) return pos;
    pos = end;
  }
  return address.size();
}

std::string ComparableAddressBeforeBlockNumber(std::string_view address) {
  std::string comparable = ComparableAddress(address);
  comparable.resize(BlockNumberStart(comparable));
  return comparable;
}

}  // namespace ruvo::postal
