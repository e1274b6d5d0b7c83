#include "print/lm_d97_dot.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "print/slip_units.h"
#include "support/slips.h"
#include "support/test_text.h"

namespace ruvo {
namespace {

using test::FullSlip;
using test::Sj;

const std::string kMincho = Sj("ＭＳ Ｐ明朝");
const std::string kLucida = "Lucida Sans Unicode";

const SlipPrintValues k360Dpi{"360", "360", "", ""};

const DrawOp* FindText(const DrawList& list, const std::string& text) {
  const auto it =
      std::find_if(list.begin(), list.end(), [&](const DrawOp& op) { return op.text == text; });
  return it == list.end() ? nullptr : &*it;
}

const DrawOp* FindAt(const DrawList& list, int x, int y) {
  const auto it = std::find_if(list.begin(), list.end(),
                               [&](const DrawOp& op) { return op.x == x && op.y == y; });
  return it == list.end() ? nullptr : &*it;
}

TEST(Lm_d97_DotTest, WorkedPositionsAt360Dpi) {
  const DrawList list = SLIP97_Prn(FullSlip(), k360Dpi);
  ASSERT_FALSE(list.empty());
  EXPECT_EQ(list.front(), (DrawOp{kLucida, 10, 383, 54, "2011"}));  // 382.5 rounds up
  EXPECT_EQ(*FindText(list, "7"), (DrawOp{kLucida, 12, 675, 153, "7"}));
  EXPECT_EQ(*FindText(list, Sj("山田太郎")), (DrawOp{kMincho, 11, 495, 743, Sj("山田太郎")}));
}

TEST(Lm_d97_DotTest, ListsEveryFieldOfAFullSlipInLayoutOrder) {
  const DrawList list = SLIP97_Prn(FullSlip(), k360Dpi);
  std::vector<std::string> texts;
  for (const auto& op : list)
    texts.push_back(op.text);
  const std::vector<std::string> expected{"2011",
                                          "01",
                                          "05",
                                          "1",
                                          "10",
                                          " ",
                                          "1",
                                          "2",
                                          Sj("○"),  // date block
                                          "7",
                                          "3",
                                          "0",
                                          "0",
                                          "0",
                                          "0",
                                          "1",
                                          "082-123-4567",  // recipient
                                          Sj("広島県広島市中区白島北町"),
                                          Sj("１－２－３"),
                                          Sj("ルヴォビル２階"),
                                          Sj("書籍"),
                                          Sj("文具"),
                                          Sj("割れ物注意"),
                                          Sj("山田太郎"),
                                          "1",
                                          "5",
                                          "0",
                                          "0",
                                          "0",
                                          "0",
                                          "2",
                                          "03-1234-5678",  // sender
                                          Sj("東京都渋谷区渋谷"),
                                          Sj("２－２１－１"),
                                          Sj("株式会社ルヴォ")};
  EXPECT_EQ(texts, expected);
}

TEST(Lm_d97_DotTest, FieldsSitAtTheirLayoutPositionsInFaceAndSize) {
  const DrawList list = SLIP97_Prn(FullSlip(), k360Dpi);
  const struct {
    const char* what;
    int x, y;  // dots at 360 dpi: units × 2.25, halves up
    std::string font;
    int points;
    std::string text;
  } rows[] = {
      {"month", 596, 54, kLucida, 10, "01"},          // 265 → 596.25
      {"day", 788, 54, kLucida, 10, "05"},            // 350 → 787.5
      {"wished month", 1553, 257, kLucida, 12, "1"},  // 690, 114 → 1552.5, 256.5
      {"wished day", 1755, 257, kLucida, 12, "10"},
      {"quantity box 1", 1553, 1283, kLucida, 12, " "},  // 570 → 1282.5
      {"quantity box 3", 1643, 1283, kLucida, 12, "2"},
      {"slot 14-16 mark", 2385, 203, kLucida, 22, Sj("○")},
      {"zip box 4", 1080, 153, kLucida, 12, "0"},  // after the left-out box
      {"tel", 743, 270, kLucida, 10, "082-123-4567"},
      {"address 3", 495, 630, kMincho, 11, Sj("ルヴォビル２階")},
      {"goods 3", 1620, 608, kMincho, 11, Sj("割れ物注意")},
      {"sender zip box 7", 1384, 855, kLucida, 12, "2"},
      {"sender tel", 743, 968, kLucida, 12, "03-1234-5678"},
      {"sender address 1", 495, 1080, kMincho, 9, Sj("東京都渋谷区渋谷")},
      {"sender address 2", 495, 1136, kMincho, 9, Sj("２－２１－１")},
      {"sender name", 495, 1238, kMincho, 11, Sj("株式会社ルヴォ")},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    const DrawOp* op = FindAt(list, row.x, row.y);
    ASSERT_NE(op, nullptr);
    EXPECT_EQ(*op, (DrawOp{row.font, row.points, row.x, row.y, row.text}));
  }
}

TEST(Lm_d97_DotTest, DateSwitchOffDropsDatesQuantityAndMarkOnly) {
  SlipRecord slip = FullSlip();
  slip.printDate = false;
  const DrawList list = SLIP97_Prn(slip, k360Dpi);
  EXPECT_EQ(list.size(), SLIP97_Prn(FullSlip(), k360Dpi).size() - 9);
  EXPECT_EQ(list.front(), (DrawOp{kLucida, 12, 675, 153, "7"}));
  EXPECT_EQ(FindText(list, Sj("○")), nullptr);
  EXPECT_NE(FindText(list, Sj("株式会社ルヴォ")), nullptr);
}

TEST(Lm_d97_DotTest, SenderSwitchOffDrawsNothingOfTheSender) {
  SlipRecord slip = FullSlip();
  slip.printSender = false;
  const DrawList list = SLIP97_Prn(slip, k360Dpi);
  EXPECT_EQ(list.back().text, Sj("山田太郎"));
  // Seven postal-code boxes, telephone, two address lines and name are gone.
  EXPECT_EQ(list.size(), SLIP97_Prn(FullSlip(), k360Dpi).size() - 11);
  for (const auto& op : list) {
    EXPECT_TRUE(op.y < 855 || op.y == 1283) << test::Utf8(op.text);  // 1283: quantity boxes
  }
}

TEST(Lm_d97_DotTest, LoneSenderAddressIsDrawnOnceLargerBetweenTheLines) {
  SlipRecord slip = FullSlip();
  slip.senderAddress2.clear();
  const DrawList list = SLIP97_Prn(slip, k360Dpi);
  const auto count = std::count_if(
      list.begin(), list.end(), [](const DrawOp& op) { return op.text == Sj("東京都渋谷区渋谷"); });
  EXPECT_EQ(count, 1);
  EXPECT_EQ(*FindText(list, Sj("東京都渋谷区渋谷")),
            (DrawOp{kMincho, 10, 495, 1103, Sj("東京都渋谷区渋谷")}));  // 490 → 1102.5
}

TEST(Lm_d97_DotTest, OnlyTheFirstTickedTimeSlotIsMarked) {
  const int markX[] = {2205, 2295, 2385, 2475, 2565};  // 980 … 1140 units
  for (int first = 0; first < kTimeSlotCount; ++first) {
    SCOPED_TRACE(first);
    SlipRecord slip = FullSlip();
    slip.timeSlots = {};
    for (int slot = first; slot < kTimeSlotCount; ++slot)
      slip.timeSlots[static_cast<std::size_t>(slot)] = true;
    const DrawList list = SLIP97_Prn(slip, k360Dpi);
    const auto marks = std::count_if(list.begin(), list.end(),
                                     [](const DrawOp& op) { return op.text == Sj("○"); });
    EXPECT_EQ(marks, 1);
    EXPECT_EQ(FindText(list, Sj("○"))->x, markX[first]);
  }
  SlipRecord none = FullSlip();
  none.timeSlots = {};
  EXPECT_EQ(FindText(SLIP97_Prn(none, k360Dpi), Sj("○")), nullptr);
}

TEST(Lm_d97_DotTest, QuantityIsRightAlignedInThreeBoxes) {
  const struct {
    const char* quantity;
    const char* boxes[3];
  } rows[] = {
      {"7", {" ", " ", "7"}},
      {"", {" ", " ", " "}},  // blank boxes are still drawn, white
      {"123", {"1", "2", "3"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.quantity);
    SlipRecord slip = FullSlip();
    slip.quantity = row.quantity;
    const DrawList list = SLIP97_Prn(slip, k360Dpi);
    const int boxX[] = {1553, 1598, 1643};  // 690, 710, 730 units
    for (int box = 0; box < 3; ++box) {
      const DrawOp* op = FindAt(list, boxX[box], 1283);
      ASSERT_NE(op, nullptr);
      EXPECT_EQ(op->text, row.boxes[box]);
    }
  }
}

TEST(Lm_d97_DotTest, EmptyTextsAreNotListed) {
  const DrawList list = SLIP97_Prn(SlipRecord{}, k360Dpi);
  // An empty slip still shows its date and the default quantity's boxes.
  std::vector<std::string> texts;
  for (const auto& op : list)
    texts.push_back(op.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"0000", "00", "00", " ", " ", "1"}));
}

TEST(Lm_d97_DotTest, MarginsShiftEveryTextByDots) {
  const DrawList bare = SLIP97_Prn(FullSlip(), k360Dpi);
  const DrawList shifted = SLIP97_Prn(FullSlip(), {"360", "360", "-20", "35"});
  ASSERT_EQ(bare.size(), shifted.size());
  for (std::size_t i = 0; i < bare.size(); ++i) {
    EXPECT_EQ(shifted[i].x, bare[i].x + 35);
    EXPECT_EQ(shifted[i].y, bare[i].y - 20);
  }
}

TEST(Lm_d97_DotTest, OddResolutionScalesEachAxisOnItsOwn) {
  const DrawList list = SLIP97_Prn(FullSlip(), {"203", "180", "", ""});
  // x: 12688 × 170 / 10000 = 215.696 → 216; y: 11250 × 24 / 10000 = 27
  EXPECT_EQ(list.front(), (DrawOp{kLucida, 10, 216, 27, "2011"}));
}

TEST(Lm_d97_DotTest, BadMarginOrResolutionListsNothingAndSaysWhy) {
  const SlipPrintValues rows[] = {
      {"360", "360", "1.5", ""},
      {"360", "360", "", "-"},
      {"360", "360", "abc", "0"},
      {"", "360", "", ""},
  };
  const char* messages[] = {
      "'1.5' is not a valid integer value", "'-' is not a valid integer value",
      "'abc' is not a valid integer value", "'' is not a valid integer value"};
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(messages[i]);
    try {
      SLIP97_Prn(FullSlip(), rows[i]);
      ADD_FAILURE() << "no error";
    } catch (const ConversionError& e) {
      EXPECT_STREQ(e.what(), messages[i]);
    }
  }
}

