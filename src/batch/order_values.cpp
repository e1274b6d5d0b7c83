#include "batch/order_values.h"

#include <charconv>
#include <chrono>
#include <vector>

#include "settings/sender_file.h"
#include "slip/slip_fields.h"
#include "transfer/half_width.h"
#include "transfer/recipient_fields.h"
#include "transfer/sjis.h"
#include "transfer/text_ops.h"

namespace ruvo::batch {
namespace {

constexpr std::string_view kPostalMark = "\x81\xA7";  // 〒
constexpr std::string_view kHour = "\x8E\x9E";        // 時, as in "14→16時"
constexpr std::string_view kArrow = "\x81\xA8";       // →, as the window's slot boxes write it
constexpr std::string_view kYear = "\x94\x4E";        // 年
constexpr std::string_view kMonth = "\x8C\x8E";       // 月
constexpr std::string_view kDay = "\x93\xFA";         // 日

// Where the hours of a slot may be separated once the text is half-width
// ("～" is "~" by then).
constexpr std::string_view kHourSeparators[] = {"-", "~", kArrow};

std::optional<int> WholeNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool AllDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Half-width, blanks removed everywhere: "１４時 → １６時" → "14時→16時".
std::string Compact(std::string_view text) {
  return DeleteEvery(ToHalfWidth(text), " ");
}

std::optional<int> SlotOfHours(std::string_view from, std::string_view to) {
  const auto start = WholeNumber(from);
  const auto end = WholeNumber(to);
  for (std::size_t slot = 0; slot < kTimeSlots.size(); ++slot) {
    if (start == kTimeSlots[slot].fromHour && end == kTimeSlots[slot].toHour) {
      return static_cast<int>(slot) + 1;
    }
  }
  return std::nullopt;
}

// An hour as written in a slot: "14", "14時", "14:00".
std::string_view HourOf(std::string_view text) {
  if (text.ends_with(kHour)) text.remove_suffix(kHour.size());
  if (text.ends_with(":00")) text.remove_suffix(3);
  return text;
}

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t at = text.find(separator, start);
    parts.push_back(text.substr(start, at - start));
    if (at == std::string_view::npos) return parts;
    start = at + 1;
  }
}

}  // namespace

std::string FoldControls(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size(); pos += sjis::CharLengthAt(text, pos)) {
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (byte >= 0x20 && byte != 0x7F) {
      folded.append(text.substr(pos, sjis::CharLengthAt(text, pos)));
    } else if (folded.empty() || folded.back() != ' ') {
      folded += ' ';
    }
  }
  return folded;
}

std::string SlipPostalCode(std::string_view text) {
  std::string code = FieldTextAsHeld(SlipField::kRecipientZip, text);
  if (std::string_view(code).starts_with(kPostalMark)) code.erase(0, kPostalMark.size());
  code = std::string(TrimBlanks(code));
  if (code.size() == 7 && AllDigits(code)) code.insert(3, "-");
  return code;
}

bool IsSlipPostalCode(std::string_view text) {
  return text.size() == 8 && text[3] == '-' && AllDigits(text.substr(0, 3)) &&
         AllDigits(text.substr(4));
}

std::optional<int> TimeSlotNumber(std::string_view text) {
  const std::string compact = Compact(text);
  if (compact.empty()) return 0;
  if (const auto number = WholeNumber(compact);
      number && *number >= 1 && *number <= kTimeSlotCount) {
    return number;
  }
  for (const std::string_view separator : kHourSeparators) {
    const std::size_t at = compact.find(separator);
    if (at == std::string::npos) continue;
    const std::string_view whole(compact);
    return SlotOfHours(HourOf(whole.substr(0, at)), HourOf(whole.substr(at + separator.size())));
  }
  return std::nullopt;
}

std::optional<WishedDate> WishedDateOf(std::string_view text) {
  std::string compact = Compact(text);
  if (std::string_view(compact).ends_with(kDay)) compact.resize(compact.size() - kDay.size());
  for (const std::string_view mark : {kYear, kMonth}) {
    for (std::size_t at; (at = compact.find(mark)) != std::string::npos;)
      compact.replace(at, mark.size(), "/");
  }
  for (char& c : compact) {
    if (c == '-' || c == '.') c = '/';
  }
  const std::vector<std::string_view> parts = SplitAt(compact, '/');
  if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
  for (const std::string_view part : parts) {
    if (!AllDigits(part) || part.size() > 4) return std::nullopt;
  }
  // Without a year, 2000: a leap year, so that 2/29 is a day.
  const bool withYear = parts.size() == 3;
  if (withYear && parts[0].size() != 4) return std::nullopt;
  const int year = withYear ? *WholeNumber(parts[0]) : 2000;
  const int month = *WholeNumber(parts[parts.size() - 2]);
  const int day = *WholeNumber(parts.back());
  const std::chrono::year_month_day date{std::chrono::year(year),
                                         std::chrono::month(static_cast<unsigned>(month)),
                                         std::chrono::day(static_cast<unsigned>(day))};
  if (month < 1 || day < 1 || !date.ok()) return std::nullopt;
  return WishedDate{std::to_string(month), std::to_string(day)};
}

std::optional<int> SenderSlot(std::string_view text, int selected) {
  std::string compact = Compact(text);
  // A remembered tab that is no tab (the window says "TabErr") names none.
  if (compact.empty()) {
    return settings::IsSenderSlot(selected) ? std::optional(selected) : std::nullopt;
  }
  if (std::string_view(compact).starts_with(settings::kSenderTabWord)) {
    compact.erase(0, settings::kSenderTabWord.size());
  }
  const auto number =
      AllDigits(compact) && compact.size() <= 2 ? WholeNumber(compact) : std::nullopt;
  if (!number || *number < 1 || *number > settings::kSenderSlotCount) return std::nullopt;
  return *number - 1;
}

}  // namespace ruvo::batch
