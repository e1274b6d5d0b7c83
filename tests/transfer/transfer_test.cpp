#include "transfer/transfer.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace ruvo {
namespace {

using test::Sj;
using test::Utf8;

MemoLines SjLines(std::initializer_list<std::string_view> utf8) {
  MemoLines lines;
  for (std::string_view line : utf8)
    lines.push_back(Sj(line));
  return lines;
}

// The fields after a transfer into empty fields, as UTF-8 for readable
// failures.
struct Fields {
  std::string zip, add1, add2, name, tel;
  bool operator==(const Fields&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Fields& f) {
  return os << "{zip=" << f.zip << " add1=" << f.add1 << " add2=" << f.add2 << " name=" << f.name
            << " tel=" << f.tel << "}";
}

Fields TransferInto(const MemoLines& memo) {
  const RecipientFields held = ApplyTransfer(TransferText(memo), RecipientFields{});
  return {Utf8(held.zip), Utf8(held.add1), Utf8(held.add2), Utf8(held.name), Utf8(held.tel)};
}

struct TransferCase {
  std::string_view name;
  MemoLines memo;
  Fields expected;
};

TEST(TransferText, FillsTheFieldsFromTypicalPastes) {
  const std::string_view address = "東京都港区芝公園1-2-3";
  const TransferCase cases[] = {
      {"four labelled lines",
       SjLines({"〒105-0011", address, "山田太郎 様", "TEL 03-1234-5678"}),
       {"105-0011", std::string(address), "", "山田太郎", "03-1234-5678"}},
      {"postal code and address on one line",
       SjLines({"〒105-0011 東京都港区芝公園1-2-3", "山田太郎"}),
       {"105-0011", std::string(address), "", "山田太郎", ""}},
      {"full-width postal code and address on one line",
       SjLines({"〒１０５－００１１　東京都港区芝公園１－２－３", "山田太郎"}),
       {"105-0011", std::string(address), "", "山田太郎", ""}},
      {"postal code with six characters after it is not split",
       SjLines({"105-0011 港区芝公園", "山田太郎"}),
       {"", "105-0011 港区芝公園", "", "山田太郎", ""}},
      {"seven digits are no postal code",
       SjLines({"1050011", "山田太郎"}),
       {"", "1050011", "", "山田太郎", ""}},
      {"prefecture line joins the address",
       SjLines({"東京都", "港区芝公園1-2-3", "山田"}),
       {"", std::string(address), "", "山田", ""}},
      {"short line with marks is a name",
       SjLines({"港区1-2", "東京都港区芝公園1-2-3"}),
       {"", std::string(address), "", "港区1-2", ""}},
      {"long line with an address mark is an address",
       SjLines({"市川商事株式会社", "山田"}),
       {"", "市川商事株式会社", "", "山田", ""}},
      {"mail line disappears",
       SjLines({"taro@example.jp 03-1234-5678", "山田"}),
       {"", "", "", "山田", ""}},
      {"FAX is no telephone",
       SjLines({"FAX 03-1234-5678", "山田"}),
       {"", "FAX 03-1234-5678", "", "山田", ""}},
      {"long vowel marks and brackets are no telephone",
       SjLines({"03ー1234ー5678", "(03)1234-5678"}),
       {"", "03ー1234ー5678", "(03)1234-5678", "", ""}},
      {"telephone with a remark is cut after its eighth byte",
       SjLines({"山田", "03-1234-5678 (携帯)"}),
       {"03-1234-", "5678 (携帯)", "", "山田", ""}},
      {"full-width telephone ends up half-width",
       SjLines({"山田", "０３－１２３４－５６７８"}),
       {"", "", "", "山田", "03-1234-5678"}},
      {"first postal code and telephone win",
       SjLines({"105-0011", "106-0032", "03-1111-2222", "03-3333-4444"}),
       {"105-0011", "", "", "", "03-1111-2222"}},
      {"third address line and second name are dropped",
       SjLines({"東京都港区1-1-1", "東京都港区2-2-2", "東京都港区3-3-3", "山田", "田中"}),
       {"", "東京都港区1-1-1", "東京都港区2-2-2", "山田", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TransferInto(c.memo), c.expected);
  }
}

TEST(TransferText, DropsTheAddressPartWhenSevenLinesRemain) {
  const MemoLines memo =
      SjLines({"〒105-0011 東京都港区芝公園1-2-3", "山田", "b", "c", "d", "e", "f"});
  const TransferResult result = TransferText(memo);
  EXPECT_EQ(Utf8(result.written.zip), "105-0011");
  EXPECT_EQ(result.written.add1, "");
  EXPECT_EQ(result.split, SjLines({"105-0011", "山田", "b", "c", "d", "e", "f"}));
}

TEST(TransferText, ShowsTheSplitLinesInTheMemo) {
  const TransferResult result = TransferText(SjLines({"〒105-0011 東京都港区芝公園1-2-3", "山田"}));
  // The moved rest keeps its leading blank in the memo.
  EXPECT_EQ(result.FinalMemo(),
            SjLines({"105-0011", "山田", " 東京都港区芝公園1-2-3", "", "", "", ""}));
  EXPECT_FALSE(result.noTextMessage);
}

TEST(TransferText, NothingUsableShowsTheMessageAndKeepsTheFields) {
  const RecipientFields before{"1", Sj("住所"), "2", Sj("名前"), "3"};
  const MemoLines cases[] = {{}, {"", " ", "\t"}, {"taro@example.com", "www.example.net"}};
  for (const auto& memo : cases) {
    const TransferResult result = TransferText(memo);
    EXPECT_TRUE(result.noTextMessage);
    EXPECT_TRUE(result.FinalMemo().empty());
    EXPECT_EQ(ApplyTransfer(result, before), before);
  }
  EXPECT_EQ(Utf8(kNoTransferTextMessage), "転送テキストがありません");
}

TEST(TransferText, ClearsFieldsThatItDoesNotWrite) {
  const RecipientFields before{"1", Sj("住所"), "2", Sj("名前"), "3"};
  const RecipientFields after = ApplyTransfer(TransferText(SjLines({"山田"})), before);
  EXPECT_EQ(after, (RecipientFields{"", "", "", Sj("山田"), ""}));
}

TEST(CompactMemo, ReadsSixteenLinesAndDropsBlankAndMailLines) {
  MemoLines memo;
  for (int i = 1; i <= 20; ++i)
    memo.push_back(" " + std::to_string(i) + " ");
  memo[1] = "\t";
  memo[2] = "info@example.jp";
  MemoLines expected;
  for (int i : {1, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}) {
    expected.push_back(std::to_string(i));
  }
  EXPECT_EQ(CompactMemo(memo), expected);
}

TEST(TransferText, UsesTheFirstSevenUsableLinesOfTwenty) {
  MemoLines memo;
  for (int i = 1; i <= 20; ++i)
    memo.push_back(i % 3 == 0 ? "" : "L" + std::to_string(i));
  const TransferResult result = TransferText(memo);
  EXPECT_EQ(result.FinalMemo(), (MemoLines{"L1", "L2", "L4", "L5", "L7", "L8", "L10"}));
}

TEST(CompactMemo, ReadsAtMost4096BytesOfALine) {
  // A mail mark beyond byte 4096 is not read, so the line stays.
  const std::string longLine = std::string(4096, 'a') + "@";
  EXPECT_EQ(CompactMemo({longLine}), MemoLines{std::string(4096, 'a')});
  // A two-byte character across the limit is left out whole.
  const std::string straddling = std::string(4095, 'a') + Sj("東");
  EXPECT_EQ(CompactMemo({straddling}), MemoLines{std::string(4095, 'a')});
}

TEST(SplitPostalLines, MovesTheRestBehindTheLastLine) {
  const MemoLines split = SplitPostalLines(SjLines({"105-0011 abcdefg", "x", "", "y"}));
  // The first line empty after trimming that follows the split line takes it.
  EXPECT_EQ(split, (MemoLines{"105-0011", "x", " abcdefg", "y", "", "", ""}));
}

TEST(SplitPostalLines, NeedsMoreThanSixCharactersAfterTheCode) {
  EXPECT_EQ(SplitPostalLines({"105-0011 abcde"})[0], "105-0011 abcde");  // six
  EXPECT_EQ(SplitPostalLines({"105-0011 abcdef"})[0], "105-0011");       // seven
}

TEST(SplitPostalLines, LeavesALineWhoseEighthByteStartsACharacter) {
  // The first 8 bytes end inside "東", so they are no postal code.
  const std::string line = Sj("1234567東京都港区芝公園");
  EXPECT_EQ(SplitPostalLines({line}), (MemoLines{line, "", "", "", "", "", ""}));
}

TEST(SplitPostalLines, ExaminesALineThatReceivedARest) {
  const MemoLines split = SplitPostalLines({"105-0011106-0032 abcdefg"});
  EXPECT_EQ(split, (MemoLines{"105-0011", "106-0032", " abcdefg", "", "", "", ""}));
}

TEST(SplitPostalLines, MovesAtMostEightyBytesAndNoHalfCharacter) {
  const std::string rest = std::string(79, 'a');
  const MemoLines split = SplitPostalLines({"105-0011" + rest + Sj("東") + "zz"});
  EXPECT_EQ(split[1], rest);  // "東" at bytes 88 and 89 is not cut in half
  const MemoLines longer = SplitPostalLines({"105-0011" + std::string(100, 'b')});
  EXPECT_EQ(longer[1], std::string(80, 'b'));
}

TEST(PickRecipientLines, FirstPassComesBeforeTheSecond) {
  // "123-4567" has address marks but is judged a postal code first.
  const TransferPicks picks = PickRecipientLines({"123-4567", "0312345678", Sj("山田")});
  EXPECT_EQ(picks.zip, "123-4567");
  EXPECT_EQ(picks.tel, "0312345678");
  EXPECT_EQ(picks.add1, "");
  EXPECT_EQ(picks.name, Sj("山田"));
}

TEST(FieldsFromPicks, JoinsPrefectureAndAddressWithoutSeparator) {
  TransferPicks picks;
  picks.pref = Sj("東京都");
  picks.add1 = Sj("港区1-2-3");
  EXPECT_EQ(Utf8(FieldsFromPicks(picks).add1), "東京都港区1-2-3");
}

}  // namespace
}  // namespace ruvo
