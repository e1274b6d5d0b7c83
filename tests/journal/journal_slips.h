#pragma once
// Slips as the window holds them and as the journal records them, and the
// shop's clock, for the journal's tests and benchmarks.

#include <chrono>
#include <string>
#include <string_view>

#include "journal/printed_slip.h"
#include "support/test_text.h"

namespace ruvo::test {

// 2026-03-15 14:05:07 in Tokyo, where the tests run (TZ=Asia/Tokyo).
inline std::chrono::system_clock::time_point TokyoTime(int year, unsigned month, unsigned day,
                                                       int hour, int minute, int second = 0) {
  using namespace std::chrono;
  const sys_days date{std::chrono::year(year) / std::chrono::month(month) / std::chrono::day(day)};
  return system_clock::time_point(date + hours(hour - 9) + minutes(minute) + seconds(second));
}

// A slip as the window holds it, to `name` (UTF-8) with `goods`.
inline SlipRecord SlipTo(std::string_view name, std::string_view goods = "書籍",
                         std::string_view zip = "105-0011") {
  SlipRecord slip;
  slip.recipientZip = Sj(zip);
  slip.recipientAddress1 = Sj("東京都港区芝公園4-2-8");
  slip.recipientAddress2 = Sj("芝公園ビル３階");
  slip.recipientName = Sj(name);
  slip.recipientTel = "03-1234-5678";
  slip.goods = {Sj(goods), "", ""};
  slip.quantity = "2";
  slip.slipDate = std::chrono::year(2026) / 3 / 15;
  slip.wishedMonth = "3";
  slip.wishedDay = "17";
  slip.timeSlots[2] = true;
  slip.senderZip = "150-0002";
  slip.senderAddress1 = Sj("東京都渋谷区渋谷");
  slip.senderName = Sj("株式会社ルヴォ");
  slip.senderTel = "03-9876-5432";
  return slip;
}

// The slip as F11 printed it on the hand-fed registration's printer.
inline journal::PrintedSlip PrintedFromWindow(SlipRecord slip, int jobId = 1) {
  journal::PrintedSlip printed;
  printed.origin = journal::SlipOrigin::kWindow;
  printed.setup = {0,    "Slip_Printer",     "Slip_Printer",
                   "A5", Sj("手差しトレイ"), {"360", "360", "12", "-8"},
                   jobId};
  printed.slip = std::move(slip);
  return printed;
}

}  // namespace ruvo::test
