// Arbitrary bytes through the one conversion between CP932 and Unicode, both
// ways: what the program writes in CP932 must read back without a character
// lost, a text read from CP932 must survive being written again, and the
// count of replaced characters must be honest.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "transfer/cp932_codec.h"
#include "transfer/sjis.h"

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD
constexpr std::string_view kGeta = "\xE3\x80\x93";         // 〓

void Require(bool condition) {
  if (!condition) std::abort();
}

std::size_t Count(std::string_view text, std::string_view what) {
  std::size_t count = 0;
  for (std::size_t pos = text.find(what); pos != std::string_view::npos;
       pos = text.find(what, pos + what.size()))
    ++count;
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // As UTF-8 (command-line input, a widget's text) to CP932.
  const ruvo::Cp932Text encoded = ruvo::Utf8ToCp932(bytes);
  const std::string back = ruvo::Cp932ToUtf8(encoded.bytes);
  Require(back.find(kReplacement) == std::string::npos);
  Require(encoded.replaced <= size);
  Require(Count(back, kGeta) >= encoded.replaced);
  Require(ruvo::sjis::HeadBytes(encoded.bytes, encoded.bytes.size()) == encoded.bytes);

  // As CP932 (a settings file, a sender file) to Unicode and back.
  const std::string decoded = ruvo::Cp932ToUtf8(bytes);
  if (decoded.find(kReplacement) == std::string::npos) {
    const ruvo::Cp932Text again = ruvo::Utf8ToCp932(decoded);
    Require(again.replaced == 0);
    Require(ruvo::Cp932ToUtf8(again.bytes) == decoded);
  }
  return 0;
}
