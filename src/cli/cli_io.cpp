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

// U+FFFD, which Cp932ToUtf8 writes for each byte it cannot read.
constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

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

// The length of the CP932 character at `pos` when it is one the codec
// knows, or 0 (a lone lead byte, a lead byte with no valid trail byte, an
// undefined code).
std::size_t DefinedCharLengthAt(std::string_view text, std::size_t pos) {
  const auto byte = static_cast<unsigned char>(text[pos]);
  if (byte < 0x80 || (byte >= 0xA1 && byte <= 0xDF)) return 1;  // ASCII, half-width katakana
  const std::size_t length = sjis::CharLengthAt(text, pos);
  if (length == 2) {
    const auto trail = static_cast<unsigned char>(text[pos + 1]);
    if (trail < 0x40 || trail == 0x7F || trail > 0xFC) return 0;
  }
  const std::string utf8 = Cp932ToUtf8(text.substr(pos, length));
  return utf8.find(kReplacementUtf8) == std::string::npos ? length : 0;
}

// JSON has no CP932 form, so no library writes it; a two-byte character is
// copied whole, whatever its trail byte. A byte that starts no character
// (a lone lead byte, which would take the closing quote or a control byte
// as its trail) is written as the escape \ufffd and the next byte read on
// its own, as a decoder reads it: the JSON stays well-formed and says what
// Cp932ToUtf8 says of the text.
std::string Cp932JsonString(std::string_view text) {
  std::string out = "\"";
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = DefinedCharLengthAt(text, pos);
    if (length == 0) {
      out += "\\ufffd";
      ++pos;
      continue;
    }
    if (length == 1 && static_cast<unsigned char>(text[pos]) < 0x80) {
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

// The length of `text` without a UTF-8 character cut off at its end.
std::size_t CompleteUtf8Length(std::string_view text) {
  std::size_t start = text.size();
  while (start > 0 && text.size() - start < 4 &&
         (static_cast<unsigned char>(text[start - 1]) & 0xC0) == 0x80) {
    --start;
  }
  if (start == 0) return text.size();
  const auto lead = static_cast<unsigned char>(text[start - 1]);
  const std::size_t need = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  return text.size() - (start - 1) < need ? start - 1 : text.size();
}

}  // namespace

LineReader::LineReader(Context& ctx, std::size_t maxBytes, std::size_t keepBytes)
    : ctx_(ctx),
      maxBytes_(maxBytes),
      // CP932 bytes come as they are; a UTF-8 character of up to three
      // bytes (half-width katakana) may give a single CP932 byte. One byte
      // more than asked keeps a two-byte character at the limit whole.
      keepRawBytes_(ctx.cp932 ? keepBytes + 2 : 3 * (keepBytes + 1) + 3) {}

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
  std::size_t length = 0;
  for (; c != kEnd && c != '\n' && c != '\r'; c = NextByte()) {
    if (length == maxBytes_) {
      throw InputError("input line " + std::to_string(number_) + " is longer than " +
                       std::to_string(maxBytes_) + " bytes");
    }
    if (length++ < keepRawBytes_) line += static_cast<char>(c);
  }
  afterCr_ = c == '\r';
  // A UTF-8 character cut at the end would read as one CP932 cannot hold.
  if (length > line.size() && !ctx_.cp932) line.resize(CompleteUtf8Length(line));
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
    if (!ctx.out) throw OutputError();
  }
}

std::vector<std::string> ReadFirstLines(Context& ctx, std::size_t count, std::size_t keepBytes) {
  LineReader reader(ctx, kMaxSkippedLineBytes, keepBytes);
  std::vector<std::string> lines;
  while (lines.size() < count) {
    std::optional<std::string> line = reader.Next();
    if (!line) break;
    lines.push_back(std::move(*line));
  }
  return lines;
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
