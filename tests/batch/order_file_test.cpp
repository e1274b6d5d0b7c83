#include "batch/order_file.h"

#include <gtest/gtest.h>

#include <chrono>

#include "batch/order_fixture.h"
#include "support/temp_dir.h"

namespace ruvo::batch {
namespace {

using test::Sj;

struct Found {
  int row;
  std::string column;  // UTF-8
  std::string reason;
  bool operator==(const Found&) const = default;
};

std::vector<Found> Problems(const OrderFile& file) {
  std::vector<Found> found;
  for (const BatchProblem& problem : file.AllProblems())
    found.push_back({problem.row, test::Utf8(problem.column), problem.reason});
  return found;
}

class OrderFileTest : public ::testing::Test {
 protected:
  OrderFileTest() { test::WriteSenders(folder_.path()); }

  OrderFile Read(std::string_view bytes, ColumnMap map = {},
                 std::optional<CsvEncoding> encoding = std::nullopt) {
    OrderFileOptions options;
    options.fileName = "orders.csv";
    options.encoding = encoding;
    options.columnMap = std::move(map);
    options.context.senders = SenderBook::Load(folder_.path());
    return ReadOrderFile(bytes, std::move(options));
  }

  test::TempDir folder_;
};

TEST_F(OrderFileTest, Utf8WithOrWithoutBomAndShiftJisReadAlike) {
  const std::string utf8 = test::OrderFileOf(2);
  const struct {
    const char* name;
    std::string bytes;
    std::optional<CsvEncoding> told;
    CsvEncoding encoding;
  } cases[] = {
      {"utf-8", utf8, {}, CsvEncoding::kUtf8},
      {"utf-8 with bom", "\xEF\xBB\xBF" + utf8, {}, CsvEncoding::kUtf8},
      {"shift-jis", Sj(utf8), {}, CsvEncoding::kCp932},
      // Told it is CP932, the mark still does not stick to the first header.
      {"bom, told cp932", "\xEF\xBB\xBF" + Sj(utf8), CsvEncoding::kCp932, CsvEncoding::kCp932},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const OrderFile file = Read(c.bytes, {}, c.told);
    EXPECT_EQ(file.encoding, c.encoding);
    EXPECT_EQ(Problems(file), std::vector<Found>{});
    ASSERT_EQ(file.orders.size(), 2u);
    EXPECT_EQ(file.orders[1].slip.recipientName, Sj("注文者2"));
    EXPECT_EQ(file.orders[1].row, 3);
  }
}

TEST_F(OrderFileTest, EncodingGivenOverridesTheGuess) {
  // Shift-JIS "ｱｲ" (B1 B2) is no UTF-8; told so, it is read as UTF-8 and
  // its bytes are no characters, which the slip cannot print.
  const OrderFile file = Read(std::string(test::kOrderHeader) + "105-0011,\xB1\xB2,,x,,,,,,\r\n",
                              {}, CsvEncoding::kUtf8);
  EXPECT_EQ(Problems(file),
            (std::vector<Found>{{2, "住所1", std::string(reason::kUnreadableBytes)}}));
}

TEST_F(OrderFileTest, HeadersByAliasesAndByTheColumnMap) {
  const ParsedColumnMap map =
      ParseColumnMap(Sj("# 受注システムの列\r\nお客様名 = 氏名\r\n注文番号 = -\r\n〒番号=zip\r\n"));
  ASSERT_EQ(map.problems.size(), 0u);
  const OrderFile file = Read(Sj("注文番号,〒番号,ＡＤＤＲＥＳＳ１, お客様名 ,品名\r\n"
                                 "A1,105-0011,東京都港区芝公園,山田,本\r\n"),
                              map.map);
  EXPECT_EQ(Problems(file), std::vector<Found>{});
  ASSERT_EQ(file.orders.size(), 1u);
  EXPECT_EQ(file.orders[0].slip.recipientName, Sj("山田"));
  EXPECT_EQ(file.orders[0].slip.goods[0], Sj("本"));
}

// A shop's order number is read with each row (never printed: the journal
// keeps it with the slip); a row without one has none.
TEST_F(OrderFileTest, OrderNumberIsReadWithEachRow) {
  const OrderFile file =
      Read(Sj("受注番号,郵便番号,住所1,氏名\r\n"
              "R-1001,105-0011,東京都港区芝公園,山田\r\n"
              ",105-0011,東京都港区芝公園,田中\r\n"));
  EXPECT_EQ(Problems(file), std::vector<Found>{});
  ASSERT_EQ(file.orders.size(), 2u);
  EXPECT_EQ(file.orders[0].orderNumber, "R-1001");
  EXPECT_EQ(file.orders[1].orderNumber, "");
}

TEST_F(OrderFileTest, FileAndHeaderProblemsStopEverySlip) {
  const struct {
    const char* name;
    std::string bytes;
    std::vector<Found> problems;
  } cases[] = {
      {"empty file", "", {{0, "", std::string(reason::kEmptyFile)}}},
      {"header alone", Sj("郵便番号,住所1,氏名\r\n"), {{0, "", std::string(reason::kNoRows)}}},
      {"binary file", std::string("PK\x03\x04\0\0", 6), {{0, "", std::string(reason::kBinary)}}},
      {"missing name column",
       Sj("郵便番号,住所1\r\n105-0011,東京都\r\n"),
       {{1, "氏名", std::string(reason::kMissingColumn)}}},
      {"two name columns",
       Sj("郵便番号,住所1,氏名,name\r\n105-0011,東京都,山田,y\r\n"),
       {{1, "name", std::string(reason::kDuplicateColumn)}}},
      {"quote never closed",
       Sj("郵便番号,住所1,氏名\r\n105-0011,東京都,\"山田\r\n"),
       {{2, "", std::string(reason::kUnclosedQuote)}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const OrderFile file = Read(c.bytes);
    EXPECT_EQ(Problems(file), c.problems);
    EXPECT_TRUE(file.PrintableSlips().empty());
    for (const BatchProblem& problem : file.problems)
      EXPECT_EQ(problem.file, "orders.csv");
  }
}

TEST_F(OrderFileTest, MapLinesThatSayNothingKnownAreProblems) {
  const ParsedColumnMap map = ParseColumnMap(Sj("お客様名 氏名\r\n\r\nのし = 包装\r\n"));
  ASSERT_EQ(map.problems.size(), 2u);
  EXPECT_EQ(map.problems[0].row, 1);
  EXPECT_EQ(map.problems[0].reason, reason::kMapNoEquals);
  EXPECT_EQ(map.problems[1].row, 3);
  EXPECT_EQ(map.problems[1].reason, reason::kMapUnknownField);
}

TEST_F(OrderFileTest, LoadNamesTheFilesAndTakesTheFoldersColumnMap) {
  test::PutFile(folder_ / std::string(kColumnMapFileName), Sj("お客様名 = 氏名\r\n"));
  test::PutFile(folder_ / "orders.csv", Sj("郵便番号,住所1,お客様名\r\n105-0011,東京都,\r\n"));
  const OrderFile file =
      LoadOrderFile({folder_ / "orders.csv", {}, {}, folder_.path(), 0, nullptr, {}});
  ASSERT_EQ(file.orders.size(), 1u);
  ASSERT_EQ(file.orders[0].problems.size(), 1u);
  EXPECT_EQ(file.orders[0].problems[0].file, (folder_ / "orders.csv").string());
  EXPECT_EQ(file.orders[0].problems[0].column, Sj("お客様名"));
  EXPECT_THROW(LoadOrderFile({folder_ / "none.csv", {}, {}, folder_.path(), 0, nullptr, {}}),
               settings::FileReadError);
}

TEST_F(OrderFileTest, HundredThousandRowsAreReadWithTheLastInPlace) {
  const OrderFile file = Read(Sj(test::OrderFileOf(100000)));
  ASSERT_EQ(file.orders.size(), 100000u);
  EXPECT_EQ(file.orders.back().row, 100001);
  EXPECT_EQ(file.orders.back().slip.recipientName, Sj("注文者100000"));
  EXPECT_EQ(file.PrintableSlips().size(), 100000u);
}

}  // namespace
}  // namespace ruvo::batch
