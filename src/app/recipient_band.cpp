#include "app/recipient_band.h"

#include <QLabel>
#include <QPushButton>

#include "app/cp932_line_edit.h"
#include "app/field_keys.h"
#include "app/window_kit.h"

namespace ruvo::app {
RecipientBand::RecipientBand(FieldKeys& keys, QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("Panel1"));
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setGeometry(0, 130, 682, 176);
  MakeFields();
  BitBtn_CLS = MakeGlyphButton(this, {.name = "BitBtn_CLS",
                                      .rect = {610, 56, 39, 39},
                                      .glyph = Glyph::kErase,
                                      .hint = QStringLiteral("お届け先と品名をクリアします"),
                                      .tabStop = false});
  MakeLabel(this, {"Label10", {600, 100}, QStringLiteral("お届け先ｸﾘｱ"), 12});

  keys.Watch(Edit_Zip, {.upMovesBack = false, .enterCompletesAddress = true});
  for (TCp932Edit* edit : {Edit_Add1, Edit_Add2, Edit_Add3, Edit_Custo1})
    keys.Watch(edit, {});
  keys.Watch(Edit_tel, {.enter = EnterMove::kToGoods});
  for (TCp932Edit* edit : {Edit_Zip, Edit_Add1, Edit_Add2, Edit_Add3, Edit_Custo1, Edit_tel}) {
    connect(edit, &TCp932Edit::entered, this, &RecipientBand::fieldEntered);
    connect(edit, &TCp932Edit::inputAdjusted, this, &RecipientBand::inputAdjusted);
  }
  connect(Edit_Zip, &TCp932Edit::exited, this, &RecipientBand::postalCodeLeft);
  connect(BitBtn_CLS, &QPushButton::clicked, this, &RecipientBand::clearRequested);
}

// Each field has a 74 x 24 caption box on its left.
void RecipientBand::MakeFields() {
  MakeLabel(this, {"Label_1", {18, 6}, QStringLiteral("お届け先"), 16, true});
  MakeCaptionPanel(this, "Panel26", {40, 25, 74, 24}, QStringLiteral("郵便番号"));
  Edit_Zip = MakeEdit(this, {SlipField::kRecipientZip, {114, 25, 103, 24}, Ime::kOff});
  Label_Warning = MakeLabel(this, {"Label_Warning", {220, 31}, {}, 13});
  QPalette red = Label_Warning->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  Label_Warning->setPalette(red);
  MakeCaptionPanel(this, "Panel27", {40, 49, 74, 24}, QStringLiteral("おところ①"));
  Edit_Add1 = MakeEdit(this, {SlipField::kRecipientAddress1, {114, 49, 440, 24}, Ime::kHiragana});
  MakeCaptionPanel(this, "Panel28", {40, 73, 74, 24}, QStringLiteral("おところ②"));
  Edit_Add2 = MakeEdit(this, {SlipField::kRecipientAddress2, {114, 73, 440, 24}, Ime::kHiragana});
  MakeCaptionPanel(this, "Panel2", {39, 97, 74, 24}, QStringLiteral("おところ③"));
  Edit_Add3 = MakeEdit(this, {SlipField::kRecipientAddress3, {113, 97, 440, 24}, Ime::kHiragana});
  MakeCaptionPanel(this, "Panel5", {39, 121, 74, 24}, QStringLiteral("おなまえ"));
  Edit_Custo1 = MakeEdit(this, {SlipField::kRecipientName, {113, 121, 360, 24}, Ime::kHiragana});
  MakeCaptionPanel(this, "Panel7", {39, 145, 74, 24}, QStringLiteral("でんわ"));
  Edit_tel = MakeEdit(this, {SlipField::kRecipientTel, {113, 145, 140, 24}, Ime::kOff});
}

Recipient RecipientBand::Fields(std::size_t& replaced) const {
  return {Edit_Zip->Cp932(replaced),  Edit_Add1->Cp932(replaced),   Edit_Add2->Cp932(replaced),
          Edit_Add3->Cp932(replaced), Edit_Custo1->Cp932(replaced), Edit_tel->Cp932(replaced)};
}

void RecipientBand::SetFields(const Recipient& recipient) {
  Edit_Zip->SetCp932Text(recipient.zip);
  Edit_Add1->SetCp932Text(recipient.address1);
  Edit_Add2->SetCp932Text(recipient.address2);
  Edit_Add3->SetCp932Text(recipient.address3);
  Edit_Custo1->SetCp932Text(recipient.name);
  Edit_tel->SetCp932Text(recipient.tel);
}

void RecipientBand::SetTransferred(const RecipientFields& fields) {
  Edit_Zip->SetCp932Text(fields.zip);
  Edit_Add1->SetCp932Text(fields.add1);
  Edit_Add2->SetCp932Text(fields.add2);
  Edit_Custo1->SetCp932Text(fields.name);
  Edit_tel->SetCp932Text(fields.tel);
}

void RecipientBand::Clear() {
  SetWarning({});
  for (TCp932Edit* edit : {Edit_Zip, Edit_Add1, Edit_Add2, Edit_Custo1, Edit_tel})
    edit->setText({});
}

std::string RecipientBand::PostalCode() const {
  return Edit_Zip->Cp932().bytes;
}

std::string RecipientBand::Address1() const {
  return Edit_Add1->Cp932().bytes;
}

void RecipientBand::SetAddress1(std::string_view address) {
  Edit_Add1->SetCp932Text(address);
}

void RecipientBand::SetWarning(const QString& text) {
  Label_Warning->setText(text);
  Label_Warning->adjustSize();
}

void RecipientBand::FocusPostalCode() {
  Edit_Zip->setFocus(Qt::OtherFocusReason);
}

}  // namespace ruvo::app
