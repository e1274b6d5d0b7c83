#pragma once
// When a slip was printed: the instant and the wall clock of the place it
// was printed at. The journal keeps both, so that "today" and a day's range
// mean the day on the shop's clock, whatever the time zone is later.

#include <chrono>
#include <functional>
#include <string>

namespace ruvo::journal {

// The journal's clock: the system's, or a test's pinned one.
using JournalClock = std::function<std::chrono::system_clock::time_point()>;
std::chrono::system_clock::time_point SystemNow();

struct LocalTime {
  std::chrono::sys_seconds instant{};
  std::chrono::seconds offset{0};  // east of UTC at that instant (Japan: +9 h)

  // The wall clock: the instant moved by the offset.
  std::chrono::local_seconds Wall() const {
    return std::chrono::local_seconds((instant + offset).time_since_epoch());
  }
  std::chrono::year_month_day Date() const;
  bool operator==(const LocalTime&) const = default;
};

// `when` in the process's local time zone (TZ), to the second.
LocalTime ToLocalTime(std::chrono::system_clock::time_point when);

// "2026-03-15 14:05:07": the wall clock, as the journal sorts and compares it.
std::string WallText(const LocalTime& time);
// "2026-03-15T14:05:07+09:00": ISO 8601 with the offset, for scripts.
std::string Iso8601Text(const LocalTime& time);
// "14:05".
std::string HourMinuteText(const LocalTime& time);
// "2026-03-15".
std::string DateText(std::chrono::year_month_day date);

}  // namespace ruvo::journal
