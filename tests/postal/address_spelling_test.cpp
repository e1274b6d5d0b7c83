#include "postal/address_spelling.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace ruvo::postal {
namespace {

using test::Sj;
using test::Utf8;

TEST(AddressSpelling, SpellingsOfOnePlaceCompareEqual) {
  const struct {
    std::string_view a;  // UTF-8
    std::string_view b;
  } cases[] = {
      {"霞ヶ関", "霞ケ関"},                           // small ke
      {"霞ヶ関", "霞が関"},                           // ga
      {"霞ヶ関", "霞ｹ関"},                            // half-width ke
      {"霞ヶ関", "霞ヵ関"},                           // small ka
      {"湯之沢", "湯の沢"},                           // kanji no
      {"湯之沢", "湯ノ沢"},                           // katakana no
      {"湯之沢", "湯ﾉ沢"},                            // half-width katakana no
      {"芝公園１－２－３", "芝公園1-2-3"},            // digits and hyphen, full width
      {"芝公園1‐2", "芝公園1-2"},                     // short hyphen
      {"東京都 港区　芝\t公園", "東京都港区芝公園"},  // blanks of every kind
      {"北二十四条西", "北24条西"},                   // numbered district
      {"北十条", "北10条"},                           // ten alone
      {"南十五条", "南15条"},                         // ten and a unit
      {"北二十条", "北20条"},                         // tens without unit
      {"花巻市東十二丁目", "花巻市東12丁目"},         // numbered block
      {"東旭川町上兵村九線", "東旭川町上兵村9線"},    // numbered farmland line
      {"北二十四条西", "北２４条西"},                 // district digits full-width
      {"軽井沢町大字軽井沢", "軽井沢町軽井沢"},       // 大字 written or left out
      {"寺内字イサノ", "寺内イサノ"},                 // 字 likewise
      {"烏丸通四条上ル", "烏丸通四条上る"},           // Kyoto's ways, katakana or kana
      {"烏丸通四条上がる", "烏丸通四条上る"},         // with が
      {"釜座通夷川下ル", "釜座通夷川下る"},           // south
      {"夷川通釜座東入ル", "夷川通釜座東入"},         // east, with or without ル
      {"夷川通釜座西入る", "夷川通釜座西入"},         // west
      {"寺町通二条入ル", "寺町通二条入る"},           // in from the street
      {"北飯岡四丁目８－５０", "北飯岡4丁目8-50"},    // kanji block number
      {"ＪＡビル１２Ｆ", "JAビル12f"},                // letters of either width and case
      {"丸の内ビルディング", "丸の内ビル"},           // the building's long word
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " / " + std::string(c.b));
    EXPECT_EQ(Utf8(ComparableAddress(Sj(c.a))), Utf8(ComparableAddress(Sj(c.b))));
  }
}

TEST(AddressSpelling, LeavesNamesAndLookalikeBytesAlone) {
  const std::string_view cases[] = {
      "鳥取県",        // 鳥 is 92 B9: its trail byte is half-width ｹ
      "伊勢市",        // 伊 is 88 C9: its trail byte is half-width ﾉ
      "八王子市",      // kanji numbers in names
      "三重県",        // a prefecture that begins with a kanji number
      "九十九里町",    // "九十九" is no number of 1 to 99
      "一二条",        // no number either, though a district word follows
      "千代田",        // thousands are names only
      "ハイツ芝公園",  // katakana other than ke and no
  };
  for (const std::string_view text : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(Utf8(ComparableAddress(Sj(text))), text);
  }
}

TEST(AddressSpelling, EveryVariantRowReplacesItsCharacterOnly) {
  const std::string before = Sj("東");
  const std::string after = Sj("京");
  for (const SpellingVariant& row : SpellingVariants()) {
    SCOPED_TRACE(row.reason);
    EXPECT_EQ(ComparableAddress(before + std::string(row.from) + after),
              before + std::string(row.to) + after);
  }
}

TEST(AddressSpelling, EveryWordRowReplacesItsWordOnly) {
  const std::string before = Sj("芝");  // no word's first character with 芝
  const std::string after = Sj("京");
  for (const SpellingVariant& row : SpellingWords()) {
    SCOPED_TRACE(row.reason);
    EXPECT_EQ(ComparableAddress(before + std::string(row.from) + after),
              before + std::string(row.to) + after);
  }
}

TEST(AddressSpelling, ApplyingTwiceChangesNothingMore) {
  const std::string text = Sj("北海道 札幌市北区北二十四条西６丁目１番１号 霞ヶ関ﾉ");
  const std::string once = ComparableAddress(text);
  EXPECT_EQ(ComparableAddress(once), once);
}

TEST(AddressSpelling, BlockNumberStartsAtTheFirstNumberThatNamesNoDistrict) {
  const struct {
    std::string_view address;  // UTF-8
    std::string_view before;   // what comes before the block number
  } cases[] = {
      {"北海道札幌市北区北二十四条西６丁目１番１号",
       "北海道札幌市北区北二十四条西"},                              // 条 is a district's
      {"札幌市北区北24条西6-1-1", "札幌市北区北24条西"},             // in digits
      {"東旭川町上兵村九線", "東旭川町上兵村九線"},                  // 線, and no number
      {"岩手県盛岡市北飯岡四丁目８番５０号", "岩手県盛岡市北飯岡"},  // kanji before 丁目
      {"東京都千代田区丸の内2-7-2", "東京都千代田区丸の内"},
      {"京都市上京区堀川通寺之内上る４丁目天神北町１番地",
       "京都市上京区堀川通寺之内上る４丁目天神北町"},
      {"八王子市", "八王子市"},  // a name's kanji number
      {"一二丁目", "一二丁目"},  // kanji that are no number
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.address);
    const std::string address = Sj(c.address);
    EXPECT_EQ(Utf8(address.substr(0, BlockNumberStart(address))), c.before);
  }
  EXPECT_EQ(
      Utf8(ComparableAddressBeforeBlockNumber(Sj("北海道札幌市北区北二十四条西６丁目１番１号"))),
      "北海道札幌市北区北24条西");
}

}  // namespace
}  // namespace ruvo::postal
