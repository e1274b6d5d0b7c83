#include "app/recipient_band.h"

#include <QLabel>
#include <QPushButton>

#include "app/cp932_line_edit.h"
#include "app/window_kit.h"

namespace ruvo::app {

RecipientBand::RecipientBand(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("Panel1"));
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setGeometry(0, 130, 682, 176);

  // Each field has a 74 x 24 caption box on its left.
  Label_1 = MakeLabel(this, {"Label_1", {18, 6}, QStringLiteral("お届け先"), 16, true});
  Panel26 = MakeCaptionPanel(this, "Panel26", {40, 25, 74, 24}, QStringLiteral("郵便番号"));
  Edit_Zip = MakeEdit(this, {SlipField::kRecipientZip, {114, 25, 103, 24}, Ime::kOff});
  Label_Warning = MakeLabel(this, {"Label_Warning", {220, 31}, {}, 13});
  QPalette red = Label_Warning->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  Label_Warning->setPalette(red);
  Panel27 = MakeCaptionPanel(this, "Panel27", {40, 49, 74, 24}, QStringLiteral("おところ①"));
  Edit_Add1 = MakeEdit(this, {SlipField::kRecipientAddress1, {114, 49, 440, 24}, Ime::kHiragana});
  Panel28 = MakeCaptionPanel(this, "Panel28", {40, 73, 74, 24}, QStringLiteral("おところ②"));
  Edit_Add2 = MakeEdit(this, {SlipField::kRecipientAddress2, {114, 73, 440, 24}, Ime::kHiragana});
  Panel2 = MakeCaptionPanel(this, "Panel2", {39, 97, 74, 24}, QStringLiteral("おところ③"));
  Edit_Add3 = MakeEdit(this, {SlipField::kRecipientAddress3, {113, 97, 440, 24}, Ime::kHiragana});
  Panel5 = MakeCaptionPanel(this, "Panel5", {39, 121, 74, 24}, QStringLiteral("おなまえ"));
  Edit_Custo1 = MakeEdit(this, {SlipField::kRecipientName, {113, 121, 360, 24}, Ime::kHiragana});
  Panel7 = MakeCaptionPanel(this, "Panel7", {39, 145, 74, 24}, QStringLiteral("でんわ"));
  Edit_tel = MakeEdit(this, {SlipField::kRecipientTel, {113, 145, 140, 24}, Ime::kOff});
  BitBtn_CLS = MakeGlyphButton(this, {.name = "BitBtn_CLS",
                                      .rect = {610, 56, 39, 39},
                                      .glyph = Glyph::kErase,
                                      .hint = QStringLiteral("お届け先と品名をクリアします"),
                                      .tabStop = false});
  Label10 = MakeLabel(this, {"Label10", {600, 100}, QStringLiteral("お届け先ｸﾘｱ"), 12});
}

void RecipientBand::SetWarning(const QString& text) {
  Label_Warning->setText(text);
  Label_Warning->adjustSize();
}

}  // namespace ruvo::app
