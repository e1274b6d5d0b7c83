#include "app/sender_band.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>

#include "app/cp932_line_edit.h"
#include "app/window_kit.h"
#include "qt_text/qt_text.h"
#include "settings/sender_file.h"

namespace ruvo::app {
namespace {

const QColor kNotPrinted(128, 128, 128);
constexpr int kFieldFont = 15;

}  // namespace

SenderBand::SenderBand(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("Panel_My"));
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setGeometry(0, 306, 682, 139);

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

  Label4 = MakeLabel(this, {"Label4", {49, 21}, QStringLiteral("郵便番号")});
  Edit_MyZip = MakeEdit(this, {SlipField::kSenderZip, {114, 21, 78, 23}, Ime::kOff, kFieldFont});
  Label5 = MakeLabel(this, {"Label5", {58, 43}, QStringLiteral("おところ")});
  Edit_MyADD1 =
      MakeEdit(this, {SlipField::kSenderAddress1, {114, 43, 440, 23}, Ime::kHiragana, kFieldFont});
  Edit_MyADD2 =
      MakeEdit(this, {SlipField::kSenderAddress2, {114, 65, 440, 23}, Ime::kHiragana, kFieldFont});
  Label7 = MakeLabel(this, {"Label7", {56, 88}, QStringLiteral("おなまえ")});
  Edit_My =
      MakeEdit(this, {SlipField::kSenderName, {114, 88, 360, 23}, Ime::kHiragana, kFieldFont});
  Label6 = MakeLabel(this, {"Label6", {67, 111}, QStringLiteral("でんわ")});
  Edit_MyTEL = MakeEdit(this, {SlipField::kSenderTel, {114, 111, 140, 23}, Ime::kOff, kFieldFont});
  BitBtn_My = MakeGlyphButton(this, {.name = "BitBtn_My",
                                     .rect = {610, 49, 39, 39},
                                     .glyph = Glyph::kSave,
                                     .hint = QStringLiteral("ご依頼主を保存します")});
  Label3 = MakeLabel(this, {"Label3", {600, 92}, QStringLiteral("ご依頼主登録"), 12});
}

std::array<TCp932Edit*, 5> SenderBand::Fields() const {
  return {Edit_MyZip, Edit_MyADD1, Edit_MyADD2, Edit_My, Edit_MyTEL};
}

void SenderBand::SetPrinted(bool printed) {
  for (TCp932Edit* field : Fields()) {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, printed ? QPalette().color(QPalette::Base) : kNotPrinted);
    field->setPalette(palette);
  }
}

}  // namespace ruvo::app
