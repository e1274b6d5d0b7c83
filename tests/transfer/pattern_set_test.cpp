#include "transfer/pattern_set.h"

#include <gtest/gtest.h>

#include <array>

#include "support/test_text.h"
#include "transfer/dprint.h"
#include "transfer/sjis.h"
#include "transfer/text_ops.h"

namespace ruvo {
namespace {

using test::Sj;

const std::array<std::string_view, 1> kOneByte = {"F"};

TEST(PatternSet, CountsLikeOneSubStrCountPerPattern) {
  const std::string patterns[] = {"aa", "a", Sj("中学"), Sj("中学校"), Sj("都"),
                                  "F",  "-", Sj("ｶｰｻ"),  ".co",        ".com"};
  std::vector<std::string_view> views(std::begin(patterns), std::end(patterns));
  const PatternSet set(views);
  const std::string texts[] = {
      "aaa",
      "aaaaa",
      Sj("中学校中学"),
      Sj("京都府東京都"),
      Sj("ェF3F"),  // 83 46: the F inside "ェ" is no match
      "www.example.com.co",
      Sj("ｶｰｻｶｰｻ-"),
      "x\x83",  // lone lead byte at the end
      "",
  };
  for (const auto& text : texts) {
    SCOPED_TRACE(test::Utf8(text));
    std::size_t expected = 0;
    std::uint64_t expectedBits = 0;
    for (std::size_t i = 0; i < views.size(); ++i) {
      const std::size_t n = SubStrCount(text, views[i]);
      expected += n;
      if (n > 0) expectedBits |= std::uint64_t{1} << i;
    }
    EXPECT_EQ(set.CountAll(text), expected);
    EXPECT_EQ(set.Occurring(text), expectedBits);
  }
}

TEST(PatternSet, NeverMatchesInsideATwoByteCharacter) {
  const PatternSet set(kOneByte);
  EXPECT_EQ(set.CountAll(Sj("ェ")), 0u);
  EXPECT_EQ(set.Occurring(Sj("ェ")), 0u);
  EXPECT_EQ(set.CountAll(Sj("ェF")), 1u);
}

TEST(PatternSet, LabelWordsAreWholeCharacters) {
  // A pattern that ended in a lead byte could end a match off a character
  // boundary; every table entry must be made of whole characters.
  for (std::string_view word : LabelWords()) {
    SCOPED_TRACE(test::Utf8(word));
    std::size_t pos = 0;
    while (pos < word.size())
      pos += sjis::IsLeadByte(word[pos]) ? std::size_t{2} : std::size_t{1};
    EXPECT_EQ(pos, word.size());
  }
}

}  // namespace
}  // namespace ruvo
