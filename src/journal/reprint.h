#pragma once
// Printing a recorded slip again (after a jam, a lost label): the slip as it
// was printed, with today's date or the one it had. The reprint is a print
// of its own, recorded with reprintOf naming the original.

#include <chrono>

#include "journal/printed_slip.h"

namespace ruvo::journal {

enum class ReprintDate {
  kToday,     // the parcel goes out today
  kOriginal,  // the same slip once more, as the first one was
};

SlipRecord SlipToReprint(const PrintedSlip& printed, ReprintDate date,
                         std::chrono::year_month_day today);

}  // namespace ruvo::journal
