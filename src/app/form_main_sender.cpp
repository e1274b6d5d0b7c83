// The ten stored senders: loading the selected tab's sender, registering
// the five fields under it, and the sender-print switch.
#include <QCheckBox>
#include <QTabBar>
#include <cerrno>

#include "app/cp932_line_edit.h"
#include "app/form_main.h"
#include "app/sender_band.h"
#include "settings/file_errors.h"
#include "settings/sender_file.h"
#include "settings/working_folder.h"

namespace ruvo::app {
namespace {

// Shown when the remembered tab is no tab.
const QString kTabError = QStringLiteral("TabErr");

// The sender of `tab` in `folder`; an error names the file alone
// ("my3.txt"): the user knows the folder the window works in.
settings::SenderFields LoadTabSender(const std::filesystem::path& folder, int tab) {
  try {
    return settings::LoadSender(folder, tab);
  } catch (const settings::FileReadError& error) {
    throw error.NamedAs(settings::SenderFileName(tab));
  }
}

}  // namespace

// The fields are set only after the whole file was read, so a file that
// cannot be read leaves them as they were.
void TForm_Main::SpeedButton_readMyClick() {
  const int tab = SenderTab();
  if (!settings::IsSenderSlot(tab)) return services_.boxes.Notify(this, kTabError);
  const settings::SenderFields fields = LoadTabSender(services_.workingFolder, tab);
  sender_->Edit_MyZip->SetCp932Text(fields.zip);
  sender_->Edit_MyADD1->SetCp932Text(fields.address1);
  sender_->Edit_MyADD2->SetCp932Text(fields.address2);
  sender_->Edit_My->SetCp932Text(fields.name);
  sender_->Edit_MyTEL->SetCp932Text(fields.tel);
}

// A first start in a new working folder finds no sender file: the status
// bar says how to register one instead of an error box. A folder that holds
// the program's other files has lost its sender file, which the error box
// reports.
void TForm_Main::LoadRememberedSender() {
  try {
    SpeedButton_readMyClick();
  } catch (const settings::FileReadError& error) {
    if (error.errorNumber() != ENOENT || settings::HoldsProgramFiles(services_.workingFolder))
      throw;
    SetStatus(QStringLiteral("ご依頼主が未登録です。入力して「ご依頼主登録」を押してください"));
  }
}

void TForm_Main::PageControl_MyChange() {
  senderTabValid_ = true;
  SpeedButton_readMyClick();
}

void TForm_Main::BitBtn_MyClick() {
  if (!services_.boxes.Ask(this, QStringLiteral("ご依頼主を登録しますか?"))) {
    sender_->Edit_MyZip->setFocus(Qt::OtherFocusReason);
    return;
  }
  const SlipRecord slip = Record();
  const int tab = SenderTab();
  if (!settings::IsSenderSlot(tab)) return services_.boxes.Notify(this, kTabError);
  settings::RegisterSender(
      services_.workingFolder, tab,
      {slip.senderZip, slip.senderAddress1, slip.senderAddress2, slip.senderName, slip.senderTel},
      services_.files);
  services_.boxes.Notify(this, QStringLiteral("ご依頼主を登録しました"));
  SetHelp(QStringLiteral("    "));
  sender_->Edit_MyZip->setFocus(Qt::OtherFocusReason);
}

// Also the date switch's click handler, where it repeats the colouring for
// the sender switch's state and so changes nothing visible.
void TForm_Main::CheckBox_MyClick() {
  sender_->SetPrinted(sender_->CheckBox_My->isChecked());
}

}  // namespace ruvo::app
