#include "transfer/address_split.h"

#include <gtest/gtest.h>

#include "support/test_text.h"
#include "transfer/recipient_fields.h"

namespace ruvo {
namespace {

using test::Sj;
using test::Utf8;

struct SplitCase {
  std::string_view name;
  std::string_view line1, line2;
  std::string_view expected1, expected2;
};

void ExpectSplits(std::initializer_list<SplitCase> cases) {
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto [line1, line2] = SplitLongAddress(Sj(c.line1), Sj(c.line2));
    EXPECT_EQ(Utf8(line1), c.expected1);
    EXPECT_EQ(Utf8(line2), c.expected2);
    EXPECT_LE(line1.size(), kAddressLine1MaxBytes);
  }
}

TEST(SplitLongAddress, KeepsALineThatFits) {
  ExpectSplits({
      {"20 full-width characters, 40 bytes", "東京都港区芝公園四丁目二番八号東京タワ", "二階",
       "東京都港区芝公園四丁目二番八号東京タワ", "二階"},
      {"40 bytes with a blank", "山口県下関市竹崎町4-1-1 シーモールビル5F", "",
       "山口県下関市竹崎町4-1-1 シーモールビル5F", ""},
  });
}

TEST(SplitLongAddress, MovesTheBuildingToLineTwo) {
  ExpectSplits({
      {"after a block number in kanji", "東京都港区芝公園四丁目二番八号東京タワー前", "",
       "東京都港区芝公園四丁目二番八号", "東京タワー前"},
      {"after the block number, before a katakana building",
       "東京都港区芝公園4-2-8東京タワービル3F展望台", "", "東京都港区芝公園4-2-8",
       "東京タワービル3F展望台"},
      {"at the blank after the block number", "愛知県岡崎市本宿町字大木戸1-2 ハイツ岡崎101号室", "",
       "愛知県岡崎市本宿町字大木戸1-2", "ハイツ岡崎101号室"},
      {"full-width block number and blank", "愛知県岡崎市本宿町字大木戸１－２　ハイツ岡崎", "",
       "愛知県岡崎市本宿町字大木戸１－２", "ハイツ岡崎"},
      {"after the last block number, not a 条 before it",
       "北海道札幌市中央区北1条西2丁目1-1 札幌ビル", "", "北海道札幌市中央区北1条西2丁目1-1",
       "札幌ビル"},
      {"a kanji building without a mark", "北海道札幌市中央区北一条西二丁目一番地札幌市役所本庁舎",
       "", "北海道札幌市中央区北一条西二丁目一番地", "札幌市役所本庁舎"},
      {"before the room number of 号室", "愛知県岡崎市本宿町字大木戸二丁目1-2-1011号室", "",
       "愛知県岡崎市本宿町字大木戸二丁目1-2", "1011号室"},
      {"without a block number, at the katakana building",
       "愛知県岡崎市本宿町字大木戸サンシャイン本宿", "", "愛知県岡崎市本宿町字大木戸",
       "サンシャイン本宿"},
      {"before what line 2 held", "東京都港区芝公園四丁目二番八号東京タワー前", "二階",
       "東京都港区芝公園四丁目二番八号", "東京タワー前 二階"},
  });
}

TEST(SplitLongAddress, BreaksALongPlaceNameBetweenWords) {
  ExpectSplits({
      {"a katakana place is no building before the block number",
       "北海道虻田郡ニセコ町字ニセコアンヌプリ高原温泉1234番地", "", "北海道虻田郡ニセコ町",
       "字ニセコアンヌプリ高原温泉1234番地"},
      {"at the last blank", "鹿児島県鹿児島郡 十島村宝島字東大字西大字南大字北大字中央", "",
       "鹿児島県鹿児島郡", "十島村宝島字東大字西大字南大字北大字中央"},
      {"after the last 市区郡町村", "鹿児島県鹿児島郡十島村宝島字東大字西大字南大字北大字中央", "",
       "鹿児島県鹿児島郡十島村", "宝島字東大字西大字南大字北大字中央"},
      // No word boundary at all within 40 bytes: the last whole character.
      {"never half a character", std::string_view("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa東京"),
       "", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "東京"},
  });
}

TEST(AddressBreak, IsACharacterBoundaryWithinTheLimit) {
  // 41 bytes of two-byte characters and one ASCII letter in front.
  const std::string address = "a" + Sj("あいうえおかきくけこさしすせそたちつてと");
  const std::size_t cut = AddressBreak(address, kAddressLine1MaxBytes);
  EXPECT_EQ(cut, 1u);  // between the letter and the hiragana
  EXPECT_EQ(AddressBreak(Sj("あいうえおかきくけこさしすせそたちつてとな"), kAddressLine1MaxBytes),
            40u);
}

TEST(JoinAddressLines, PutsABlankBeforeTheBuildingOnly) {
  const auto join = [](std::initializer_list<std::string_view> lines) {
    std::vector<std::string> cp932;
    for (const std::string_view line : lines)
      cp932.push_back(Sj(line));
    return Utf8(JoinAddressLines(cp932));
  };
  EXPECT_EQ(join({"愛知県岡崎市本宿町1-2", "ハイツ岡崎101号室"}),
            "愛知県岡崎市本宿町1-2 ハイツ岡崎101号室");
  EXPECT_EQ(join({"東京都千代田区丸の内一丁目", "一番一号"}), "東京都千代田区丸の内一丁目一番一号");
  EXPECT_EQ(join({"東京都港区芝公園4-2-", "8"}), "東京都港区芝公園4-2-8");
  EXPECT_EQ(join({"西田二丁目14", "-2 ハイツ西田201"}), "西田二丁目14-2 ハイツ西田201");
  EXPECT_EQ(join({"二丁目14 ヴﾔ", "2F"}), "二丁目14 ヴﾔ 2F");  // "\x94\xD4" of "ヴﾔ" is no 番
  EXPECT_EQ(join({"山口県下関市", "竹崎町4-1-1"}),
            "山口県下関市 竹崎町4-1-1");  // TidyAddress drops it
  EXPECT_EQ(join({"", "港区"}), "港区");
}

}  // namespace
}  // namespace ruvo
