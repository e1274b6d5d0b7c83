#pragma once
// The one conversion between the core's CP932 byte strings and Unicode.
//
// It is used only at the edges of the program: the Qt widgets and the
// command-line tool's input and output. The implementation is chosen at link
// time (iconv's "CP932" here), so another platform supplies its own file.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ruvo {

// The geta mark "〓" (CP932 0x81 0xAC) that stands in for a character that
// code page 932 cannot hold.
inline constexpr std::string_view kCp932Geta = "\x81\xAC";

struct Cp932Text {
  std::string bytes;         // CP932
  std::size_t replaced = 0;  // characters that became "〓"
};

// Raised when the converter itself is missing from the system.
class CodecError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// UTF-8 to CP932. Characters CP932 cannot hold, and malformed UTF-8, become
// "〓" and are counted in `replaced`, so the caller can tell the user.
Cp932Text Utf8ToCp932(std::string_view utf8);

// CP932 to UTF-8. Byte sequences that are no CP932 character (a lone lead
// byte, an undefined code) become U+FFFD, one per offending byte.
std::string Cp932ToUtf8(std::string_view cp932);

}  // namespace ruvo
