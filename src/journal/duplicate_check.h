#pragma once
// The warning before a parcel is labelled twice: a slip to the same
// recipient (name and postal code, in their search forms) with the same
// goods printed a short while before, by default earlier the same day.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "journal/journal.h"
#include "print/slip_record.h"

namespace ruvo::journal {

// How far back an earlier print counts.
struct DuplicateWindow {
  int hours = 0;  // 0: since midnight on the wall clock; else the last `hours` hours
  bool operator==(const DuplicateWindow&) const = default;
};
// The longest window the window and ruvo-slip offer: a month of shipping,
// beyond which a repeated parcel is a regular customer's next order.
inline constexpr int kMaxDuplicateWindowHours = 31 * 24;
// The journal's setting; the default without one (or without a journal).
DuplicateWindow ReadDuplicateWindow(Journal& journal);
void WriteDuplicateWindow(Journal& journal, DuplicateWindow window);

struct EarlierPrint {
  std::int64_t id = 0;
  LocalTime printedAt;
  bool operator==(const EarlierPrint&) const = default;
};

// The latest slip of the same parcel printed within the window before the
// journal's now; nothing for a slip without a recipient name. JournalError.
std::optional<EarlierPrint> FindEarlierPrint(Journal& journal, const SlipRecord& slip);
// The same for each slip of a batch, in its order.
std::vector<std::optional<EarlierPrint>> FindEarlierPrints(
    Journal& journal, const std::vector<const SlipRecord*>& slips);

// When the earlier print was, as the question and the batch's rows say it,
// CP932: "本日 14:05", "昨日 9:30", "3月14日 18:00".
std::string EarlierPrintWhen(const LocalTime& earlier, const LocalTime& now);

// The question before printing it again, CP932:
// 「本日 14:05 に同じお届け先・品名で印刷済みです。もう一度印刷しますか?」, with
// "昨日", "3月14日" or "2025年12月31日" for an earlier day.
std::string DuplicateQuestion(const LocalTime& earlier, const LocalTime& now);

}  // namespace ruvo::journal
