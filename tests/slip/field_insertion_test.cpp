#include "slip/field_insertion.h"

#include <gtest/gtest.h>

namespace ruvo {
namespace {

constexpr std::size_t kNoLimit = std::string::npos;

TEST(FitFieldInsertion, TakesWhatFits) {
  const struct {
    const char* name;
    std::string inserted;
    std::size_t room;
    std::string text;
    int replaced, dropped, cut;
  } cases[] = {
      {"plain text, no limit", "山田太郎", kNoLimit, "山田太郎", 0, 0, 0},
      {"exactly the room", "あいう", 6, "あいう", 0, 0, 0},
      // A two-byte character that would end one byte past the room.
      {"cut before a two-byte character", "あいう", 5, "あい", 0, 0, 2},
      {"cut after a one-byte character", "aあ", 2, "a", 0, 0, 2},
      {"no room at all", "x", 0, "", 0, 0, 1},
      {"the first line only", "山田\n太郎", kNoLimit, "山田", 0, 3, 0},
      {"CR ends the line too", "a\rb", kNoLimit, "a", 0, 2, 0},
      {"the line separator ends it", "a\u2028b", kNoLimit, "a", 0, 2, 0},
      {"a tab becomes a blank", "a\tb", kNoLimit, "a b", 0, 0, 0},
      {"controls dropped", "a\x01\x7F\u0085b", kNoLimit, "ab", 0, 3, 0},
      {"a character CP932 lacks", "ab𠮷", kNoLimit, "ab〓", 1, 0, 0},
      {"the mark takes two bytes of the room", "a𠮷", 2, "a", 1, 0, 2},
      // Kept as typed on screen, stored as 0x5C.
      {"yen sign kept", "¥100", kNoLimit, "¥100", 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const FieldInsertion fit = FitFieldInsertion(c.inserted, c.room);
    EXPECT_EQ(fit.text, c.text);
    EXPECT_EQ(fit.replaced, c.replaced);
    EXPECT_EQ(fit.dropped, c.dropped);
    EXPECT_EQ(fit.cut, c.cut);
  }
}

TEST(Cp932ByteCount, CountsTheMarkForWhatCp932Lacks) {
  EXPECT_EQ(Cp932ByteCount("aｱあ"), 4u);  // half-width katakana is one byte
  EXPECT_EQ(Cp932ByteCount("𠮷"), 2u);
}

}  // namespace
}  // namespace ruvo
