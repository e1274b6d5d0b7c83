// The main window's start and end: restoring the last slip and the print
// settings when it is shown, saving the slip when it goes away.
#include <QComboBox>
#include <QDateEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabBar>

#include "app/app_identity.h"
#include "app/cp932_line_edit.h"
#include "app/form_main.h"
#include "app/function_key_bar.h"
#include "app/goods_band.h"
#include "app/recipient_band.h"
#include "app/sender_band.h"
#include "app/transfer_band.h"
#include "qt_text/qt_text.h"
#include "settings/app_settings.h"
#include "settings/file_errors.h"
#include "settings/settings_names.h"
#include "settings/startup_state.h"
#include "slip/error_texts.h"
#include "slip/saved_slip.h"

namespace ruvo::app {

// Each step may raise; the guard around the whole then shows the error and
// the steps after it do not run. The usual case is a missing sender file in
// the last but one step: the sender fields keep the settings' values and
// the focus stays where it was. In a new working folder that is no error
// but the first start, which the status bar answers with how to begin.
void TForm_Main::FormShow() {
  setWindowTitle(kMainCaption);
  goods_->DateTimePicker_1->setDate(services_.today());
  SetMargins({}, {});
  Edit_Cls();
  Edit_Cls_My();
  transfer_->Clear();
  ReadSettingsIntoWindow();
  SpeedButton_PRNSETClick();
  SetStatus(QStringLiteral("  "));
  keys_->ShowWindowKeys();
  ComboBox_SELChange();
  if (goods_->ComboBox_SEL->currentIndex() < 0) {
    const QSignalBlocker quiet(goods_->ComboBox_SEL);
    goods_->ComboBox_SEL->setCurrentIndex(0);
  }
  LoadRememberedSender();
  recipient_->Edit_Zip->setFocus(Qt::OtherFocusReason);
}

// The settings file's keys into the window, in the order they are read.
// The tab and the paper mode are selected without running their change
// handlers; an index that is no item leaves no selection.
void TForm_Main::ReadSettingsIntoWindow() {
  ReportUnreadableFiles();
  ReportForeignEncodings();
  const settings::StartupSettings read = settings::ReadStartupSettings(services_.workingFolder);
  labels_.printerIndex = std::to_string(read.printerNumber);
  registered_ = {};
  const int tab = read.saved.senderTab;
  senderTabValid_ = tab >= 0 && tab < sender_->PageControl_My->count();
  if (senderTabValid_) {
    const QSignalBlocker quiet(sender_->PageControl_My);
    sender_->PageControl_My->setCurrentIndex(tab);
  }
  fontIndex_ = read.saved.fontIndex;
  SetMargins(std::to_string(read.marginTop), std::to_string(read.marginLeft));
  SlipRecord slip = Record();
  RestoreSavedSlip(slip, read.saved.slip);
  WriteRecord(slip);
  slipRead_ = read.saved.slip;
  slipShown_ = SavedSlipOf(Record());
  const QSignalBlocker quiet(goods_->ComboBox_SEL);
  const bool isItem = !settings::PaperModeName(read.saved.paperMode).empty();
  goods_->ComboBox_SEL->setCurrentIndex(isItem ? read.saved.paperMode : -1);
}

// A settings or registration file that exists but cannot be read reads as
// the defaults, as a missing one does; the user is told once, since the
// slip then lacks what the file held and a save would not keep it.
void TForm_Main::ReportUnreadableFiles() {
  const std::vector<settings::FileReadError> problems =
      settings::SettingsFileReadErrors(services_.workingFolder);
  if (problems.empty()) return;
  QStringList lines;
  for (const settings::FileReadError& problem : problems)
    lines << Cp932ToQString(JapaneseErrorText(problem));
  lines << QStringLiteral("読めないファイルの値は既定値になります。");
  services_.boxes.ShowError(this, lines.join(u'\n'));
}

// A settings file in another encoding than Shift-JIS shows its texts
// garbled; the user is told once, and what the user leaves as it is keeps
// the file's bytes (FormDestroy).
void TForm_Main::ReportForeignEncodings() {
  const std::vector<settings::ForeignEncodedFile> files =
      settings::ForeignEncodedSettingsFiles(services_.workingFolder);
  if (files.empty()) return;
  QStringList lines;
  for (const settings::ForeignEncodedFile& file : files) {
    lines << QStringLiteral("%1 は Shift-JIS ではなく %2 で書かれているようです。")
                 .arg(Cp932ToQString(settings::PathText(file.file)),
                      QString::fromLatin1(file.encoding.data(),
                                          static_cast<qsizetype>(file.encoding.size())));
  }
  lines << QStringLiteral("文字化けした値は、書き換えない限りそのまま保存されます。");
  services_.boxes.Notify(this, lines.join(u'\n'));
}

// The nineteen keys in order, in one write of the file; a field the user
// left as it was shown keeps the file's bytes. A write that fails leaves
// the file as it was, and the error box says so.
void TForm_Main::FormDestroy() {
  settings::ExitSettings exit;
  exit.fontIndex = fontIndex_;
  exit.slip = settings::KeepUntouchedFields(SavedSlipOf(Record()), slipShown_, slipRead_);
  exit.paperMode = goods_->ComboBox_SEL->currentIndex();
  exit.senderTab = SenderTab();
  settings::WriteExitSettings(services_.workingFolder, exit, services_.files);
}

}  // namespace ruvo::app
