#pragma once
// Where a long address continues on the second line, as a clerk writes it.
//
// The slip's first address line holds 40 bytes (20 full-width characters).
// A longer address keeps the place and the block number (the 番地) on line 1
// and moves the building and room to line 2:
//   "東京都港区芝公園四丁目二番八号東京タワー前" → "東京都港区芝公園四丁目二番八号" /
//   "東京タワー前" "愛知県岡崎市本宿町字大木戸1-2 ハイツ岡崎101号室" → "…大木戸1-2" /
//   "ハイツ岡崎101号室"
// Window, command line and batch all split here.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ruvo {

// Where `address` (longer than `limit` bytes) is best broken: the byte
// position that starts line 2, always on a character boundary, > 0 and
// <= `limit`. In order of preference: at the start of the building (after
// the last block number before it, at a blank, or before the room number of
// a "号室"), else at the last blank, else after the last 市/区/郡/町/村
// (then the prefecture), else between two kinds of character (kanji and
// katakana, digits and letters), else at the last whole character.
std::size_t AddressBreak(std::string_view address, std::size_t limit);

// Address line 1 longer than its 40 bytes is broken at AddressBreak; the
// blanks around the break go, and what follows goes before line 2, with a
// blank between when line 2 holds text. A line 1 of 40 bytes or fewer is
// left as it is. Returns the new lines 1 and 2.
std::pair<std::string, std::string> SplitLongAddress(std::string_view line1,
                                                     std::string_view line2);

// The lines of one address as a mail wrapped them, joined: with a blank
// between place and building ("本宿町1-2" "ハイツ101" → "本宿町1-2 ハイツ101"),
// without one where the block number goes on ("丸の内一丁目" "一番一号" →
// "丸の内一丁目一番一号", "西田二丁目14" "-2 ハイツ201" → "西田二丁目14-2 ハイツ201").
std::string JoinAddressLines(const std::vector<std::string>& lines);

// True when `text` holds a block number: digits, or kanji numerals with
// 丁目, 番地, 番 or 号 ("4-1-1", "一丁目二番"; not the "四" of "四日市").
bool HasBlockNumber(std::string_view text);

// True when `text` names a building or a room: "マンション", "ハイツ", "ビル",
// "荘", "号室" and the like, full-width or half-width.
bool HasBuildingWord(std::string_view text);

}  // namespace ruvo
