#include "postal/zip_dictionary_entries.h"

#include <gtest/gtest.h>

#include "support/test_text.h"
#include "zip_dictionary_fixture.h"

namespace ruvo::postal {
namespace {

using test::Sj;
using test::Utf8;

// "東京都|千代田区|霞が関|霞が関ビル" and the floor: the parts of `entry`, as
// the fixture's dictionaries give them.
std::string PartsOf(const DirectoryEntry& entry) {
  const AddressParts& parts = entry.parts;
  std::string out;
  std::size_t at = 0;
  for (const std::size_t size :
       {parts.prefecture, parts.county, parts.city, parts.town, parts.building}) {
    out += (at == 0 ? "" : "|") + Utf8(std::string_view(entry.address).substr(at, size));
    at += size;
  }
  if (parts.floor == kAnyFloor) out += " any floor";
  if (parts.floor != kNoFloor && parts.floor != kAnyFloor)
    out += " floor " + std::to_string(parts.floor);
  return out;
}

TEST(ZipDictionaryEntries, TakesEveryKindOfEntryApart) {
  const std::vector<DirectoryEntry> entries =
      ZipDictionaryEntries(test::AreasText(), test::OfficesText());
  const struct {
    std::uint32_t code;
    std::string_view parts;  // of the code's first entry
  } cases[] = {
      {1000000, "東京都||千代田区||"},  // the ward's code for towns not listed
      {1000013, "東京都||千代田区|霞が関|"},
      {28089, "北海道|石狩郡|当別町|ビトエ|"},  // a county
      {3890102, "長野県|北佐久郡|軽井沢町|軽井沢|"},
      {10024, "北海道||札幌市北区|北二十四条西|"},                  // a ward of a city
      {1006012, "東京都||千代田区|霞が関|霞が関ビル floor 12"},     // a building's floor
      {1006090, "東京都||千代田区|霞が関|霞が関ビル any floor"},    // its basement and the rest
      {1706001, "東京都||豊島区|東池袋|サンシャイン６０ floor 1"},  // a blank before the floor
      // The floors name a wing the building's entry leaves out.
      {4506212, "愛知県||名古屋市中村区|名駅|ミッドランドスクエア floor 12"},
      {6040014, "京都府||京都市中京区|釜座通夷川下る大黒町|"},  // Kyoto: the street is the town's
      {4320000, "静岡県||浜松市中区||"},
      {4090142, "山梨県|北都留郡|小菅村||"},  // the note left out
      {7660001, "香川県|仲多度郡|琴平町||"},
      {18612, "北海道||札幌市北区|北二十四条西|"},  // an office, to its block number
      {208585, "岩手県||盛岡市|北飯岡|"},           // 四丁目 begins the block number
      {283692, "岩手県|紫波郡|矢巾町|大字南矢幅第|"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    const auto entry = std::find_if(entries.begin(), entries.end(), [&](const DirectoryEntry& e) {
      return e.code.value == c.code;
    });
    ASSERT_NE(entry, entries.end());
    EXPECT_EQ(PartsOf(*entry), c.parts);
  }
}

TEST(ZipDictionaryEntries, ShowsCleanedAddresses) {
  const PostalDirectory directory = test::FixtureDirectory();
  const auto first = [&](std::uint32_t code) { return Utf8(directory.Find({code}).at(0).address); };
  EXPECT_EQ(first(4090142), "山梨県北都留郡小菅村");
  EXPECT_EQ(first(7660001), "香川県仲多度郡琴平町");
  EXPECT_EQ(first(4506212), "愛知県名古屋市中村区名駅ミッドランドスクエア高層棟１２階");
  EXPECT_EQ(directory.Find({7660001}).size(), 2u);  // "琴平町" and "琴平町川西"
}

}  // namespace
}  // namespace ruvo::postal
