#pragma once
// The fields of a slip as the window, the batch and the command line hold
// them: one table that says for each field which control shows it, how many
// CP932 bytes the user may enter, what its place on the slip holds, how its
// text is kept and under which key the settings file saves it; and the five
// time slots with their hours and captions.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace ruvo {

// In the order of the table below.
enum class SlipField {
  kRecipientZip,
  kRecipientAddress1,
  kRecipientAddress2,
  kRecipientAddress3,
  kRecipientName,
  kRecipientTel,
  kGoods1,
  kGoods2,
  kGoods3,
  kQuantity,
  kWishedMonth,
  kWishedDay,
  kSenderZip,
  kSenderAddress1,
  kSenderAddress2,
  kSenderName,
  kSenderTel,
};

// How a field keeps the text written into it.
enum class FieldKind {
  kText,       // as written
  kHalfWidth,  // every change turns it half-width ("１０５－００１１" → "105-0011")
  kQuantity,   // the numeric box: its reading of the text (slip/quantity.h)
};

struct SlipFieldSpec {
  SlipField field;
  std::string_view control;  // the window's control, its objectName
  std::size_t entryBytes;    // CP932 bytes the user may enter; 0: no limit
  std::size_t slipBytes;     // CP932 bytes its place on the slip holds; 0: what it may hold
  FieldKind kind;
  std::string_view settingsKey;  // the settings file's key; empty: never saved
  std::string_view initial;      // what a new slip holds
};

// clang-format off
inline constexpr std::array<SlipFieldSpec, 17> kSlipFields{{
    // field                          control            entry slip kind                  key            initial
    {SlipField::kRecipientZip,      "Edit_Zip",          16,   0, FieldKind::kHalfWidth, "E_ZIP",       ""},
    {SlipField::kRecipientAddress1, "Edit_Add1",          0,  40, FieldKind::kText,      "E_AD1",       ""},
    {SlipField::kRecipientAddress2, "Edit_Add2",          0,   0, FieldKind::kText,      "E_AD2",       ""},
    {SlipField::kRecipientAddress3, "Edit_Add3",          0,   0, FieldKind::kText,      "",            ""},
    {SlipField::kRecipientName,     "Edit_Custo1",       80,   0, FieldKind::kText,      "E_CUS",       ""},
    {SlipField::kRecipientTel,      "Edit_tel",           0,   0, FieldKind::kHalfWidth, "E_TEL",       ""},
    {SlipField::kGoods1,            "Edit_G1",           30,   0, FieldKind::kText,      "E_G1",        ""},
    {SlipField::kGoods2,            "Edit_G2",           30,   0, FieldKind::kText,      "E_G2",        ""},
    {SlipField::kGoods3,            "Edit_G3",           30,   0, FieldKind::kText,      "E_G3",        ""},
    {SlipField::kQuantity,          "OvNumEdit_KOSUU",    0,   0, FieldKind::kQuantity,  "KOSUU",       "1"},
    {SlipField::kWishedMonth,       "Edit_de_date1",      2,   0, FieldKind::kText,      "de_date1",    ""},
    {SlipField::kWishedDay,         "Edit_de_date2",      2,   0, FieldKind::kText,      "de_date2",    ""},
    // The sender's fields keep what is typed: its file holds them so.
    {SlipField::kSenderZip,         "Edit_MyZip",         8,   0, FieldKind::kText,      "OP023MyZip",  ""},
    {SlipField::kSenderAddress1,    "Edit_MyADD1",        0,   0, FieldKind::kText,      "OP023MyADD1", ""},
    {SlipField::kSenderAddress2,    "Edit_MyADD2",        0,   0, FieldKind::kText,      "OP023MyADD2", ""},
    {SlipField::kSenderName,        "Edit_My",           80,   0, FieldKind::kText,      "OP023My",     ""},
    {SlipField::kSenderTel,         "Edit_MyTEL",         0,   0, FieldKind::kText,      "OP023MyTEL",  ""},
}};
// clang-format on

constexpr const SlipFieldSpec& SlipFieldOf(SlipField field) {
  return kSlipFields[static_cast<std::size_t>(field)];
}

// The longest first address line that fits its place on the slip: 20
// full-width characters. A longer one is warned about and split.
inline constexpr std::size_t kAddressLine1MaxBytes =
    SlipFieldOf(SlipField::kRecipientAddress1).slipBytes;

// A wished delivery time: from one full hour to another.
struct TimeSlot {
  int fromHour;
  int toHour;
  std::string_view caption;  // UTF-8, as the window and the batch dialog show it
};

inline constexpr std::array<TimeSlot, 5> kTimeSlots{{
    {10, 12, "10→12時"},
    {12, 14, "12→14時"},
    {14, 16, "14→16時"},
    {16, 18, "16→18時"},
    {18, 20, "18→20時"},
}};

inline constexpr int kTimeSlotCount = static_cast<int>(kTimeSlots.size());

// The caption of slot `slot` (0-based) as CP932.
std::string TimeSlotCaption(std::size_t slot);

}  // namespace ruvo
