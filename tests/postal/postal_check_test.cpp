#include "postal/postal_check.h"

#include <gtest/gtest.h>

#include "support/test_text.h"
#include "zip_dictionary_fixture.h"

namespace ruvo::postal {
namespace {

using test::Sj;
using test::Utf8;

class PostalCheck : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { directory_ = new PostalDirectory(test::FixtureDirectory()); }
  static void TearDownTestSuite() { delete directory_; }

  ZipVerdict Check(std::string_view code, std::string_view address1) const {
    return CheckPostalAddress(*directory_, Sj(code), Sj(address1));
  }

  static const PostalDirectory* directory_;
};

const PostalDirectory* PostalCheck::directory_ = nullptr;

struct VerdictCase {
  std::string_view code;  // UTF-8
  std::string_view address1;
};

TEST_F(PostalCheck, ReadsTheCodeAsTheFieldHoldsIt) {
  const VerdictCase cases[] = {
      {"105-0011", "東京都港区芝公園1-2-3"},
      {"1050011", "東京都港区芝公園"},
      {"１０５－００１１", "港区芝公園４－１"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(Check(c.code, c.address1), ZipVerdict::Match);
  }
  EXPECT_EQ(Check("105-0011", "東京都港区芝浦1-2"), ZipVerdict::Mismatch);
  EXPECT_EQ(Check("105-001", "東京都港区芝公園"), ZipVerdict::Unknown);  // no seven-digit code
  EXPECT_EQ(Check("", "東京都港区芝公園"), ZipVerdict::Unknown);         // no code yet
  EXPECT_EQ(Check("105-0011", ""), ZipVerdict::Unknown);                 // no address yet
  EXPECT_EQ(CheckPostalAddress(PostalDirectory(), "105-0011", Sj("東京都港区芝公園")),
            ZipVerdict::Unknown);
}

TEST_F(PostalCheck, StatusTextNamesTheCodesAddress) {
  const struct {
    std::string_view code;
    std::string_view text;  // UTF-8
  } cases[] = {
      {"105-0011", "〒105-0011 東京都港区芝公園"},
      {"１０５００１１", "〒105-0011 東京都港区芝公園"},
      {"002-8089", "〒002-8089 北海道石狩郡当別町ビトエ ほか1件"},
      {"409-0142", "〒409-0142 山梨県北都留郡小菅村"},  // Japan Post's note left out
      {"100-8994", "〒100-8994 東京都千代田区丸の内２丁目７－２（東京中央郵便局）"},
      {"999-9999", "〒999-9999 は郵便番号辞書にありません"},
      {"105-001", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(Utf8(ZipStatusText(*directory_, Sj(c.code))), c.text);
  }
  EXPECT_EQ(ZipStatusText(PostalDirectory(), "105-0011"), "");
}

TEST_F(PostalCheck, WarnsOnlyOnMismatch) {
  EXPECT_EQ(Utf8(ZipWarningText(*directory_, "105-0011", Sj("東京都港区芝浦1"))),
            "警告:郵便番号と住所が一致しません。　〒105-0011 東京都港区芝公園");
  EXPECT_EQ(ZipWarningText(*directory_, "105-0011", Sj("東京都港区芝公園1")), "");
  EXPECT_EQ(ZipWarningText(*directory_, "999-9999", Sj("東京都港区芝浦1")), "");
  EXPECT_EQ(ZipWarningText(*directory_, "105-0011", ""), "");
}

TEST_F(PostalCheck, CompletesOnlyABlankFirstAddressLine) {
  EXPECT_EQ(Utf8(AddressToComplete(*directory_, "002-8089", "")), "北海道石狩郡当別町ビトエ");
  EXPECT_EQ(Utf8(AddressToComplete(*directory_, "105-0011", Sj("　"))), "東京都港区芝公園");
  EXPECT_EQ(AddressToComplete(*directory_, "105-0011", Sj("東京都")), "");  // typed already
  EXPECT_EQ(AddressToComplete(*directory_, "999-9999", ""), "");            // unknown
  EXPECT_EQ(AddressToComplete(PostalDirectory(), "105-0011", ""), "");      // no dictionary
}

TEST(PostalCheckTexts, NoticeSaysWhyTheCheckIsOff) {
  EXPECT_EQ(Utf8(ZipDictionaryUnavailableNotice("/x/SKK-JISYO.zipcode: No such file or directory")),
            "郵便番号辞書を読めないため、郵便番号と住所の照合はしません: "
            "/x/SKK-JISYO.zipcode: No such file or directory");
}

}  // namespace
}  // namespace ruvo::postal
