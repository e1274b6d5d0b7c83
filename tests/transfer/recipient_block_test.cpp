#include "transfer/recipient_block.h"

#include <gtest/gtest.h>

#include "transfer/mail_text.h"

namespace ruvo {
namespace {

using test::MemoOf;
using test::Utf8;

std::vector<std::string> LinesUtf8(const RecipientBlock& block) {
  std::vector<std::string> lines;
  for (const std::string& line : block.lines)
    lines.push_back(Utf8(line));
  return lines;
}

constexpr std::string_view kOrderer =
    "ご注文者情報\nお名前：山田 太郎 様\n郵便番号：〒105-0011\n住所：東京都港区芝公園4-2-8\n"
    "電話番号：03-3433-5111\n";
constexpr std::string_view kRecipient =
    "◎お届け先\nお名前：佐藤 恵 様\n郵便番号：〒4443505\n住所：愛知県岡崎市本宿町1-2\n"
    "電話番号：0564-48-1234\n";

TEST(FindRecipientBlock, PrefersTheRecipientWhicheverComesFirst) {
  const std::vector<std::string> recipient = {"佐藤 恵", "444-3505", "愛知県岡崎市本宿町1-2",
                                              "0564-48-1234"};
  for (const std::string& mail : {std::string(kOrderer) + "\n" + std::string(kRecipient),
                                  std::string(kRecipient) + "\n" + std::string(kOrderer)}) {
    const auto block = FindRecipientBlock(MemoOf(mail));
    ASSERT_TRUE(block.has_value());
    EXPECT_EQ(block->source, BlockSource::kRecipient);
    EXPECT_EQ(Utf8(block->heading), "お届け先");
    EXPECT_EQ(LinesUtf8(*block), recipient);
  }
}

TEST(FindRecipientBlock, TakesTheOrdererWhenTheRecipientIsTheOrderer) {
  const struct {
    std::string_view name;
    std::string mail;
    BlockSource source;
  } cases[] = {
      {"no recipient's section", std::string(kOrderer), BlockSource::kOrderer},
      {"same as the orderer", std::string(kOrderer) + "\n◎お届け先\nご注文者と同じ",
       BlockSource::kOrdererAsRecipient},
      {"same, on the heading line", "[送付先] 同上\n" + std::string(kOrderer),
       BlockSource::kOrdererAsRecipient},
      {"a recipient's heading without values", std::string(kOrderer) + "\n◎お届け先\n\n",
       BlockSource::kOrderer},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto block = FindRecipientBlock(MemoOf(c.mail));
    ASSERT_TRUE(block.has_value());
    EXPECT_EQ(block->source, c.source);
    EXPECT_EQ(Utf8(block->heading), "ご注文者情報");
    EXPECT_EQ(LinesUtf8(*block).front(), "山田 太郎");
  }
}

TEST(FindRecipientBlock, FindsNothingWithoutASectionHeading) {
  EXPECT_FALSE(FindRecipientBlock(MemoOf("お届け先：山田太郎様\n〒105-0011\n東京都港区芝公園")));
  EXPECT_FALSE(FindRecipientBlock(MemoOf("【ご注文内容】\n商品名：りんご")));
  EXPECT_FALSE(FindRecipientBlock({}));
}

TEST(FindRecipientBlock, EndsTheSectionWhereTheMailMovesOn) {
  const struct {
    std::string_view name;
    std::string_view mail;
    std::vector<std::string> lines;
  } cases[] = {
      {"a blank line, then other labels",
       "お届け先\nお名前：佐藤 恵\n\nお届け日：2024/12/24\n住所：大阪府大阪市北区梅田1-2-3",
       {"佐藤 恵"}},
      {"a blank line, then a value still missing",
       "お届け先\nお名前：佐藤 恵\n\n電話番号：06-5403-9856",
       {"佐藤 恵", "06-5403-9856"}},
      {"a rule after values",
       "お届け先\n--------\n佐藤 恵\n--------\n山田 太郎\n03-3433-5111",
       {"佐藤 恵"}},
      {"a decorated line",
       "[送付先] 佐藤 恵 様\n[商品]\n〒105-0011 東京都港区芝公園4-2-8",
       {"佐藤 恵"}},
      {"the next heading", "お届け先\n佐藤 恵\n請求先住所\n105-0011", {"佐藤 恵"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto block = FindRecipientBlock(MemoOf(c.mail));
    ASSERT_TRUE(block.has_value());
    EXPECT_EQ(LinesUtf8(*block), c.lines);
  }
}

TEST(FindRecipientBlock, JudgesUnlabelledLinesByTheirLook) {
  // WooCommerce's order: code, address on two lines, company, name, number.
  const auto block =
      FindRecipientBlock(MemoOf("配送先住所\n\n444-3505\n愛知県 岡崎市 "
                                "本宿町1-2\nハイツ岡崎101号室\n株式会社ルヴォ\n佐藤 恵\n"
                                "サトウ メグミ\n日本\nmegumi@example.jp\n0564-48-1234"));
  ASSERT_TRUE(block.has_value());
  EXPECT_EQ(LinesUtf8(*block),
            (std::vector<std::string>{"佐藤 恵", "444-3505",
                                      "愛知県岡崎市本宿町1-2 ハイツ岡崎101号室", "0564-48-1234"}));
  // A wrapped address line without digits, and a name with address marks
  // that its honorific shows to be one.
  const auto wrapped = FindRecipientBlock(MemoOf(
      "[送付先] 市川 一郎 (イチカワ イチロウ) 様\n住所：東京都千代田区丸の内一丁目\n一番一号"));
  ASSERT_TRUE(wrapped.has_value());
  EXPECT_EQ(LinesUtf8(*wrapped),
            (std::vector<std::string>{"市川 一郎", "東京都千代田区丸の内一丁目一番一号"}));
  // A company is the name only when there is no other.
  const auto company = FindRecipientBlock(MemoOf("お届け先\n株式会社ルヴォ\n105-0011"));
  ASSERT_TRUE(company.has_value());
  EXPECT_EQ(LinesUtf8(*company), (std::vector<std::string>{"株式会社ルヴォ", "105-0011"}));
}

TEST(ReadWholeText, ReadsAPasteWithoutHeadingsLineByLine) {
  const RecipientBlock block = ReadWholeText(
      MemoOf("お名前：佐藤 恵 (サトウ メグミ) 様\nFAX：06-5403-9857\n\n(TEL) 06-5403-9856"));
  EXPECT_EQ(block.source, BlockSource::kWholeText);
  EXPECT_TRUE(block.heading.empty());
  EXPECT_EQ(LinesUtf8(block), (std::vector<std::string>{"佐藤 恵", "06-5403-9856"}));
}

}  // namespace
}  // namespace ruvo
