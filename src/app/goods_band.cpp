#include "app/goods_band.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>

#include "app/cp932_line_edit.h"
#include "app/field_keys.h"
#include "app/handler_guard.h"
#include "app/printer_group.h"
#include "app/window_kit.h"
#include "numedit/num_edit_presets.h"
#include "qt_text/qt_text.h"
#include "widgets/ov_num_edit.h"
#include "widgets/ov_num_edit_presets.h"

namespace ruvo::app {
namespace {

// Check boxes 13 pixels apart: the indicator must fit one row.
class SmallIndicatorStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override {
    if (metric == PM_IndicatorWidth || metric == PM_IndicatorHeight) return 10;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

std::chrono::year_month_day ToYmd(QDate date) {
  return std::chrono::year_month_day{std::chrono::year(date.year()),
                                     std::chrono::month(static_cast<unsigned>(date.month())),
                                     std::chrono::day(static_cast<unsigned>(date.day()))};
}

QDate ToQDate(std::chrono::year_month_day date) {
  return QDate(static_cast<int>(date.year()), static_cast<int>(unsigned{date.month()}),
               static_cast<int>(unsigned{date.day()}));
}

}  // namespace

GoodsBand::GoodsBand(HandlerGuard& guard, FieldKeys& keys, QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("Panel4"));
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setGeometry(0, 445, 682, 144);
  printers_ = new PrinterGroup(this);
  MakeDates();
  MakeGoods();
  MakeTimeSlots();
  BitBtn_WebHelp = MakeGlyphButton(this, {.name = "BitBtn_WebHelp",
                                          .rect = {610, 23, 39, 39},
                                          .glyph = Glyph::kHelp,
                                          .tabStop = false});
  BitBtn_SendMail = MakeGlyphButton(
      this,
      {.name = "BitBtn_SendMail", .rect = {601, 65, 60, 20}, .caption = QStringLiteral("E-Mail")});
  // The goods lines run under the time-slot group and the mail button;
  // those stand above them so every slot stays visible and clickable.
  GroupBox_Time->raise();
  BitBtn_SendMail->raise();
  ChainTabOrder({CheckBox_Date_1, Edit_de_date1, Edit_de_date2, DateTimePicker_1, goods_[0],
                 goods_[1], goods_[2], OvNumEdit_KOSUU});
  QWidget* last = printers_->ChainTabOrderAfter(OvNumEdit_KOSUU);
  ChainTabOrder({last, timeSlots_[0], timeSlots_[1], timeSlots_[2], timeSlots_[3], timeSlots_[4],
                 BitBtn_SendMail});