// A blank page reported as printed: the margin is refused by name instead.
// At 360 dpi the lowest texts, the quantity's 12 points at dot 1283, end at
// dot 1343; the highest, the year, starts at dot 54, and the longest page,
// 100000 points, ends at dot 500000.
TEST(Lm_d97_DotTest, MarginThatPutsEveryTextOffThePageIsNamed) {
  const struct {
    SlipPrintValues values;
    const char* message;
  } rows[] = {
      {{"360", "360", "-2147483648", ""}, "top margin -2147483648 puts"},
      {{"360", "360", "", "2147483647"}, "left margin 2147483647 puts"},  // beyond the int range
      {{"360", "360", "-1343", ""}, "top margin -1343 puts"},
      {{"360", "360", "499946", ""}, "top margin 499946 puts"},  // year at 54: page's end
      {{"360", "360", "-1343", "-9999"}, "top margin -1343 and left margin -9999 put"},
      {{"360", "360", "-1342", ""}, "(no error)"},  // the quantity's last dot row shows
      {{"360", "0", "", ""}, "a resolution of 360 x 0 dpi places no text"},  // all at the corner
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.message);
    const std::string message =
        test::MessageOf<SlipPositionError>([&] { SLIP97_Prn(FullSlip(), row.values); });
    EXPECT_TRUE(message.starts_with(row.message)) << message;
  }
}

