// The main window's fields and the buttons beside them: the help on
// entering a field, the text transfer, clearing the recipient, quitting and
// the support links.
#include "app/desktop_links.h"
#include "app/form_main.h"
#include "app/recipient_band.h"
#include "app/transfer_band.h"
#include "qt_text/qt_text.h"
#include "transfer/mail_transfer.h"

namespace ruvo::app {
namespace {

struct FieldHelp {
  SlipField field;
  const char16_t* help;
  bool addressWarning = false;  // entering it refreshes the address warning
};

// The help line of each field that has one.
constexpr FieldHelp kFieldHelps[] = {
    {SlipField::kRecipientZip, u"お届け先の郵便番号を入力して下さい"},
    {SlipField::kRecipientAddress1, u"お届け先のおところ①を入力して下さい", true},
    {SlipField::kRecipientAddress2, u"お届け先のおところを入力して下さい", true},
    {SlipField::kRecipientAddress3, u"お届け先のおところを入力して下さい", true},
    // The address lines are checked together: leaving the last for the name
    // checks them again.
    {SlipField::kRecipientName, u"お届け先のおなまえを入力して下さい", true},
    {SlipField::kRecipientTel, u"お届け先のでんわを入力して下さい"},
    {SlipField::kGoods1, u"品名を入力して下さい"},
    {SlipField::kGoods2, u"品名を入力して下さい"},
    {SlipField::kGoods3, u"品名を入力して下さい"},
    {SlipField::kQuantity, u"個数を入力して下さい"},
    {SlipField::kSenderZip, u"ご依頼主の郵便番号を入力して下さい"},
    {SlipField::kSenderAddress1, u"ご依頼主のおところ①を入力して下さい"},
    {SlipField::kSenderAddress2, u"ご依頼主のおところ②を入力して下さい"},
    {SlipField::kSenderName, u"ご依頼主のおなまえを入力して下さい"},
    {SlipField::kSenderTel, u"ご依頼主のでんわを入力して下さい"},
};

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

void TForm_Main::EnterField(SlipField field) {
  for (const FieldHelp& row : kFieldHelps) {
    if (row.field != field) continue;
    if (row.addressWarning) ShowAddressWarning();
    SetHelp(QString::fromUtf16(row.help));
  }
}

// The memo may hold a whole order mail: the transfer finds the recipient in
// it, and the memo then shows the lines the fields were taken from (Ctrl+Z
// brings the mail back). The third address line keeps its text.
void TForm_Main::TransferMemo() {
  std::size_t replaced = 0;
  const MailTransferResult result = TransferMail(transfer_->Lines(replaced));
  SetStatus({});
  ShowReplacedNotice(replaced);
  if (result.rules.noTextMessage) {
    transfer_->SetLines(result.FinalMemo());
    services_.boxes.Notify(this, Cp932ToQString(kNoTransferTextMessage));
  } else {
    recipient_->Clear();
    transfer_->SetLines(result.FinalMemo());
    recipient_->SetTransferred(result.written);
    recipient_->FocusPostalCode();
    ShowZipStatus();
    if (const QString notice = SectionNotice(result); !notice.isEmpty()) {
      const QString status = StatusText();
      SetStatus(status.isEmpty() ? notice : notice + QStringLiteral("。") + status);
    }
  }
  ShowAddressWarning();
}

// The third address line, the goods, the quantity, the dates and the time
// slot keep their values.
void TForm_Main::AskToClearRecipient() {
  if (services_.boxes.Ask(this, QStringLiteral("お届け先をクリアますか?"))) recipient_->Clear();
}

void TForm_Main::AskToQuit() {
  if (services_.boxes.Ask(this, QStringLiteral("終了しますか?"))) {
    close();
  } else {
    recipient_->FocusPostalCode();
  }
}

void TForm_Main::OpenWebHelp() {
  services_.links.Open(WebHelpUrl());
}

void TForm_Main::OpenSupportMail() {
  services_.links.Open(SupportMailUrl());
}

}  // namespace ruvo::app
