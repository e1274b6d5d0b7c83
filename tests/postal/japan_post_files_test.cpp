#include "postal/japan_post_files.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "japan_post_fixture.h"
#include "support/test_text.h"

namespace ruvo::postal {
namespace {

using test::Sj;
using test::Utf8;

// "東京都|千代田区|霞が関|霞が関ビル floor 12": the entry's parts as the
// file gives them, the rest of the shown address after "/".
std::string Described(const DirectoryEntry& entry) {
  const AddressParts& parts = entry.parts;
  std::string out;
  std::size_t at = 0;
  for (const std::size_t size :
       {parts.prefecture, parts.county, parts.city, parts.town, parts.building}) {
    out += (at == 0 ? "" : "|") + Utf8(std::string_view(entry.address).substr(at, size));
    at += size;
  }
  if (at < entry.address.size()) out += "/" + Utf8(std::string_view(entry.address).substr(at));
  if (parts.floor == kAnyFloor) out += " any floor";
  if (parts.floor != kNoFloor && parts.floor != kAnyFloor)
    out += " floor " + std::to_string(parts.floor);
  return out;
}

std::vector<std::string> DescribedEntries(const JapanPostFile& file) {
  std::vector<std::string> described;
  for (const DirectoryEntry& entry : file.entries)
    described.push_back(DigitsOf(entry.code) + " " + Described(entry));
  return described;
}

TEST(JapanPostFiles, ReadsEveryKindOfAreasRow) {
  const JapanPostFile file = ReadJapanPostFile(test::KenAllCsv(), "KEN_ALL.CSV");
  EXPECT_EQ(file.kind, JapanPostFileKind::Areas);
  EXPECT_EQ(file.skippedRows, 0u);
  EXPECT_EQ(DescribedEntries(file),
            (std::vector<std::string>{
                "1000000 東京都||千代田区||",  // 以下に掲載がない場合
                "1000013 東京都||千代田区|霞が関|",
                "1006012 東京都||千代田区|霞が関|霞が関ビル/（１２階） floor 12",
                "1006090 東京都||千代田区|霞が関|霞が関ビル/（地階・階層不明） any floor",
                "0610200 北海道|石狩郡|当別町||",
                "0028089 北海道|石狩郡|当別町|ビトエ|",
                "9790622 福島県|双葉郡|富岡町|毛萱|",  // two rows joined
                "7660002 香川県|仲多度郡|琴平町||",    // の次に…がくる場合
                "1001301 東京都||御蔵島村||",          // 御蔵島村一円
                "5220317 滋賀県|犬上郡|多賀町|一円|",  // a town named 一円
                "4500002 愛知県||名古屋市中村区|名駅|",
                // The wing in brackets is no part of the building's name.
                "4506212 愛知県||名古屋市中村区|名駅|ミッドランドスクエア/（１２階） floor 12",
                "6040014 京都府||京都市中京区|大黒町|",  // streets in brackets
                "4300946 静岡県||浜松市中央区|元城町|",
                "4340031 静岡県||浜松市浜名区|小林|",
            }));
}

TEST(JapanPostFiles, ReadsTheOfficesFileWithoutAbolishedCodes) {
  const JapanPostFile file = ReadJapanPostFile(test::JigyosyoCsv(), "JIGYOSYO.CSV");
  EXPECT_EQ(file.kind, JapanPostFileKind::Offices);
  EXPECT_EQ(
      DescribedEntries(file),
      (std::vector<std::string>{"1006051 東京都||千代田区|霞が関|/３－２－５霞が関ビル２３階",
                                "0208585 岩手県||盛岡市|北飯岡|/四丁目８番５０号",
                                "0283692 岩手県|紫波郡|矢巾町|大字南矢幅|/第１３地割１２３"}));
  EXPECT_EQ(Utf8(file.entries.front().office), "株式会社　ＪＴＢ法人東京　霞が関営業部");
}

TEST(JapanPostFiles, ReadsTheUtf8Edition) {
  // utf_ken_all.csv: the same columns, kana in full width, UTF-8.
  const std::string row =
      "13101,\"100  "
      "\",\"1000013\",\"トウキョウト\",\"チヨダク\",\"カスミガセキ\",\"東京都\",\"千代田区\","
      "\"霞が関（次のビルを除く）\",0,0,1,0,0,0\r\n";
  const JapanPostFile file = ReadJapanPostFile(row, "utf_ken_all.csv");
  ASSERT_EQ(file.entries.size(), 1u);
  EXPECT_EQ(Described(file.entries[0]), "東京都||千代田区|霞が関|");
  EXPECT_EQ(ReadJapanPostFile("\xEF\xBB\xBF" + row, "utf_ken_all.csv").entries.size(), 1u);  // BOM
}

TEST(JapanPostFiles, SkipsRowsThatBreakTheLayout) {
  const std::string rows =
      test::KenAllCsv() + Sj("13101,\"100  "
                             "\",\"100001\",\"ﾄｳｷｮｳﾄ\",\"ﾁﾖﾀﾞｸ\",\"ｶｽﾐｶﾞｾｷ\",\"東京都\","
                             "\"千代田区\",\"霞が関\",0,0,0,0,0,0\r\n"
                             "13101,\"100  \",\"1000013\",\"東京都\",\"千代田区\",\"霞が関\"\r\n"
                             "13101,\"100  "
                             "\",\"1000013\",\"ﾄｳｷｮｳﾄ\",\"ﾁﾖﾀﾞｸ\",\"ｶｽﾐｶﾞｾｷ\",\"東京\","
                             "\"千代田区\",\"霞が関\",0,0,0,0,0,0\r\n");
  const JapanPostFile file = ReadJapanPostFile(rows, "KEN_ALL.CSV");
  EXPECT_EQ(file.skippedRows, 3u);  // six digits; seven columns; no prefecture
  EXPECT_EQ(file.entries.size(), 15u);
}

TEST(JapanPostFiles, RefusesAFileThatIsNoneOfJapanPosts) {
  const struct {
    std::string_view name;
    std::string bytes;
  } cases[] = {
      {"orders.csv", Sj("郵便番号,住所1,氏名\r\n1050011,東京都港区芝公園,山田太郎\r\n")},
      {"empty.csv", ""},
      {"SKK-JISYO.zipcode", Sj("1050011 /東京都港区芝公園/\n")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(
        Utf8(test::MessageOf<JapanPostFileError>([&] { ReadJapanPostFile(c.bytes, c.name); })),
        std::string(c.name) +
            ": 日本郵便の郵便番号データ（KEN_ALL.CSV または JIGYOSYO.CSV）ではありません。");
  }
}

}  // namespace
}  // namespace ruvo::postal
