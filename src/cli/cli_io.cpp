#include "cli/cli_io.h"

#include <algorithm>
#include <charconv>
#include <istream>
#include <nlohmann/json.hpp>
#include <ostream>
#include <utility>

#include "transfer/cp932_codec.h"
#include "transfer/sjis.h"

namespace ruvo::cli {

namespace {

// C0 controls and DEL: never a trail byte of CP932, never part of a UTF-8
// character.
bool IsControlByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F;
}

// "1b" for 0x1B.
std::string Hex(unsigned char byte) {
  static constexpr char kHex[] = "0123456789abcdef";
  return {kHex[byte >> 4], kHex[byte & 0x0F]};
}

// The characters a JSON string literal writes with a short escape.
constexpr struct {
  char character;
  std::string_view escaped;
} kShortEscapes[] = {
    {'"', "\\\""},   // quotation mark
    {'\\', "\\\\"},  // reverse solidus: the byte 0x5C standing alone
    {'\n', "\\n"},   // line feed
    {'\r', "\\r"},   // carriage return
    {'\t', "\\t"},   // tab
};

// One single-byte character as it stands inside a JSON string literal.
void AppendJsonByte(std::string& out, char c) {
  for (const auto& row : kShortEscapes) {
    if (row.character == c) {
      out += row.escaped;
      return;
    }
  }
  const auto byte = static_cast<unsigned char>(c);
  if (byte >= 0x20) {
    out += c;
    return;
  }
  out += "\\u00" + Hex(byte);
}

// JSON has no CP932 form, so no library writes it; a two-byte character is
// copied whole, whatever its trail byte.
std::string Cp932JsonString(std::string_view text) {
  std::string out = "\"";
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = sjis::CharLengthAt(text, pos);
    if (length == 1) {
      AppendJsonByte(out, text[pos]);
    } else {
      out.append(text.substr(pos, length));
    }
    pos += length;
  }
  return out + '"';
}

// "1 character(s) not in Shift-JIS replaced by 〓", after `where`.
void WarnReplaced(Context& ctx, const std::string& where, std::size_t replaced) {
  if (replaced == 0) return;
  ctx.err << "ruvo-slip: warning: " << ForTerminal(ctx, where) << replaced
          << " character(s) not in Shift-JIS replaced by \xE3\x80\x93\n";
}

}  // namespace

std::string ReadInputText(Context& ctx, std::size_t maxBytes) {
  std::string raw;
  char buffer[65536];
  for (std::streamsize got; (got = ctx.in.rdbuf()->sgetn(buffer, sizeof buffer)) > 0;) {
    if (raw.size() + static_cast<std::size_t>(got) > maxBytes) {
      throw InputError("the input is larger than " + std::to_string(maxBytes) + " bytes");
    }
    raw.append(buffer, static_cast<std::size_t>(got));
  }
  if (ctx.cp932) return raw;
  Cp932Text converted = Utf8ToCp932(raw);
  WarnReplaced(ctx, "", converted.replaced);
  return std::move(converted.bytes);
}

int LineReader::NextByte() {
  std::streambuf& in = *ctx_.in.rdbuf();
  // Answers go out before the reader may wait for more input: a script that
  // talks line by line gets each answer, a file read whole is not slowed by
  // a flush per line.
  if (in.in_avail() <= 0) ctx_.out.flush();
  return in.sbumpc();
}

std::optional<std::string> LineReader::NextBytes() {
  constexpr int kEnd = std::char_traits<char>::eof();
  int c = NextByte();
  if (c == '\n' && afterCr_) c = NextByte();
  afterCr_ = false;
  if (c == kEnd) return std::nullopt;
  ++number_;
  std::string line;
  for (; c != kEnd && c != '\n' && c != '\r'; c = NextByte()) {
    if (line.size() == maxBytes_) {
      throw InputError("input line " + std::to_string(number_) + " is longer than " +
                       std::to_string(maxBytes_) + " bytes");
    }
    line += static_cast<char>(c);
  }
  afterCr_ = c == '\r';
  return line;
}

std::optional<std::string> LineReader::Next() {
  std::optional<std::string> line = NextBytes();
  if (!line || ctx_.cp932) return line;
  Cp932Text converted = Utf8ToCp932(*line);
  WarnReplaced(ctx_, "line " + std::to_string(number_) + ": ", converted.replaced);
  return std::move(converted.bytes);
}

void AnswerEachLine(Context& ctx,
                    const std::function<std::string(const std::string& line)>& answer) {
  LineReader reader(ctx);
  while (const std::optional<std::string> line = reader.Next()) {
    ctx.out << answer(*line) << '\n';
  }
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
  ctx.err << "ruvo-slip: warning: " << ForTerminal(ctx, ToOutput(ctx, cp932)) << '\n';
}

std::string ToOutput(const Context& ctx, std::string_view cp932) {
  return ctx.cp932 ? std::string(cp932) : Cp932ToUtf8(cp932);
}

std::string ForTerminal(const Context& ctx, std::string_view text) {
  std::string out;
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    const auto byte = static_cast<unsigned char>(text[pos]);
    const unsigned char next =
        pos + 1 < text.size() ? static_cast<unsigned char>(text[pos + 1]) : 0;
    if (IsControlByte(text[pos])) {
      out += "\\x" + Hex(byte);
    } else if (!ctx.cp932 && byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
      out += "\\u00" + Hex(next);  // a C1 control in UTF-8
      ++pos;
    } else {
      out += text[pos];
    }
  }
  return out;
}

std::string JsonString(const Context& ctx, std::string_view text) {
  if (ctx.cp932) return Cp932JsonString(text);
  return nlohmann::json(std::string(text))
      .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
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

std::string ArgReader::TextValue(Context& ctx) {
  std::string text = Value();
  if (!ctx.cp932) {
    Cp932Text converted = Utf8ToCp932(text);
    WarnReplaced(ctx, "option " + current_ + ": ", converted.replaced);
    text = std::move(converted.bytes);
  }
  if (const auto control = std::find_if(text.begin(), text.end(), IsControlByte);
      control != text.end()) {
    throw UsageError("option " + current_ + " holds the control character 0x" +
                     Hex(static_cast<unsigned char>(*control)) +
                     "; a slip text is one line of visible characters");
  }
  return text;
}

void ArgReader::Unknown() const {
  throw UsageError("unknown option '" + current_ + "'");
}

}  // namespace ruvo::cli
