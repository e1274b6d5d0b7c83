#include "batch/order_rows.h"

#include <gtest/gtest.h>

#include "batch/order_file.h"
#include "batch/order_fixture.h"
#include "batch/order_values.h"
#include "postal/zip_dictionary_fixture.h"
#include "print/fake_text_measurer.h"
#include "support/temp_dir.h"

namespace ruvo::batch {
namespace {

using test::Sj;

class OrderRowsTest : public ::testing::Test {
 protected:
  OrderRowsTest() : postal_(test::FixtureDirectory()) { test::WriteSenders(folder_.path()); }

  // The first row of a file of kOrderHeader and `line` (UTF-8), its texts
  // measured by `measurer` when one is given.
  Order Row(const std::string& line, const TextMeasurer* measurer = nullptr) {
    OrderFileOptions options;
    options.context.senders = SenderBook::Load(folder_.path());
    options.context.selectedSender = 1;
    options.context.postal = &postal_;
    options.context.measurer = measurer;
    options.context.fitValues = {"360", "360", "", ""};
    file_ = ReadOrderFile(std::string(test::kOrderHeader) + line, std::move(options));
    EXPECT_TRUE(file_.problems.empty());
    return file_.orders.at(0);
  }

  test::TempDir folder_;
  postal::PostalDirectory postal_;
  OrderFile file_;
};

// Columns: 郵便番号,住所1,住所2,氏名,電話番号,品名1,個数,希望日,時間帯,依頼主
TEST_F(OrderRowsTest, EachBrokenValueIsReportedAtItsRowAndColumn) {
  const std::string g31(31, 'g');
  const struct {
    const char* name;
    std::string line;
    std::vector<std::pair<std::string, std::string>> problems;  // column, reason (UTF-8 column)
  } cases[] = {
      // A two-byte character that would end one byte past the limit.
      {"name over 80 bytes",
       "105-0011,東京都港区芝公園,,\"" + std::string(79, 'n') + "名\",,,1,,,",
       {{"氏名", reason::TooLong(80, 81)}}},
      {"goods over 30 bytes",
       "105-0011,東京都港区芝公園,,山田,," + g31 + ",1,,,",
       {{"品名1", reason::TooLong(30, 31)}}},
      {"postal code of six digits",
       "105001,東京都港区芝公園,,山田,,,1,,,",
       {{"郵便番号", std::string(reason::kBadZip)}}},
      {"postal code over 16 bytes",
       "10500111050011105,東京都港区芝公園,,山田,,,1,,,",
       {{"郵便番号", reason::TooLong(16, 17)}, {"郵便番号", std::string(reason::kBadZip)}}},
      {"empty name and address",
       "105-0011,,,,,,1,,,",
       {{"住所1", std::string(reason::kEmpty)}, {"氏名", std::string(reason::kEmpty)}}},
      {"quantity 0",
       "105-0011,東京都港区芝公園,,山田,,,0,,,",
       {{"個数", std::string(reason::kBadQuantity)}}},
      {"quantity 1000",
       "105-0011,東京都港区芝公園,,山田,,,1000,,,",
       {{"個数", std::string(reason::kBadQuantity)}}},
      {"quantity in words",
       "105-0011,東京都港区芝公園,,山田,,,二,,,",
       {{"個数", std::string(reason::kBadQuantity)}}},
      {"slot 6",
       "105-0011,東京都港区芝公園,,山田,,,1,,6,",
       {{"時間帯", reason::TimeSlotNotOnForm("6")}}},
      {"slot of no carrier",
       "105-0011,東京都港区芝公園,,山田,,,1,,11-13,",
       {{"時間帯", reason::TimeSlotNotOnForm("11-13")}}},
      {"no such day",
       "105-0011,東京都港区芝公園,,山田,,,1,2/30,,",
       {{"希望日", reason::UnreadableDate("2/30")}}},
      {"sender 11",
       "105-0011,東京都港区芝公園,,山田,,,1,,,11",
       {{"依頼主", std::string(reason::kBadSender)}}},
      {"sender without file",
       "105-0011,東京都港区芝公園,,山田,,,1,,,3",
       {{"依頼主", std::string(reason::kSenderUnreadable) + (folder_.path() / "my2.txt").string() +
                       ": No such file or directory"}}},
      {"code of another place",
       "105-0011,北海道札幌市中央区,,山田,,,1,,,",
       {{"郵便番号", std::string(reason::kZipMismatch) + Sj("〒105-0011 東京都港区芝公園")}}},
      {"character Shift-JIS lacks",
       "105-0011,東京都港区芝公園,,𠮷田,,,1,,,",
       {{"氏名", std::string(reason::kNotInCp932)}}},
      {"fields beyond the header",
       "105-0011,東京都港区芝公園,,山田,,,1,,,,extra",
       {{"", std::string(reason::kExtraFields)}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Order row = Row(c.line + "\r\n");
    std::vector<std::pair<std::string, std::string>> problems;
    for (const BatchProblem& problem : row.problems) {
      EXPECT_EQ(problem.row, 2);
      problems.emplace_back(test::Utf8(problem.column), problem.reason);
    }
    EXPECT_EQ(problems, c.problems);
  }
}

TEST_F(OrderRowsTest, ValuesAreHeldAsTheWindowsFieldsHoldThem) {
  // 21 full-width characters are too many for line 1: the building after
  // the block number goes to line 2, before what line 2 held.
  const Order row =
      Row("１０５００１１,東京都港区芝公園四丁目二番八号東京タワー前,二階,\"山田\n太郎\","
          "０３－１２３４－５６７８,"
          "書籍,００７,2026年3月5日,14→16時,2\r\n");
  EXPECT_TRUE(row.Printable());
  const SlipRecord& slip = row.slip;
  EXPECT_EQ(slip.recipientZip, "105-0011");
  EXPECT_EQ(slip.recipientAddress1, Sj("東京都港区芝公園四丁目二番八号"));
  EXPECT_EQ(slip.recipientAddress2, Sj("東京タワー前 二階"));
  EXPECT_EQ(slip.recipientName, Sj("山田 太郎"));  // the quoted line break folded
  EXPECT_EQ(slip.recipientTel, "03-1234-5678");
  EXPECT_EQ(slip.quantity, "7");
  EXPECT_EQ(slip.wishedMonth, "3");
  EXPECT_EQ(slip.wishedDay, "5");
  EXPECT_TRUE(slip.timeSlots[2]);
  EXPECT_EQ(slip.senderName, Sj("ルヴォ広島"));
  EXPECT_EQ(row.verdict, postal::ZipVerdict::Match);
}

TEST_F(OrderRowsTest, EmptyOptionalValuesTakeTheWindowsDefaults) {
  // A name of exactly 80 bytes and goods of exactly 30 fit.
  const Order row = Row("105-0011,東京都港区芝公園,," + std::string(78, 'n') + "名,," +
                        std::string(30, 'g') + ",,,,\r\n");
  EXPECT_TRUE(row.Printable());
  EXPECT_EQ(row.slip.quantity, "1");
  EXPECT_EQ(row.senderSlot, 1);  // the selected sender tab
  EXPECT_EQ(row.slip.timeSlots, (std::array<bool, kTimeSlotCount>{}));
}

TEST(OrderValuesTest, SenderByTabNumberOrCaption) {
  const struct {
    std::string text;
    int selected;
    std::optional<int> slot;
  } cases[] = {
      {"", 1, 1},
      {"依頼主3", 0, 2},
      {"１０", 0, 9},
      {"0", 0, std::nullopt},
      {"11", 0, std::nullopt},
      {"", 10, std::nullopt},  // a remembered tab that is no tab
      {"", -1, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text + " / " + std::to_string(c.selected));
    EXPECT_EQ(SenderSlot(Sj(c.text), c.selected), c.slot);
  }
}

TEST(OrderValuesTest, SlotsAndDatesInTheFormsShopsWrite) {
  const struct {
    std::string text;
    std::optional<int> slot;
  } slots[] = {
      {"", 0},
      {"1", 1},
      {"５", 5},
      {"10-12", 1},
      {"12～14", 2},
      {"14→16時", 3},
      {"16時-18時", 4},
      {"18:00-20:00", 5},
      {"0", std::nullopt},
      {"10-13", std::nullopt},
      {"20-22", std::nullopt},  // after the last slot
  };
  for (const auto& c : slots) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(TimeSlotNumber(Sj(c.text)), c.slot);
  }
  const struct {
    std::string text;
    std::optional<std::pair<std::string, std::string>> date;
  } dates[] = {
      {"3/15", {{"3", "15"}}},       {"03-05", {{"3", "5"}}},
      {"2028/02/29", {{"2", "29"}}}, {"2/29", {{"2", "29"}}},  // no year: any year that has the day
      {"2026/02/29", std::nullopt},  {"13/1", std::nullopt},
      {"3/0", std::nullopt},         {"26/3/1", std::nullopt},  // a year of two digits is no year
  };
  for (const auto& c : dates) {
    SCOPED_TRACE(c.text);
    const auto date = WishedDateOf(Sj(c.text));
    ASSERT_EQ(date.has_value(), c.date.has_value());
    if (date) {
      EXPECT_EQ(std::make_pair(date->month, date->day), *c.date);
    }
  }
}

// The complete slip is measured: a name wider than its box is a warning of
// the name's column, a sender's long name one of the sender's; the order
// prints all the same.
TEST_F(OrderRowsTest, TextWiderThanItsBoxIsAWarningOfItsColumn) {
  const test::FakeTextMeasurer measurer;
  const std::string line = test::OrderLine("山田太郎山田太郎山田太郎山田太郎山田太郎");
  const Order order = Row(line, &measurer);
  EXPECT_TRUE(order.Printable());
  ASSERT_EQ(order.warnings.size(), 1u);
  EXPECT_EQ(order.warnings[0].column, Sj("氏名"));
  EXPECT_EQ(order.warnings[0].reason, Sj("おなまえが枠に収まりません (3.6 mm はみ出します)"));
  EXPECT_TRUE(Row(line).warnings.empty());  // no measurer, no such check
  EXPECT_TRUE(Row(test::OrderLine("山田太郎"), &measurer).warnings.empty());
  settings::RegisterSender(
      folder_.path(), 1,
      {"730-0001", Sj("広島"), "", Sj("ルヴォ広島ルヴォ広島ルヴォ広島ルヴォ広島"), "082-123-4567"});
  const Order sender = Row(test::OrderLine("山田太郎"), &measurer);
  ASSERT_EQ(sender.warnings.size(), 1u);
  EXPECT_EQ(sender.warnings[0].column, Sj("依頼主"));
}

}  // namespace
}  // namespace ruvo::batch
