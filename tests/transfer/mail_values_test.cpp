#include "transfer/mail_values.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace ruvo {
namespace {

using test::Sj;
using test::Utf8;

TEST(PostalCodeAtStart, WritesCodesAs999Dash9999) {
  const struct {
    std::string_view text, code, rest;
  } cases[] = {
      {"105-0011", "105-0011", ""},
      {"〒1050011", "105-0011", ""},
      {"〒 １０５－００１１", "105-0011", ""},
      {"105ー0011", "105-0011", ""},
      {"〒444-3505愛知県岡崎市", "444-3505", "愛知県岡崎市"},
      {"〒5300001 大阪府大阪市", "530-0001", "大阪府大阪市"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const auto value = PostalCodeAtStart(Sj(c.text));
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->code, c.code);
    EXPECT_EQ(Utf8(value->rest), c.rest);
  }
}

TEST(PostalCodeAtStart, RefusesWhatIsNoCode) {
  for (const std::string_view text : {
           "105001",         // six digits
           "10500112",       // eight digits
           "1050-011",       // hyphen after the fourth digit
           "0564-48-1234",   // a telephone number
           "090-2468-1357",  // a mobile's number goes on after seven digits
           "0902468-1357",
           "東京都105-0011",
       }) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(PostalCodeAtStart(Sj(text)).has_value());
  }
}

TEST(TelephoneNumberOf, WritesNumbersAsAClerkDoes) {
  const struct {
    std::string_view text, number;
  } cases[] = {
      {"06-5403-9856", "06-5403-9856"},      {"０６－５４０３－９８５６", "06-5403-9856"},
      {"(03)1234-5678", "03-1234-5678"},     {"03(1234)5678", "03-1234-5678"},
      {"03 1234 5678", "03-1234-5678"},      {"03ー1234ー5678", "03-1234-5678"},
      {"0564481234", "0564481234"},          {"090-1234-5678 (携帯)", "090-1234-5678"},
      {"+81 90-1234-5678", "090-1234-5678"}, {"+81 (0)3-3433-5111", "03-3433-5111"},
      {"+819012345678", "09012345678"},      {"0564-48-1234 / 090-1234-5678", "0564-48-1234"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(TelephoneNumberOf(Sj(c.text)).value_or("(none)"), c.number);
  }
}

TEST(TelephoneNumberOf, RefusesWhatIsNoNumber) {
  for (const std::string_view text : {
           "--",             // the EC-CUBE 3 FAX field left empty
           "105-0011",       // seven digits
           "123-4567-8901",  // no leading 0
           "03-1234-56789012",
           "+1 212-555-0100",  // not Japan
           "0564-48-1234 FAX 0564-48-1235",
       }) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(TelephoneNumberOf(Sj(text)).has_value());
  }
}

TEST(NameOf, DropsHonorificAndReading) {
  const struct {
    std::string_view text, name;
  } cases[] = {
      {"佐藤 恵　様", "佐藤 恵"},
      {"佐藤 恵 (サトウ メグミ) 様", "佐藤 恵"},
      {"佐藤 恵 様（さとう めぐみ）", "佐藤 恵"},
      {"株式会社ルヴォ 御中", "株式会社ルヴォ"},
      {"佐藤 恵 (営業部)", "佐藤 恵 (営業部)"},  // kanji in brackets are no reading
      {"様", "様"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Utf8(NameOf(Sj(c.text))), c.name);
  }
}

TEST(TidyAddress, DropsBlanksBetweenPlacesAndKeepsTheOneBeforeTheBuilding) {
  const struct {
    std::string_view text, tidy;
  } cases[] = {
      {"愛知県 岡崎市 本宿町1-2 ハイツ101", "愛知県岡崎市本宿町1-2 ハイツ101"},
      {" 大阪府　大阪市北区梅田1-2-3　　梅田ビル ", "大阪府大阪市北区梅田1-2-3 梅田ビル"},
      {"京都府京都市上京区 今出川通烏丸東入 相国寺門前町",
       "京都府京都市上京区今出川通烏丸東入 相国寺門前町"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Utf8(TidyAddress(Sj(c.text))), c.tidy);
  }
}

TEST(HasSevenDigitRun, CountsExactlySeven) {
  EXPECT_TRUE(HasSevenDigitRun(Sj("〒4443505")));
  EXPECT_TRUE(HasSevenDigitRun(Sj("１０５００１１ 東京")));
  EXPECT_FALSE(HasSevenDigitRun(Sj("444-3505")));
  EXPECT_FALSE(HasSevenDigitRun(Sj("12345678")));
  EXPECT_FALSE(HasSevenDigitRun(Sj("123456")));
}

}  // namespace
}  // namespace ruvo
