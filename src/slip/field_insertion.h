#pragma once
// What a single-line CP932 field takes of a text the user types or pastes:
//
// - only its first line, as the single-line edit of the platform the files
//   come from keeps it;
// - no control characters (a tab becomes a blank);
// - a character CP932 cannot hold as "〓", so the field shows what will be
//   printed and saved;
// - at most the room the field's byte limit leaves, cut at a character
//   boundary, never inside a two-byte character.
//
// Texts here are UTF-8: the rule runs on what the user entered, before it
// becomes a field's CP932 text.

#include <cstddef>
#include <string>
#include <string_view>

namespace ruvo {

struct FieldInsertion {
  std::string text;  // UTF-8
  int replaced = 0;  // characters that became "〓"
  int dropped = 0;   // characters after the first line break, and control characters
  int cut = 0;       // CP932 bytes beyond the room
};

// The part of `inserted` the field takes; `roomBytes` is npos for a field
// without limit. "山田\n太郎" → "山田" (dropped 3); "ab𠮷" → "ab〓"
// (replaced 1); "あいう" into 5 bytes → "あい" (cut 2).
FieldInsertion FitFieldInsertion(std::string_view inserted, std::size_t roomBytes);

// The CP932 bytes a UTF-8 text takes once a character CP932 lacks is "〓".
std::size_t Cp932ByteCount(std::string_view utf8);

}  // namespace ruvo
