// The ten stored senders: the selected tab's sender shown, and the five
// fields registered under it.
#include "app/form_main.h"
#include "app/sender_band.h"
#include "qt_text/qt_text.h"
#include "settings/sender_file.h"

namespace ruvo::app {

// The fields are set only after the whole file was read, so a file that
// cannot be read leaves them as they were.
void TForm_Main::ShowTabSender(const TabSender& sender) {
  if (sender.noTab) {
    services_.boxes.Notify(this, Cp932ToQString(settings::kNoSenderTabText));
    return;
  }
  if (sender.error) throw *sender.error;
  sender_->SetFields(*sender.fields);
}

void TForm_Main::SenderTabChanged() {
  senderTabValid_ = true;
  ShowTabSender(LoadTabSender(services_.workingFolder, SenderTab()));
}

void TForm_Main::RegisterSender() {
  if (!services_.boxes.Ask(this, QStringLiteral("ご依頼主を登録しますか?"))) {
    sender_->FocusPostalCode();
    return;
  }
  const SlipRecord slip = ReadRecordTellingReplaced();
  const int tab = SenderTab();
  if (!settings::IsSenderSlot(tab)) {
    services_.boxes.Notify(this, Cp932ToQString(settings::kNoSenderTabText));
    return;
  }
  settings::RegisterSender(
      services_.workingFolder, tab,
      {slip.senderZip, slip.senderAddress1, slip.senderAddress2, slip.senderName, slip.senderTel},
      services_.files);
  services_.boxes.Notify(this, QStringLiteral("ご依頼主を登録しました"));
  SetHelp(QStringLiteral("    "));
  sender_->FocusPostalCode();
}

}  // namespace ruvo::app
