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

TEST_F(PostalCheck, MatchesAddressesThatBeginWithOneOfTheCodes) {
  const VerdictCase cases[] = {
      {"105-0011", "東京都港区芝公園1-2-3"},          // as transferred
      {"105-0014", "東京都港区芝2-1"},                // 芝, though 芝公園 has a code of its own
      {"1050011", "東京都港区芝公園"},                // the address alone
      {"１０５－００１１", "港区芝公園４－１"},       // without prefecture, full width
      {"105-0011", "東京都 港区　芝公園 1-2"},        // blanks anywhere
      {"100-0013", "東京都千代田区霞ヶ関1-1"},        // ヶ for が
      {"100-0013", "千代田区霞ケ関1"},                // ケ for が
      {"029-5506", "岩手県和賀郡西和賀町湯の沢"},     // の for 之
      {"001-0024", "札幌市北区北24条西3丁目"},        // digits for a kanji district number
      {"002-8089", "北海道石狩郡当別町ビトエ中島1"},  // the second address
      {"001-8612", "札幌市北区北24条西6-1-1"},        // an office, its block number in another form
      {"100-8994", "東京都千代田区丸の内２丁目７－２"},  // an office as the dictionary writes it
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.code) + " " + std::string(c.address1));
    EXPECT_EQ(Check(c.code, c.address1), ZipVerdict::Match);
  }
}

TEST_F(PostalCheck, FindsAddressesThatDisagree) {
  const VerdictCase cases[] = {
      {"105-0011", "東京都港区芝浦1-2"},         // another town
      {"105-0014", "港区芝公園1-2"},             // 芝公園, not 芝: another code
      {"105-0011", "東京都港区芝"},              // shorter than the code's town
      {"105-0011", "東京都港区"},                // the ward alone
      {"105-0011", "大阪府港区芝公園1"},         // another prefecture
      {"105-0011", "芝公園1-2"},                 // the ward left out
      {"001-0024", "札幌市北区北2条西"},         // district 2, not 24
      {"001-8612", "北海道札幌市北区北10条西"},  // an office's town differs
      {"060-0000", "東京都港区芝公園"},          // a code of another prefecture
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.code) + " " + std::string(c.address1));
    EXPECT_EQ(Check(c.code, c.address1), ZipVerdict::Mismatch);
  }
}

TEST_F(PostalCheck, CannotJudgeWithoutKnownCodeOrAddress) {
  const VerdictCase cases[] = {
      {"999-9999", "東京都港区芝公園"},  // code not in the dictionary
      {"105-001", "東京都港区芝公園"},   // no seven-digit code
      {"", "東京都港区芝公園"},          // no code yet
      {"105-0011", ""},                  // no address yet
      {"105-0011", "　 "},               // blanks only
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.code) + "|" + std::string(c.address1));
    EXPECT_EQ(Check(c.code, c.address1), ZipVerdict::Unknown);
  }
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
