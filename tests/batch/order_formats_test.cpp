// Order files as shops' systems and spreadsheets write them: encodings and
// separators, column maps that join and leave columns, the recipient's
// columns before the buyer's, rows gathered into orders, and values in the
// forms shops write them.
#include <gtest/gtest.h>

#include "batch/order_file.h"
#include "batch/order_fixture.h"
#include "batch/order_values.h"
#include "support/temp_dir.h"

namespace ruvo::batch {
namespace {

using test::Sj;

// UTF-8 → UTF-16 with its byte-order mark, little- or big-endian.
std::string Utf16(std::string_view utf8, bool little) {
  std::string bytes = little ? "\xFF\xFE" : "\xFE\xFF";
  std::u16string units;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    char32_t point = c;
    if (length > 1) point &= static_cast<char32_t>(0xFFU >> (length + 1));
    for (std::size_t k = 1; k < length; ++k)
      point = (point << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    i += length;
    if (point >= 0x10000) {
      units += static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10));
      units += static_cast<char16_t>(0xDC00 + ((point - 0x10000) & 0x3FF));
    } else {
      units += static_cast<char16_t>(point);
    }
  }
  for (const char16_t unit : units) {
    const char low = static_cast<char>(unit & 0xFF);
    const char high = static_cast<char>(unit >> 8);
    bytes += little ? std::string{low, high} : std::string{high, low};
  }
  return bytes;
}

class OrderFormatsTest : public ::testing::Test {
 protected:
  OrderFormatsTest() { test::WriteSenders(folder_.path()); }

  OrderFile Read(std::string_view bytes, std::string_view mapUtf8 = {},
                 std::optional<CsvEncoding> encoding = std::nullopt) {
    OrderFileOptions options;
    options.fileName = "orders.csv";
    options.encoding = encoding;
    const ParsedColumnMap map = ParseColumnMap(Sj(mapUtf8));
    EXPECT_TRUE(map.problems.empty());
    options.columnMap = map.map;
    options.context.senders = SenderBook::Load(folder_.path());
    return ReadOrderFile(bytes, std::move(options));
  }

  test::TempDir folder_;
};

TEST_F(OrderFormatsTest, EncodingsAndSeparatorsAreToldFromTheBytes) {
  const std::string csv = "郵便番号,住所1,氏名\r\n105-0011,東京都港区芝公園4-2-8,山田 太郎\r\n";
  std::string tsv = csv;
  std::replace(tsv.begin(), tsv.end(), ',', '\t');
  const struct {
    const char* name;
    std::string bytes;
    std::optional<CsvEncoding> told;
    CsvEncoding encoding;
    char separator;
  } cases[] = {
      {"utf-8", csv, {}, CsvEncoding::kUtf8, ','},
      {"shift-jis", Sj(csv), {}, CsvEncoding::kCp932, ','},
      {"shift-jis, tabs", Sj(tsv), {}, CsvEncoding::kCp932, '\t'},
      {"excel unicode text", Utf16(tsv, true), {}, CsvEncoding::kUtf16Le, '\t'},
      {"utf-16be", Utf16(csv, false), {}, CsvEncoding::kUtf16Be, ','},
      {"utf-16le told", Utf16(tsv, true), CsvEncoding::kUtf16Le, CsvEncoding::kUtf16Le, '\t'},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const OrderFile file = Read(c.bytes, {}, c.told);
    EXPECT_EQ(file.encoding, c.encoding);
    EXPECT_EQ(file.separator, c.separator);
    EXPECT_TRUE(file.AllProblems().empty());
    ASSERT_EQ(file.orders.size(), 1u);
    EXPECT_EQ(file.orders[0].slip.recipientName, Sj("山田 太郎"));
    EXPECT_EQ(file.orders[0].slip.recipientAddress1, Sj("東京都港区芝公園4-2-8"));
  }
}

