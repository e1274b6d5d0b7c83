#include "journal/journal_time.h"

#include <time.h>

#include <cstdio>
#include <cstdlib>

namespace ruvo::journal {
namespace {

// `value` as two digits ("05"); a width of 4 for years.
std::string Digits(long value, int width = 2) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*ld", width, value);
  return text;
}

}  // namespace

std::chrono::system_clock::time_point SystemNow() {
  return std::chrono::system_clock::now();
}

std::chrono::year_month_day LocalTime::Date() const {
  return std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(Wall()));
}

LocalTime ToLocalTime(std::chrono::system_clock::time_point when) {
  const auto instant = std::chrono::floor<std::chrono::seconds>(when);
  const time_t seconds = std::chrono::system_clock::to_time_t(instant);
  struct tm local {};
  localtime_r(&seconds, &local);
  return {instant, std::chrono::seconds(local.tm_gmtoff)};
}

std::string DateText(std::chrono::year_month_day date) {
  return Digits(static_cast<int>(date.year()), 4) + "-" +
         Digits(static_cast<unsigned>(date.month())) + "-" +
         Digits(static_cast<unsigned>(date.day()));
}

std::string HourMinuteText(const LocalTime& time) {
  const auto wall = time.Wall();
  const std::chrono::hh_mm_ss clock(wall - std::chrono::floor<std::chrono::days>(wall));
  return Digits(clock.hours().count()) + ":" + Digits(clock.minutes().count());
}

std::string WallText(const LocalTime& time) {
  const auto wall = time.Wall();
  const std::chrono::hh_mm_ss clock(wall - std::chrono::floor<std::chrono::days>(wall));
  return DateText(time.Date()) + " " + HourMinuteText(time) + ":" + Digits(clock.seconds().count());
}

std::string Iso8601Text(const LocalTime& time) {
  std::string text = WallText(time);
  text[10] = 'T';
  const long minutes = static_cast<long>(time.offset.count() / 60);
  const long whole = std::labs(minutes);
  return text + (minutes < 0 ? "-" : "+") + Digits(whole / 60) + ":" + Digits(whole % 60);
}

}  // namespace ruvo::journal
