#include "app/goods_band.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QWheelEvent>

#include "app/cp932_line_edit.h"
#include "app/window_kit.h"
#include "numedit/num_edit_presets.h"
#include "qt_text/qt_text.h"
#include "settings/settings_names.h"
#include "widgets/ov_num_edit.h"
#include "widgets/ov_num_edit_presets.h"

namespace ruvo::app {
namespace {

DisplayComboBox* MakeDisplayBox(QWidget* parent, const char* name, QRect rect) {
  auto* box = new DisplayComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(rect);
  box->setFocusPolicy(Qt::NoFocus);
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Button));
  box->setPalette(palette);
  return box;
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, QRect rect, const QString& title,
                     int font) {
  auto* group = new QGroupBox(title, parent);
  group->setObjectName(QString::fromLatin1(name));
  group->setGeometry(rect);
  group->setFont(WindowFont(font));
  return group;
}

}  // namespace

int SmallIndicatorStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                     const QWidget* widget) const {
  if (metric == PM_IndicatorWidth || metric == PM_IndicatorHeight) return 10;
  return QProxyStyle::pixelMetric(metric, option, widget);
}

void DisplayComboBox::keyPressEvent(QKeyEvent* event) {
  event->ignore();
}

void DisplayComboBox::wheelEvent(QWheelEvent* event) {
  event->ignore();
}

GoodsBand::GoodsBand(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("Panel4"));
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setGeometry(0, 445, 682, 144);

  MakePrinterGroup();
  Label_de_date =
      MakeLabel(this, {"Label_de_date", {300, 7}, QStringLiteral("ご希望お届け日"), 11});
  Edit_de_date1 = MakeEdit(this, {SlipField::kWishedMonth, {374, 1, 23, 21}});
  Edit_de_date2 = MakeEdit(this, {SlipField::kWishedDay, {399, 1, 23, 21}});
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

  Label_3 = MakeLabel(this, {"Label_3", {313, 46}, QStringLiteral("品名"), 16, true});
  Edit_G1 = MakeEdit(
      this, {SlipField::kGoods1,
             {350, 43, 255, 24},
             Ime::kOn,
             0,
             QStringLiteral("%1文字入力可").arg(SlipFieldOf(SlipField::kGoods1).entryBytes)});
  Edit_G2 = MakeEdit(this, {SlipField::kGoods2, {350, 66, 255, 24}, Ime::kOn});
  Edit_G3 = MakeEdit(this, {SlipField::kGoods3, {350, 90, 255, 24}, Ime::kOn});
  Label_KOSUU = MakeLabel(this, {"Label_KOSUU", {314, 115}, QStringLiteral("個数")});
  OvNumEdit_KOSUU = new TOvNumEdit(this);
  ApplyNumEditInstance(*OvNumEdit_KOSUU, num_presets::OvNumEdit_KOSUU());

  MakeTimeSlotGroup();
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
}

// The printer group's own controls are placed inside the group.
void GoodsBand::MakePrinterGroup() {
  GroupBox1 = MakeGroup(this, "GroupBox1", {12, 4, 285, 130}, QStringLiteral("プリンタセット"), 12);
  ComboBox1 = MakeDisplayBox(GroupBox1, "ComboBox1", {6, 14, 271, 21});
  ComboBox2 = MakeDisplayBox(GroupBox1, "ComboBox2", {6, 34, 271, 21});
  ComboBox3 = MakeDisplayBox(GroupBox1, "ComboBox3", {6, 54, 271, 21});
  Label_4 = MakeLabel(GroupBox1, {"Label_4", {6, 83}, QStringLiteral("用紙選択"), 15});
  ComboBox_SEL = new QComboBox(GroupBox1);
  ComboBox_SEL->setObjectName(QStringLiteral("ComboBox_SEL"));
  ComboBox_SEL->setGeometry(68, 78, 208, 23);
  for (const std::string_view mode : settings::kPaperModeNames)
    ComboBox_SEL->addItem(Cp932ToQString(mode));
  BitBtn_PrnSet2 = MakeGlyphButton(
      GroupBox1, {.name = "BitBtn_PrnSet2",
                  .rect = {6, 104, 74, 22},
                  .glyph = Glyph::kMargins,
                  .caption = QStringLiteral("余白調整"),
                  .hint = QStringLiteral("印刷する用紙の上余白、左余白を調整します")});
  Label_Prn_Top = MakeLabel(GroupBox1, {"Label_Prn_Top", {82, 103}, {}, 11});
  Label_Prn_Left = MakeLabel(GroupBox1, {"Label_Prn_Left", {82, 114}, {}, 11});
  BitBtn_PrnSet = MakeGlyphButton(
      GroupBox1, {.name = "BitBtn_PrnSet",
                  .rect = {115, 104, 161, 22},
                  .glyph = Glyph::kPrinter,
                  .caption = QStringLiteral("セットするプリンタを登録"),
                  .hint = QStringLiteral("送り状ごとに使用にするプリンタをセットします")});
}

void GoodsBand::MakeTimeSlotGroup() {
  GroupBox_Time =
      MakeGroup(this, "GroupBox_Time", {508, 9, 77, 81}, QStringLiteral("ご希望時間帯"), 11);
  const std::array<const char*, kTimeSlotCount> names = {
      "CheckBox_t1", "CheckBox_t2", "CheckBox_t3", "CheckBox_t4", "CheckBox_t5"};
  std::array<QCheckBox*, kTimeSlotCount> boxes{};
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    const int top = 11 + 13 * static_cast<int>(i);
    boxes[i] = MakeCheckBox(GroupBox_Time,
                            {names[i], {5, top, 69, 14}, Cp932ToQString(TimeSlotCaption(i))});
  }
  // Made after the boxes, so that the group deletes it after them.
  auto* smallIndicators = new SmallIndicatorStyle;
  smallIndicators->setParent(GroupBox_Time);
  for (QCheckBox* box : boxes)
    box->setStyle(smallIndicators);
  CheckBox_t1 = boxes[0];
  CheckBox_t2 = boxes[1];
  CheckBox_t3 = boxes[2];
  CheckBox_t4 = boxes[3];
  CheckBox_t5 = boxes[4];
}

std::array<QCheckBox*, kTimeSlotCount> GoodsBand::TimeSlots() const {
  return {CheckBox_t1, CheckBox_t2, CheckBox_t3, CheckBox_t4, CheckBox_t5};
}

}  // namespace ruvo::app
