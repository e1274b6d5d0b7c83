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

constexpr SlipFace M = SlipFace::kPMincho;
constexpr SlipFace L = SlipFace::kLucida;
constexpr SlipGate kAll = SlipGate::kAlways;
constexpr SlipGate kDat = SlipGate::kDate;
constexpr SlipGate kSnd = SlipGate::kSender;

// clang-format off
constexpr std::array kLayout{
    //              name               text               cell    x    y face pt gate
    SlipLayoutField{"year",            Year,              0,  170,  24, L, 10, kDat},
    SlipLayoutField{"month",           Month,             0,  265,  24, L, 10, kDat},
    SlipLayoutField{"day",             Day,               0,  350,  24, L, 10, kDat},
    SlipLayoutField{"wished month",    WishedMonth,       0,  690, 114, L, 12, kDat},
    SlipLayoutField{"wished day",      WishedDay,         0,  780, 114, L, 12, kDat},
    SlipLayoutField{"quantity 1",      QuantityCell,      0,  690, 570, L, 12, kDat},  // boxes 20 apart
    SlipLayoutField{"quantity 2",      QuantityCell,      1,  710, 570, L, 12, kDat},
    SlipLayoutField{"quantity 3",      QuantityCell,      2,  730, 570, L, 12, kDat},
    SlipLayoutField{"slot 10-12",      TimeSlotMark,      0,  980,  90, L, 22, kDat},
    SlipLayoutField{"slot 12-14",      TimeSlotMark,      1, 1020,  90, L, 22, kDat},
    SlipLayoutField{"slot 14-16",      TimeSlotMark,      2, 1060,  90, L, 22, kDat},
    SlipLayoutField{"slot 16-18",      TimeSlotMark,      3, 1100,  90, L, 22, kDat},
    SlipLayoutField{"slot 18-20",      TimeSlotMark,      4, 1140,  90, L, 22, kDat},
    SlipLayoutField{"zip 1",           RecipientZipCell,  0,  300,  68, L, 12, kAll},  // boxes 45 apart
    SlipLayoutField{"zip 2",           RecipientZipCell,  1,  345,  68, L, 12, kAll},
    SlipLayoutField{"zip 3",           RecipientZipCell,  2,  390,  68, L, 12, kAll},
    SlipLayoutField{"zip 4",           RecipientZipCell,  3,  480,  68, L, 12, kAll},  // one box left out
    SlipLayoutField{"zip 5",           RecipientZipCell,  4,  525,  68, L, 12, kAll},
    SlipLayoutField{"zip 6",           RecipientZipCell,  5,  570,  68, L, 12, kAll},
    SlipLayoutField{"zip 7",           RecipientZipCell,  6,  615,  68, L, 12, kAll},
    SlipLayoutField{"tel",             RecipientTel,      0,  330, 120, L, 10, kAll},
    SlipLayoutField{"address 1",       RecipientAddress1, 0,  220, 180, M, 11, kAll},
    SlipLayoutField{"address 2",       RecipientAddress2, 0,  220, 230, M, 11, kAll},
    SlipLayoutField{"address 3",       RecipientAddress3, 0,  220, 280, M, 11, kAll},
    SlipLayoutField{"goods 1",         Goods,             0,  720, 200, M, 11, kAll},
    SlipLayoutField{"goods 2",         Goods,             1,  720, 235, M, 11, kAll},
    SlipLayoutField{"goods 3",         Goods,             2,  720, 270, M, 11, kAll},
    SlipLayoutField{"name",            RecipientName,     0,  220, 330, M, 11, kAll},
    SlipLayoutField{"sender zip 1",    SenderZipCell,     0,  300, 380, L, 12, kSnd},
    SlipLayoutField{"sender zip 2",    SenderZipCell,     1,  345, 380, L, 12, kSnd},
    SlipLayoutField{"sender zip 3",    SenderZipCell,     2,  390, 380, L, 12, kSnd},
    SlipLayoutField{"sender zip 4",    SenderZipCell,     3,  480, 380, L, 12, kSnd},
    SlipLayoutField{"sender zip 5",    SenderZipCell,     4,  525, 380, L, 12, kSnd},
    SlipLayoutField{"sender zip 6",    SenderZipCell,     5,  570, 380, L, 12, kSnd},
    SlipLayoutField{"sender zip 7",    SenderZipCell,     6,  615, 380, L, 12, kSnd},
    SlipLayoutField{"sender tel",      SenderTel,         0,  330, 430, L, 12, kSnd},  // 12, not 10
    SlipLayoutField{"sender address 1",SenderAddress1,    0,  220, 480, M,  9, SlipGate::kSenderTwoLines},
    SlipLayoutField{"sender address 2",SenderAddress2,    0,  220, 505, M,  9, SlipGate::kSenderTwoLines},
    SlipLayoutField{"sender address",  SenderAddress1,    0,  220, 490, M, 10, SlipGate::kSenderOneLine},
    SlipLayoutField{"sender name",     SenderName,        0,  220, 550, M, 11, kSnd},
};
// clang-format on

struct FaceNameRow {
  SlipFace face;
  std::string_view cp932Name;
};

constexpr std::array kFaceNames{
    FaceNameRow{SlipFace::kPMincho, "\x82\x6C\x82\x72 \x82\x6F\x96\xBE\x92\xA9"},  // ＭＳ Ｐ明朝
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
