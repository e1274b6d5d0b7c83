// The main window's start and end: the working folder's last slip, print
// values and sender shown when the window opens, the slip saved when it
// goes away.
#include "app/app_identity.h"
#include "app/form_main.h"
#include "app/function_key_bar.h"
#include "app/goods_band.h"
#include "app/paper_mode_printer.h"
#include "app/printer_group.h"
#include "app/recipient_band.h"
#include "app/sender_band.h"
#include "app/transfer_band.h"
#include "qt_text/qt_text.h"
#include "slip/saved_slip.h"

namespace ruvo::app {

// The steps of WindowStartup in turn; a step that raises stops the ones
// after it, and the guard around the whole shows the error. A missing
// sender file in a new working folder is no error but the first start,
// which the status bar answers with how to begin.
void TForm_Main::StartUp() {
  setWindowTitle(kMainCaption);
  goods_->SetSlipDate(services_.today());
  printer_->ShowMargins({}, {});
  recipient_->Clear();
  sender_->Clear();
  transfer_->Clear();
  const WindowStartup startup = LoadWindowStartup(services_.workingFolder);
  ShowStartupSettings(startup);
  printer_->SelectRegistered();
  SetStatus(QStringLiteral("  "));
  keys_->ShowWindowKeys();
  printer_->ApplyRegistration(startup.registration);
  if (printers_->PaperMode() < 0) printers_->SelectPaperMode(0);
  ShowRememberedSender(startup.sender);
  recipient_->FocusPostalCode();
}

// The reports, then the settings file's values, in the order they are read.
// The tab and the paper mode are selected without running their change
// handlers; an index that is no item leaves no selection.
void TForm_Main::ShowStartupSettings(const WindowStartup& startup) {
  if (!startup.unreadableReport.empty()) {
    services_.boxes.ShowError(this, Cp932ToQString(startup.unreadableReport));
  }
  if (!startup.foreignEncodingReport.empty()) {
    services_.boxes.Notify(this, Cp932ToQString(startup.foreignEncodingReport));
  }
  printer_->StartFrom(startup.labels);
  senderTabValid_ = startup.senderTab >= 0;
  if (senderTabValid_) sender_->SelectTab(startup.senderTab);
  fontIndex_ = startup.fontIndex;
  SlipRecord slip = Record();
  RestoreSavedSlip(slip, startup.saved);
  WriteRecord(slip);
  slipRead_ = startup.saved;
  slipShown_ = SavedSlipOf(ReadRecordTellingReplaced());
  printers_->SelectPaperMode(startup.paperMode);
}

void TForm_Main::ShowRememberedSender(const TabSender& sender) {
  if (sender.firstStart) {
    SetStatus(QStringLiteral("ご依頼主が未登録です。入力して「ご依頼主登録」を押してください"));
    return;
  }
  ShowTabSender(sender);
}

// One write of the file; a field the user left as it was shown keeps the
// file's bytes. A write that fails leaves the file as it was, and the error
// box says so.
void TForm_Main::SaveSlip() {
  settings::ExitSettings exit;
  exit.fontIndex = fontIndex_;
  exit.slip = settings::KeepUntouchedFields(SavedSlipOf(ReadRecordTellingReplaced()), slipShown_,
                                            slipRead_);
  exit.paperMode = printers_->PaperMode();
  exit.senderTab = SenderTab();
  settings::WriteExitSettings(services_.workingFolder, exit, services_.files);
}

}  // namespace ruvo::app
