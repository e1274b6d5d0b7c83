#include "print/ppd_summary.h"

#include <charconv>

namespace ruvo {
namespace {

constexpr std::string_view kInputSlot = "*InputSlot ";
constexpr std::string_view kDefaultInputSlot = "*DefaultInputSlot:";
constexpr std::string_view kDefaultResolution = "*DefaultResolution:";
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

// "*InputSlot Upper/Upper Tray: ..." → {"Upper", "Upper Tray"}.
std::optional<PpdChoice> ParseInputSlotLine(std::string_view line) {
  std::string_view rest = line.substr(kInputSlot.size());
  const auto colon = rest.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const std::string_view option = Trim(rest.substr(0, colon));
  const auto slash = option.find('/');
  const std::string_view keyword = Trim(option.substr(0, slash));
  if (keyword.empty()) return std::nullopt;
  const std::string_view text =
      slash == std::string_view::npos ? keyword : Trim(option.substr(slash + 1));
  return PpdChoice{std::string(keyword), std::string(text.empty() ? keyword : text)};
}

void ReadLine(std::string_view line, PpdSummary& summary) {
  if (line.starts_with(kInputSlot)) {
    if (auto choice = ParseInputSlotLine(line)) summary.inputSlots.push_back(std::move(*choice));
  } else if (line.starts_with(kDefaultInputSlot)) {
    summary.defaultInputSlot = std::string(Trim(line.substr(kDefaultInputSlot.size())));
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
