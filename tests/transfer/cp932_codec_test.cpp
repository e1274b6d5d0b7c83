#include "transfer/cp932_codec.h"

#include <gtest/gtest.h>

namespace ruvo {
namespace {

TEST(Cp932Codec, RoundTripsJapaneseText) {
  // "送り状" and the half-width "ｱ" as the stored files hold them.
  const std::string cp932 = "\x91\x97\x82\xE8\x8F\xF3\xB1";
  const std::string utf8 = "\xE9\x80\x81\xE3\x82\x8A\xE7\x8A\xB6\xEF\xBD\xB1";
  EXPECT_EQ(Cp932ToUtf8(cp932), utf8);
  const Cp932Text back = Utf8ToCp932(utf8);
  EXPECT_EQ(back.bytes, cp932);
  EXPECT_EQ(back.replaced, 0u);
}

TEST(Cp932Codec, UsesTheCp932FormsOfTildeAndMinus) {
  // "～" is 81 60 and "－" is 81 7C: U+FF5E and U+FF0D in code page 932.
  EXPECT_EQ(Cp932ToUtf8("\x81\x60\x81\x7C"), "\xEF\xBD\x9E\xEF\xBC\x8D");
  EXPECT_EQ(Utf8ToCp932("\xEF\xBD\x9E\xEF\xBC\x8D").bytes, "\x81\x60\x81\x7C");
}

TEST(Cp932Codec, ReplacesCharactersOutsideCp932ByGeta) {
  // "😀" (U+1F600) and "한" (U+D55C) have no CP932 form.
  const Cp932Text result = Utf8ToCp932(
      "a\xF0\x9F\x98\x80"
      "b\xED\x95\x9C");
  EXPECT_EQ(result.bytes,
            "a\x81\xAC"
            "b\x81\xAC");
  EXPECT_EQ(result.replaced, 2u);
}

TEST(Cp932Codec, ReplacesMalformedUtf8ByteByByte) {
  const Cp932Text result = Utf8ToCp932(
      "x\xC3"
      "y\xFF");  // truncated sequence, invalid byte
  EXPECT_EQ(result.bytes,
            "x\x81\xAC"
            "y\x81\xAC");
  EXPECT_EQ(result.replaced, 2u);
}

TEST(Cp932Codec, DecodesInvalidBytesAsReplacementCharacter) {
  // A lone lead byte at the end, and a NUL byte in the middle, survive.
  const std::string text("a\0b\x93", 4);
  EXPECT_EQ(Cp932ToUtf8(text), std::string("a\0b\xEF\xBF\xBD", 6));
}

TEST(Cp932Codec, ConvertsTextsLongerThanOneBuffer) {
  std::string cp932;
  for (int i = 0; i < 5000; ++i)
    cp932 += "\x93\x8C";  // 東 × 5000
  const std::string utf8 = Cp932ToUtf8(cp932);
  EXPECT_EQ(utf8.size(), 15000u);
  EXPECT_EQ(Utf8ToCp932(utf8).bytes, cp932);
}

}  // namespace
}  // namespace ruvo
