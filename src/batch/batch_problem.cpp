#include "batch/batch_problem.h"

#include "slip/slip_fields.h"

namespace ruvo::batch::reason {
namespace {

// "長すぎます("
constexpr std::string_view kTooLong = "\x92\xB7\x82\xB7\x82\xAC\x82\xDC\x82\xB7(";
// "バイトまで、"
constexpr std::string_view kBytesAllowed = "\x83\x6F\x83\x43\x83\x67\x82\xDC\x82\xC5\x81\x41";
// "バイトあります)"
constexpr std::string_view kBytesGiven =
    "\x83\x6F\x83\x43\x83\x67\x82\xA0\x82\xE8\x82\xDC\x82\xB7)";
// "列が多すぎます("
constexpr std::string_view kTooManyColumns =
    "\x97\xF1\x82\xAA\x91\xBD\x82\xB7\x82\xAC\x82\xDC\x82\xB7(";
// " 列まで、"
constexpr std::string_view kColumnsAllowed = " \x97\xF1\x82\xDC\x82\xC5\x81\x41";
// " 列あります)"
constexpr std::string_view kColumnsGiven = " \x97\xF1\x82\xA0\x82\xE8\x82\xDC\x82\xB7)";
// "ファイルが大きすぎます("
constexpr std::string_view kFileTooLarge =
    "\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xAA\x91\xE5\x82\xAB\x82\xB7\x82\xAC\x82\xDC\x82\xB7(";
// " MiB まで)"
constexpr std::string_view kMibAllowed = " MiB \x82\xDC\x82\xC5)";
// "時間帯「"
constexpr std::string_view kSlotOpen = "\x8E\x9E\x8A\xD4\x91\xD1\x81\x75";
// "」はこの送り状に印刷できません(印刷できるのは "
constexpr std::string_view kSlotNotOnForm =
    "\x81\x76\x82\xCD\x82\xB1\x82\xCC\x91\x97\x82\xE8\x8F\xF3\x82\xC9\x88\xF3\x8D\xFC\x82\xC5\x82"
    "\xAB\x82\xDC\x82\xB9\x82\xF1(\x88\xF3\x8D\xFC\x82\xC5\x82\xAB\x82\xE9\x82\xCC\x82\xCD ";
// "、"
constexpr std::string_view kListSeparator = "\x81\x41";
// "希望日「"
constexpr std::string_view kDateOpen = "\x8A\xF3\x96\x5D\x93\xFA\x81\x75";
// "」が分かりません(3/15、2026/03/15、20260315 などで書いてください)"
constexpr std::string_view kDateUnreadable =
    "\x81\x76\x82\xAA\x95\xAA\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1(3/15\x81\x41"
    "2026/03/15\x81\x41"
    "20260315 \x82\xC8\x82\xC7\x82\xC5\x8F\x91\x82\xA2\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2)";

constexpr std::size_t kMib = 1024 * 1024;

}  // namespace

std::string TooLong(std::size_t limit, std::size_t given) {
  std::string text(kTooLong);
  text += std::to_string(limit);
  text += kBytesAllowed;
  text += std::to_string(given);
  text += kBytesGiven;
  return text;
}

std::string TooManyColumns(std::size_t limit, std::size_t given) {
  return std::string(kTooManyColumns) + std::to_string(limit) + std::string(kColumnsAllowed) +
         std::to_string(given) + std::string(kColumnsGiven);
}

std::string FileTooLarge(std::size_t limitBytes) {
  return std::string(kFileTooLarge) + std::to_string(limitBytes / kMib) + std::string(kMibAllowed);
}

std::string TimeSlotNotOnForm(std::string_view value) {
  std::string text = std::string(kSlotOpen) + std::string(value) + std::string(kSlotNotOnForm);
  for (std::size_t slot = 0; slot < kTimeSlots.size(); ++slot) {
    if (slot > 0) text += kListSeparator;
    text += TimeSlotCaption(slot);
  }
  return text + ")";
}

std::string UnreadableDate(std::string_view value) {
  return std::string(kDateOpen) + std::string(value) + std::string(kDateUnreadable);
}

}  // namespace ruvo::batch::reason
