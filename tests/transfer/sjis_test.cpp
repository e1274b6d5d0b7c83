#include "transfer/sjis.h"

#include <gtest/gtest.h>

namespace ruvo::sjis {
namespace {

// "東京" in CP932: 93 8C 8B 9E; "ｱ" (half-width katakana) is the single byte B1.
constexpr std::string_view kTokyo = "\x93\x8C\x8B\x9E";

TEST(Sjis, LeadBytesAreTheTwoCp932Ranges) {
  EXPECT_FALSE(IsLeadByte(static_cast<unsigned char>(0x80)));
  EXPECT_TRUE(IsLeadByte(static_cast<unsigned char>(0x81)));
  EXPECT_TRUE(IsLeadByte(static_cast<unsigned char>(0x9F)));
  EXPECT_FALSE(IsLeadByte(static_cast<unsigned char>(0xA0)));  // half-width kana range
  EXPECT_FALSE(IsLeadByte(static_cast<unsigned char>(0xDF)));
  EXPECT_TRUE(IsLeadByte(static_cast<unsigned char>(0xE0)));
  EXPECT_TRUE(IsLeadByte(static_cast<unsigned char>(0xFC)));
  EXPECT_FALSE(IsLeadByte(static_cast<unsigned char>(0xFD)));
}

TEST(Sjis, CountsTwoByteCharactersOnce) {
  EXPECT_EQ(CharCount(""), 0u);
  EXPECT_EQ(CharCount(kTokyo), 2u);
  EXPECT_EQ(CharCount("a\xB1"
                      "b"),
            3u);
  // A lead byte whose trail byte is '@' or 'F' is still one character.
  EXPECT_EQ(CharCount("\x83\x46"), 1u);  // "ェ"
}

TEST(Sjis, LoneLeadByteAtEndIsOneCharacter) {
  const std::string_view text = "a\x93";
  EXPECT_EQ(CharLengthAt(text, 1), 1u);
  EXPECT_EQ(CharCount(text), 2u);
}

TEST(Sjis, CutsNeverSplitATwoByteCharacter) {
  const std::string text = std::string("a") + std::string(kTokyo);  // a 東 京
  EXPECT_EQ(BoundaryAtOrBefore(text, 0), 0u);
  EXPECT_EQ(BoundaryAtOrBefore(text, 1), 1u);
  EXPECT_EQ(BoundaryAtOrBefore(text, 2), 1u);  // would cut 東 in half
  EXPECT_EQ(BoundaryAtOrBefore(text, 3), 3u);
  EXPECT_EQ(BoundaryAtOrBefore(text, 4), 3u);
  EXPECT_EQ(BoundaryAtOrBefore(text, 99), 5u);
  EXPECT_EQ(HeadBytes(text, 4), std::string("a") + "\x93\x8C");
}

}  // namespace
}  // namespace ruvo::sjis
