#pragma once
// Character stepping over Shift-JIS (code page 932) byte strings.
//
// Every text inside the core is a std::string of CP932 bytes. A character is
// one byte, or two when the first is a lead byte (0x81-0x9F, 0xE0-0xFC). A
// lead byte standing last in a text has no trail byte and counts as a
// one-byte character, so stepping never reads past the end.

#include <cstddef>
#include <string_view>

namespace ruvo::sjis {

constexpr bool IsLeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

constexpr bool IsLeadByte(char c) {
  return IsLeadByte(static_cast<unsigned char>(c));
}

// Length in bytes (1 or 2) of the character starting at `pos`; `pos` < size.
std::size_t CharLengthAt(std::string_view text, std::size_t pos);

// Number of characters in `text` (a two-byte character counts once).
std::size_t CharCount(std::string_view text);

// The largest character boundary that is <= `limit`, so that cutting the text
// there never leaves half a two-byte character behind.
std::size_t BoundaryAtOrBefore(std::string_view text, std::size_t limit);

// The first `maxBytes` bytes of `text`, shortened to the last whole character.
std::string_view HeadBytes(std::string_view text, std::size_t maxBytes);

}  // namespace ruvo::sjis
