#include "journal/book_csv.h"

#include <gtest/gtest.h>

#include "batch/order_file.h"
#include "journal/shipment_export.h"
#include "support/test_text.h"

namespace ruvo::journal {
namespace {

using batch::CsvEncoding;
using test::Sj;

std::vector<Recipient> Book() {
  Recipient yamada;
  yamada.name = Sj("山田太郎");
  yamada.zip = "105-0011";
  yamada.address1 = Sj("東京都港区芝公園4-2-8");
  yamada.address2 = Sj("芝公園ビル, \"3階\"");  // a comma and quotes in a field
  yamada.tel = "03-1234-5678";
  Recipient kana;
  kana.name = Sj("ｶﾌﾞｼｷｶﾞｲｼｬ ソニック〓");  // 0x5C second byte, and a 〓 that was printed
  kana.zip = "530-0001";
  kana.address1 = Sj("大阪府大阪市北区梅田1-1");
  kana.address3 = Sj("受付\r\n気付");
  return {yamada, kana};
}

TEST(BookCsvTest, WrittenAndReadBackInEitherEncoding) {
  for (const CsvEncoding encoding : {CsvEncoding::kUtf8, CsvEncoding::kCp932}) {
    SCOPED_TRACE(batch::CsvEncodingName(encoding));
    const std::string csv = RecipientsCsv(Book(), encoding);
    const std::string header = "郵便番号,住所1,住所2,住所3,氏名,電話番号\r\n";
    EXPECT_EQ(csv.substr(0, encoding == CsvEncoding::kUtf8 ? 3 + header.size() : Sj(header).size()),
              encoding == CsvEncoding::kUtf8 ? "\xEF\xBB\xBF" + header : Sj(header));
    const RecipientsFile read = ReadRecipientsCsv(csv, std::nullopt, "book.csv");
    EXPECT_EQ(read.encoding, encoding);
    EXPECT_TRUE(read.problems.empty());
    EXPECT_EQ(read.recipients.size(), 2u);
    std::vector<Recipient> expected = Book();
    expected[1].address3 = Sj("受付 気付");  // one line of text, as a field holds it
    EXPECT_EQ(read.recipients, expected);
  }
}

// A book written here is an order file the batch reads as it is.
TEST(BookCsvTest, ExportedBookReadsAsAnOrderFile) {
  batch::OrderFileOptions options;
  options.context.slipDate = std::chrono::year(2026) / 3 / 15;
  const batch::OrderFile orders =
      batch::ReadOrderFile(RecipientsCsv(Book(), CsvEncoding::kUtf8), options);
  EXPECT_TRUE(orders.problems.empty());
  ASSERT_EQ(orders.orders.size(), 2u);
  EXPECT_EQ(orders.orders[0].slip.recipientName, Sj("山田太郎"));
}

// A shop's export with its own columns: the recipient's are taken under
// any of the order file's names, the rest left unused; codes are taken
// half-width, as the window's fields hold them.
TEST(BookCsvTest, ShopExportGivesItsRecipients) {
  const std::string csv =
      Sj("受注番号,お届け先郵便番号,お届け先住所1,お届け先住所2,お届け先名,お届け先電話番号,"
         "商品名,合計金額\r\n"
         "R-1001,１０５００１１,東京都港区芝公園4-2-8,,山田 太郎 "
         ",０３－１２３４－５６７８,本,1200\r\n");
  const RecipientsFile read = ReadRecipientsCsv(csv, std::nullopt, "orders.csv");
  EXPECT_TRUE(read.problems.empty());
  ASSERT_EQ(read.recipients.size(), 1u);
  EXPECT_EQ(read.recipients[0].zip, "105-0011");
  EXPECT_EQ(read.recipients[0].name, Sj("山田 太郎"));
  EXPECT_EQ(read.recipients[0].tel, "03-1234-5678");
}

TEST(BookCsvTest, RowsAndFilesItCannotTakeAreProblems) {
  const std::string header = "郵便番号,住所1,氏名\r\n";
  const struct {
    const char* name;
    std::string bytes;
    int row;
    const char* column;
    std::string reason;
  } cases[] = {
      {"no name column", Sj("郵便番号,住所1\r\n105-0011,東京都\r\n"), 1, "氏名",
       std::string(batch::reason::kMissingColumn)},
      {"no name", Sj(header + "105-0011,東京都, \r\n"), 2, "氏名",
       std::string(batch::reason::kEmpty)},
      {"a character Shift-JIS lacks", header + "105-0011,東京都,𠮷田\r\n", 2, "氏名",
       std::string(batch::reason::kNotInCp932)},
      {"81 bytes of name", Sj(header + "105-0011,東京都,") + std::string(81, 'a') + "\r\n", 2,
       "氏名", batch::reason::TooLong(80, 81)},
      {"a quote left open", Sj(header + "105-0011,\"東京都,山田\r\n"), 2, "",
       std::string(batch::reason::kUnclosedQuote)},
      {"a spreadsheet", std::string("PK\x03\x04\0\0", 6), 0, "",
       std::string(batch::reason::kBinary)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const RecipientsFile read = ReadRecipientsCsv(c.bytes, std::nullopt, "book.csv");
    EXPECT_TRUE(read.recipients.empty());
    ASSERT_EQ(read.problems.size(), 1u);
    EXPECT_EQ(read.problems[0], (batch::BatchProblem{"book.csv", c.row, Sj(c.column), c.reason}));
  }
}

TEST(ShipmentExportTest, OrderSlipNumberDateAndRecipientPerLine) {
  PrintedSlip printed;
  printed.orderNumber = "R-1001";
  printed.slipNumber = "123456789013";
  printed.printedAt = {std::chrono::sys_days(std::chrono::year(2026) / 3 / 15) +
                           std::chrono::hours(5) + std::chrono::minutes(5),
                       std::chrono::hours(9)};
  printed.slip.slipDate = std::chrono::year(2026) / 3 / 16;
  printed.slip.recipientZip = "105-0011";
  printed.slip.recipientAddress1 = Sj("東京都港区芝公園4-2-8");
  printed.slip.recipientName = Sj("山田太郎");
  printed.slip.recipientTel = "03-1234-5678";
  printed.slip.goods[0] = Sj("書籍");
  const std::string expected =
      "注文番号,伝票番号,出荷日,印刷日時,郵便番号,住所1,住所2,住所3,氏名,電話番号,品名1\r\n"
      "R-1001,123456789013,2026-03-16,2026-03-15 14:05:00,105-0011,東京都港区芝公園4-2-8,,,"
      "山田太郎,03-1234-5678,書籍\r\n";
  EXPECT_EQ(ShipmentsCsv({printed}, CsvEncoding::kCp932), Sj(expected));
  EXPECT_EQ(ShipmentsCsv({printed}, CsvEncoding::kUtf8), "\xEF\xBB\xBF" + expected);
}

}  // namespace
}  // namespace ruvo::journal
