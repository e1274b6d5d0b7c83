#include "transfer/classify.h"

#include <gtest/gtest.h>

#include <set>

#include "support/test_text.h"

namespace ruvo {
namespace {

using test::Sj;
using test::Utf8;

struct VerdictCase {
  std::string text;
  ZipTelVerdict expected;
};

TEST(ZipTelCheck, JudgesPostalCodesAndTelephoneNumbers) {
  const VerdictCase cases[] = {
      {"123-4567", ZipTelVerdict::PostalCode},
      {Sj("１２３－４５６７"), ZipTelVerdict::PostalCode},
      {"12345678", ZipTelVerdict::PostalCode},  // eight digits, no hyphen
      {" 123-4567\t", ZipTelVerdict::PostalCode},
      {"03-1234-5678", ZipTelVerdict::Telephone},
      {Sj("０３－１２３４－５６７８"), ZipTelVerdict::Telephone},
      {"0312345678", ZipTelVerdict::Telephone},        // ten digits
      {"03 12345678", ZipTelVerdict::Telephone},       // one other character
      {"03-1234-56", ZipTelVerdict::Telephone},        // exactly ten
      {"031234567a", ZipTelVerdict::Telephone},        // ten with one other character
      {Sj("１２３-4567"), ZipTelVerdict::PostalCode},  // mixed widths
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8(c.text));
    EXPECT_EQ(ZipTelCheck(c.text), c.expected);
  }
}

TEST(ZipTelCheck, JudgesEverythingElseOther) {
  const std::string cases[] = {
      "1234567",             // seven characters
      "123-45678",           // nine characters
      "123456789",           // nine digits
      "03123456ab",          // ten with two other characters
      "123-456a",            // eight with a letter
      "03 1234 5678",        // two other characters
      Sj("03ー1234ー5678"),  // long vowel marks are no hyphens
      "(03)1234-5678",       // brackets
      "TEL03-1234-5678",     // three letters
      "",                    // nothing
      Sj("123-456ー"),       // eight with a long vowel mark
  };
  for (const auto& text : cases) {
    SCOPED_TRACE(Utf8(text));
    EXPECT_EQ(ZipTelCheck(text), ZipTelVerdict::Other);
  }
}

TEST(ZipTelCheck, DoesNotCountATrailByteAsADigit) {
  // 82 30 (a lead byte, then "0") is one character that is no digit, so
  // "1234567" followed by it is 8 characters with one other.
  EXPECT_EQ(ZipTelCheck(std::string("1234567\x82") + "0"), ZipTelVerdict::Other);
  EXPECT_EQ(ZipTelCheck("1234567\x82"), ZipTelVerdict::Other);  // lone lead byte
}

TEST(ZipTelVerdictName, NamesEachVerdict) {
  EXPECT_EQ(ZipTelVerdictName(ZipTelVerdict::PostalCode), "PostalCode");
  EXPECT_EQ(ZipTelVerdictName(ZipTelVerdict::Telephone), "Telephone");
  EXPECT_EQ(ZipTelVerdictName(ZipTelVerdict::Other), "Other");
}

struct CountCase {
  std::string text;
  std::size_t expected;
};

TEST(AddressMarkCount, CountsEveryMark) {
  const CountCase cases[] = {
      {Sj("山田太郎"), 0},
      {Sj("田中ﾋﾞﾙ"), 1},
      {"FUJI", 1},
      {"3F", 2},
      {"3f", 1},  // only the capital F
      {Sj("東京都港区芝公園1-2-3"), 7},
      {Sj("中学校"), 2},  // "中学" and "中学校"
      {Sj("京都府"), 2},  // "都" and "府"
      {Sj("北海道"), 1},
      {Sj("コーポ３Ｆ"), 3},
      {"", 0},
      {" \t", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8(c.text));
    EXPECT_EQ(AddressMarkCount(c.text), c.expected);
  }
}

TEST(AddressMarkCount, IgnoresBytesInsideTwoByteCharacters) {
  // "ェ" is 83 46 and "ｆ" is 82 86: neither holds the mark "F".
  EXPECT_EQ(AddressMarkCount(Sj("ェｆ")), 0u);
}

TEST(IsPrefectureLine, MatchesOnlyAWholePrefectureName) {
  EXPECT_TRUE(IsPrefectureLine(Sj("東京都")));
  EXPECT_TRUE(IsPrefectureLine(Sj("沖縄県")));
  EXPECT_TRUE(IsPrefectureLine(Sj("北海道")));
  EXPECT_FALSE(IsPrefectureLine(Sj("東京")));
  EXPECT_FALSE(IsPrefectureLine(Sj("東京都港区")));
  EXPECT_FALSE(IsPrefectureLine(Sj("東京都 ")));
  EXPECT_FALSE(IsPrefectureLine(""));
}

TEST(PrefectureNames, ListsAllFortySevenInCodeOrder) {
  const auto names = PrefectureNames();
  ASSERT_EQ(names.size(), 47u);
  EXPECT_EQ(std::set<std::string_view>(names.begin(), names.end()).size(), 47u);
  EXPECT_EQ(names[0], Sj("北海道"));
  EXPECT_EQ(names[12], Sj("東京都"));
  EXPECT_EQ(names[46], Sj("沖縄県"));
}

TEST(MailMarkCount, CountsLowerCaseHalfWidthMarks) {
  const CountCase cases[] = {
      {"taro@example.co.jp", 3},  // "@", ".co", ".jp"
      {".co.jp", 2},
      {".CO.JP", 0},
      {"www.example.com", 2},  // ".com" and ".co"
      {"example.net", 2},      // ".net" and ".ne"
      {"example.org", 1},
      {Sj("taro＠example"), 0},  // full-width "＠"
      {Sj("山田太郎"), 0},
      {"", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8(c.text));
    EXPECT_EQ(MailMarkCount(c.text), c.expected);
  }
}

}  // namespace
}  // namespace ruvo
