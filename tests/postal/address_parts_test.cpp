#include "postal/address_parts.h"

#include <gtest/gtest.h>

#include "postal/address_spelling.h"
#include "support/test_text.h"

namespace ruvo::postal {
namespace {

using test::Sj;
using test::Utf8;

TEST(AddressParts, CountyIsTheCityNamesPartBeforeItsTownOrVillage) {
  const struct {
    std::string_view city;  // UTF-8, as Japan Post's city column
    std::string_view county;
  } cases[] = {
      {"石狩郡当別町", "石狩郡"},
      {"北佐久郡軽井沢町", "北佐久郡"},
      {"鹿児島郡三島村", "鹿児島郡"},  // 郡 before 島
      {"三宅島三宅村", "三宅島"},      // an island of Tokyo
      {"八丈島八丈町", "八丈島"},
      {"青ヶ島村", ""},    // the island is the village
      {"大和郡山市", ""},  // a city, 郡 in its name
      {"郡山市", ""},
      {"小郡市", ""},
      {"千代田区", ""},
      {"郡上町", ""},  // 郡 first: no county's name before it
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.city);
    const std::string city = Sj(c.city);
    EXPECT_EQ(Utf8(city.substr(0, CountySize(city))), c.county);
  }
}

TEST(AddressParts, ReadsTheFloorThatEndsAnEntry) {
  const struct {
    std::string_view entry;  // UTF-8
    std::size_t size;        // bytes of the floor, blanks before it included
    std::uint8_t floor;
  } cases[] = {
      {"東京都千代田区霞が関霞が関ビル１２階", 6, 12},
      {"東京都豊島区東池袋サンシャイン６０　１階", 6, 1},  // a blank after the name's digits
      {"東京都千代田区霞が関霞が関ビル地階", 4, kAnyFloor},
      {"12階", 4, 12},
      {"254階", 5, 254},
      {"255階", 0, kNoFloor},  // beyond the floors kept
      {"０階", 0, kNoFloor},
      {"青森県三戸郡五戸町二階平", 0, kNoFloor},  // 階 in a name
      {"二階", 0, kNoFloor},                      // kanji
      {"階", 0, kNoFloor},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry);
    const FloorSuffix suffix = FloorSuffixOf(Sj(c.entry));
    EXPECT_EQ(suffix.size, c.size);
    EXPECT_EQ(suffix.floor, c.floor);
  }
}

TEST(AddressParts, ReadsTheFloorAnAddressNames) {
  const struct {
    std::string_view text;  // UTF-8, after the building's name
    unsigned number;
    bool basement;
  } cases[] = {
      {"12階", 12, false},
      {"１２Ｆ", 12, false},
      {"12FL", 12, false},
      {"１２ＦＬ 1201号室", 12, false},
      {"高層棟12階", 12, false},  // a wing's name first
      {"地下1階", 0, true},
      {"B1F", 0, true},
      {"B2階", 0, true},
      {"地階", 0, true},
      {"1202号室", 0, false},  // a room, no floor
      {"", 0, false},
      {"B棟", 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const WrittenFloor floor = FloorWrittenIn(ComparableAddress(Sj(c.text)));
    EXPECT_EQ(floor.number, c.number);
    EXPECT_EQ(floor.basement, c.basement);
  }
}

TEST(AddressParts, LeavesOutKyotosStreetsBeforeTheTown) {
  const struct {
    std::string_view address;  // UTF-8
    std::string_view dropped;
  } cases[] = {
      {"京都市中京区烏丸通四条上ル笋町1", "京都市中京区笋町1"},
      {"中京区釜座通夷川下る大黒町", "中京区大黒町"},
      {"中京区夷川通釜座東入ル大黒町", "中京区大黒町"},
      {"中京区烏丸通四条上ル東入ル笋町", "中京区笋町"},        // two ways
      {"下京区河原町通四条下る二丁目稲荷町", "下京区稲荷町"},  // blocks from the crossing
      {"上京区寺町通今出川上る4筋目毘沙門町", "上京区毘沙門町"},
      {"下京区河原町通三条上ル四条大宮町", "下京区4条大宮町"},  // a town named after 四条
      {"中京区寺町通御池上ル上本能寺前町488", "中京区上本能寺前町488"},  // the town begins with 上
      {"中京区大黒町", "中京区大黒町"},                                  // no street
      {"中京区烏丸通四条上ル", "中京区烏丸通4条上ル"},                   // no town after it
      {"中京区烏丸通四条上ル1", "中京区烏丸通4条上ル1"},
      {"烏丸通四条上ル笋町", "烏丸通4条上ル笋町"},  // no ward before it
      {"港区芝公園1-2上ル", "港区芝公園1-2上ル"},   // after the block number
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.address);
    EXPECT_EQ(Utf8(DropKyotoStreets(ComparableAddress(Sj(c.address)))), c.dropped);
  }
}

}  // namespace
}  // namespace ruvo::postal
