#pragma once
// An address taken apart as Japan Post divides it: prefecture, county,
// city, town, and for the tall buildings that have a postal code for each
// floor, the building and the floor. Texts are CP932.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace ruvo::postal {

// The floor of an entry: no building with floor codes, a floor number, or
// the building's code for its basement and every floor without a code of
// its own (Japan Post's 「地階・階層不明」).
inline constexpr std::uint8_t kNoFloor = 0;
inline constexpr std::uint8_t kTopFloor = 254;
inline constexpr std::uint8_t kAnyFloor = 255;

// The sizes in bytes of the parts an address begins with, in this order;
// what follows them (the block number, the floor, a room) is no part.
//   東京都 |        | 千代田区     | 霞が関              | 霞が関ビル | １２階
//   北海道 | 石狩郡 | 当別町       | ビトエ
//   京都府 |        | 京都市中京区 | 釜座通夷川下る大黒町
struct AddressParts {
  std::size_t prefecture = 0;
  std::size_t county = 0;  // a county (郡) or island (三宅島) before a town or village
  std::size_t city = 0;    // a city with its ward, a ward of Tokyo, a town, a village
  std::size_t town = 0;    // empty for a city's code for every town not listed
  std::size_t building = 0;
  std::uint8_t floor = kNoFloor;

  std::size_t End() const { return prefecture + county + city + town + building; }
};

// The prefecture `text` begins with: 1 + its index in PrefectureNames(),
// or 0 for none.
std::uint8_t PrefectureNumberAt(std::string_view text);
// The size of the prefecture's name `text` begins with, 0 for none.
std::size_t PrefectureSizeAt(std::string_view text);

// A county's name is a few characters: "石狩郡", "西津軽郡", "三宅島".
inline constexpr std::size_t kLongestCountyCharacters = 8;

// The size of the county in a city's name as Japan Post's files write it:
// "石狩郡当別町" → "石狩郡", and the islands of Tokyo that stand before
// their village ("三宅島三宅村" → "三宅島"); 0 for a city, a ward or a town
// without county ("大和郡山市", "郡山市", "青ヶ島村"), and for a county's name
// longer than kLongestCountyCharacters.
std::size_t CountySize(std::string_view city);

// A floor at the end of an entry: "１２階" (digits of either width) is
// floor 12 and "地階" kAnyFloor; `size` is the floor's bytes with the
// blanks before it. {0, kNoFloor} for an entry that ends in no floor.
struct FloorSuffix {
  std::size_t size = 0;
  std::uint8_t floor = kNoFloor;
};
FloorSuffix FloorSuffixOf(std::string_view entry);

// The floor an address names after its building, in comparable form
// ("12階", "12F", "12FL", "地下1階", "B1F", "地階"); the first one counts.
struct WrittenFloor {
  unsigned number = 0;  // 0 when none is written
  bool basement = false;
};
WrittenFloor FloorWrittenIn(std::string_view comparable);

// Where the town ends in a building's address written without block number
// ("東京都千代田区霞が関霞が関ビル"): at the longest shorter address after the
// city's end that `isTown` takes for a town's ("東京都千代田区霞が関"); 0 for
// none.
std::size_t TownEndBefore(std::string_view building, std::size_t cityEnd,
                          const std::function<bool(std::string_view)>& isTown);

// A comparable address with Kyoto's street before its town left out:
// "京都市中京区烏丸通4条上ル笋町1" → "京都市中京区笋町1". The streets stand
// between the ward and the town, and end in the way to go from a crossing
// (上ル, 下ル, 東入, 西入, 入ル); the same town may lie on several streets.
// An address without them, or with nothing after them, stays as it is.
std::string DropKyotoStreets(std::string_view comparable);

}  // namespace ruvo::postal
