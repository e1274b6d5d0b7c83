#include "batch/order_values.h"

#include <algorithm>
#include <charconv>
#include <chrono>

#include "settings/sender_file.h"
#include "slip/slip_fields.h"
#include "transfer/classify.h"
#include "transfer/half_width.h"
#include "transfer/mail_values.h"
#include "transfer/recipient_fields.h"
#include "transfer/sjis.h"
#include "transfer/text_ops.h"

namespace ruvo::batch {
namespace {

constexpr std::string_view kPostalMark = "\x81\xA7";  // 〒
constexpr std::string_view kHour = "\x8E\x9E";        // 時, as in "14→16時"
constexpr std::string_view kAbout = "\x8D\xA0";       // 頃, as Japan Post's slots write it
constexpr std::string_view kArrow = "\x81\xA8";       // →, as the window's slot boxes write it
constexpr std::string_view kLongVowel = "\x81\x5B";   // ー, typed for a dash: "14ー16"
constexpr std::string_view kYear = "\x94\x4E";        // 年
constexpr std::string_view kMonth = "\x8C\x8E";       // 月
constexpr std::string_view kDay = "\x93\xFA";         // 日
constexpr std::string_view kOthers = " \x91\xBC";     // " 他", as in " 他2点"
constexpr std::string_view kItems = "\x93\x5F";       // 点
constexpr std::string_view kPrefectureCode = "JP-";   // ISO 3166-2:JP, as Shopify writes it

// The words a shop writes for no wish at all.
constexpr std::string_view kNoWish[] = {
    "\x8E\x77\x92\xE8\x82\xC8\x82\xB5",  // 指定なし
    "\x8A\xF3\x96\x5D\x82\xC8\x82\xB5",  // 希望なし
    "\x82\xC8\x82\xB5",                  // なし
};
// Yamato's B2 writes the earliest day for a date not wished.
constexpr std::string_view kEarliestDay = "\x8D\xC5\x92\x5A\x93\xFA";  // 最短日

// Where the hours of a slot may be separated once the text is half-width
// ("～" is "~" by then).
constexpr std::string_view kHourSeparators[] = {"-", "~", kArrow, kLongVowel};

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

bool SaysNoWish(std::string_view compact) {
  return std::find(std::begin(kNoWish), std::end(kNoWish), compact) != std::end(kNoWish);
}

std::string_view WithoutApostrophe(std::string_view text) {
  text = TrimBlanks(text);
  if (text.starts_with('\'')) text.remove_prefix(1);
  return text;
}

std::optional<int> SlotOfHours(std::optional<int> from, std::optional<int> to) {
  for (std::size_t slot = 0; slot < kTimeSlots.size(); ++slot) {
    if (from == kTimeSlots[slot].fromHour && to == kTimeSlots[slot].toHour) {
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

// A carrier's code: the start and end hours run together ("1416", "812"),
// or Sagawa's start hour alone ("14").
std::optional<int> SlotOfCode(std::string_view digits) {
  const int code = *WholeNumber(digits);
  if (digits.size() >= 3 && digits.size() <= 4) return SlotOfHours(code / 100, code % 100);
  if (digits.size() > 2) return std::nullopt;
  for (std::size_t slot = 0; slot < kTimeSlots.size(); ++slot) {
    if (code == kTimeSlots[slot].fromHour) return static_cast<int>(slot) + 1;
  }
  return std::nullopt;
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

// The date of a text that may go on with a time of day or a weekday:
// "2026/03/15 10:00" → "2026/03/15", "2026-03-15T10:00:00+09:00" →
// "2026-03-15", "3月15日(日)" → "3月15日". Half-width already.
std::string_view DatePart(std::string_view text) {
  text = TrimBlanks(text);
  text = text.substr(0, text.find(' '));
  if (const std::size_t t = text.find('T'); t != std::string_view::npos && t > 0) {
    text = text.substr(0, t);
  }
  if (text.ends_with(')')) text = text.substr(0, text.rfind('('));
  return text;
}

// "2026/03/15" and the like, "20260315" included, as its parts.
std::optional<std::vector<std::string_view>> DateParts(std::string& compact) {
  if (compact.size() == 8 && AllDigits(compact)) {
    compact.insert(6, "/");
    compact.insert(4, "/");
  }
  if (std::string_view(compact).ends_with(kDay)) compact.resize(compact.size() - kDay.size());
  for (const std::string_view mark : {kYear, kMonth}) {
    for (std::size_t at; (at = compact.find(mark)) != std::string::npos;)
      compact.replace(at, mark.size(), "/");
  }
  for (char& c : compact) {
    if (c == '-' || c == '.') c = '/';
  }
  std::vector<std::string_view> parts = SplitAt(compact, '/');
  if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
  for (const std::string_view part : parts) {
    if (!AllDigits(part) || part.size() > 4) return std::nullopt;
  }
  if (parts.size() == 3 && parts[0].size() != 4) return std::nullopt;
  return parts;
}

// A run of characters of two bytes: a word written in Japanese.
bool IsJapaneseWord(std::string_view word) {
  if (word.empty()) return false;
  for (std::size_t pos = 0; pos < word.size(); pos += sjis::CharLengthAt(word, pos)) {
    if (sjis::CharLengthAt(word, pos) != 2) return false;
  }
  return true;
}

std::string CutToBytes(std::string_view text, std::size_t limit) {
  return std::string(TrimBlanks(text.substr(0, sjis::BoundaryAtOrBefore(text, limit))));
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
  std::string code = FieldTextAsHeld(SlipField::kRecipientZip, WithoutApostrophe(text));
  if (std::string_view(code).starts_with(kPostalMark)) code.erase(0, kPostalMark.size());
  code = std::string(TrimBlanks(code));
  // A code split over two columns ("060" and "0001") that a spreadsheet
  // read as numbers lost the first part's leading zeros: "60-0001". A code
  // of six bare digits may as well be one digit short and stays refused.
  const std::size_t hyphen = code.find('-');
  if (hyphen >= 1 && hyphen < 3 && code.size() == hyphen + 5 && AllDigits(code.substr(0, hyphen)) &&
      AllDigits(code.substr(hyphen + 1))) {
    code.insert(0, 3 - hyphen, '0');
    code.erase(3, 1);
  }
  if (code.size() == 7 && AllDigits(code)) code.insert(3, "-");
  return code;
}

bool IsSlipPostalCode(std::string_view text) {
  return text.size() == 8 && text[3] == '-' && AllDigits(text.substr(0, 3)) &&
         AllDigits(text.substr(4));
}

std::string SlipTelephone(std::string_view text) {
  const std::string_view written = WithoutApostrophe(text);
  if (auto number = TelephoneNumberOf(written)) return std::move(*number);
  // A Japanese number starts with 0; one a digit short of a whole number
  // that starts with another digit lost its 0 in a spreadsheet.
  const std::string_view trimmed = TrimBlanks(written);
  if (!trimmed.empty() && trimmed.front() >= '1' && trimmed.front() <= '9') {
    if (auto number = TelephoneNumberOf("0" + std::string(trimmed))) return std::move(*number);
  }
  return FieldTextAsHeld(SlipField::kRecipientTel, written);
}

std::string PrefectureOfCode(std::string_view text) {
  const std::string_view code = TrimBlanks(text);
  if (code.size() == kPrefectureCode.size() + 2 && code.starts_with(kPrefectureCode)) {
    const auto number = WholeNumber(code.substr(kPrefectureCode.size()));
    const auto names = PrefectureNames();
    if (number && *number >= 1 && static_cast<std::size_t>(*number) <= names.size())
      return std::string(names[static_cast<std::size_t>(*number - 1)]);
  }
  return std::string(text);
}

std::string FamilyNameFirst(std::string_view name) {
  const std::string_view trimmed = TrimBlanks(name);
  const std::size_t blank = trimmed.find(' ');
  if (blank == std::string_view::npos) return std::string(name);
  const std::string_view given = trimmed.substr(0, blank);
  const std::string_view family = TrimBlanks(trimmed.substr(blank + 1));
  if (!IsJapaneseWord(given) || !IsJapaneseWord(family)) return std::string(name);
  return std::string(family) + " " + std::string(given);
}

std::optional<int> TimeSlotNumber(std::string_view text, bool boxNumbers) {
  const std::string compact = DeleteEvery(Compact(text), kAbout);
  if (compact.empty() || SaysNoWish(compact)) return 0;
  if (AllDigits(compact)) {
    const auto number = WholeNumber(compact);
    if (boxNumbers && number && *number >= 1 && *number <= kTimeSlotCount) return number;
    // The platforms' codes for no wish: Rakuten's "0", Japan Post's "00".
    if (!boxNumbers && number == 0) return 0;
    return SlotOfCode(compact);
  }
  for (const std::string_view separator : kHourSeparators) {
    const std::size_t at = compact.find(separator);
    if (at == std::string::npos) continue;
    const std::string_view whole(compact);
    return SlotOfHours(WholeNumber(HourOf(whole.substr(0, at))),
                       WholeNumber(HourOf(whole.substr(at + separator.size()))));
  }
  return std::nullopt;
}

std::optional<WishedDate> WishedDateOf(std::string_view text) {
  const std::string halfWidth = ToHalfWidth(text);
  const std::string_view trimmed = TrimBlanks(halfWidth);
  if (trimmed.empty() || trimmed == kEarliestDay || SaysNoWish(Compact(trimmed))) {
    return WishedDate{};
  }
  std::string compact = Compact(DatePart(trimmed));
  const auto parts = DateParts(compact);
  if (!parts) return std::nullopt;
  // Without a year, 2000: a leap year, so that 2/29 is a day.
  const bool withYear = parts->size() == 3;
  const int year = withYear ? *WholeNumber(parts->front()) : 2000;
  const int month = *WholeNumber((*parts)[parts->size() - 2]);
  const int day = *WholeNumber(parts->back());
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

std::array<std::string, 3> GoodsLinesOfItems(const std::vector<std::string>& items) {
  const std::size_t limit = SlipFieldOf(SlipField::kGoods1).entryBytes;
  std::array<std::string, 3> lines;
  for (std::size_t i = 0; i < lines.size() && i < items.size(); ++i)
    lines[i] = CutToBytes(items[i], limit);
  if (items.size() > lines.size()) {
    const std::string more =
        std::string(kOthers) + std::to_string(items.size() - lines.size()) + std::string(kItems);
    lines.back() = CutToBytes(items[lines.size() - 1], limit - more.size()) + more;
  }
  return lines;
}

}  // namespace ruvo::batch
