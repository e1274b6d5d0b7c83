// Arbitrary bytes on ruvo-slip's standard input, read line by line as the
// per-line commands and the transfer read them: the lines must be those a
// plain split at LF, CRLF and CR gives, converted as a whole line would be,
// and a line kept only as far as a limit must read, up to that limit, as
// the whole line. The first byte chooses the encoding and the limit.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_io.h"
#include "transfer/cp932_codec.h"
#include "transfer/sjis.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// The reference: lines end at LF, CRLF or CR; a final break starts no line.
std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    if (text[pos] != '\n' && text[pos] != '\r') continue;
    lines.emplace_back(text.substr(start, pos - start));
    if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ++pos;
    start = pos + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool cp932 = (data[0] & 1) != 0;
  const std::size_t keep = (data[0] >> 1) + 1;  // 1 to 128 bytes
  const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::istringstream in{std::string(input)};
  std::ostringstream out, err;
  ruvo::cli::Context ctx{in, out, err, cp932};
  ruvo::cli::LineReader reader(ctx, ruvo::cli::kMaxSkippedLineBytes, keep);
  std::vector<std::string> read;
  while (std::optional<std::string> line = reader.Next())
    read.push_back(std::move(*line));
  const std::vector<std::string> expected = SplitLines(input);
  Require(read.size() == expected.size());
  for (std::size_t i = 0; i < read.size(); ++i) {
    const std::string whole = cp932 ? expected[i] : ruvo::Utf8ToCp932(expected[i]).bytes;
    Require(ruvo::sjis::HeadBytes(read[i], keep) == ruvo::sjis::HeadBytes(whole, keep));
    Require(read[i].size() <= whole.size());
  }
  return 0;
}
