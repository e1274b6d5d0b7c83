#pragma once
// Trimming and label-word removal for lines pasted into the memo.
//
// All texts are CP932 byte strings; every walk steps over a two-byte
// character as a whole.

#include <span>
#include <string>
#include <string_view>

namespace ruvo {

// Strips every byte of 0x20 or below (space, tab, line breaks, other control
// bytes) from both ends. The full-width space "　" stays.
std::string_view Trim(std::string_view text);

// Trim at the start only.
std::string_view TrimLeft(std::string_view text);

// Trim, then strip half-width and full-width spaces from both ends. A control
// byte that only comes to an end once a full-width space is gone stays
// ("　\t山田" → "\t山田").
std::string_view TrimBlanks(std::string_view text);

// Every occurrence of `word` deleted in one left-to-right sweep at character
// boundaries; an occurrence formed by a deletion is not looked for again.
std::string DeleteEvery(std::string_view text, std::string_view word);

// The label words of pasted address blocks ("お届け先", "TEL", "様", ...), in
// the order they are deleted: a longer word comes before the shorter words it
// contains, so "お電話番号" goes as a whole and leaves no "お" behind.
std::span<const std::string_view> LabelWords();

// Deletes each label word wherever it stands in the line, word by word in
// table order, trimming the start of the line after each word.
// "お届け先：山田太郎様" → "山田太郎".
std::string StripLabelWords(std::string_view text);

}  // namespace ruvo
