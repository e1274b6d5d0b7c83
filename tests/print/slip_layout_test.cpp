#include "print/slip_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/test_text.h"

namespace ruvo {
namespace {

// Every caption as the user reads it, row by row: the table holds CP932.
// A row of boxes (postal code, quantity) is one line here.
TEST(SlipLayoutTest, CaptionsReadAsTheirComments) {
  // clang-format off
  const std::pair<const char*, int> expected[] = {
      {"発送日（年）", 1}, {"発送日（月）", 1}, {"発送日（日）", 1},
      {"ご希望お届け日（月）", 1}, {"ご希望お届け日（日）", 1}, {"個数", 3},
      {"10→12時", 1}, {"12→14時", 1}, {"14→16時", 1}, {"16→18時", 1}, {"18→20時", 1},
      {"お届け先郵便番号", 7}, {"でんわ", 1}, {"おところ①", 1}, {"おところ②", 1},
      {"おところ③", 1}, {"品名1", 1}, {"品名2", 1}, {"品名3", 1}, {"おなまえ", 1},
      {"ご依頼主郵便番号", 7}, {"ご依頼主でんわ", 1}, {"ご依頼主おところ①", 1},
      {"ご依頼主おところ②", 1}, {"ご依頼主おところ", 1}, {"ご依頼主おなまえ", 1}};
  // clang-format on
  std::vector<std::string> captions;
  for (const auto& [caption, rows] : expected)
    captions.insert(captions.end(), static_cast<std::size_t>(rows), caption);
  ASSERT_EQ(SlipLayout().size(), captions.size());
  for (std::size_t i = 0; i < captions.size(); ++i) {
    SCOPED_TRACE(std::string(SlipLayout()[i].name));
    EXPECT_EQ(test::Utf8(FieldCaption(SlipLayout()[i])), captions[i]);
  }
}

bool Overlap(const SlipLayoutField& a, const SlipLayoutField& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

// Two fields printed on one slip never share any of their boxes' area, and
// every box lies on the form: a text filling its box never covers another.
TEST(SlipLayoutTest, BoxesOfFieldsPrintedTogetherDoNotOverlapAndLieOnTheForm) {
  const auto together = [](const SlipLayoutField& a, const SlipLayoutField& b) {
    const bool oneLine = a.gate == SlipGate::kSenderOneLine || b.gate == SlipGate::kSenderOneLine;
    const bool twoLines =
        a.gate == SlipGate::kSenderTwoLines || b.gate == SlipGate::kSenderTwoLines;
    return !(oneLine && twoLines);  // the sender's address has one form or the other
  };
  const auto layout = SlipLayout();
  for (std::size_t i = 0; i < layout.size(); ++i) {
    SCOPED_TRACE(std::string(layout[i].name));
    EXPECT_LE(layout[i].x + layout[i].width, SlipForm().width);
    EXPECT_LE(layout[i].y + layout[i].height, SlipForm().height);
    EXPECT_GE(layout[i].height * 72, layout[i].points * 160);  // at least its em tall
    for (std::size_t j = i + 1; j < layout.size(); ++j) {
      if (together(layout[i], layout[j])) {
        EXPECT_FALSE(Overlap(layout[i], layout[j])) << layout[j].name;
      }
    }
  }
}

}  // namespace
}  // namespace ruvo
