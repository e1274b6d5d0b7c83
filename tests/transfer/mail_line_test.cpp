#include "transfer/mail_line.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace ruvo {
namespace {

using test::Sj;
using test::Utf8;

TEST(ParseHeading, ReadsHeadingsAsShopsDecorateThem) {
  const struct {
    std::string_view line;
    SectionKind kind;
    std::string_view text, value;
  } cases[] = {
      {"◎お届け先", SectionKind::kRecipient, "お届け先", ""},
      {"◎お届け先2", SectionKind::kRecipient, "お届け先2", ""},
      {"【配送先】", SectionKind::kRecipient, "配送先", ""},
      {"＜お届け先＞", SectionKind::kRecipient, "お届け先", ""},
      {"━━ お届け先 ━━", SectionKind::kRecipient, "お届け先", ""},
      {"配送先住所", SectionKind::kRecipient, "配送先住所", ""},
      {"配送先情報 :", SectionKind::kRecipient, "配送先情報", ""},
      {"SHIPPING ADDRESS", SectionKind::kRecipient, "SHIPPING ADDRESS", ""},
      {"[送付先]   佐藤 恵 様", SectionKind::kRecipient, "送付先", "佐藤 恵 様"},
      {"　ご注文者情報", SectionKind::kOrderer, "ご注文者情報", ""},
      {"■ご注文者情報", SectionKind::kOrderer, "ご注文者情報", ""},
      {"請求先住所", SectionKind::kOrderer, "請求先住所", ""},
      {"[注文者]   山田 太郎 様", SectionKind::kOrderer, "注文者", "山田 太郎 様"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const auto heading = ParseHeading(Sj(c.line));
    ASSERT_TRUE(heading.has_value());
    EXPECT_EQ(heading->kind, c.kind);
    EXPECT_EQ(Utf8(heading->text), c.text);
    EXPECT_EQ(Utf8(heading->value), c.value);
  }
}

TEST(ParseHeading, LeavesLabelsAndSentencesAlone) {
  for (const std::string_view line : {
           "お届け先：山田太郎様",  // undecorated with a value: a label
           "お届け先の住所が違う場合はご連絡ください",
           "お届け日：指定なし",  // お届け日 is no heading word
           "【ご注文内容】",      // a heading, but of no party
           "配送方法",
           "************************************************",
           "",
       }) {
    SCOPED_TRACE(line);
    EXPECT_FALSE(ParseHeading(Sj(line)).has_value());
  }
}

TEST(ParseLabel, FindsLabelsWhereverMailsPutThem) {
  const struct {
    std::string_view line;
    std::optional<LabelKind> kind;
    std::string_view value;
  } cases[] = {
      {"　お名前　：佐藤 恵　様", LabelKind::kName, "佐藤 恵　様"},
      {"宛名 : 佐藤 恵 様", LabelKind::kName, "佐藤 恵 様"},
      {"お名前(カナ)：サトウ メグミ 様", LabelKind::kKana, "サトウ メグミ 様"},
      {"フリガナ : サトウ メグミ", LabelKind::kKana, "サトウ メグミ"},
      {"郵便番号：〒4443505", LabelKind::kPostalCode, "〒4443505"},
      {"〒4443505", LabelKind::kPostalCode, "4443505"},
      {"\t住所 : 大阪府 大阪市北区", LabelKind::kAddress, "大阪府 大阪市北区"},
      {"(TEL) 06-5403-9856", LabelKind::kTelephone, "06-5403-9856"},
      {"（電話）０６－５４０３", LabelKind::kTelephone, "０６－５４０３"},
      {"【電話番号】：06-5403", LabelKind::kTelephone, "06-5403"},
      {"ＴＥＬ 06-5403-9856", LabelKind::kTelephone, "06-5403-9856"},
      {"TEL06-5403-9856", LabelKind::kTelephone, "06-5403-9856"},
      {"・電話番号:083-232-1234", LabelKind::kTelephone, "083-232-1234"},
      {"FAX番号 ：--", LabelKind::kFax, "--"},
      {"ファックス番号:083-232-1235", LabelKind::kFax, "083-232-1235"},
      {"メールアドレス：taro@example.jp", LabelKind::kMail, "taro@example.jp"},
      {"国 : 日本", LabelKind::kCountry, "日本"},
      {"会社名　：株式会社ルヴォ", LabelKind::kCompany, "株式会社ルヴォ"},
      // A label of a line the slip has no use for.
      {"お届け日：2024/12/24", std::nullopt, "2024/12/24"},
      {"配送希望時間 : 14:00-16:00", std::nullopt, "14:00-16:00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const auto label = ParseLabel(Sj(c.line));
    ASSERT_TRUE(label.has_value());
    EXPECT_EQ(label->kind, c.kind);
    EXPECT_EQ(Utf8(label->value), c.value);
  }
}

TEST(ParseLabel, FindsNoneInValues) {
  for (const std::string_view line : {
           "佐藤 恵",     // an unknown word before a blank is a value
           "(株)ルヴォ",  // brackets that hold no label
           "10:00",       // digits before the colon
           "〒",          // a label without a number after it
           "東京都港区芝公園4-2-8",
       }) {
    SCOPED_TRACE(line);
    EXPECT_FALSE(ParseLabel(Sj(line)).has_value());
  }
}

}  // namespace
}  // namespace ruvo