TEST(Lm_d97_DotTest, BareSevenDigitRecipientZipKeepsItsFourthDigit) {
  SlipRecord slip = FullSlip();
  slip.recipientZip = "1234567";
  const DrawList list = SLIP97_Prn(slip, k360Dpi);
  const DrawOp* fourth = FindAt(list, 1080, 153);  // the box after the gap
  ASSERT_NE(fourth, nullptr);
  EXPECT_EQ(fourth->text, "4");
  EXPECT_EQ(FindAt(list, 1384, 153)->text, "7");
}

TEST(Lm_d97_DotTest, FullWidthSenderZipIsDrawnDigitByDigit) {
  SlipRecord slip = FullSlip();
  slip.senderZip = Sj("１５０－０００２");
  const DrawList list = SLIP97_Prn(slip, k360Dpi);
  const int boxX[] = {675, 776, 878, 1080, 1181, 1283, 1384};
  const char* digits[] = {"１", "５", "０", "０", "０", "０", "２"};
  for (int box = 0; box < 7; ++box) {
    SCOPED_TRACE(box);
    const DrawOp* op = FindAt(list, boxX[box], 855);
    ASSERT_NE(op, nullptr);
    EXPECT_EQ(op->text, Sj(digits[box]));
  }
}

}  // namespace
}  // namespace ruvo
