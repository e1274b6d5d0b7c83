#pragma once
// The notes Japan Post writes into its town names, which no address holds,
// and what Debian's dictionary made of them. Texts are CP932.
//   以下に掲載がない場合              the city's code for every town not listed
//   琴平町の次に１〜４２６番地がくる場合  no town: the block number follows the town's name
//   霞が関（次のビルを除く）          a note in brackets, or the parts of the town the code is for
//   霞が関霞が関ビル（１２階）        a floor of a building that has a code for each floor
//   ミッドランドスクエア高層棟）（１階  Debian's dictionary, its outer brackets lost

#include <cstddef>
#include <string>
#include <string_view>

namespace ruvo::postal {

// True for 「以下に掲載がない場合」.
bool IsNoTownListedNote(std::string_view town);

// `text` without a note 「…の次に…がくる場合」 and without the place's name
// that the note repeats: "香川県仲多度郡琴平町琴平町の次に４２７番地以降がくる場合川西"
// → "香川県仲多度郡琴平町川西". Text without the note stays.
std::string WithoutBlockNumberNote(std::string_view text);

// `text` without anything in full-width brackets （…）, brackets nested
// within included: "茂田井（１〜５００「２１１番地」を除く）" → "茂田井". An
// unclosed bracket runs to the end.
std::string WithoutBracketed(std::string_view text);

// `text` with brackets that close nothing taken out: "高層棟）（１階" →
// "高層棟１階"; balanced brackets stay.
std::string WithoutStrayBrackets(std::string_view text);

// The first occurrence of `word` in `text` that starts a character, or
// npos: a byte search could find a word across two characters.
std::size_t FindWord(std::string_view text, std::string_view word, std::size_t from = 0);

}  // namespace ruvo::postal