  for (QWidget* field : {static_cast<QWidget*>(Edit_de_date1), static_cast<QWidget*>(Edit_de_date2),
                         static_cast<QWidget*>(DateTimePicker_1)})
    keys.Watch(field, {});
  for (TCp932Edit* edit : goods_)
    keys.Watch(edit, {});
  keys.Watch(OvNumEdit_KOSUU, {.enter = EnterMove::kStay});
  for (TCp932Edit* edit : {Edit_de_date1, Edit_de_date2, goods_[0], goods_[1], goods_[2]}) {
    connect(edit, &TCp932Edit::entered, this, &GoodsBand::fieldEntered);
    connect(edit, &TCp932Edit::inputAdjusted, this, &GoodsBand::inputAdjusted);
  }
  ConnectGuarded(guard, OvNumEdit_KOSUU, &TOvNumEdit::entered, this,
                 [this] { emit fieldEntered(SlipField::kQuantity); });
  for (std::size_t slot = 0; slot < timeSlots_.size(); ++slot) {
    ConnectGuarded(guard, timeSlots_[slot], &QCheckBox::clicked, this,
                   [this, slot] { KeepOneTimeSlot(slot); });
  }
  connect(BitBtn_WebHelp, &QPushButton::clicked, this, &GoodsBand::webHelpRequested);
  connect(BitBtn_SendMail, &QPushButton::clicked, this, &GoodsBand::mailRequested);
}

void GoodsBand::MakeDates() {
  MakeLabel(this, {"Label_de_date", {300, 7}, QStringLiteral("ご希望お届け日"), 11});
  // The wished date keeps the caret where the click puts it.
  Edit_de_date1 = MakeEdit(
      this,
      {.field = SlipField::kWishedMonth, .rect = {374, 1, 23, 21}, .caretToEndOnEntry = false});
  Edit_de_date2 = MakeEdit(
      this, {.field = SlipField::kWishedDay, .rect = {399, 1, 23, 21}, .caretToEndOnEntry = false});
  CheckBox_Date_1 =
      MakeCheckBox(this, {.name = "CheckBox_Date_1",
                          .rect = {301, 25, 48, 17},
                          .caption = QStringLiteral("日付"),
                          .hint = QStringLiteral("チェックをはずすと日付を印字しません"),
                          .checked = true});
  DateTimePicker_1 = new QDateEdit(this);
  DateTimePicker_1->setObjectName(QStringLiteral("DateTimePicker_1"));
  DateTimePicker_1->setGeometry(350, 22, 105, 21);
  DateTimePicker_1->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
  DateTimePicker_1->setCalendarPopup(true);
  // The window's 16 px would not leave "2011/01/05" room beside the
  // calendar button in 105 pixels.
  DateTimePicker_1->setFont(WindowFont(13));
  SetIme(*DateTimePicker_1, Ime::kOff);
}

void GoodsBand::MakeGoods() {
  MakeLabel(this, {"Label_3", {313, 46}, QStringLiteral("品名"), 16, true});
  const QString hint =
      QStringLiteral("%1文字入力可").arg(SlipFieldOf(SlipField::kGoods1).entryBytes);
  goods_[0] = MakeEdit(this, {SlipField::kGoods1, {350, 43, 255, 24}, Ime::kOn, 0, hint});
  goods_[1] = MakeEdit(this, {SlipField::kGoods2, {350, 66, 255, 24}, Ime::kOn});
  goods_[2] = MakeEdit(this, {SlipField::kGoods3, {350, 90, 255, 24}, Ime::kOn});
  MakeLabel(this, {"Label_KOSUU", {314, 115}, QStringLiteral("個数")});
  OvNumEdit_KOSUU = new TOvNumEdit(this);
  ApplyNumEditInstance(*OvNumEdit_KOSUU, num_presets::OvNumEdit_KOSUU());
}

void GoodsBand::MakeTimeSlots() {
  GroupBox_Time = new QGroupBox(QStringLiteral("ご希望時間帯"), this);
  GroupBox_Time->setObjectName(QStringLiteral("GroupBox_Time"));
  GroupBox_Time->setGeometry(508, 9, 77, 81);
  GroupBox_Time->setFont(WindowFont(11));
  for (std::size_t slot = 0; slot < timeSlots_.size(); ++slot) {
    const QByteArray name = "CheckBox_t" + QByteArray::number(slot + 1);
    const int top = 11 + 13 * static_cast<int>(slot);
    timeSlots_[slot] = MakeCheckBox(
        GroupBox_Time, {name.constData(), {5, top, 69, 14}, Cp932ToQString(TimeSlotCaption(slot))});
  }
  // Made after the boxes, so that the group deletes it after them.
  auto* smallIndicators = new SmallIndicatorStyle;
  smallIndicators->setParent(GroupBox_Time);
  for (QCheckBox* box : timeSlots_)
    box->setStyle(smallIndicators);
}

void GoodsBand::KeepOneTimeSlot(std::size_t ticked) {
  if (!timeSlots_[ticked]->isChecked()) return;
  for (std::size_t slot = 0; slot < timeSlots_.size(); ++slot)
    if (slot != ticked) timeSlots_[slot]->setChecked(false);
}

Goods GoodsBand::Fields(std::size_t& replaced) const {
  Goods goods;
  for (std::size_t line = 0; line < goods.lines.size(); ++line)
    goods.lines[line] = goods_[line]->Cp932(replaced);
  goods.quantity = OvNumEdit_KOSUU->GetText();
  goods.slipDate = SlipDate();
  goods.printDate = CheckBox_Date_1->isChecked();
  goods.wishedMonth = Edit_de_date1->Cp932(replaced);
  goods.wishedDay = Edit_de_date2->Cp932(replaced);
  for (std::size_t slot = 0; slot < goods.timeSlots.size(); ++slot)
    goods.timeSlots[slot] = timeSlots_[slot]->isChecked();
  return goods;
}

void GoodsBand::SetFields(const Goods& goods) {
  for (std::size_t line = 0; line < goods.lines.size(); ++line)
    goods_[line]->SetCp932Text(goods.lines[line]);
  OvNumEdit_KOSUU->SetText(goods.quantity);
  DateTimePicker_1->setDate(ToQDate(goods.slipDate));
  CheckBox_Date_1->setChecked(goods.printDate);
  Edit_de_date1->SetCp932Text(goods.wishedMonth);
  Edit_de_date2->SetCp932Text(goods.wishedDay);
  for (std::size_t slot = 0; slot < goods.timeSlots.size(); ++slot)
    timeSlots_[slot]->setChecked(goods.timeSlots[slot]);
}

std::chrono::year_month_day GoodsBand::SlipDate() const {
  return ToYmd(DateTimePicker_1->date());
}

void GoodsBand::SetSlipDate(QDate date) {
  DateTimePicker_1->setDate(date);
}

void GoodsBand::FocusGoods(Qt::FocusReason reason) {
  goods_[0]->setFocus(reason);
}

}  // namespace ruvo::app
