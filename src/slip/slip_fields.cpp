#include "slip/slip_fields.h"

#include "transfer/cp932_codec.h"

namespace ruvo {
namespace {

constexpr bool RowsFollowTheFields() {
  for (std::size_t i = 0; i < kSlipFields.size(); ++i) {
    if (static_cast<std::size_t>(kSlipFields[i].field) != i) return false;
  }
  return true;
}
static_assert(RowsFollowTheFields(), "SlipFieldOf finds a field's row by its number");

}  // namespace

std::string TimeSlotCaption(std::size_t slot) {
  return Utf8ToCp932(kTimeSlots.at(slot).caption).bytes;
}

}  // namespace ruvo
