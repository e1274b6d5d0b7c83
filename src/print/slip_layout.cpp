#include "print/slip_layout.h"

#include <array>

#include "print/slip_text.h"

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

using enum SlipFace;
using enum SlipGate;

// clang-format off
constexpr std::array kLayout{
    //              name               text               cell    x    y face      pt  gate
    SlipLayoutField{"year",            Year,              0,  170,  24, kLucida,  10, kDate},
    SlipLayoutField{"month",           Month,             0,  265,  24, kLucida,  10, kDate},
    SlipLayoutField{"day",             Day,               0,  350,  24, kLucida,  10, kDate},
    SlipLayoutField{"wished month",    WishedMonth,       0,  690, 114, kLucida,  12, kDate},
    SlipLayoutField{"wished day",      WishedDay,         0,  780, 114, kLucida,  12, kDate},
    SlipLayoutField{"quantity 1",      QuantityCell,      0,  690, 570, kLucida,  12, kDate},  // boxes 20 apart
    SlipLayoutField{"quantity 2",      QuantityCell,      1,  710, 570, kLucida,  12, kDate},
    SlipLayoutField{"quantity 3",      QuantityCell,      2,  730, 570, kLucida,  12, kDate},
    SlipLayoutField{"slot 10-12",      TimeSlotMark,      0,  980,  90, kLucida,  22, kDate},
    SlipLayoutField{"slot 12-14",      TimeSlotMark,      1, 1020,  90, kLucida,  22, kDate},
    SlipLayoutField{"slot 14-16",      TimeSlotMark,      2, 1060,  90, kLucida,  22, kDate},
    SlipLayoutField{"slot 16-18",      TimeSlotMark,      3, 1100,  90, kLucida,  22, kDate},
    SlipLayoutField{"slot 18-20",      TimeSlotMark,      4, 1140,  90, kLucida,  22, kDate},
    SlipLayoutField{"zip 1",           RecipientZipCell,  0,  300,  68, kLucida,  12, kAlways},  // boxes 45 apart
    SlipLayoutField{"zip 2",           RecipientZipCell,  1,  345,  68, kLucida,  12, kAlways},
    SlipLayoutField{"zip 3",           RecipientZipCell,  2,  390,  68, kLucida,  12, kAlways},
    SlipLayoutField{"zip 4",           RecipientZipCell,  3,  480,  68, kLucida,  12, kAlways},  // one box left out
    SlipLayoutField{"zip 5",           RecipientZipCell,  4,  525,  68, kLucida,  12, kAlways},
    SlipLayoutField{"zip 6",           RecipientZipCell,  5,  570,  68, kLucida,  12, kAlways},
    SlipLayoutField{"zip 7",           RecipientZipCell,  6,  615,  68, kLucida,  12, kAlways},
    SlipLayoutField{"tel",             RecipientTel,      0,  330, 120, kLucida,  10, kAlways},
    SlipLayoutField{"address 1",       RecipientAddress1, 0,  220, 180, kPMincho, 11, kAlways},
    SlipLayoutField{"address 2",       RecipientAddress2, 0,  220, 230, kPMincho, 11, kAlways},
    SlipLayoutField{"address 3",       RecipientAddress3, 0,  220, 280, kPMincho, 11, kAlways},
    SlipLayoutField{"goods 1",         Goods,             0,  720, 200, kPMincho, 11, kAlways},
    SlipLayoutField{"goods 2",         Goods,             1,  720, 235, kPMincho, 11, kAlways},
    SlipLayoutField{"goods 3",         Goods,             2,  720, 270, kPMincho, 11, kAlways},
    SlipLayoutField{"name",            RecipientName,     0,  220, 330, kPMincho, 11, kAlways},
    SlipLayoutField{"sender zip 1",    SenderZipCell,     0,  300, 380, kLucida,  12, kSender},
    SlipLayoutField{"sender zip 2",    SenderZipCell,     1,  345, 380, kLucida,  12, kSender},
    SlipLayoutField{"sender zip 3",    SenderZipCell,     2,  390, 380, kLucida,  12, kSender},
    SlipLayoutField{"sender zip 4",    SenderZipCell,     3,  480, 380, kLucida,  12, kSender},
    SlipLayoutField{"sender zip 5",    SenderZipCell,     4,  525, 380, kLucida,  12, kSender},
    SlipLayoutField{"sender zip 6",    SenderZipCell,     5,  570, 380, kLucida,  12, kSender},
    SlipLayoutField{"sender zip 7",    SenderZipCell,     6,  615, 380, kLucida,  12, kSender},
    SlipLayoutField{"sender tel",      SenderTel,         0,  330, 430, kLucida,  12, kSender},  // 12, not 10
    SlipLayoutField{"sender address 1",SenderAddress1,    0,  220, 480, kPMincho,  9, kSenderTwoLines},
    SlipLayoutField{"sender address 2",SenderAddress2,    0,  220, 505, kPMincho,  9, kSenderTwoLines},
    SlipLayoutField{"sender address",  SenderAddress1,    0,  220, 490, kPMincho, 10, kSenderOneLine},
    SlipLayoutField{"sender name",     SenderName,        0,  220, 550, kPMincho, 11, kSender},
};
// clang-format on

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

std::string_view SlipFaceName(SlipFace face) {
  for (const auto& row : kFaceNames) {
    if (row.face == face) return row.cp932Name;
  }
  return {};
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
