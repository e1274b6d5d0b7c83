#include "journal/reprint.h"

namespace ruvo::journal {

SlipRecord SlipToReprint(const PrintedSlip& printed, ReprintDate date,
                         std::chrono::year_month_day today) {
  SlipRecord slip = printed.slip;
  if (date == ReprintDate::kToday) slip.slipDate = today;
  return slip;
}

}  // namespace ruvo::journal
