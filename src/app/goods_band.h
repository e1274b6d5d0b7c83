#pragma once
// Band 4 of the main window: the printer group, the wished delivery date,
// the slip date, the goods, the quantity, the time slot and the support
// buttons. It offers the goods and dates as values and keeps its controls to
// itself; the printer group is a part of its own.

#include <QDate>
#include <QFrame>
#include <array>
#include <chrono>
#include <cstddef>
#include <string>

#include "slip/slip_fields.h"

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QPushButton;

namespace ruvo {
class TOvNumEdit;
}

namespace ruvo::app {

class FieldKeys;
class HandlerGuard;
class PrinterGroup;
class TCp932Edit;

// The goods and dates of the slip as the band holds them (CP932).
struct Goods {
  std::array<std::string, 3> lines;
  std::string quantity;
  std::chrono::year_month_day slipDate{};
  bool printDate = true;
  std::string wishedMonth;
  std::string wishedDay;
  std::array<bool, kTimeSlotCount> timeSlots{};
  bool operator==(const Goods&) const = default;
};

class GoodsBand : public QFrame {
  Q_OBJECT

 public:
  // Its fields' keys go through `keys`, its handlers through `guard`.
  GoodsBand(HandlerGuard& guard, FieldKeys& keys, QWidget* parent);

  // `replaced` counts the characters read as "〓".
  Goods Fields(std::size_t& replaced) const;
  void SetFields(const Goods& goods);
  std::chrono::year_month_day SlipDate() const;
  void SetSlipDate(QDate date);

  PrinterGroup& Printers() const { return *printers_; }
  void FocusGoods(Qt::FocusReason reason);

 signals:
  void webHelpRequested();
  void mailRequested();
  void fieldEntered(ruvo::SlipField field);
  void inputAdjusted(ruvo::SlipField field, int replaced, int dropped, int cut);

 private:
  void MakeDates();
  void MakeGoods();
  void MakeTimeSlots();
  // Ticking a slot unticks the others; unticking leaves none.
  void KeepOneTimeSlot(std::size_t ticked);

  PrinterGroup* printers_;
  TCp932Edit* Edit_de_date1;
  TCp932Edit* Edit_de_date2;
  QCheckBox* CheckBox_Date_1;
  QDateEdit* DateTimePicker_1;
  std::array<TCp932Edit*, 3> goods_{};
  TOvNumEdit* OvNumEdit_KOSUU;
  QGroupBox* GroupBox_Time;
  std::array<QCheckBox*, kTimeSlotCount> timeSlots_{};
  QPushButton* BitBtn_WebHelp;
  QPushButton* BitBtn_SendMail;
};

}  // namespace ruvo::app
