#include "journal/duplicate_check.h"

#include <charconv>

#include "journal/journal_texts.h"
#include "journal/search_keys.h"

namespace ruvo::journal {
namespace {

constexpr std::string_view kWindowKey = "duplicate_window_hours";

// The instant from which an earlier print counts.
std::int64_t WindowStart(const LocalTime& now, DuplicateWindow window) {
  if (window.hours > 0) {
    return (now.instant - std::chrono::hours(window.hours)).time_since_epoch().count();
  }
  const auto wall = now.Wall();
  return (now.instant - (wall - std::chrono::floor<std::chrono::days>(wall)))
      .time_since_epoch()
      .count();
}

std::optional<EarlierPrint> Earlier(Statement& select, const SlipRecord& slip, std::int64_t since) {
  const SlipKeys keys = KeysOf(slip);
  if (keys.name.empty()) return std::nullopt;
  select.Reset();
  select.BindText(1, keys.name).BindText(2, keys.zip).BindText(3, keys.goods).BindInt(4, since);
  if (!select.Step()) return std::nullopt;
  return EarlierPrint{select.Int(0),
                      {std::chrono::sys_seconds(std::chrono::seconds(select.Int(1))),
                       std::chrono::seconds(select.Int(2))}};
}

// "本日", "昨日", "3月14日", "2025年12月31日".
std::string DayWords(std::chrono::year_month_day day, std::chrono::year_month_day today) {
  using std::chrono::sys_days;
  if (day == today) return std::string(text::kToday);
  if (sys_days(day) + std::chrono::days(1) == sys_days(today)) return std::string(text::kYesterday);
  std::string words;
  if (day.year() != today.year())
    words += std::to_string(static_cast<int>(day.year())) + std::string(text::kYear);
  return words + std::to_string(static_cast<unsigned>(day.month())) + std::string(text::kMonth) +
         std::to_string(static_cast<unsigned>(day.day())) + std::string(text::kDay);
}

}  // namespace

DuplicateWindow ReadDuplicateWindow(Journal& journal) {
  return journal.Guarded([&] {
    DuplicateWindow window;
    Database* db = journal.ForReading();
    if (db == nullptr) return window;
    Statement select = db->Prepare("SELECT value FROM journal_settings WHERE key = ?1");
    select.BindText(1, kWindowKey);
    if (select.Step()) {
      const std::string value = select.Text(0);
      std::from_chars(value.data(), value.data() + value.size(), window.hours);
    }
    window.hours = std::max(window.hours, 0);
    return window;
  });
}

void WriteDuplicateWindow(Journal& journal, DuplicateWindow window) {
  journal.Guarded([&] {
    journal.ForWriting()
        .Prepare(
            "INSERT INTO journal_settings (key, value) VALUES (?1, ?2) "
            "ON CONFLICT (key) DO UPDATE SET value = excluded.value")
        .BindText(1, kWindowKey)
        .BindText(2, std::to_string(std::max(window.hours, 0)))
        .Run();
  });
}

std::optional<EarlierPrint> FindEarlierPrint(Journal& journal, const SlipRecord& slip) {
  return FindEarlierPrints(journal, {&slip}).front();
}

std::vector<std::optional<EarlierPrint>> FindEarlierPrints(
    Journal& journal, const std::vector<const SlipRecord*>& slips) {
  const DuplicateWindow window = ReadDuplicateWindow(journal);
  return journal.Guarded([&] {
    std::vector<std::optional<EarlierPrint>> found(slips.size());
    Database* db = journal.ForReading();
    if (db == nullptr) return found;
    const std::int64_t since = WindowStart(journal.Now(), window);
    Statement select = db->Prepare(
        "SELECT id, printed_at, utc_offset FROM slips WHERE name_key = ?1 AND zip_digits = ?2 "
        "AND goods_key = ?3 AND printed_at >= ?4 ORDER BY printed_at DESC, id DESC LIMIT 1");
    for (std::size_t i = 0; i < slips.size(); ++i)
      found[i] = Earlier(select, *slips[i], since);
    return found;
  });
}

std::string EarlierPrintWhen(const LocalTime& earlier, const LocalTime& now) {
  return DayWords(earlier.Date(), now.Date()) + " " + HourMinuteText(earlier);
}

std::string DuplicateQuestion(const LocalTime& earlier, const LocalTime& now) {
  return EarlierPrintWhen(earlier, now) + std::string(text::kAlreadyPrinted);
}

}  // namespace ruvo::journal
