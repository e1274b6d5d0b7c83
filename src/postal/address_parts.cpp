#include "postal/address_parts.h"

#include <vector>

#include "transfer/classify.h"
#include "transfer/sjis.h"

namespace ruvo::postal {
namespace {

constexpr std::string_view kCounty = "\x8C\x53";               // 郡
constexpr std::string_view kIsland = "\x93\x87";               // 島
constexpr std::string_view kTown = "\x92\xAC";                 // 町
constexpr std::string_view kVillage = "\x91\xBA";              // 村
constexpr std::string_view kWard = "\x8B\xE6";                 // 区
constexpr std::string_view kFloor = "\x8A\x4B";                // 階
constexpr std::string_view kBasement = "\x92\x6E\x8A\x4B";     // 地階
constexpr std::string_view kUnderground = "\x92\x6E\x89\xBA";  // 地下
constexpr std::string_view kFullWidthBlank = "\x81\x40";       // 　
constexpr std::string_view kJo = "\x8F\xF0";                   // 条
constexpr std::string_view kSen = "\x90\xFC";                  // 線
constexpr std::string_view kChome = "\x92\x9A\x96\xDA";        // 丁目
constexpr std::string_view kBlocks = "\x8B\xD8\x96\xDA";       // 筋目, as Kyoto counts the blocks

// The ways from a crossing as ComparableAddress writes them.
constexpr std::string_view kKyotoWays[] = {
    "\x8F\xE3\x83\x8B",  // 上ル  north
    "\x89\xBA\x83\x8B",  // 下ル  south
    "\x93\x8C\x93\xFC",  // 東入  east
    "\x90\xBC\x93\xFC",  // 西入  west
    "\x93\xFC\x83\x8B",  // 入ル  in from the street named before
};

bool IsAsciiDigit(char c) {
  return c >= '0' && c <= '9';
}

// The end of a way from a crossing at `pos`, with the blocks counted from
// the crossing that may follow it ("下ル2丁目", "上ル4筋目"); 0 for none.
std::size_t KyotoWayAt(std::string_view comparable, std::size_t pos) {
  const std::string_view rest = comparable.substr(pos);
  for (const std::string_view word : kKyotoWays) {
    if (!rest.starts_with(word)) continue;
    std::size_t end = pos + word.size();
    std::size_t digits = end;
    while (digits < comparable.size() && IsAsciiDigit(comparable[digits]))
      ++digits;
    const std::string_view after = comparable.substr(digits);
    if (digits > end && (after.starts_with(kChome) || after.starts_with(kBlocks))) {
      end = digits + kChome.size();
    }
    return end;
  }
  return 0;
}

// The start of every character of `text`.
std::vector<std::size_t> CharacterStarts(std::string_view text) {
  std::vector<std::size_t> starts;
  for (std::size_t pos = 0; pos < text.size(); pos += sjis::CharLengthAt(text, pos))
    starts.push_back(pos);
  return starts;
}

// The value of a digit of either width, or -1.
int DigitAt(std::string_view text, std::size_t pos) {
  const auto byte = static_cast<unsigned char>(text[pos]);
  if (byte >= '0' && byte <= '9') return byte - '0';
  if (byte == 0x82 && pos + 1 < text.size()) {  // ０ to ９ are 82 4F to 82 58
    const auto trail = static_cast<unsigned char>(text[pos + 1]);
    if (trail >= 0x4F && trail <= 0x58) return trail - 0x4F;
  }
  return -1;
}

bool IsBlankAt(std::string_view text, std::size_t pos) {
  return text[pos] == ' ' || text.substr(pos).starts_with(kFullWidthBlank);
}

// The number written in ASCII digits at `pos`, and where it ends.
std::pair<unsigned, std::size_t> AsciiNumberAt(std::string_view text, std::size_t pos) {
  unsigned number = 0;
  for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
    if (number < 100000) number = number * 10 + static_cast<unsigned>(text[pos] - '0');
  }
  return {number, pos};
}

// A floor written at `pos`: "12階", "12F", "地階", "地下1階", "B1F".
bool ReadFloorAt(std::string_view text, std::size_t pos, WrittenFloor& floor) {
  const std::string_view rest = text.substr(pos);
  if (rest.starts_with(kBasement)) {
    floor = {0, true};
    return true;
  }
  const bool underground = rest.starts_with(kUnderground);
  const bool cellar = rest.starts_with('B');
  const std::size_t digits = pos + (underground ? kUnderground.size() : cellar ? 1 : 0);
  const auto [number, end] = AsciiNumberAt(text, digits);
  if (end == digits) return false;
  const std::string_view after = text.substr(end);
  const bool marked = after.starts_with(kFloor) || after.starts_with('F');
  if (underground || (cellar && marked)) {
    floor = {0, true};
    return true;
  }
  if (!marked || number == 0) return false;
  floor = {number, false};
  return true;
}

}  // namespace

