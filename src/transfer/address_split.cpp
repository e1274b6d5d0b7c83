#include "transfer/address_split.h"

#include <array>
#include <optional>
#include <vector>

#include "transfer/char_kinds.h"
#include "transfer/classify.h"
#include "transfer/pattern_set.h"
#include "transfer/recipient_fields.h"
#include "transfer/sjis.h"

namespace ruvo {

namespace {

// Numerals of block numbers written in kanji ("四丁目二番八号").
constexpr std::array<std::string_view, 13> kKanjiNumerals = {
    "\x81\x5A",  // 〇
    "\x88\xEA",  // 一
    "\x93\xF1",  // 二
    "\x8E\x4F",  // 三
    "\x8E\x6C",  // 四
    "\x8C\xDC",  // 五
    "\x98\x5A",  // 六
    "\x8E\xB5",  // 七
    "\x94\xAA",  // 八
    "\x8B\xE3",  // 九
    "\x8F\x5C",  // 十
    "\x95\x53",  // 百
    "\x90\xE7",  // 千
};

struct NumberUnit {
  std::string_view word;
  bool makesBlockNumber;  // numerals with it are a block number, not part of a place name
};

// Words inside a block number. "四日市" holds a numeral but no unit and is a
// place; "一番町" holds "番" and is taken for one, which does no harm: a
// block number follows it and the building starts after the last one.
constexpr std::array<NumberUnit, 7> kNumberUnits = {{
    {"\x92\x9A\x96\xDA", true},   // 丁目
    {"\x94\xD4\x92\x6E", true},   // 番地
    {"\x94\xD4", true},           // 番
    {"\x8D\x86", true},           // 号
    {"\x8F\xF0", false},          // 条  北1条西2丁目
    {"\x92\x6E\x8A\x84", false},  // 地割  3地割
    {"\x90\xFC", false},          // 線  東2線
}};

// "号" followed by one of these names a room or a wing, not a block.
constexpr std::array<std::string_view, 3> kRoomWords = {
    "\x8D\x86\x8E\xBA",  // 号室
    "\x8D\x86\x93\x8F",  // 号棟
    "\x8D\x86\x8A\xD9",  // 号館
};

// Kanji words that start or name a building after the block number; a
// katakana run, a Latin letter or a blank does the same.
constexpr std::array<std::string_view, 6> kKanjiBuildingWords = {
    "\x91\x91",          // 荘
    "\x93\x8F",          // 棟
    "\x8A\xD9",          // 館
    "\x97\xBE",          // 寮
    "\x92\x63\x92\x6E",  // 団地
    "\x8F\x5A\x91\xEE",  // 住宅
};

// Words that show a line to be part of an address's building, in both widths.
constexpr std::array<std::string_view, 25> kBuildingWords = {
    "\x83\x7D\x83\x93\x83\x56\x83\x87\x83\x93",  // マンション
    "\x83\x6E\x83\x43\x83\x63",                  // ハイツ
    "\x83\x72\x83\x8B",                          // ビル
    "\x83\x52\x81\x5B\x83\x7C",                  // コーポ
    "\x83\x81\x83\x5D\x83\x93",                  // メゾン
    "\x83\x4A\x81\x5B\x83\x54",                  // カーサ
    "\x83\x8C\x83\x57\x83\x66\x83\x93\x83\x58",  // レジデンス
    "\x83\x70\x83\x8C\x83\x58",                  // パレス
    "\x83\x6E\x83\x45\x83\x58",                  // ハウス
    "\x83\x41\x83\x70\x81\x5B\x83\x67",          // アパート
    "\x83\x52\x81\x5B\x83\x67",                  // コート
    "\x83\x71\x83\x8B\x83\x59",                  // ヒルズ
    "\x83\x5E\x83\x8F\x81\x5B",                  // タワー
    "\x83\x76\x83\x89\x83\x55",                  // プラザ
    "\x83\x4B\x81\x5B\x83\x66\x83\x93",          // ガーデン
    "\x83\x65\x83\x89\x83\x58",                  // テラス
    "\xCF\xDD\xBC\xAE\xDD",                      // ﾏﾝｼｮﾝ
    "\xCA\xB2\xC2",                              // ﾊｲﾂ
    "\xCB\xDE\xD9",                              // ﾋﾞﾙ
    "\xBA\xB0\xCE\xDF",                          // ｺｰﾎﾟ
    "\xD2\xBF\xDE\xDD",                          // ﾒｿﾞﾝ
    "\xB6\xB0\xBB",                              // ｶｰｻ
    "\x92\x63\x92\x6E",                          // 団地
    "\x8F\x5A\x91\xEE",                          // 住宅
    "\x8D\x86\x8E\xBA",                          // 号室
};

constexpr PatternSet kBuildingWordSet(kBuildingWords);

// Administrative units after which a too long place name may break.
constexpr std::array<std::string_view, 5> kPlaceUnits = {
    "\x8E\x73",  // 市
    "\x8B\xE6",  // 区
    "\x8C\x53",  // 郡
    "\x92\xAC",  // 町
    "\x91\xBA",  // 村
};

// A katakana run this long starts a building ("ヶ" of "緑ヶ丘" does not).
constexpr std::size_t kBuildingKatakanaRun = 2;

template <std::size_t N>
std::size_t WordAt(std::string_view text, std::size_t pos,
                   const std::array<std::string_view, N>& words) {
  for (const std::string_view word : words) {
    if (text.substr(pos).starts_with(word)) return word.size();
  }
  return 0;
}

std::size_t Next(std::string_view text, std::size_t pos) {
  return pos + sjis::CharLengthAt(text, pos);
}

bool IsNumeralAt(std::string_view text, std::size_t pos) {
  return IsDigitCode(CodeAt(text, pos)) || WordAt(text, pos, kKanjiNumerals) > 0;
}

// A unit of a block number at `pos`: its length, 0 when there is none.
std::size_t UnitAt(std::string_view text, std::size_t pos, bool& makesBlockNumber) {
  if (WordAt(text, pos, kRoomWords) > 0) return 0;
  for (const NumberUnit& unit : kNumberUnits) {
    if (!text.substr(pos).starts_with(unit.word)) continue;
    makesBlockNumber = makesBlockNumber || unit.makesBlockNumber;
    return unit.word.size();
  }
  return 0;
}

// A hyphen (or "ー", or "の") that joins two numerals of a block number.
bool IsJoinAt(std::string_view text, std::size_t pos) {
  const unsigned code = CodeAt(text, pos);
  const bool join = IsHyphenCode(code) || IsLongVowelCode(code) || code == 0x82CC;  // の
  const std::size_t next = Next(text, pos);
  return join && next < text.size() && IsNumeralAt(text, next);
}

// True when `text` ends with the whole characters of `word`: "ﾔ" after
// "部" (0x9594) is no "番" (0x94D4).
bool EndsWithWord(std::string_view text, std::string_view word) {
  const std::size_t start = text.size() - word.size();
  return text.ends_with(word) && sjis::BoundaryAtOrBefore(text, start) == start;
}

// The text ends with a numeral, a hyphen or a unit of a block number, so
// that a numeral after it goes on with the number.
bool EndsInBlockNumber(std::string_view text) {
  const std::size_t last = sjis::BoundaryAtOrBefore(text, text.size() - 1);
  const unsigned code = CodeAt(text, last);
  if (IsNumeralAt(text, last) || IsHyphenCode(code)) return true;
  for (const NumberUnit& unit : kNumberUnits) {
    if (unit.makesBlockNumber && EndsWithWord(text, unit.word)) return true;
  }
  return false;
}

// `line` goes on with the block number that `address` ends in, as when a
// mail wraps inside it: "丸の内一丁目" "一番一号", "芝公園4-2-" "8",
// "西田二丁目14" "-2".
bool ContinuesBlockNumber(std::string_view address, std::string_view line) {
  if (!EndsInBlockNumber(address)) return false;
  const std::size_t last = sjis::BoundaryAtOrBefore(address, address.size() - 1);
  return IsNumeralAt(line, 0) || (IsNumeralAt(address, last) && IsJoinAt(line, 0));
}

struct NumberRun {
  std::size_t begin = 0;
  std::size_t end = 0;       // after its last numeral or unit
  std::size_t lastPart = 0;  // where its last group of numerals starts
  bool blockNumber = false;  // has an Arabic digit or a block unit
};

NumberRun ScanRun(std::string_view text, std::size_t begin) {
  NumberRun run{begin, begin, begin, false};
  for (std::size_t pos = begin; pos < text.size();) {
    if (IsNumeralAt(text, pos)) {
      run.blockNumber = run.blockNumber || IsDigitCode(CodeAt(text, pos));
      pos = run.end = Next(text, pos);
    } else if (const std::size_t unit = UnitAt(text, pos, run.blockNumber); unit > 0) {
      pos = run.end = pos + unit;
    } else if (IsJoinAt(text, pos)) {
      pos = run.lastPart = Next(text, pos);
    } else {
      break;
    }
  }
  return run;
}

// The block numbers of the address, in order.
std::vector<NumberRun> BlockNumbers(std::string_view text) {
  std::vector<NumberRun> runs;
  for (std::size_t pos = 0; pos < text.size();) {
    if (!IsNumeralAt(text, pos)) {
      pos = Next(text, pos);
      continue;
    }
    const NumberRun run = ScanRun(text, pos);
    if (run.blockNumber) runs.push_back(run);
    pos = run.end;
  }
  return runs;
}

std::size_t KatakanaRunAt(std::string_view text, std::size_t pos) {
  std::size_t chars = 0;
  for (; pos < text.size(); pos = Next(text, pos), ++chars) {
    const unsigned code = CodeAt(text, pos);
    if (!IsKatakanaCode(code) && !IsLongVowelCode(code)) break;
  }
  return chars;
}

// Something at `pos` that belongs to a building: a blank, a katakana run,
// a kanji building word, a room word, or after a block number a Latin
// letter ("1-2-3 ABCビル"; "SOHO" in a place name before it is none).
bool StartsBuildingAt(std::string_view text, std::size_t pos, bool afterBlockNumber) {
  const unsigned code = CodeAt(text, pos);
  return IsBlankCode(code) || (afterBlockNumber && IsLatinCode(code)) ||
         KatakanaRunAt(text, pos) >= kBuildingKatakanaRun ||
         WordAt(text, pos, kKanjiBuildingWords) > 0 || WordAt(text, pos, kRoomWords) > 0;
}

std::size_t FirstBuildingAtOrAfter(std::string_view text, std::size_t from, bool afterBlockNumber) {
  for (std::size_t pos = from; pos < text.size(); pos = Next(text, pos)) {
    if (StartsBuildingAt(text, pos, afterBlockNumber)) return pos;
  }
  return text.size();
}

bool OnlyBlanksFrom(std::string_view text, std::size_t pos) {
  for (; pos < text.size(); pos = Next(text, pos)) {
    if (!IsBlankCode(CodeAt(text, pos))) return false;
  }
  return true;
}

// Where the building starts: after the last block number before the first
// sign of a building that follows a block number. A room number glued to
// the block number ("1-2-3-101号室") goes with its room word.
std::optional<std::size_t> BuildingStart(std::string_view text) {
  const std::vector<NumberRun> runs = BlockNumbers(text);
  if (runs.empty()) {
    const std::size_t first = FirstBuildingAtOrAfter(text, Next(text, 0), false);
    return first < text.size() ? std::optional(first) : std::nullopt;
  }
  const std::size_t sign = FirstBuildingAtOrAfter(text, runs.front().end, true);
  const NumberRun* last = &runs.front();
  for (const NumberRun& run : runs) {
    if (run.end <= sign) last = &run;
  }
  if (last->end == sign && WordAt(text, sign, kRoomWords) > 0 && last->lastPart > last->begin)
    return last->lastPart;
  if (OnlyBlanksFrom(text, last->end)) return std::nullopt;
  return last->end;
}

// The last position <= limit (and > 0) right after one of `words`.
template <std::size_t N>
std::optional<std::size_t> LastEndOf(std::string_view text, std::size_t limit,
                                     const std::array<std::string_view, N>& words) {
  std::optional<std::size_t> found;
  for (std::size_t pos = 0; pos < text.size(); pos = Next(text, pos)) {
    const std::size_t length = WordAt(text, pos, words);
    if (length > 0 && pos + length <= limit && pos + length < text.size()) found = pos + length;
  }
  return found;
}

std::optional<std::size_t> LastBlank(std::string_view text, std::size_t limit) {
  std::optional<std::size_t> found;
  for (std::size_t pos = Next(text, 0); pos <= limit && pos < text.size(); pos = Next(text, pos)) {
    if (IsBlankCode(CodeAt(text, pos))) found = pos;
  }
  return found;
}

std::optional<std::size_t> PrefectureEnd(std::string_view text, std::size_t limit) {
  for (const std::string_view prefecture : PrefectureNames()) {
    if (text.starts_with(prefecture) && prefecture.size() <= limit) return prefecture.size();
  }
  return std::nullopt;
}

enum class CharGroup { kNumber, kKatakana, kLatin, kBlank, kOther };

CharGroup GroupOf(unsigned code) {
  if (IsDigitCode(code) || IsHyphenCode(code)) return CharGroup::kNumber;
  if (IsKatakanaCode(code) || IsLongVowelCode(code)) return CharGroup::kKatakana;
  if (IsLatinCode(code)) return CharGroup::kLatin;
  if (IsBlankCode(code)) return CharGroup::kBlank;
  return CharGroup::kOther;
}

// The last boundary <= limit between two kinds of character, so that no
// word of one kind is cut.
std::optional<std::size_t> LastGroupChange(std::string_view text, std::size_t limit) {
  std::optional<std::size_t> found;
  CharGroup previous = GroupOf(CodeAt(text, 0));
  for (std::size_t pos = Next(text, 0); pos < text.size(); pos = Next(text, pos)) {
    if (pos > limit) break;
    const CharGroup group = GroupOf(CodeAt(text, pos));
    if (group != previous) found = pos;
    previous = group;
  }
  return found;
}

// Drops the blanks and hyphens at one end of a part of a broken address: a
// break between block number and room ("1-2-3-101号室") leaves a hyphen.
std::string_view TrimSeparators(std::string_view text, bool front) {
  while (!text.empty()) {
    const std::size_t pos = front ? 0 : sjis::BoundaryAtOrBefore(text, text.size() - 1);
    const unsigned code = CodeAt(text, pos);
    if (!IsBlankCode(code) && !IsHyphenCode(code)) break;
    text = front ? text.substr(Next(text, 0)) : text.substr(0, pos);
  }
  return text;
}

}  // namespace

std::size_t AddressBreak(std::string_view address, std::size_t limit) {
  if (const auto start = BuildingStart(address); start && *start > 0 && *start <= limit)
    return *start;
  for (const auto& fallback : {LastBlank(address, limit), LastEndOf(address, limit, kPlaceUnits),
                               PrefectureEnd(address, limit), LastGroupChange(address, limit)}) {
    if (fallback && *fallback > 0) return *fallback;
  }
  return sjis::BoundaryAtOrBefore(address, limit);
}

std::pair<std::string, std::string> SplitLongAddress(std::string_view line1,
                                                     std::string_view line2) {
  if (line1.size() <= kAddressLine1MaxBytes) return {std::string(line1), std::string(line2)};
  const std::size_t cut = AddressBreak(line1, kAddressLine1MaxBytes);
  std::string head(TrimSeparators(line1.substr(0, cut), false));
  std::string rest(TrimSeparators(line1.substr(cut), true));
  if (!rest.empty() && !line2.empty()) rest += ' ';
  return {std::move(head), rest + std::string(line2)};
}

std::string JoinAddressLines(const std::vector<std::string>& lines) {
  std::string address;
  for (const std::string& line : lines) {
    if (line.empty()) continue;
    if (!address.empty() && !ContinuesBlockNumber(address, line)) address += ' ';
    address += line;
  }
  return address;
}

bool HasBlockNumber(std::string_view text) {
  return !BlockNumbers(text).empty();
}

bool HasBuildingWord(std::string_view text) {
  return kBuildingWordSet.Occurring(text) != 0;
}

}  // namespace ruvo
