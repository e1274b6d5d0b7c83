#include "print/ppd_summary.h"

#include <cctype>
#include <charconv>

namespace ruvo {
namespace {

constexpr std::string_view kInputSlot = "*InputSlot ";
constexpr std::string_view kDefaultInputSlot = "*DefaultInputSlot:";
constexpr std::string_view kDefaultResolution = "*DefaultResolution:";
constexpr std::string_view kLanguageEncoding = "*LanguageEncoding:";
constexpr int kMaxDpi = 100000;

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

std::optional<int> ParseDpi(std::string_view digits) {
  int value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  if (value < 1 || value > kMaxDpi) return std::nullopt;
  return value;
}

// The bytes of "8EE8 8DB7" (the inside of a <hex> substring): pairs of
// hexadecimal digits, blanks between them allowed; nothing when it is not.
std::optional<std::string> HexBytes(std::string_view hex) {
  std::string digits;
  for (char c : hex) {
    if (c == ' ' || c == '\t') continue;
    if (std::isxdigit(static_cast<unsigned char>(c)) == 0) return std::nullopt;
    digits.push_back(c);
  }
  if (digits.size() % 2 != 0) return std::nullopt;
  std::string bytes;
  for (std::size_t i = 0; i < digits.size(); i += 2) {
    unsigned value = 0;
    std::from_chars(digits.data() + i, digits.data() + i + 2, value, 16);
    bytes.push_back(static_cast<char>(value));
  }
  return bytes;
}

// A translation string with its <hex> substrings decoded; a substring that is
// not hexadecimal, or not closed, stays as written.
std::string DecodeTranslation(std::string_view text) {
  std::string decoded;
  for (auto open = text.find('<'); open != std::string_view::npos; open = text.find('<')) {
    const auto close = text.find('>', open);
    if (close == std::string_view::npos) break;
    const auto bytes = HexBytes(text.substr(open + 1, close - open - 1));
    decoded.append(text.substr(0, open));
    decoded.append(bytes ? *bytes : std::string(text.substr(open, close - open + 1)));
    text.remove_prefix(close + 1);
  }
  decoded.append(text);
  return decoded;
}

// "*InputSlot Upper/Upper Tray: ..." → {"Upper", "Upper Tray"}.
std::optional<PpdChoice> ParseInputSlotLine(std::string_view line) {
  std::string_view rest = line.substr(kInputSlot.size());
  const auto colon = rest.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const std::string_view option = Trim(rest.substr(0, colon));
  const auto slash = option.find('/');
  const std::string_view keyword = Trim(option.substr(0, slash));
  if (keyword.empty()) return std::nullopt;
  const std::string text = slash == std::string_view::npos
                               ? std::string(keyword)
                               : DecodeTranslation(Trim(option.substr(slash + 1)));
  return PpdChoice{std::string(keyword), text.empty() ? std::string(keyword) : text};
}

void ReadLine(std::string_view line, PpdSummary& summary) {
  if (line.starts_with(kInputSlot)) {
    if (auto choice = ParseInputSlotLine(line)) summary.inputSlots.push_back(std::move(*choice));
  } else if (line.starts_with(kDefaultInputSlot)) {
    summary.defaultInputSlot = std::string(Trim(line.substr(kDefaultInputSlot.size())));
  } else if (line.starts_with(kLanguageEncoding)) {
    summary.languageEncoding = std::string(Trim(line.substr(kLanguageEncoding.size())));
  } else if (line.starts_with(kDefaultResolution)) {
    summary.defaultResolution = ParsePpdResolution(Trim(line.substr(kDefaultResolution.size())));
  }
}

}  // namespace

std::optional<Resolution> ParsePpdResolution(std::string_view value) {
  if (!value.ends_with("dpi")) return std::nullopt;
  value.remove_suffix(3);
  const auto cross = value.find('x');
  const auto x = ParseDpi(value.substr(0, cross));
  const auto y = cross == std::string_view::npos ? x : ParseDpi(value.substr(cross + 1));
  if (!x || !y) return std::nullopt;
  return Resolution{*x, *y};
}

PpdSummary ParsePpdSummary(std::string_view ppd) {
  PpdSummary summary;
  while (!ppd.empty()) {
    const auto end = ppd.find('\n');
    ReadLine(ppd.substr(0, end), summary);
    if (end == std::string_view::npos) break;
    ppd.remove_prefix(end + 1);
  }
  return summary;
}

}  // namespace ruvo
