#include "settings/profile_lines.h"

#include <charconv>
#include <cstddef>

#include "transfer/sjis.h"

namespace ruvo::settings {
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kNewLine = "\r\n";

// One line of the text: [begin, end) is its content without the line end,
// `next` the start of the following line.
struct Line {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::size_t next = 0;
};

// What a line means to the format.
enum class LineKind {
  kSection,  // "[name]"
  kKey,      // "name=value"
  kOther,    // comment, blank line or a line without "="
};

struct ParsedLine {
  LineKind kind = LineKind::kOther;
  std::string_view name;
  std::string_view value;
};

// The line starting at `pos`. LF, CRLF and a lone CR each end a line, as
// in the sender files: a file edited elsewhere may hold a CR inside what
// was meant as one value, and the part after it then reads as a line of its
// own (without "=", kept as it is), so that every value read is one line
// and can be written back.
Line LineAt(std::string_view content, std::size_t pos) {
  const std::size_t stop = content.find_first_of(kNewLine, pos);
  if (stop == std::string_view::npos) return {pos, content.size(), content.size()};
  std::size_t next = stop + 1;
  if (content[stop] == '\r' && next < content.size() && content[next] == '\n') ++next;
  return {pos, stop, next};
}

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Position of the first "]" that is a character of its own (0x5D is also a
// valid second byte of a two-byte character).
std::size_t FindClosingBracket(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size(); pos += sjis::CharLengthAt(text, pos)) {
    if (text[pos] == ']') return pos;
  }
  return std::string_view::npos;
}

ParsedLine ParseLine(std::string_view raw) {
  const std::string_view text = TrimBlanks(raw);
  if (text.starts_with('[')) {
    const std::size_t close = FindClosingBracket(text.substr(1));
    if (close == std::string_view::npos) return {};
    return {LineKind::kSection, TrimBlanks(text.substr(1, close)), {}};
  }
  if (text.starts_with(';')) return {};
  const std::size_t equals = text.find('=');  // never a second byte
  if (equals == std::string_view::npos) return {};
  return {LineKind::kKey, TrimBlanks(text.substr(0, equals)), TrimBlanks(text.substr(equals + 1))};
}

ParsedLine ParseLine(std::string_view content, const Line& line) {
  return ParseLine(content.substr(line.begin, line.end - line.begin));
}

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The header line of the first `section`, or std::nullopt.
std::optional<Line> FindSection(std::string_view content, std::string_view section) {
  for (std::size_t pos = 0; pos < content.size();) {
    const Line line = LineAt(content, pos);
    const ParsedLine parsed = ParseLine(content, line);
    if (parsed.kind == LineKind::kSection && ProfileNamesMatch(parsed.name, section)) return line;
    pos = line.next;
  }
  return std::nullopt;
}

// Where a key stands within its section, or where it would be added.
struct KeyPlace {
  std::optional<Line> keyLine;  // the first line of the key
  Line lastFilledLine;          // the section's last non-blank line
};

KeyPlace FindKey(std::string_view content, const Line& header, std::string_view key) {
  KeyPlace place{std::nullopt, header};
  for (std::size_t pos = header.next; pos < content.size();) {
    const Line line = LineAt(content, pos);
    const ParsedLine parsed = ParseLine(content, line);
    if (parsed.kind == LineKind::kSection) break;
    if (parsed.kind == LineKind::kKey && ProfileNamesMatch(parsed.name, key)) {
      place.keyLine = line;
      break;
    }
    if (!TrimBlanks(content.substr(line.begin, line.end - line.begin)).empty()) {
      place.lastFilledLine = line;
    }
    pos = line.next;
  }
  return place;
}

std::string KeyLine(std::string_view key, std::string_view value) {
  std::string line(key);
  line += '=';
  line += value;
  return line;
}

// What ends an unfinished last line before a line is added after it. A lone
// CR gets its LF, to make the usual CRLF.
std::string_view LineEndToFinish(std::string_view content) {
  if (content.empty() || content.ends_with('\n')) return {};
  return content.ends_with('\r') ? "\n" : kNewLine;
}

// `content` with `lines` inserted after `after`, which may be the last line
// without a line end.
std::string InsertAfter(std::string_view content, const Line& after, std::string_view lines) {
  std::string result(content.substr(0, after.next));
  if (after.next == content.size()) result += LineEndToFinish(content);
  result += lines;
  result += content.substr(after.next);
  return result;
}

std::string WithSectionAdded(std::string_view content, std::string_view section,
                             std::string_view keyLine) {
  std::string result(content);
  result += LineEndToFinish(content);
  result += '[';
  result += section;
  result += ']';
  result += kNewLine;
  result += keyLine;
  result += kNewLine;
  return result;
}

bool IsDecimalDigit(char c) {
  return c >= '0' && c <= '9';
}

// `text` as a whole number of `base`, within int.
std::optional<int> ParseWhole(std::string_view text, int base) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, base);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// Digits only: from_chars would also take a "-" here.
std::optional<int> ParseUnsigned(std::string_view digits, int base) {
  if (digits.empty() || digits.front() == '-') return std::nullopt;
  return ParseWhole(digits, base);
}

}  // namespace

bool ProfileNamesMatch(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t pos = 0; pos < a.size();) {
    const std::size_t length = sjis::CharLengthAt(a, pos);
    if (length == 2) {
      if (a.substr(pos, 2) != b.substr(pos, 2)) return false;
    } else if (AsciiLower(a[pos]) != AsciiLower(b[pos])) {
      return false;
    }
    pos += length;
  }
  return true;
}

std::optional<std::string_view> FindProfileValue(std::string_view content, std::string_view section,
                                                 std::string_view key) {
  const std::optional<Line> header = FindSection(content, section);
  if (!header) return std::nullopt;
  const KeyPlace place = FindKey(content, *header, key);
  if (!place.keyLine) return std::nullopt;
  return ParseLine(content, *place.keyLine).value;
}

std::string WithProfileValue(std::string_view content, std::string_view section,
                             std::string_view key, std::string_view value) {
  const std::string keyLine = KeyLine(key, value);
  const std::optional<Line> header = FindSection(content, section);
  if (!header) return WithSectionAdded(content, section, keyLine);
  const KeyPlace place = FindKey(content, *header, key);
  if (!place.keyLine) return InsertAfter(content, place.lastFilledLine, keyLine + "\r\n");
  std::string result(content.substr(0, place.keyLine->begin));
  result += keyLine;
  result += content.substr(place.keyLine->end);
  return result;
}

std::optional<int> ParseProfileInteger(std::string_view text) {
  if (text.starts_with("0x") || text.starts_with("0X")) return ParseUnsigned(text.substr(2), 16);
  if (text.starts_with('+')) return ParseUnsigned(text.substr(1), 10);
  if (text.starts_with('-')) {
    // Parsed with its sign so that the most negative int stays in range.
    if (text.size() < 2 || !IsDecimalDigit(text[1])) return std::nullopt;
    return ParseWhole(text, 10);
  }
  return ParseUnsigned(text, 10);
}

}  // namespace ruvo::settings
