#include "journal/duplicate_check.h"

#include "journal/journal_fixture.h"

namespace ruvo::journal {
namespace {

using test::SlipTo;
using test::TokyoTime;

class DuplicateTest : public test::JournalTest {
 protected:
  // A slip printed at `when`, on the journal's clock.
  void PrintedAt(std::chrono::system_clock::time_point when, SlipRecord slip) {
    const auto now = now_;
    now_ = when;
    Record(std::move(slip));
    now_ = now;
  }
};

TEST_F(DuplicateTest, SameParcelEarlierTheSameDayIsFound) {
  PrintedAt(TokyoTime(2026, 3, 14, 23, 59), SlipTo("山田太郎"));  // the day before
  PrintedAt(TokyoTime(2026, 3, 15, 9, 30), SlipTo("佐藤花子"));
  PrintedAt(TokyoTime(2026, 3, 15, 10, 0), SlipTo("鈴木一郎", "書籍"));
  PrintedAt(TokyoTime(2026, 3, 15, 10, 30), SlipTo("鈴木一郎", "書籍", "105-0012"));
  const struct {
    const char* name;
    SlipRecord slip;
    bool found;
  } cases[] = {
      {"same name, postal code and goods", SlipTo("佐藤花子"), true},
      {"typed with a blank and half-width", SlipTo("佐藤　花子", "書籍", "１０５－００１１"), true},
      {"other goods", SlipTo("佐藤花子", "文具"), false},
      {"other postal code", SlipTo("佐藤花子", "書籍", "105-0012"), false},
      {"printed before midnight", SlipTo("山田太郎"), false},
      {"no name: no recipient to compare", SlipTo(""), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FindEarlierPrint(journal(), c.slip).has_value(), c.found);
  }
  // The latest of two prints of one parcel is named.
  const std::vector<const SlipRecord*> batch{&cases[0].slip, &cases[2].slip};
  const auto found = FindEarlierPrints(journal(), batch);
  ASSERT_TRUE(found[0]);
  EXPECT_EQ(HourMinuteText(found[0]->printedAt), "09:30");
  EXPECT_FALSE(found[1]);
}

TEST_F(DuplicateTest, WindowOfHoursReachesBackOverMidnight) {
  PrintedAt(TokyoTime(2026, 3, 14, 15, 0), SlipTo("山田太郎"));
  EXPECT_FALSE(FindEarlierPrint(journal(), SlipTo("山田太郎")));
  WriteDuplicateWindow(journal(), {24});
  EXPECT_EQ(ReadDuplicateWindow(journal()), DuplicateWindow{24});
  EXPECT_TRUE(FindEarlierPrint(journal(), SlipTo("山田太郎")));
  WriteDuplicateWindow(journal(), {23});  // 15:00 yesterday is 23 h 5 min ago
  EXPECT_FALSE(FindEarlierPrint(journal(), SlipTo("山田太郎")));
}

TEST_F(DuplicateTest, QuestionNamesTheDayAndTimeOfTheEarlierPrint) {
  const LocalTime now = ToLocalTime(TokyoTime(2026, 3, 15, 16, 40));
  const struct {
    std::chrono::system_clock::time_point earlier;
    const char* question;
  } cases[] = {
      {TokyoTime(2026, 3, 15, 14, 5),
       "本日 14:05 に同じお届け先・品名で印刷済みです。もう一度印刷しますか?"},
      {TokyoTime(2026, 3, 14, 9, 0),
       "昨日 09:00 に同じお届け先・品名で印刷済みです。もう一度印刷しますか?"},
      {TokyoTime(2026, 3, 1, 18, 30),
       "3月1日 18:30 に同じお届け先・品名で印刷済みです。もう一度印刷しますか?"},
      {TokyoTime(2025, 12, 31, 23, 59),
       "2025年12月31日 23:59 に同じお届け先・品名で印刷済みです。もう一度印刷しますか?"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.question);
    EXPECT_EQ(test::Utf8(DuplicateQuestion(ToLocalTime(c.earlier), now)), c.question);
  }
}

}  // namespace
}  // namespace ruvo::journal
