#pragma once
// What kind of character a CP932 character is, for reading addresses and
// order mails: digits, blanks, hyphens, katakana and Latin letters in both
// widths.
//
// A character's code is its byte, or lead byte × 256 + trail byte for a
// two-byte character ("０" is 0x824F).

#include <cstddef>
#include <string_view>

namespace ruvo {

// The code of the character starting at `pos` (< text.size()).
unsigned CodeAt(std::string_view text, std::size_t pos);

// True when one of the characters of `text` is `code`. The text is walked
// character by character: the trail byte of a two-byte character is no
// character of its own ("蓮" is 0x9840 and holds no "@", "表" is 0x955C and
// holds no backslash).
bool HasCode(std::string_view text, unsigned code);

// "0" to "9" and "０" to "９".
bool IsDigitCode(unsigned code);
// The digit's value 0 to 9; `code` must be a digit.
int DigitValue(unsigned code);
// " " and "　" (tab too: mails indent with it).
bool IsBlankCode(unsigned code);
// "-", "－", "‐" and "―": what a block or telephone number is written with.
// "ー" is not among them: it is katakana, and a hyphen only between digits.
bool IsHyphenCode(unsigned code);
// The long vowel mark "ー".
bool IsLongVowelCode(unsigned code);
// Full-width katakana ("ァ" to "ヶ") and half-width katakana ("ｦ" to "ﾟ").
bool IsKatakanaCode(unsigned code);
// Hiragana "ぁ" to "ん".
bool IsHiraganaCode(unsigned code);
// "A" to "Z" and "a" to "z" in both widths.
bool IsLatinCode(unsigned code);

}  // namespace ruvo
