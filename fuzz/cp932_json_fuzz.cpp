// Arbitrary bytes as a CP932 text written as a JSON string (ruvo-slip
// --cp932): the result, read by a CP932 decoder, must be well-formed JSON
// whose string is what the decoder makes of the text itself; without
// --cp932 the UTF-8 string must be well-formed JSON too.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/cli_io.h"
#include "transfer/cp932_codec.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::istringstream in;
  std::ostringstream out, err;
  const ruvo::cli::Context cp932{in, out, err, true};
  const std::string json = ruvo::cli::JsonString(cp932, text);
  const auto parsed = nlohmann::json::parse(ruvo::Cp932ToUtf8(json), nullptr, false);
  Require(parsed.is_string());
  Require(parsed.get<std::string>() == ruvo::Cp932ToUtf8(text));

  const ruvo::cli::Context utf8{in, out, err, false};
  const auto unicode = nlohmann::json::parse(
      ruvo::cli::JsonString(utf8, ruvo::cli::ToOutput(utf8, text)), nullptr, false);
  Require(unicode.is_string());
  return 0;
}
