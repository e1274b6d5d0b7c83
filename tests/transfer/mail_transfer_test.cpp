#include "transfer/mail_transfer.h"

#include <gtest/gtest.h>

#include <random>

#include "transfer/mail_text.h"

namespace ruvo {
namespace {

using test::FieldsOf;
using test::MemoOf;
using test::Sj;
using test::Utf8;

test::Fields MailInto(std::string_view utf8) {
  return FieldsOf(ApplyMailTransfer(TransferMail(MemoOf(utf8)), RecipientFields{}));
}

TEST(TransferMail, TakesTheRecipientFromEachShopsSection) {
  for (const test::ShopMail& mail : test::kShopMails) {
    SCOPED_TRACE(mail.system);
    const MailTransferResult result = TransferMail(MemoOf(mail.section));
    EXPECT_EQ(FieldsOf(ApplyMailTransfer(result, {})), FieldsOf(mail.fields));
    EXPECT_EQ(Utf8(result.SectionHeading().value_or("(none)")), mail.heading);
  }
}

TEST(TransferMail, TakesTheGiftRecipientFromEachShopsWholeMail) {
  for (const test::ShopMail& mail : test::kShopMails) {
    SCOPED_TRACE(mail.system);
    const MailTransferResult result = TransferMail(MemoOf(test::WholeMail(mail)));
    EXPECT_EQ(FieldsOf(ApplyMailTransfer(result, {})), FieldsOf(mail.fields));
    EXPECT_EQ(Utf8(result.SectionHeading().value_or("(none)")), mail.heading);
    EXPECT_EQ(result.block->source, BlockSource::kRecipient);
  }
}

// One row per way the rules went wrong on shops' mails.
TEST(TransferMail, ReadsMailsAsShopsWriteThem) {
  const struct {
    std::string_view pattern;
    std::string_view mail;
    test::Fields expected;
  } cases[] = {
      {"a heading is no name",
       "■ご注文者情報\nお名前：山田 太郎\n住所：東京都港区芝公園4-2-8",
       {"", "東京都港区芝公園4-2-8", "", "山田 太郎", ""}},
      {"a name on the heading line",
       "[送付先] 佐藤 恵 様\n〒105-0011 東京都港区芝公園4-2-8",
       {"105-0011", "東京都港区芝公園4-2-8", "", "佐藤 恵", ""}},
      {"seven digits after a postal-code label",
       "◎お届け先\n郵便番号：〒4443505\nお名前：佐藤 恵",
       {"444-3505", "", "", "佐藤 恵", ""}},
      {"(TEL) is a label",
       "[送付先] 佐藤 恵 様\n(TEL) 06-5403-9856",
       {"", "", "", "佐藤 恵", "06-5403-9856"}},
      {"（電話） is a label",
       "【配送先】\n宛名：佐藤 恵\n（電話）０６－５４０３－９８５６",
       {"", "", "", "佐藤 恵", "06-5403-9856"}},
      {"a long address breaks at the building",
       "お届け先\n住所：東京都港区芝公園4-2-8東京タワービル3F展望台事務所",
       {"", "東京都港区芝公園4-2-8", "東京タワービル3F展望台事務所", "", ""}},
      {"wrapped address lines are joined",
       "お届け先\n田中 花子\n750-0025\n山口県下関市\n竹崎町4-1-1",
       {"750-0025", "山口県下関市竹崎町4-1-1", "", "田中 花子", ""}},
      {"FAX, country and rule lines carry nothing",
       "お届け先\n--------\n佐藤 恵\nJapan\nFAX番号 ：--\n電話番号：0564-48-1234",
       {"", "", "", "佐藤 恵", "0564-48-1234"}},
      {"宛名 is a label", "【配送先】\n宛名 : 佐藤 恵 様", {"", "", "", "佐藤 恵", ""}},
      {"a reading in brackets is dropped",
       "[送付先] 佐藤 恵（さとう めぐみ）様",
       {"", "", "", "佐藤 恵", ""}},
      {"an unlabelled mobile number is no postal code",
       "配送先住所\n\n〒604-8005\n京都府京都市中京区恵比須町534\n中村 奈々様\n080-1357-2468",
       {"604-8005", "京都府京都市中京区恵比須町534", "", "中村 奈々", "080-1357-2468"}},
      {"nor before the postal code",
       "配送先住所\n\n050-3141-2718\n604-8005\n中村 奈々",
       {"604-8005", "", "", "中村 奈々", "050-3141-2718"}},
      {"a reading line before the name is dropped, a katakana building kept",
       "配送先住所\n\n京都府京都市中京区恵比須町534\nキャッスル\nナカムラ ナナ\n中村 奈々様",
       {"", "京都府京都市中京区恵比須町534 キャッスル", "", "中村 奈々", ""}},
      {"a building line without digits or building word",
       "配送先住所\n\n604-8005\n京都府 京都市中京区 恵比須町534\nセントラル京都\n中村 奈々\n日本",
       {"604-8005", "京都府京都市中京区恵比須町534", "セントラル京都", "中村 奈々", ""}},
      {"a building line after the address when the name stands first",
       "お届け先\n中村 奈々\n604-8005\n京都府京都市中京区\n恵比須町534\nキャッスル御池\n日本",
       {"604-8005", "京都府京都市中京区恵比須町534", "キャッスル御池", "中村 奈々", ""}},
      {"the one line after the address is the name",
       "配送先住所\n\n604-8005\n京都府京都市中京区恵比須町534\n中村 奈々\n075-231-1111",
       {"604-8005", "京都府京都市中京区恵比須町534", "", "中村 奈々", "075-231-1111"}},
      {"an address wrapped inside its house number",
       "【配送先】\n住所 : 京都府京都市中京区恵比須町534\n-1 キャッスル御池201",
       {"", "京都府京都市中京区恵比須町534-1", "キャッスル御池201", "", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(MailInto(c.mail), c.expected);
  }
}

// Characters whose second byte is that of an ASCII sign or letter ("蓮" is
// 0x9840, "@" 0x40; "表" 0x955C, "\\" 0x5C; "ポ" 0x837C, "|" 0x7C) in each
// place a mail puts them: no reader may take them for the sign.
TEST(TransferMail, ReadsCharactersWhoseSecondByteIsAnAsciiSign) {
  const struct {
    std::string_view shape, mail;
    test::Fields fields;
  } shapes[] = {
      {"name on the heading line",
       "[送付先] 森 %% 様\n〒606-8397 京都府京都市左京区聖護%町54\n(TEL) 090-3141-5926",
       {"606-8397", "京都府京都市左京区聖護%町54", "", "森 %%", "090-3141-5926"}},
      {"labelled lines, a long address",
       "◎お届け先\nお名前：小川 % 様\n郵便番号：〒6068397\n"
       "住所：京都府京都市左京区聖護%町54 ハイツ%%302号室\nFAX番号 ：",
       {"606-8397", "京都府京都市左京区聖護%町54", "ハイツ%%302号室", "小川 %", ""}},
      {"unlabelled lines, a building line",
       "配送先住所\n\n〒606-8397\n京都府京都市左京区聖護%町54\nグラン%%\n小川 %様\n"
       "090-3141-5926\nren＠example.jp",
       {"606-8397", "京都府京都市左京区聖護%町54 グラン%%", "", "小川 %", "090-3141-5926"}},
      {"the name first",
       "お届け先\n--------\n%田 %子\n615-8035\n京都府京都市右京区\n西%東淳和%町1\nJapan",
       {"615-8035", "京都府京都市右京区西%東淳和%町1", "", "%田 %子", ""}},
  };
  const auto fill = [](std::string_view text, std::string_view character) {
    std::string filled;
    for (const char c : text)
      filled += c == '%' ? std::string(character) : std::string(1, c);
    return filled;
  };
  for (const std::string_view character :
       {"蓮", "院", "宗", "法", "ァ", "端", "表", "ソ", "能", "予", "十",
        "申", "転", "運", "神", "形", "本", "ポ", "マ", "ミ", "テ"}) {
    for (const auto& shape : shapes) {
      SCOPED_TRACE(std::string(character) + ", " + std::string(shape.shape));
      const test::Fields& f = shape.fields;
      EXPECT_EQ(MailInto(fill(shape.mail, character)),
                (test::Fields{f.zip, fill(f.add1, character), fill(f.add2, character),
                              fill(f.name, character), f.tel}));
    }
  }
}

// The rules' own edge cases that a mail's reading decides otherwise: only
// pastes with a bracket or seven digits in a row, which are no plain block.
TEST(TransferMail, ReadsSevenDigitsAndBracketedNumbersAsAClerkDoes) {
  const struct {
    std::string_view paste;
    test::Fields rules;
    test::Fields mail;
  } cases[] = {
      {"1050011\n山田太郎",
       {"", "1050011", "", "山田太郎", ""},
       {"105-0011", "", "", "山田太郎", ""}},
      {"山田\n(03)1234-5678",
       {"", "(03)1234-5678", "", "山田", ""},
       {"", "", "", "山田", "03-1234-5678"}},
      {"山田\n03-1234-5678 (携帯)",
       {"03-1234-", "5678 (携帯)", "", "山田", ""},
       {"", "", "", "山田", "03-1234-5678"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.paste);
    const MemoLines memo = MemoOf(c.paste);
    EXPECT_FALSE(IsPlainPaste(memo));
    EXPECT_EQ(FieldsOf(ApplyTransfer(TransferText(memo), {})), c.rules);
    EXPECT_EQ(MailInto(c.paste), c.mail);
  }
}

// Lines of plain address blocks: no heading, no bracket, no seven digits in
// a row, and addresses that fit line 1, with the rules' traps among them.
constexpr std::string_view kPlainLines[] = {
    "〒105-0011",
    "１０５－００１１",
    "〒105-0011 東京都港区芝公園1-2-3",
    "105-0011 港区芝公園",
    "東京都",
    "東京都港区芝公園4-2-8",
    "港区芝公園1-2-3 ハイツ芝101",
    "住所：大阪府大阪市北区梅田1-2-3",
    "山田太郎 様",
    "お名前：山田 太郎",
    "お届け先：佐藤恵様",
    "ヤマダ タロウ",
    "市川商事株式会社",
    "港区1-2",
    "TEL 03-1234-5678",
    "０３－１２３４－５６７８",
    "03ー1234ー5678",
    "03-1234-5678 携帯",
    "FAX 03-1234-5678",
    "12345678",
    "taro@example.jp",
    "https://shop.example.jp",
    "ご注文番号：1024",
    "",
    "　",
    "\t山田\t",
};

TEST(TransferMail, PlainBlocksComeOutAsTheRulesAloneGiveThem) {
  std::mt19937 random(20250);
  std::uniform_int_distribution<std::size_t> lineCount(1, 12);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(kPlainLines) - 1);
  int compared = 0;
  for (int round = 0; round < 2000; ++round) {
    MemoLines memo;
    for (std::size_t n = lineCount(random); n > 0; --n)
      memo.push_back(Sj(kPlainLines[pick(random)]));
    ASSERT_TRUE(IsPlainPaste(memo));
    const TransferResult rules = TransferText(memo);
    // An address over 40 bytes makes no plain block: it is split.
    if (rules.written.add1.size() > kAddressLine1MaxBytes) continue;
    const MailTransferResult mail = TransferMail(memo);
    const RecipientFields before{"1", "2", "3", "4", "5"};
    ASSERT_EQ(ApplyMailTransfer(mail, before), ApplyTransfer(rules, before)) << round;
    ASSERT_EQ(mail.FinalMemo(), rules.FinalMemo()) << round;
    EXPECT_FALSE(mail.block.has_value());
    ++compared;
  }
  EXPECT_GT(compared, 1000);
}

TEST(TransferMail, SplitsALongAddressOfAPlainBlock) {
  // The rules alone leave 42 bytes on line 1.
  const test::Fields fields =
      MailInto("〒105-0011 東京都港区芝公園一丁目二番三号芝公園大通館\n山田太郎");
  EXPECT_EQ(fields, (test::Fields{"105-0011", "東京都港区芝公園一丁目二番三号", "芝公園大通館",
                                  "山田太郎", ""}));
}

TEST(TransferMail, NothingToTransferKeepsTheFields) {
  const RecipientFields before{"1", Sj("住所"), "2", Sj("名前"), "3"};
  for (const std::string_view paste : {"", "【ご注文内容】\n商品名：りんご", "◎お届け先\n\n"}) {
    SCOPED_TRACE(paste);
    const MailTransferResult result = TransferMail(MemoOf(paste));
    EXPECT_TRUE(result.rules.noTextMessage);
    EXPECT_EQ(ApplyMailTransfer(result, before), before);
  }
}

}  // namespace
}  // namespace ruvo
