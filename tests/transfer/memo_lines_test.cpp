#include "transfer/memo_lines.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace ruvo {
namespace {

TEST(ReadMemoLine, ReadsEmptyBeyondTheLastLine) {
  const MemoLines memo{"a"};
  EXPECT_EQ(ReadMemoLine(memo, 0), "a");
  EXPECT_EQ(ReadMemoLine(memo, 1), "");
  EXPECT_EQ(ReadMemoLine({}, 0), "");
}

TEST(ReadMemoLine, StopsAt4096BytesOnACharacterBoundary) {
  const MemoLines memo{std::string(4096, 'a'), std::string(4097, 'b'),
                       std::string(4095, 'c') + test::Sj("東")};
  EXPECT_EQ(ReadMemoLine(memo, 0).size(), 4096u);
  EXPECT_EQ(ReadMemoLine(memo, 1).size(), 4096u);
  EXPECT_EQ(ReadMemoLine(memo, 2), std::string(4095, 'c'));
}

TEST(ReadTrimmedLines, PadsWithEmptyLines) {
  EXPECT_EQ(ReadTrimmedLines({" a\t", "b"}, 4), (MemoLines{"a", "b", "", ""}));
  EXPECT_EQ(ReadTrimmedLines({"a", "b", "c"}, 2), (MemoLines{"a", "b"}));
}

}  // namespace
}  // namespace ruvo