// A few damaged bytes leave a UTF-8 file UTF-8: the good rows read, the
// fields holding the bytes are named by row and column.
TEST_F(OrderFormatsTest, Utf8WithAFewBadBytesStaysUtf8AndNamesThem) {
  std::string csv = "郵便番号,住所1,氏名\r\n";
  for (int i = 0; i < 9; ++i)
    csv += "105-0011,東京都港区芝公園,注文者" + std::to_string(i) + "\r\n";
  csv += "105-0011,東京都港区\xE8\x8A,山田\r\n";
  const OrderFile file = Read(csv);
  EXPECT_EQ(file.encoding, CsvEncoding::kUtf8);
  const auto problems = file.AllProblems();
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].row, 11);
  EXPECT_EQ(problems[0].column, Sj("住所1"));
  EXPECT_EQ(problems[0].reason, reason::kUnreadableBytes);
  EXPECT_EQ(file.orders[8].slip.recipientName, Sj("注文者8"));
}

// A quote inside an unquoted field of a tab-separated report is text.
TEST_F(OrderFormatsTest, QuoteInsideATabSeparatedFieldIsText) {
  const OrderFile file =
      Read(Sj("郵便番号\t住所1\t氏名\t品名1\r\n"
              "105-0011\t東京都港区芝公園\t山田\t15\" モニター\r\n"));
  EXPECT_TRUE(file.AllProblems().empty());
  ASSERT_EQ(file.orders.size(), 1u);
  EXPECT_EQ(file.orders[0].slip.goods[0], Sj("15\" モニター"));
}