std::uint8_t PrefectureNumberAt(std::string_view text) {
  const auto names = PrefectureNames();
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (text.starts_with(names[i])) return static_cast<std::uint8_t>(i + 1);
  }
  return 0;
}

std::size_t PrefectureSizeAt(std::string_view text) {
  const std::uint8_t number = PrefectureNumberAt(text);
  return number == 0 ? 0 : PrefectureNames()[number - 1u].size();
}

std::size_t CountySize(std::string_view city) {
  const std::vector<std::size_t> starts = CharacterStarts(city);
  if (starts.size() < 4) return 0;  // a county, one more character and 町 or 村 at least
  const std::string_view last = city.substr(starts.back());
  if (last != kTown && last != kVillage) return 0;
  // The county's name is one character at least, and so is the town's.
  for (const std::string_view mark : {kCounty, kIsland}) {
    for (std::size_t i = 1; i + 2 < starts.size() && i < kLongestCountyCharacters; ++i) {
      if (city.substr(starts[i]).starts_with(mark)) return starts[i] + mark.size();
    }
  }
  return 0;
}

FloorSuffix FloorSuffixOf(std::string_view entry) {
  const std::vector<std::size_t> starts = CharacterStarts(entry);
  if (starts.empty() || entry.substr(starts.back()) != kFloor) return {};
  std::size_t first = starts.size() - 1;  // of the floor
  unsigned number = 0;
  unsigned scale = 1;
  while (first > 0 && DigitAt(entry, starts[first - 1]) >= 0 && scale <= 100) {
    --first;
    number += static_cast<unsigned>(DigitAt(entry, starts[first])) * scale;
    scale *= 10;
  }
  std::uint8_t floor = kNoFloor;
  if (first + 1 < starts.size()) {
    if (number == 0 || number > kTopFloor) return {};
    floor = static_cast<std::uint8_t>(number);
  } else if (first > 0 && entry.substr(starts[first - 1]) == kBasement) {
    --first;
    floor = kAnyFloor;
  } else {
    return {};
  }
  while (first > 0 && IsBlankAt(entry, starts[first - 1]))
    --first;
  return {entry.size() - starts[first], floor};
}

WrittenFloor FloorWrittenIn(std::string_view comparable) {
  WrittenFloor floor;
  for (std::size_t pos = 0; pos < comparable.size(); pos += sjis::CharLengthAt(comparable, pos)) {
    if (ReadFloorAt(comparable, pos, floor)) return floor;
    // A number that is no floor ("1202" of a room) is passed as a whole.
    while (pos + 1 < comparable.size() && comparable[pos] >= '0' && comparable[pos] <= '9' &&
           comparable[pos + 1] >= '0' && comparable[pos + 1] <= '9')
      ++pos;
  }
  return {};
}

std::size_t TownEndBefore(std::string_view building, std::size_t cityEnd,
                          const std::function<bool(std::string_view)>& isTown) {
  const std::vector<std::size_t> starts = CharacterStarts(building);
  for (auto start = starts.rbegin(); start != starts.rend() && *start > cityEnd; ++start) {
    if (isTown(building.substr(0, *start))) return *start;
  }
  return 0;
}

std::string DropKyotoStreets(std::string_view comparable) {
  std::size_t wardEnd = 0;
  std::size_t streetEnd = 0;
  std::size_t blockNumber = comparable.size();
  for (std::size_t pos = 0; pos < comparable.size();) {
    if (const std::size_t way = KyotoWayAt(comparable, pos)) {
      pos = streetEnd = way;
      continue;
    }
    if (IsAsciiDigit(comparable[pos])) {
      // "四条" is "4条" by now, a street's name; other digits start the
      // block number.
      const std::size_t end = AsciiNumberAt(comparable, pos).second;
      const std::string_view after = comparable.substr(end);
      if (!after.starts_with(kJo) && !after.starts_with(kSen)) {
        blockNumber = pos;
        break;
      }
      pos = end;
      continue;
    }
    if (streetEnd == 0 && comparable.substr(pos).starts_with(kWard)) wardEnd = pos + kWard.size();
    pos += sjis::CharLengthAt(comparable, pos);
  }
  // A town's name follows the streets.
  if (wardEnd == 0 || streetEnd <= wardEnd || streetEnd >= blockNumber) {
    return std::string(comparable);
  }
  return std::string(comparable.substr(0, wardEnd)) + std::string(comparable.substr(streetEnd));
}

}  // namespace ruvo::postal
