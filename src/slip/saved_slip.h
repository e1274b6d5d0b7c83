#pragma once
// The slip of a working folder as the window holds it after start-up: the
// settings file's saved fields written into the record, and today's date.

#include <chrono>

#include "print/slip_record.h"
#include "settings/app_settings.h"

namespace ruvo {

// Writes the saved fields into `slip` as the window's controls hold them once
// set: the recipient's postal code and telephone half-width (their change
// handlers convert them; the sender's have none), and the quantity as the
// numeric box keeps it ("007" → "7", "１２" → "12"). The third address line,
// the dates, the switches and the time slot are left as they are.
void RestoreSavedSlip(SlipRecord& slip, const settings::SavedSlip& saved);

// The fields the settings file keeps, taken from the controls' record.
settings::SavedSlip SavedSlipOf(const SlipRecord& slip);

// Today in the local time zone: the slip date a window shows when it opens.
std::chrono::year_month_day LocalToday();

}  // namespace ruvo