TEST_F(OrderFormatsTest, MapsJoinColumnsAndLeaveTheRestUnused) {
  const std::string header = "受付番号,〒1,〒2,姓,名,県,市,番地,建物,メモ\r\n";
  const struct {
    const char* name;
    std::string map;
    std::string row;
    std::string zip, name_, address1, address2;
    std::vector<std::string> unused;
  } cases[] = {
      {"joined with literals",
       "郵便番号 = 〒1 + \"-\" + 〒2\n氏名 = 姓 + \" \" + 名\n住所1 = 県 + 市 + 番地\n"
       "住所2 = 建物\n注文番号 = 受付番号\n",
       "A-1,105,0011,山田,花子,東京都,港区,芝公園4-2-8,タワー3F,急ぎ\r\n",
       "105-0011",
       "山田 花子",
       "東京都港区芝公園4-2-8",
       "タワー3F",
       {"メモ"}},
      // A literal stands only between two columns holding text.
      {"empty column drops its literal",
       "郵便番号 = 〒1 + \"-\" + 〒2\n氏名 = 姓 + \" \" + 名\n住所1 = 県 + 市 + 番地\n",
       "A-2,105,0011,山田,,東京都,港区,芝公園4-2-8,,\r\n",
       "105-0011",
       "山田",
       "東京都港区芝公園4-2-8",
       "",
       {"受付番号", "建物", "メモ"}},
      // The first alternative whose columns the file has all of.
      {"alternatives",
       "郵便番号 = 郵便 | 〒1 + \"-\" + 〒2\n氏名 = 姓\n住所1 = 県 + 市 + 番地\nメモ = -\n",
       "A-3,105,0011,山田,花子,東京都,港区,芝公園4-2-8,,\r\n",
       "105-0011",
       "山田",
       "東京都港区芝公園4-2-8",
       "",
       {"受付番号", "名", "建物"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const OrderFile file = Read(Sj(header + c.row), c.map);
    EXPECT_TRUE(file.AllProblems().empty());
    ASSERT_EQ(file.orders.size(), 1u);
    const SlipRecord& slip = file.orders[0].slip;
    EXPECT_EQ(slip.recipientZip, c.zip);
    EXPECT_EQ(slip.recipientName, Sj(c.name_));
    EXPECT_EQ(slip.recipientAddress1, Sj(c.address1));
    EXPECT_EQ(slip.recipientAddress2, Sj(c.address2));
    std::vector<std::string> unused;
    for (const std::string& column : file.unusedColumns)
      unused.push_back(test::Utf8(column));
    EXPECT_EQ(unused, c.unused);
  }
  // A map line naming a column the file lacks: the map was written for
  // another file; the field it was to give is then missing too.
  const OrderFile other = Read(Sj(header + "A,105,0011,山田,,東京都,港区,1,,\r\n"),
                               "郵便番号 = 郵便番号1 + 郵便番号2\n氏名 = 姓\n住所1 = 県\n");
  ASSERT_EQ(other.problems.size(), 2u);
  EXPECT_EQ(other.problems[0].column, Sj("郵便番号1"));
  EXPECT_EQ(other.problems[0].reason, reason::kMissingColumn);
  EXPECT_EQ(other.problems[1].column, Sj("郵便番号"));
  EXPECT_TRUE(other.PrintableSlips().empty());
}

// A shop's file with the buyer's and the recipient's columns: the
// recipient's are read, whatever their order; Rakuten's 送付先名 (the given
// name alone) is no name.
TEST_F(OrderFormatsTest, RecipientsColumnsWinOverTheBuyers) {
  const OrderFile file =
      Read(Sj("郵便番号,住所,氏名,お届け先郵便番号,お届け先住所,お届け先氏名,送付先名\r\n"
              "530-0001,大阪府大阪市北区梅田1-1,鈴木 一郎,105-0011,東京都港区芝公園4-2-8,"
              "山田 花子 様,花子\r\n"));
  EXPECT_TRUE(file.AllProblems().empty());
  ASSERT_EQ(file.orders.size(), 1u);
  const SlipRecord& slip = file.orders[0].slip;
  EXPECT_EQ(slip.recipientZip, "105-0011");
  EXPECT_EQ(slip.recipientAddress1, Sj("東京都港区芝公園4-2-8"));
  EXPECT_EQ(slip.recipientName, Sj("山田 花子"));
}

// Rows of one order make one slip: the same order number anywhere in the
// file, or rows without an address under one that has it; goods lines from
// the items, 個数 the parcels.
TEST_F(OrderFormatsTest, RowsOfOneOrderMakeOneSlip) {
  const OrderFile numbered =
      Read(Sj("注文番号,郵便番号,住所1,氏名,商品名,数量\r\n"
              "A1,105-0011,東京都港区芝公園,山田,りんごジュース 1L,3\r\n"
              "B2,100-0013,東京都千代田区霞が関,田中,緑茶,1\r\n"
              "A1,105-0011,東京都港区芝公園,山田,みかん 10kg 箱入り 贈答用 特選品,1\r\n"
              "A1,105-0011,東京都港区芝公園,山田,ぶどう,1\r\n"
              "A1,105-0011,東京都港区芝公園,山田,もも,2\r\n"));
  EXPECT_TRUE(numbered.AllProblems().empty());
  ASSERT_EQ(numbered.orders.size(), 2u);
  const Order& a1 = numbered.orders[0];
  EXPECT_EQ(a1.rowCount, 4u);
  EXPECT_EQ(a1.lastRow, 6);
  EXPECT_EQ(a1.slip.goods[0], Sj("りんごジュース 1L"));
  EXPECT_EQ(a1.slip.goods[1], Sj("みかん 10kg 箱入り 贈答用 特選"));  // 30 bytes
  EXPECT_EQ(a1.slip.goods[2], Sj("ぶどう 他1点"));
  EXPECT_EQ(a1.slip.quantity, "1");  // one parcel, however many items
  const OrderFile continued =
      Read(Sj("郵便番号,住所1,氏名,商品名\r\n"
              "105-0011,東京都港区芝公園,山田,本\r\n"
              ",,,ノート\r\n"
              "100-0013,東京都千代田区霞が関,田中,ペン\r\n"));
  ASSERT_EQ(continued.orders.size(), 2u);
  EXPECT_EQ(continued.orders[0].slip.goods[1], Sj("ノート"));
  EXPECT_EQ(continued.orders[1].slip.recipientName, Sj("田中"));
  // A later row of an order naming another recipient is that row's problem.
  const OrderFile differing =
      Read(Sj("注文番号,郵便番号,住所1,氏名\r\n"
              "A1,105-0011,東京都港区芝公園,山田\r\n"
              "A1,100-0013,東京都千代田区霞が関,田中\r\n"));
  ASSERT_EQ(differing.orders.size(), 1u);
  ASSERT_EQ(differing.orders[0].problems.size(), 1u);
  EXPECT_EQ(differing.orders[0].problems[0].row, 3);
  EXPECT_EQ(differing.orders[0].problems[0].reason, reason::kRecipientDiffers);
}

// Columns a platform's published layout has and its preset must read: the
// carriers' 品名 columns are the slip's goods lines as they stand, and the
// order report Seller Central schedules gives the wished date under its own
// name.
TEST_F(OrderFormatsTest, PresetsReadTheGoodsAndDateColumnsTheirLayoutsPublish) {
  const struct {
    const char* layout;
    std::string csv;
    std::array<std::string, 3> goods;
    std::string month, day;
  } cases[] = {
      {"B2クラウド",
       "お客様管理番号,お届け予定日,配達時間帯,お届け先電話番号,お届け先郵便番号,お届け先住所,"
       "お届け先アパートマンション名,お届け先名,品名コード１,品名１,品名コード２,品名２,"
       "発行枚数\r\n"
       "B2-1,2026/12/10,1416,03-3433-5111,105-0011,東京都港区芝公園4-2-8,,山田 太郎,T1,煎茶,,"
       "カステラ,1\r\n",
       {"煎茶", "カステラ", ""},
       "12",
       "10"},
      {"e飛伝II",
       "住所録コード,お届け先電話番号,お届け先郵便番号,お届け先住所１,お届け先住所２,"
       "お届け先住所３,"
       "お届け先名称１,お届け先名称２,お客様管理ナンバー,品名１,品名２,品名３,品名４,品名５,"
       "出荷個数,"
       "配達日\r\n"
       ",03-3433-5111,105-0011,東京都港区芝公園,4-2-8,,山田 太郎,,SG-1,煎茶,カステラ,羊羹,最中,"
       "饅頭,2,20261210\r\n",
       {"煎茶", "カステラ", "羊羹 最中 饅頭"},
       "12",
       "10"},
      {"e飛伝III",
       "お届け先コード取得区分,お届け先コード,お届け先電話番号,お届け先郵便番号,お届け先住所１,"
       "お届け先住所２,お届け先住所３,お届け先名称１,お届け先名称２,お客様管理番号,品名１,品名２,"
       "品名３,"
       "品名４,品名５,出荷個数,配達日\r\n"
       ",,03-3433-5111,105-0011,東京都港区芝公園,4-2-8,,山田 太郎,,SG-2,煎茶,,,,,1,20261210\r\n",
       {"煎茶", "", ""},
       "12",
       "10"},
      {"Amazon 注文レポート",
       "order-id\torder-item-id\tbuyer-name\tproduct-name\tquantity-purchased\trecipient-name\t"
       "ship-address-1\tship-city\tship-state\tship-postal-code\tship-phone-number\t"
       "delivery-start-date\tdelivery-end-date\tdelivery-time-zone\n"
       "503-1\t1\t佐藤 花子\t煎茶\t1\t山田 太郎\t芝公園4-2-8\t港区\t東京都\t105-0011\t"
       "0334335111\t2026-12-12T18:00:00+09:00\t2026-12-12T20:00:00+09:00\tAsia/Tokyo\n",
       {"煎茶", "", ""},
       "12",
       "12"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.layout);
    const OrderFile file = Read(Sj(c.csv));
    EXPECT_TRUE(file.AllProblems().empty());
    ASSERT_EQ(file.orders.size(), 1u);
    const SlipRecord& slip = file.orders[0].slip;
    for (std::size_t line = 0; line < slip.goods.size(); ++line)
      EXPECT_EQ(slip.goods[line], Sj(c.goods[line])) << "goods line " << line + 1;
    EXPECT_EQ(slip.wishedMonth, c.month);
    EXPECT_EQ(slip.wishedDay, c.day);
  }
}

TEST(OrderValuesTest, ValuesAsShopsWriteThem) {
  const struct {
    std::string text;
    std::string zip;
  } zips[] = {
      {"'073-0406", "073-0406"},
      {"〒105-0011", "105-0011"},
      {"１０５００１１", "105-0011"},
      {"'1050011", "105-0011"},
      {"105", "105"},
      // Split columns a spreadsheet took for numbers lost their zeros.
      {"60-0001", "060-0001"},
      {"1-0010", "001-0010"},
      {"600-001", "600-001"},
  };
  for (const auto& c : zips) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(SlipPostalCode(Sj(c.text)), c.zip);
  }
  const struct {
    std::string text;
    bool boxNumbers;
    std::optional<int> slot;
  } slots[] = {
      {"1416", false, 3},
      {"1618", false, 4},
      {"0812", false, std::nullopt},
      {"1921", false, std::nullopt},
      {"0", false, 0},
      {"14", false, 3},
      {"3", true, 3},
      {"3", false, std::nullopt},
      {"午前中", false, std::nullopt},
      {"指定なし", false, 0},
      {"12時頃～14時頃", false, 2},
      {"１４：００－１６：００", false, 3},
  };
  for (const auto& c : slots) {
    SCOPED_TRACE(c.text + (c.boxNumbers ? " (boxes)" : ""));
    EXPECT_EQ(TimeSlotNumber(Sj(c.text), c.boxNumbers), c.slot);
  }
  const struct {
    std::string text;
    std::optional<std::pair<std::string, std::string>> date;
  } dates[] = {
      {"20261210", {{"12", "10"}}},         {"2026-12-12T14:00:00+09:00", {{"12", "12"}}},
      {"2026年12月5日(土)", {{"12", "5"}}}, {"最短日", {{"", ""}}},
      {"20261310", std::nullopt},           {"来週", std::nullopt},
  };
  for (const auto& c : dates) {
    SCOPED_TRACE(c.text);
    const auto date = WishedDateOf(Sj(c.text));
    ASSERT_EQ(date.has_value(), c.date.has_value());
    if (date) {
      EXPECT_EQ(std::make_pair(date->month, date->day), *c.date);
    }
  }
  EXPECT_EQ(SlipTelephone("'+81 90-1234-5678"), "090-1234-5678");
  // The leading 0 a spreadsheet dropped from a number's first part comes
  // back; a number too short to have lost one stays as written.
  EXPECT_EQ(SlipTelephone("3-3433-5111"), "03-3433-5111");
  EXPECT_EQ(SlipTelephone("9012345678"), "09012345678");
  EXPECT_EQ(SlipTelephone("3433-5111"), "3433-5111");
  EXPECT_EQ(PrefectureOfCode("JP-13"), Sj("東京都"));
  EXPECT_EQ(FamilyNameFirst(Sj("太郎 山田")), Sj("山田 太郎"));
  EXPECT_EQ(FamilyNameFirst("Taro Yamada"), "Taro Yamada");
}

// A time the form has no box for is refused with the value and the boxes
// the form has; names lose their honorific.
TEST_F(OrderFormatsTest, RefusedSlotSaysTheValueAndHonorificsGo) {
  const OrderFile file =
      Read(Sj("郵便番号,住所1,氏名,時間帯\r\n"
              "105-0011,東京都港区芝公園,山田 太郎 様,午前中\r\n"
              "105-0011,東京都港区芝公園,株式会社ルヴォ 御中,19-21時\r\n"));
  ASSERT_EQ(file.orders.size(), 2u);
  ASSERT_EQ(file.orders[0].problems.size(), 1u);
  EXPECT_EQ(test::Utf8(file.orders[0].problems[0].reason),
            "時間帯「午前中」はこの送り状に印刷できません(印刷できるのは 10→12時、12→14時、"
            "14→16時、16→18時、18→20時)");
  EXPECT_EQ(file.orders[0].slip.recipientName, Sj("山田 太郎"));
  EXPECT_EQ(file.orders[1].slip.recipientName, Sj("株式会社ルヴォ"));
  EXPECT_EQ(file.orders[1].timeSlot, Sj("19-21時"));
}

}  // namespace
}  // namespace ruvo::batch
