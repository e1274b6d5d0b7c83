#include "postal/town_notes.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace ruvo::postal {
namespace {

using test::Sj;
using test::Utf8;

struct NoteCase {
  std::string_view text;  // UTF-8
  std::string_view clean;
};

TEST(TownNotes, LeavesOutTheBlockNumberNoteAndItsRepeatedName) {
  const NoteCase cases[] = {
      // Debian's dictionary: the city, then the note repeating its name.
      {"山梨県北都留郡小菅村小菅村の次に１〜６６３番地がくる場合", "山梨県北都留郡小菅村"},
      {"香川県仲多度郡琴平町琴平町の次に４２７番地以降がくる場合川西", "香川県仲多度郡琴平町川西"},
      // Japan Post's town field alone: nothing is repeated.
      {"琴平町の次に１〜４２６番地がくる場合", "琴平町"},
      {"東京都港区芝公園", "東京都港区芝公園"},
      {"北海道の次に", "北海道の次に"},  // half a note
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Utf8(WithoutBlockNumberNote(Sj(c.text))), c.clean);
  }
}

TEST(TownNotes, LeavesOutWhatStandsInBrackets) {
  const NoteCase cases[] = {
      {"霞が関（次のビルを除く）", "霞が関"},
      {"大通西（１〜１９丁目）", "大通西"},
      {"茂田井（１〜５００「２１１番地を除く」「古町」）", "茂田井"},
      {"名駅ミッドランドスクエア（高層棟）（１階）", "名駅ミッドランドスクエア"},
      {"毛萱（前川原２３２〜２４４、３１１", "毛萱"},  // not closed on this row
      {"芝公園", "芝公園"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Utf8(WithoutBracketed(Sj(c.text))), c.clean);
  }
}

TEST(TownNotes, TakesOutBracketsThatCloseNothing) {
  const NoteCase cases[] = {
      {"名駅ミッドランドスクエア高層棟）（１階", "名駅ミッドランドスクエア高層棟１階"},
      {"東京中央郵便局（私書箱）", "東京中央郵便局（私書箱）"},  // balanced: kept
      {"（（１階）", "（１階）"},
      {"）", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Utf8(WithoutStrayBrackets(Sj(c.text))), c.clean);
  }
}

TEST(TownNotes, FindsWordsAtCharacterStartsOnly) {
  // "ア" is 83 41 and "院" 89 40; "\x83\x41\x89" + "\x40" would read "A" (41)
  // across two characters as a byte search does.
  EXPECT_EQ(FindWord(Sj("ア院"), "A"), std::string_view::npos);
  EXPECT_EQ(FindWord(Sj("アA"), "A"), 2u);
  EXPECT_EQ(IsNoTownListedNote(Sj("以下に掲載がない場合")), true);
  EXPECT_EQ(IsNoTownListedNote(Sj("芝公園")), false);
}

}  // namespace
}  // namespace ruvo::postal
