#include "print/slip_layout.h"

#include <gtest/gtest.h>

#include "test_text.h"

namespace ruvo {
namespace {

// Every caption as the user reads it, row by row: the table holds CP932.
TEST(SlipLayoutTest, CaptionsReadAsTheirComments) {
  const char* const expected[] = {"発送日（年）",
                                  "発送日（月）",
                                  "発送日（日）",
                                  "ご希望お届け日（月）",
                                  "ご希望お届け日（日）",
                                  "個数",
                                  "個数",
                                  "個数",
                                  "10→12時",
                                  "12→14時",
                                  "14→16時",
                                  "16→18時",
                                  "18→20時",
                                  "お届け先郵便番号",
                                  "お届け先郵便番号",
                                  "お届け先郵便番号",
                                  "お届け先郵便番号",
                                  "お届け先郵便番号",
                                  "お届け先郵便番号",
                                  "お届け先郵便番号",
                                  "でんわ",
                                  "おところ①",
                                  "おところ②",
                                  "おところ③",
                                  "品名1",
                                  "品名2",
                                  "品名3",
                                  "おなまえ",
                                  "ご依頼主郵便番号",
                                  "ご依頼主郵便番号",
                                  "ご依頼主郵便番号",
                                  "ご依頼主郵便番号",
                                  "ご依頼主郵便番号",
                                  "ご依頼主郵便番号",
                                  "ご依頼主郵便番号",
                                  "ご依頼主でんわ",
                                  "ご依頼主おところ①",
                                  "ご依頼主おところ②",
                                  "ご依頼主おところ",
                                  "ご依頼主おなまえ"};
  ASSERT_EQ(SlipLayout().size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(std::string(SlipLayout()[i].name));
    EXPECT_EQ(test::Utf8(SlipLayout()[i].caption), expected[i]);
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
