// The handlers of the main window's fields and buttons that need no files
// or printers: conversions, the address warning, clearing, the time slots,
// the text transfer and the support links.
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>

#include "app/cp932_line_edit.h"
#include "app/desktop_links.h"
#include "app/form_main.h"
#include "app/function_key_bar.h"
#include "app/goods_band.h"
#include "app/recipient_band.h"
#include "app/sender_band.h"
#include "app/transfer_band.h"
#include "qt_text/qt_text.h"
#include "transfer/mail_transfer.h"
#include "transfer/recipient_fields.h"

namespace ruvo::app {

template <typename Sender, typename Signal>
void TForm_Main::On(Sender* sender, Signal signal, void (TForm_Main::*handler)()) {
  connect(sender, signal, this,
          [this, handler] { guard_.Run([this, handler] { (this->*handler)(); }); });
}

void TForm_Main::ConnectHandlers() {
  On(keys_->Key(2), &QToolButton::clicked, &TForm_Main::SpeedButton_F2Click);
  On(keys_->Key(3), &QToolButton::clicked, &TForm_Main::SpeedButton_F3Click);
  On(keys_->Key(8), &QToolButton::clicked, &TForm_Main::SpeedButton_F8Click);
  On(keys_->Key(11), &QToolButton::clicked, &TForm_Main::SpeedButton_F11Click);
  On(transfer_->BitBtn_1, &QPushButton::clicked, &TForm_Main::BitBtn_1Click);
  On(transfer_->BitBtn_MemoCLS, &QPushButton::clicked, &TForm_Main::BitBtn_MemoCLSClick);
  On(recipient_->BitBtn_CLS, &QPushButton::clicked, &TForm_Main::BitBtn_CLSClick);
  On(sender_->BitBtn_My, &QPushButton::clicked, &TForm_Main::BitBtn_MyClick);
  On(sender_->PageControl_My, &QTabBar::currentChanged, &TForm_Main::PageControl_MyChange);
  On(sender_->CheckBox_My, &QCheckBox::clicked, &TForm_Main::CheckBox_MyClick);
  On(goods_->CheckBox_Date_1, &QCheckBox::clicked, &TForm_Main::CheckBox_MyClick);
  On(goods_->BitBtn_WebHelp, &QPushButton::clicked, &TForm_Main::BitBtn_WebHelpClick);
  On(goods_->BitBtn_SendMail, &QPushButton::clicked, &TForm_Main::BitBtn_SendMailClick);
  On(goods_->ComboBox_SEL, &QComboBox::activated, &TForm_Main::ComboBox_SELChange);
  On(goods_->BitBtn_PrnSet, &QPushButton::clicked, &TForm_Main::BitBtn_PrnSetClick);
  On(goods_->BitBtn_PrnSet2, &QPushButton::clicked, &TForm_Main::BitBtn_PrnSet2Click);
  On(recipient_->Edit_Zip, &TCp932Edit::exited, &TForm_Main::Edit_ZipExit);
  for (TCp932Edit* edit : {recipient_->Edit_Zip, recipient_->Edit_tel}) {
    connect(edit, &QLineEdit::textChanged, this,
            [this, edit] { guard_.Run([&] { ConvertToHalfWidth(edit); }); });
  }
  const auto timeSlots = goods_->TimeSlots();
  for (std::size_t i = 0; i < timeSlots.size(); ++i) {
    connect(timeSlots[i], &QCheckBox::clicked, this,
            [this, i] { guard_.Run([&] { TimeSlotClick(i); }); });
  }
  for (TCp932Edit* edit : findChildren<TCp932Edit*>()) {
    connect(edit, &TCp932Edit::inputAdjusted, this,
            [this, edit](int replaced, int dropped, int cut) {
              ShowInputNotice(*edit, replaced, dropped, cut);
            });
  }
}

// The postal code and telephone hold half-width forms whatever sets them;
// setting the converted text changes it once more, to the same text, and
// there it ends. The caret keeps its place counted from the end, where the
// typing goes on.
void TForm_Main::ConvertToHalfWidth(TCp932Edit* edit) {
  const std::string text = edit->Cp932().bytes;
  const SlipField field =
      edit == recipient_->Edit_Zip ? SlipField::kRecipientZip : SlipField::kRecipientTel;
  const std::string half = FieldTextAsHeld(field, text);
  if (half == text) return;
  const qsizetype fromEnd = edit->text().size() - edit->cursorPosition();
  edit->SetCp932Text(half);
  edit->setCursorPosition(static_cast<int>(std::max<qsizetype>(0, edit->text().size() - fromEnd)));
}

// The third address line, the goods, the quantity, the dates and the time
// slot keep their values.
void TForm_Main::Edit_Cls() {
  recipient_->SetWarning({});
  for (TCp932Edit* edit : {recipient_->Edit_Zip, recipient_->Edit_Add1, recipient_->Edit_Add2,
                           recipient_->Edit_Custo1, recipient_->Edit_tel})
    edit->setText({});
}

void TForm_Main::Edit_Cls_My() {
  for (TCp932Edit* edit : sender_->Fields())
    edit->setText({});
}

void TForm_Main::BitBtn_CLSClick() {
  if (services_.boxes.Ask(this, QStringLiteral("お届け先をクリアますか?"))) Edit_Cls();
}

// Ticking a slot unticks the other four; unticking leaves none.
void TForm_Main::TimeSlotClick(std::size_t slot) {
  const auto timeSlots = goods_->TimeSlots();
  if (!timeSlots[slot]->isChecked()) return;
  for (std::size_t i = 0; i < timeSlots.size(); ++i)
    if (i != slot) timeSlots[i]->setChecked(false);
}

namespace {

// The status bar's word on where the recipient was found in a pasted mail.
QString SectionNotice(const MailTransferResult& result) {
  if (!result.block) return {};
  switch (result.block->source) {
    case BlockSource::kRecipient:
      return QStringLiteral("お届け先の欄から転送しました");
    case BlockSource::kOrdererAsRecipient:
      return QStringLiteral("お届け先はご注文者と同じため、ご注文者の欄から転送しました");
    case BlockSource::kOrderer:
      return QStringLiteral("お届け先の欄がないため、ご注文者の欄から転送しました");
    case BlockSource::kWholeText:
      break;
  }
  return {};
}

}  // namespace

// The memo may hold a whole order mail: the transfer finds the recipient in
// it, and the memo then shows the lines the fields were taken from (Ctrl+Z
// brings the mail back).
void TForm_Main::BitBtn_1Click() {
  std::size_t replaced = 0;
  const MailTransferResult result = TransferMail(transfer_->Lines(replaced));
  SetStatus({});
  ShowReplacedNotice(replaced);
  if (result.rules.noTextMessage) {
    transfer_->SetLines(result.FinalMemo());
    services_.boxes.Notify(this, Cp932ToQString(kNoTransferTextMessage));
  } else {
    Edit_Cls();
    transfer_->SetLines(result.FinalMemo());
    const RecipientFields& written = result.written;
    recipient_->Edit_Zip->SetCp932Text(written.zip);
    recipient_->Edit_Add1->SetCp932Text(written.add1);
    recipient_->Edit_Add2->SetCp932Text(written.add2);
    recipient_->Edit_Custo1->SetCp932Text(written.name);
    recipient_->Edit_tel->SetCp932Text(written.tel);
    recipient_->Edit_Zip->setFocus(Qt::OtherFocusReason);
    ShowZipStatus();
    if (const QString notice = SectionNotice(result); !notice.isEmpty()) {
      const QString status = StatusText();
      SetStatus(status.isEmpty() ? notice : notice + QStringLiteral("。") + status);
    }
  }
  Edit_Warning();
}

void TForm_Main::BitBtn_MemoCLSClick() {
  transfer_->Clear();
}

void TForm_Main::SpeedButton_F2Click() {
  if (services_.boxes.Ask(this, QStringLiteral("終了しますか?"))) {
    close();
  } else {
    recipient_->Edit_Zip->setFocus(Qt::OtherFocusReason);
  }
}

void TForm_Main::BitBtn_WebHelpClick() {
  services_.links.Open(WebHelpUrl());
}

void TForm_Main::BitBtn_SendMailClick() {
  services_.links.Open(SupportMailUrl());
}

}  // namespace ruvo::app
