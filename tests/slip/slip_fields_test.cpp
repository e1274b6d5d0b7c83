#include "slip/slip_fields.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace ruvo {
namespace {

// The caption is what the user reads, the hours what an order file's slot is
// matched against: a caption that named other hours would put the mark in
// another box than the one the order asked for.
TEST(TimeSlots, EachCaptionNamesItsHoursAndTheSlotsFollowOneAnother) {
  for (std::size_t slot = 0; slot < kTimeSlots.size(); ++slot) {
    const TimeSlot& row = kTimeSlots[slot];
    SCOPED_TRACE(row.caption);
    EXPECT_EQ(row.caption, std::to_string(row.fromHour) + "→" + std::to_string(row.toHour) + "時");
    EXPECT_EQ(test::Utf8(TimeSlotCaption(slot)), row.caption);
    if (slot > 0) {
      EXPECT_EQ(row.fromHour, kTimeSlots[slot - 1].toHour);
    }
  }
}

// Every key names one field: two fields under one key would overwrite each
// other in the settings file.
TEST(SlipFields, SettingsKeysAndControlsAreEachOnesOwn) {
  for (const SlipFieldSpec& a : kSlipFields) {
    for (const SlipFieldSpec& b : kSlipFields) {
      if (a.field == b.field) continue;
      SCOPED_TRACE(std::string(a.control) + " / " + std::string(b.control));
      EXPECT_NE(a.control, b.control);
      if (!a.settingsKey.empty()) {
        EXPECT_NE(a.settingsKey, b.settingsKey);
      }
    }
  }
}

}  // namespace
}  // namespace ruvo
