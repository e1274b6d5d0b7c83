#include "print/slip_layout.h"

#include <array>

#include "print/slip_text.h"
#include "slip/slip_fields.h"

namespace ruvo {

namespace {

// The time-slot mark "○" (white circle).
constexpr std::string_view kTimeSlotMark = "\x81\x9B";

std::string Year(const SlipRecord& s, int) {
  return CharsAt(ShippingDateText(s.slipDate), 0, 4);
}
std::string Month(const SlipRecord& s, int) {
  return CharsAt(ShippingDateText(s.slipDate), 5, 2);
}
std::string Day(const SlipRecord& s, int) {
  return CharsAt(ShippingDateText(s.slipDate), 8, 2);
}
std::string WishedMonth(const SlipRecord& s, int) {
  return s.wishedMonth;
}
std::string WishedDay(const SlipRecord& s, int) {
  return s.wishedDay;
}
std::string QuantityCell(const SlipRecord& s, int cell) {
  return CharsAt(RightAlign3(s.quantity), static_cast<std::size_t>(cell), 1);
}
// The mark stands only in the box of the first ticked slot.
std::string TimeSlotMark(const SlipRecord& s, int cell) {
  for (int slot = 0; slot < kTimeSlotCount; ++slot) {
    if (s.timeSlots[static_cast<std::size_t>(slot)]) {
      return slot == cell ? std::string(kTimeSlotMark) : std::string();
    }
  }
  return {};
}
std::string RecipientZipCell(const SlipRecord& s, int cell) {
  return ZipCells(s.recipientZip)[static_cast<std::size_t>(cell)];
}
std::string RecipientTel(const SlipRecord& s, int) {
  return s.recipientTel;
}
std::string RecipientAddress1(const SlipRecord& s, int) {
  return s.recipientAddress1;
}
std::string RecipientAddress2(const SlipRecord& s, int) {
  return s.recipientAddress2;
}
std::string RecipientAddress3(const SlipRecord& s, int) {
  return s.recipientAddress3;
}
std::string Goods(const SlipRecord& s, int line) {
  return s.goods[static_cast<std::size_t>(line)];
}
std::string RecipientName(const SlipRecord& s, int) {
  return s.recipientName;
}
std::string SenderZipCell(const SlipRecord& s, int cell) {
  return ZipCells(s.senderZip)[static_cast<std::size_t>(cell)];
}
std::string SenderTel(const SlipRecord& s, int) {
  return s.senderTel;
}
std::string SenderAddress1(const SlipRecord& s, int) {
  return s.senderAddress1;
}
std::string SenderAddress2(const SlipRecord& s, int) {
  return s.senderAddress2;
}
std::string SenderName(const SlipRecord& s, int) {
  return s.senderName;
}

// The captions, as the user knows each field.
// clang-format off
constexpr std::string_view kYearCaption           = "\x94\xAD\x91\x97\x93\xFA\x81\x69\x94\x4E\x81\x6A";  // 発送日（年）
constexpr std::string_view kMonthCaption          = "\x94\xAD\x91\x97\x93\xFA\x81\x69\x8C\x8E\x81\x6A";  // 発送日（月）
constexpr std::string_view kDayCaption            = "\x94\xAD\x91\x97\x93\xFA\x81\x69\x93\xFA\x81\x6A";  // 発送日（日）
constexpr std::string_view kWishedMonthCaption    = "\x82\xB2\x8A\xF3\x96\x5D\x82\xA8\x93\xCD\x82\xAF\x93\xFA\x81\x69\x8C\x8E\x81\x6A";  // ご希望お届け日（月）
constexpr std::string_view kWishedDayCaption      = "\x82\xB2\x8A\xF3\x96\x5D\x82\xA8\x93\xCD\x82\xAF\x93\xFA\x81\x69\x93\xFA\x81\x6A";  // ご希望お届け日（日）
constexpr std::string_view kQuantityCaption       = "\x8C\xC2\x90\x94";                                      // 個数
constexpr std::string_view kZipCaption            = "\x82\xA8\x93\xCD\x82\xAF\x90\xE6\x97\x58\x95\xD6\x94\xD4\x8D\x86";  // お届け先郵便番号
constexpr std::string_view kTelCaption            = "\x82\xC5\x82\xF1\x82\xED";                              // でんわ
constexpr std::string_view kAddress1Caption       = "\x82\xA8\x82\xC6\x82\xB1\x82\xEB\x87\x40";              // おところ①
constexpr std::string_view kAddress2Caption       = "\x82\xA8\x82\xC6\x82\xB1\x82\xEB\x87\x41";              // おところ②
constexpr std::string_view kAddress3Caption       = "\x82\xA8\x82\xC6\x82\xB1\x82\xEB\x87\x42";              // おところ③
constexpr std::string_view kGoods1Caption         = "\x95\x69\x96\xBC\x31";                                  // 品名1
constexpr std::string_view kGoods2Caption         = "\x95\x69\x96\xBC\x32";                                  // 品名2
constexpr std::string_view kGoods3Caption         = "\x95\x69\x96\xBC\x33";                                  // 品名3
constexpr std::string_view kNameCaption           = "\x82\xA8\x82\xC8\x82\xDC\x82\xA6";                      // おなまえ
constexpr std::string_view kSenderZipCaption      = "\x82\xB2\x88\xCB\x97\x8A\x8E\xE5\x97\x58\x95\xD6\x94\xD4\x8D\x86";  // ご依頼主郵便番号
constexpr std::string_view kSenderTelCaption      = "\x82\xB2\x88\xCB\x97\x8A\x8E\xE5\x82\xC5\x82\xF1\x82\xED";          // ご依頼主でんわ
constexpr std::string_view kSenderAddress1Caption = "\x82\xB2\x88\xCB\x97\x8A\x8E\xE5\x82\xA8\x82\xC6\x82\xB1\x82\xEB\x87\x40";  // ご依頼主おところ①
constexpr std::string_view kSenderAddress2Caption = "\x82\xB2\x88\xCB\x97\x8A\x8E\xE5\x82\xA8\x82\xC6\x82\xB1\x82\xEB\x87\x41";  // ご依頼主おところ②
constexpr std::string_view kSenderAddressCaption  = "\x82\xB2\x88\xCB\x97\x8A\x8E\xE5\x82\xA8\x82\xC6\x82\xB1\x82\xEB";          // ご依頼主おところ
constexpr std::string_view kSenderNameCaption     = "\x82\xB2\x88\xCB\x97\x8A\x8E\xE5\x82\xA8\x82\xC8\x82\xDC\x82\xA6";  // ご依頼主おなまえ
// clang-format on

using enum SlipFace;
using enum SlipGate;
using enum SlipTextSource;

// The boxes follow from the form as the layout describes it. An em is the
// size in points × 160/72 units (10 pt 22.2, 11 pt 24.4, 12 pt 26.7, 22 pt
// 48.9, 9 pt 20); every box is one em of its size tall, rounded up.
// Widths, field by field:
// - year, month, day: the figures up to the character the form prints
//   before the next anchor (年, 月; one 10-point em, 22): year 265 - 170 -
//   22 = 73 (four digits are 56), month 350 - 265 - 22 = 63, the day as wide
//   as the month.
// - wished month and day: 780 - 690 less the 月 of 12 points (27) = 63, the
//   day as the month; two bytes are one full-width or two half-width
//   figures, at most 27.
// - quantity, time-slot and postal-code boxes: their pitch (20, 40, 45),
//   the form's boxes standing side by side; the postal code's third box is
//   no wider for the hyphen's box left out after it.
// - telephone: up to the wished month (690) on its line, less a gap of 10
//   (1.6 mm); the sender's telephone stands in the same column.
// - address lines: up to the goods (720) beside them, less a gap of 4: 496,
//   which holds the 40 bytes of line 1 at full width (20 ems of 11 points,
//   489); the sender's lines stand in the same column.
// - goods: the 30 bytes a line holds at full width, 15 ems of 11 points
//   (367), and room for a coarse printer's rounding of the font to whole
//   dots (28 dots for 27.5 at 180 dpi, 1.8 % more): 380; nothing stands
//   right of them.
// - recipient name: the address column less the form's honorific 様 after
//   the name, one 11-point em and a gap (30): 466, so a name of 20
//   full-width characters (40 bytes, 489) runs out of it.
// - sender name: up to the quantity's boxes (690), whose top (570) lies
//   within its line (550 to 575), less a gap of 10: 460.
// clang-format off
constexpr std::array kLayout{
    //              name                caption                 text               cell    x    y    w   h  face      pt gate            source
    SlipLayoutField{"year",             kYearCaption,           Year,              0,  170,  24,  73, 23, kLucida,  10, kDate,           kProgram},
    SlipLayoutField{"month",            kMonthCaption,          Month,             0,  265,  24,  63, 23, kLucida,  10, kDate,           kProgram},
    SlipLayoutField{"day",              kDayCaption,            Day,               0,  350,  24,  63, 23, kLucida,  10, kDate,           kProgram},
    SlipLayoutField{"wished month",     kWishedMonthCaption,    WishedMonth,       0,  690, 114,  63, 27, kLucida,  12, kDate,           kTyped},
    SlipLayoutField{"wished day",       kWishedDayCaption,      WishedDay,         0,  780, 114,  63, 27, kLucida,  12, kDate,           kTyped},
    SlipLayoutField{"quantity 1",       kQuantityCaption,       QuantityCell,      0,  690, 570,  20, 27, kLucida,  12, kDate,           kProgram},  // boxes 20 apart
    SlipLayoutField{"quantity 2",       kQuantityCaption,       QuantityCell,      1,  710, 570,  20, 27, kLucida,  12, kDate,           kProgram},
    SlipLayoutField{"quantity 3",       kQuantityCaption,       QuantityCell,      2,  730, 570,  20, 27, kLucida,  12, kDate,           kProgram},
    SlipLayoutField{"slot 10-12",       {},                     TimeSlotMark,      0,  980,  90,  40, 49, kLucida,  22, kDate,           kProgram},
    SlipLayoutField{"slot 12-14",       {},                     TimeSlotMark,      1, 1020,  90,  40, 49, kLucida,  22, kDate,           kProgram},
    SlipLayoutField{"slot 14-16",       {},                     TimeSlotMark,      2, 1060,  90,  40, 49, kLucida,  22, kDate,           kProgram},
    SlipLayoutField{"slot 16-18",       {},                     TimeSlotMark,      3, 1100,  90,  40, 49, kLucida,  22, kDate,           kProgram},
    SlipLayoutField{"slot 18-20",       {},                     TimeSlotMark,      4, 1140,  90,  40, 49, kLucida,  22, kDate,           kProgram},
    SlipLayoutField{"zip 1",            kZipCaption,            RecipientZipCell,  0,  300,  68,  45, 27, kLucida,  12, kAlways,         kTyped},  // boxes 45 apart
    SlipLayoutField{"zip 2",            kZipCaption,            RecipientZipCell,  1,  345,  68,  45, 27, kLucida,  12, kAlways,         kTyped},
    SlipLayoutField{"zip 3",            kZipCaption,            RecipientZipCell,  2,  390,  68,  45, 27, kLucida,  12, kAlways,         kTyped},
    SlipLayoutField{"zip 4",            kZipCaption,            RecipientZipCell,  3,  480,  68,  45, 27, kLucida,  12, kAlways,         kTyped},  // one box left out
    SlipLayoutField{"zip 5",            kZipCaption,            RecipientZipCell,  4,  525,  68,  45, 27, kLucida,  12, kAlways,         kTyped},
    SlipLayoutField{"zip 6",            kZipCaption,            RecipientZipCell,  5,  570,  68,  45, 27, kLucida,  12, kAlways,         kTyped},
    SlipLayoutField{"zip 7",            kZipCaption,            RecipientZipCell,  6,  615,  68,  45, 27, kLucida,  12, kAlways,         kTyped},
    SlipLayoutField{"tel",              kTelCaption,            RecipientTel,      0,  330, 120, 350, 23, kLucida,  10, kAlways,         kTyped},
    SlipLayoutField{"address 1",        kAddress1Caption,       RecipientAddress1, 0,  220, 180, 496, 25, kPMincho, 11, kAlways,         kTyped},
    SlipLayoutField{"address 2",        kAddress2Caption,       RecipientAddress2, 0,  220, 230, 496, 25, kPMincho, 11, kAlways,         kTyped},
    SlipLayoutField{"address 3",        kAddress3Caption,       RecipientAddress3, 0,  220, 280, 496, 25, kPMincho, 11, kAlways,         kTyped},
    SlipLayoutField{"goods 1",          kGoods1Caption,         Goods,             0,  720, 200, 380, 25, kPMincho, 11, kAlways,         kTyped},
    SlipLayoutField{"goods 2",          kGoods2Caption,         Goods,             1,  720, 235, 380, 25, kPMincho, 11, kAlways,         kTyped},
    SlipLayoutField{"goods 3",          kGoods3Caption,         Goods,             2,  720, 270, 380, 25, kPMincho, 11, kAlways,         kTyped},
    SlipLayoutField{"name",             kNameCaption,           RecipientName,     0,  220, 330, 466, 25, kPMincho, 11, kAlways,         kTyped},
    SlipLayoutField{"sender zip 1",     kSenderZipCaption,      SenderZipCell,     0,  300, 380,  45, 27, kLucida,  12, kSender,         kTyped},
    SlipLayoutField{"sender zip 2",     kSenderZipCaption,      SenderZipCell,     1,  345, 380,  45, 27, kLucida,  12, kSender,         kTyped},
    SlipLayoutField{"sender zip 3",     kSenderZipCaption,      SenderZipCell,     2,  390, 380,  45, 27, kLucida,  12, kSender,         kTyped},
    SlipLayoutField{"sender zip 4",     kSenderZipCaption,      SenderZipCell,     3,  480, 380,  45, 27, kLucida,  12, kSender,         kTyped},
    SlipLayoutField{"sender zip 5",     kSenderZipCaption,      SenderZipCell,     4,  525, 380,  45, 27, kLucida,  12, kSender,         kTyped},
    SlipLayoutField{"sender zip 6",     kSenderZipCaption,      SenderZipCell,     5,  570, 380,  45, 27, kLucida,  12, kSender,         kTyped},
    SlipLayoutField{"sender zip 7",     kSenderZipCaption,      SenderZipCell,     6,  615, 380,  45, 27, kLucida,  12, kSender,         kTyped},
    SlipLayoutField{"sender tel",       kSenderTelCaption,      SenderTel,         0,  330, 430, 350, 27, kLucida,  12, kSender,         kTyped},  // 12, not 10
    SlipLayoutField{"sender address 1", kSenderAddress1Caption, SenderAddress1,    0,  220, 480, 496, 20, kPMincho,  9, kSenderTwoLines, kTyped},
    SlipLayoutField{"sender address 2", kSenderAddress2Caption, SenderAddress2,    0,  220, 505, 496, 20, kPMincho,  9, kSenderTwoLines, kTyped},
    SlipLayoutField{"sender address",   kSenderAddressCaption,  SenderAddress1,    0,  220, 490, 496, 23, kPMincho, 10, kSenderOneLine,  kTyped},
    SlipLayoutField{"sender name",      kSenderNameCaption,     SenderName,        0,  220, 550, 460, 25, kPMincho, 11, kSender,         kTyped},
};
// clang-format on

// Four inches down, the height of the continuous stationery's page, which
// holds every box (the lowest ends at 597); across, to the last time-slot
// box's right edge.
constexpr SlipFormExtent kForm{1180, 640};

struct FaceNameRow {
  SlipFace face;
  std::string_view cp932Name;
};

constexpr std::array kFaceNames{
    FaceNameRow{SlipFace::kPMincho, "\x82\x6C\x82\x72 \x82\x6F\x96\xBE\x92\xA9"},  // "ＭＳ Ｐ明朝"
    FaceNameRow{SlipFace::kLucida, "Lucida Sans Unicode"},
};

}  // namespace

std::span<const SlipLayoutField> SlipLayout() {
  return kLayout;
}

SlipFormExtent SlipForm() {
  return kForm;
}

std::string_view SlipFaceName(SlipFace face) {
  for (const auto& row : kFaceNames) {
    if (row.face == face) return row.cp932Name;
  }
  return {};
}

std::string FieldCaption(const SlipLayoutField& field) {
  if (field.textOf == TimeSlotMark) return TimeSlotCaption(static_cast<std::size_t>(field.cell));
  return std::string(field.caption);
}

bool SlipGateOpen(SlipGate gate, const SlipRecord& slip) {
  switch (gate) {
    case SlipGate::kAlways:
      return true;
    case SlipGate::kDate:
      return slip.printDate;
    case SlipGate::kSender:
      return slip.printSender;
    case SlipGate::kSenderTwoLines:
      return slip.printSender && !slip.senderAddress2.empty();
    case SlipGate::kSenderOneLine:
      return slip.printSender && slip.senderAddress2.empty();
  }
  return false;
}

}  // namespace ruvo
