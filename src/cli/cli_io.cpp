#include "cli/cli_io.h"

#include <charconv>
#include <istream>
#include <iterator>
#include <ostream>
#include <utility>

#include "transfer/cp932_codec.h"

namespace ruvo::cli {

std::string ReadInputText(Context& ctx) {
  std::string raw{std::istreambuf_iterator<char>(ctx.in), std::istreambuf_iterator<char>()};
  if (ctx.cp932) return raw;
  Cp932Text converted = Utf8ToCp932(raw);
  if (converted.replaced > 0) {
    ctx.err << "ruvo-slip: warning: " << converted.replaced
            << " character(s) not in Shift-JIS replaced by \xE3\x80\x93\n";
  }
  return std::move(converted.bytes);
}

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

std::vector<std::string> ReadInputLines(Context& ctx) {
  return SplitLines(ReadInputText(ctx));
}

void Warn(Context& ctx, std::string_view cp932) {
  ctx.err << "ruvo-slip: warning: " << ToOutput(ctx, cp932) << '\n';
}

std::string ToOutput(const Context& ctx, std::string_view cp932) {
  return ctx.cp932 ? std::string(cp932) : Cp932ToUtf8(cp932);
}

std::string ArgumentToCp932(const Context& ctx, std::string_view arg) {
  return ctx.cp932 ? std::string(arg) : Utf8ToCp932(arg).bytes;
}

std::string JsonString(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (byte < 0x20) {
          out += "\\u00";
          out += kHex[byte >> 4];
          out += kHex[byte & 0x0F];
        } else {
          out += c;
        }
    }
  }
  out += '"';
  return out;
}

std::string ArgReader::NextOption() {
  std::string arg = args_[pos_++];
  inlineValue_.reset();
  const std::size_t eq = arg.find('=');
  if (arg.starts_with("--") && eq != std::string::npos) {
    inlineValue_ = arg.substr(eq + 1);
    arg.resize(eq);
  }
  current_ = arg;
  return arg;
}

std::string ArgReader::Value() {
  if (inlineValue_) return *std::exchange(inlineValue_, std::nullopt);
  if (Done()) throw UsageError("option " + current_ + " needs a value");
  return args_[pos_++];
}

int ArgReader::IntValue(int min, int max) {
  const std::string text = Value();
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < min || value > max) {
    throw UsageError("option " + current_ + " takes a whole number from " + std::to_string(min) +
                     " to " + std::to_string(max) + ", not '" + text + "'");
  }
  return value;
}

void ArgReader::Unknown() const {
  throw UsageError("unknown option '" + current_ + "'");
}

}  // namespace ruvo::cli
