#include "app/sender_band.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>

#include "app/cp932_line_edit.h"
#include "app/field_keys.h"
#include "app/handler_guard.h"
#include "app/window_kit.h"
#include "qt_text/qt_text.h"

namespace ruvo::app {
namespace {

const QColor kNotPrinted(128, 128, 128);
constexpr int kFieldFont = 15;

}  // namespace

SenderBand::SenderBand(HandlerGuard& guard, FieldKeys& keys, QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("Panel_My"));
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setGeometry(0, 306, 682, 139);
  MakeTabs();
  MakeFields();
  BitBtn_My = MakeGlyphButton(this, {.name = "BitBtn_My",
                                     .rect = {610, 49, 39, 39},
                                     .glyph = Glyph::kSave,
                                     .hint = QStringLiteral("ご依頼主を保存します")});
  MakeLabel(this, {"Label3", {600, 92}, QStringLiteral("ご依頼主登録"), 12});
  ChainTabOrder({PageControl_My, CheckBox_My, Edit_MyZip, Edit_MyADD1, Edit_MyADD2, Edit_My,
                 Edit_MyTEL, BitBtn_My});

  for (TCp932Edit* edit : {Edit_MyZip, Edit_MyADD1, Edit_MyADD2, Edit_My, Edit_MyTEL}) {
    keys.Watch(edit, {});
    connect(edit, &TCp932Edit::entered, this, &SenderBand::fieldEntered);
    connect(edit, &TCp932Edit::inputAdjusted, this, &SenderBand::inputAdjusted);
  }
  connect(PageControl_My, &QTabBar::currentChanged, this, &SenderBand::tabChanged);
  connect(BitBtn_My, &QPushButton::clicked, this, &SenderBand::registerRequested);
  ConnectGuarded(guard, CheckBox_My, &QCheckBox::clicked, this,
                 [this](bool printed) { ShowPrinted(printed); });
}

void SenderBand::MakeTabs() {
  CheckBox_My =
      MakeCheckBox(this, {.name = "CheckBox_My",
                          .rect = {18, 2, 97, 17},
                          .caption = QStringLiteral("ご依頼主"),
                          .hint = QStringLiteral("チェックをはずすとご依頼主を印字しません"),
                          .checked = true});
  PageControl_My = new QTabBar(this);
  PageControl_My->setObjectName(QStringLiteral("PageControl_My"));
  PageControl_My->setGeometry(114, 1, 440, 19);
  PageControl_My->setFont(WindowFont(12));
  PageControl_My->setExpanding(false);
  PageControl_My->setUsesScrollButtons(true);
  PageControl_My->setDrawBase(false);
  PageControl_My->setToolTip(
      QStringLiteral("依頼主番号ごとに登録してください。　登録後切り替えが可能になります。"));
  for (int slot = 0; slot < settings::kSenderSlotCount; ++slot)
    PageControl_My->addTab(Cp932ToQString(settings::SenderTabCaption(slot)));
}

void SenderBand::MakeFields() {
  MakeLabel(this, {"Label4", {49, 21}, QStringLiteral("郵便番号")});
  Edit_MyZip = MakeEdit(this, {SlipField::kSenderZip, {114, 21, 78, 23}, Ime::kOff, kFieldFont});
  MakeLabel(this, {"Label5", {58, 43}, QStringLiteral("おところ")});
  Edit_MyADD1 =
      MakeEdit(this, {SlipField::kSenderAddress1, {114, 43, 440, 23}, Ime::kHiragana, kFieldFont});
  Edit_MyADD2 =
      MakeEdit(this, {SlipField::kSenderAddress2, {114, 65, 440, 23}, Ime::kHiragana, kFieldFont});
  MakeLabel(this, {"Label7", {56, 88}, QStringLiteral("おなまえ")});
  Edit_My =
      MakeEdit(this, {SlipField::kSenderName, {114, 88, 360, 23}, Ime::kHiragana, kFieldFont});
  MakeLabel(this, {"Label6", {67, 111}, QStringLiteral("でんわ")});
  Edit_MyTEL = MakeEdit(this, {SlipField::kSenderTel, {114, 111, 140, 23}, Ime::kOff, kFieldFont});
}

settings::SenderFields SenderBand::Fields(std::size_t& replaced) const {
  return {Edit_MyZip->Cp932(replaced), Edit_MyADD1->Cp932(replaced), Edit_MyADD2->Cp932(replaced),
          Edit_My->Cp932(replaced), Edit_MyTEL->Cp932(replaced)};
}

void SenderBand::SetFields(const settings::SenderFields& fields) {
  Edit_MyZip->SetCp932Text(fields.zip);
  Edit_MyADD1->SetCp932Text(fields.address1);
  Edit_MyADD2->SetCp932Text(fields.address2);
  Edit_My->SetCp932Text(fields.name);
  Edit_MyTEL->SetCp932Text(fields.tel);
}

void SenderBand::Clear() {
  for (TCp932Edit* edit : {Edit_MyZip, Edit_MyADD1, Edit_MyADD2, Edit_My, Edit_MyTEL})
    edit->setText({});
}

bool SenderBand::Printed() const {
  return CheckBox_My->isChecked();
}

void SenderBand::SetPrinted(bool printed) {
  CheckBox_My->setChecked(printed);
  ShowPrinted(printed);
}

void SenderBand::ShowPrinted(bool printed) {
  for (TCp932Edit* field : {Edit_MyZip, Edit_MyADD1, Edit_MyADD2, Edit_My, Edit_MyTEL}) {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, printed ? QPalette().color(QPalette::Base) : kNotPrinted);
    field->setPalette(palette);
  }
}

int SenderBand::Tab() const {
  return PageControl_My->currentIndex();
}

void SenderBand::SelectTab(int tab) {
  const QSignalBlocker quiet(PageControl_My);
  PageControl_My->setCurrentIndex(tab);
}

void SenderBand::FocusPostalCode() {
  Edit_MyZip->setFocus(Qt::OtherFocusReason);
}

}  // namespace ruvo::app
