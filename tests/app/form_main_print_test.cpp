// The senders and printing of the main window: registering and loading a
// sender, F11 over the fake print service, and the printer of each paper
// mode with its margins.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include "app/cp932_line_edit.h"
#include "app/form_slip97y_prn.h"
#include "app/window_files.h"
#include "app/window_harness.h"
#include "print/lm_d97_dot.h"
#include "print/print_job.h"
#include "print/printer_watch.h"
#include "support/temp_dir.h"
#include "widgets/ov_num_edit.h"

using ruvo::TOvNumEdit;
using ruvo::app::TCp932Edit;
using ruvo::app::TForm_Main;
using ruvo::app::TForm_SLIP97YPrn;
using ruvo::test::FakeJob;
using ruvo::test::FileBytes;
using ruvo::test::Named;
using ruvo::test::PutCp932Lines;
using ruvo::test::Sj;
using ruvo::test::WindowHarness;

class FormMainPrintTest : public QObject {
  Q_OBJECT

 private slots:
  void registeredSenderIsStoredUnderItsTabAndLoadedBack();
  void neverRegisteredTabKeepsTheFieldsAndReportsTheFile();
  void senderSwitchGreysTheFieldsAndDropsTheSender();
  void f11PrintsTheDrawListOfTheWindowsRecord();
  void f11AnsweredNoPrintsNothing();
  void f11InAWorkingFolderThatCannotBeReadPrintsNothing();
  void badMarginAbandonsTheJob();
  void paperModesKeepTheirPrintersWhateverTheListDoes_data();
  void paperModesKeepTheirPrintersWhateverTheListDoes();
  void registeredPrinterGonePrintsNothingUntilItIsBack();
  void printServiceDownAtStartFallsBackToNoOtherPrinter();
  void onlyTheUsersChoiceIsRegistered_data();
  void onlyTheUsersChoiceIsRegistered();
  void marginDialogRegistersOnlyOnYes();
  void marginDialogKeys();
  void marginDialogHasOneSizeAndItsFiguresFit();
  void f7ChoosesForTheRunAndStoresThePrinterNumber();
  void supportButtonsOpenTheirLinks();
  void faultsGiveTheErrorBoxAndTheProgramGoesOn_data();
  void faultsGiveTheErrorBoxAndTheProgramGoesOn();
};

void FormMainPrintTest::registeredSenderIsStoredUnderItsTabAndLoadedBack() {
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  Named<QTabBar>(window, "PageControl_My")->setCurrentIndex(2);  // "依頼主3": my2.txt is missing
  Named<TCp932Edit>(window, "Edit_MyZip")->setText(QStringLiteral("150-0002"));
  Named<TCp932Edit>(window, "Edit_MyADD1")->setText(QStringLiteral("東京都渋谷区"));
  Named<TCp932Edit>(window, "Edit_MyADD2")->clear();
  Named<TCp932Edit>(window, "Edit_My")->setText(QStringLiteral("ルヴォ"));
  Named<TCp932Edit>(window, "Edit_MyTEL")->setText(QStringLiteral("03"));
  harness.boxes.answers = {true};
  QTest::mouseClick(Named<QPushButton>(window, "BitBtn_My"), Qt::LeftButton);
  QCOMPARE(harness.boxes.notices.last(), QStringLiteral("ご依頼主を登録しました"));
  QCOMPARE(FileBytes(harness.Folder() / "my2.txt"),
           "150-0002\r\n" + Sj("東京都渋谷区") + "\r\n\r\n" + Sj("ルヴォ") + "\r\n03\r\n");
  Named<QTabBar>(window, "PageControl_My")->setCurrentIndex(0);
  PutCp932Lines(harness.Folder() / "my0.txt", {"100-0001", "千代田"});
  Named<QTabBar>(window, "PageControl_My")->setCurrentIndex(1);  // missing: fields kept
  Named<QTabBar>(window, "PageControl_My")->setCurrentIndex(0);
  QCOMPARE(Named<TCp932Edit>(window, "Edit_MyADD1")->text(), QStringLiteral("千代田"));
  QVERIFY(
      Named<TCp932Edit>(window, "Edit_My")->text().isEmpty());  // a two-line file empties the rest
  Named<QTabBar>(window, "PageControl_My")->setCurrentIndex(2);
  QCOMPARE(Named<TCp932Edit>(window, "Edit_My")->text(), QStringLiteral("ルヴォ"));
}

void FormMainPrintTest::neverRegisteredTabKeepsTheFieldsAndReportsTheFile() {
  WindowHarness harness;
  PutCp932Lines(harness.Folder() / "my0.txt", {"1", "2", "3", "4", "5"});
  TForm_Main& window = harness.Open();
  Named<QTabBar>(window, "PageControl_My")->setCurrentIndex(9);
  QCOMPARE(harness.boxes.errors,
           QStringList{QStringLiteral("「my9.txt」を読めません: ファイルがありません。")});
  QCOMPARE(Named<TCp932Edit>(window, "Edit_MyTEL")->text(), QStringLiteral("5"));
  QCOMPARE(window.SenderTab(), 9);
  harness.boxes.answers = {false};
  QTest::mouseClick(Named<QPushButton>(window, "BitBtn_My"), Qt::LeftButton);
  QVERIFY(!std::filesystem::exists(harness.Folder() / "my9.txt"));
  QCOMPARE(QApplication::focusWidget(), Named<TCp932Edit>(window, "Edit_MyZip"));
}

void FormMainPrintTest::senderSwitchGreysTheFieldsAndDropsTheSender() {
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  QTest::mouseClick(Named<QCheckBox>(window, "CheckBox_My"), Qt::LeftButton);
  for (const char* name : {"Edit_MyZip", "Edit_MyADD1", "Edit_MyADD2", "Edit_My", "Edit_MyTEL"}) {
    const auto* field = Named<TCp932Edit>(window, name);
    QCOMPARE(field->palette().color(QPalette::Base), QColor(128, 128, 128));
    QVERIFY(field->isEnabled() && !field->isReadOnly());
  }
  QVERIFY(!window.Record().printSender);
  QTest::mouseClick(Named<QCheckBox>(window, "CheckBox_My"), Qt::LeftButton);
  QVERIFY(Named<TCp932Edit>(window, "Edit_My")->palette().color(QPalette::Base) !=
          QColor(128, 128, 128));
}

void FormMainPrintTest::f11PrintsTheDrawListOfTheWindowsRecord() {
  WindowHarness harness;
  harness.service.Printer("Slip").resolution = {360, 180};
  PutCp932Lines(harness.Folder() / "ruvo_q710.ini", {"[手差し]", "slpPrn_Top=7", "slpPrn_Left=-3"});
  TForm_Main& window = harness.Open();
  Named<TCp932Edit>(window, "Edit_Zip")->setText(QStringLiteral("105-0011"));
  Named<TCp932Edit>(window, "Edit_Custo1")->setText(QStringLiteral("山田太郎"));
  Named<QCheckBox>(window, "CheckBox_t2")->setChecked(true);
  harness.boxes.answers = {true};
  QTest::keyClick(Named<ruvo::TOvNumEdit>(window, "OvNumEdit_KOSUU"), Qt::Key_F11);
  QCOMPARE(harness.boxes.questions.last(), QStringLiteral("「Slip」に印刷しますか?"));
  const auto printed = harness.service.PrintedJobs();
  QCOMPARE(printed.size(), std::size_t{1});
  QCOMPARE(printed[0]->request.title, std::string("ruvo_Rezovod  "));
  QCOMPARE(printed[0]->request.printer, std::string("Slip"));
  QCOMPARE(window.Labels().dpiX, std::string("360"));
  QCOMPARE(window.Labels().dpiY, std::string("180"));
  const ruvo::DrawList expected = ruvo::SLIP97_Prn(window.Record(), {"360", "180", "7", "-3"});
  QVERIFY(printed[0]->pages == std::vector<ruvo::DrawList>{expected});
  QVERIFY(!expected.empty());
}

void FormMainPrintTest::f11AnsweredNoPrintsNothing() {
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  harness.boxes.answers = {false};
  QTest::keyClick(Named<TCp932Edit>(window, "Edit_Zip"), Qt::Key_F11);
  QVERIFY(harness.service.Jobs().empty());
  QCOMPARE(QApplication::focusWidget(), Named<TCp932Edit>(window, "Edit_G1"));
}

// The working folder went away while the window ran (renamed on a share,
// removed): its registered printer and margins are unknown, so F11 says
// why and asks nothing; printing works again once the folder is back.
void FormMainPrintTest::f11InAWorkingFolderThatCannotBeReadPrintsNothing() {
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  const std::filesystem::path away = harness.Folder().string() + "-away";
  std::filesystem::rename(harness.Folder(), away);
  QTest::keyClick(Named<TCp932Edit>(window, "Edit_Zip"), Qt::Key_F11);
  std::filesystem::rename(away, harness.Folder());
  QVERIFY(harness.boxes.questions.isEmpty());
  QVERIFY(harness.service.Jobs().empty());
  QVERIFY2(harness.boxes.errors.last().startsWith(
               QStringLiteral("作業フォルダ ") + QString::fromStdString(harness.Folder()) +
               QStringLiteral(" を読めないため、印刷しません。")),
           qPrintable(harness.boxes.errors.last()));
  harness.boxes.answers = {true};
  QTest::keyClick(Named<TCp932Edit>(window, "Edit_Zip"), Qt::Key_F11);
  QCOMPARE(harness.service.PrintedJobs().size(), std::size_t{1});
}

// A margin with a decimal point is kept as typed, and every print then
// fails with the conversion error, abandoning the started job.
void FormMainPrintTest::badMarginAbandonsTheJob() {
  WindowHarness harness;
  PutCp932Lines(harness.Folder() / "ruvo_q710.ini", {"[手差し]", "slpPrn_Top=1.5"});
  TForm_Main& window = harness.Open();
  QCOMPARE(Named<QLabel>(window, "Label_Prn_Top")->text(), QStringLiteral("1.5"));
  harness.boxes.errors.clear();
  harness.boxes.answers = {true};
  QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("SpeedButton_F11")), Qt::LeftButton);
  QCOMPARE(harness.boxes.errors, QStringList{QStringLiteral("「1.5」は整数ではありません。")});
  QCOMPARE(harness.service.Jobs().size(), std::size_t{1});
  QVERIFY(harness.service.Jobs()[0]->state == FakeJob::State::kAborted);
}

// Office with B5 from the manual feed for hand-fed sheets, Slip with its
// defaults for the continuous stationery.
const char* const kTwoModes[] = {"[手差し]",       "PrnName=Office",   "PrnNoIndex=1",
                                 "slpPrn_Top=12",  "slpPrn_Left=-5",   "PaperName=B5",
                                 "BinName=Manual", "[連続(４インチ)]", "PrnName=Slip",
                                 "PrnNoIndex=0",   "slpPrn_Top=0",     "slpPrn_Left=0"};

void PutTwoModes(const std::filesystem::path& folder) {
  std::string bytes;
  for (const char* line : kTwoModes)
    bytes += Sj(line) + "\r\n";
  ruvo::test::PutFile(folder / "ruvo_q710.ini", bytes);
  PutCp932Lines(folder / "my0.txt", {"100-0001", "東京都"});
}

// F11 answered Yes; the job it printed, or null.
const FakeJob* PrintWithF11(WindowHarness& harness) {
  const std::size_t before = harness.service.PrintedJobs().size();
  harness.boxes.answers = {true};
  QTest::keyClick(Named<TCp932Edit>(*harness.window, "Edit_Zip"), Qt::Key_F11);
  const auto printed = harness.service.PrintedJobs();
  return printed.size() > before ? printed.back() : nullptr;
}

void ChooseMode(TForm_Main& window, int mode) {
  Named<QComboBox>(window, "ComboBox_SEL")->setCurrentIndex(mode);
  emit Named<QComboBox>(window, "ComboBox_SEL")->activated(mode);
}

// Each paper mode prints on its registered printer with its paper, source
// and margins. Whatever the print service does to its list while the window
// runs, the window comes back to the front (the watch looks again) and keeps
// doing so, with no error box.
void FormMainPrintTest::paperModesKeepTheirPrintersWhateverTheListDoes_data() {
  QTest::addColumn<QString>("change");
  QTest::newRow("nothing changes") << "";
  QTest::newRow("a queue that sorts first is added") << "added first";
  QTest::newRow("an unrelated queue is removed") << "removed";
  QTest::newRow("the system default goes away") << "no default";
  QTest::newRow("the registered queue is stopped") << "stopped";
}

void FormMainPrintTest::paperModesKeepTheirPrintersWhateverTheListDoes() {
  QFETCH(QString, change);
  WindowHarness harness;
  harness.service.AddPrinter("Label");
  PutTwoModes(harness.Folder());
  TForm_Main& window = harness.Open();
  if (change == u"added first") harness.service.AddPrinterFirst("0-New");
  if (change == u"removed" || change == u"no default") harness.service.RemovePrinter("Label");
  if (change == u"no default") harness.service.SetDefaultPrinter("");
  if (change == u"stopped")
    harness.service.Printer("Office").attributes |= ruvo::kPrinterAttributeWorkOffline;
  window.findChild<ruvo::PrinterWatch*>()->CheckPrinters();
  const struct {
    int mode;
    const char* top;
    const char* inForce;
    std::string printer;
    std::uint16_t paper;
    std::uint16_t source;
  } modes[] = {{0, "12", "印刷先: Office / B5 / Manual", "Office", 13, 4},
               {1, "0", "印刷先: Slip / A4 / Upper", "Slip", 9, 1}};
  for (const auto& mode : modes) {
    ChooseMode(window, mode.mode);
    QCOMPARE(Named<QLabel>(window, "Label_Prn_Top")->text(), QString::fromUtf8(mode.top));
    QCOMPARE(window.PrinterInForceText(), QString::fromUtf8(mode.inForce));
    QCOMPARE(Named<QComboBox>(window, "ComboBox_Printer")->currentText(),
             QString::fromStdString(mode.printer));
    const FakeJob* job = PrintWithF11(harness);
    QVERIFY(job != nullptr);
    QCOMPARE(job->request.printer, mode.printer);
    QCOMPARE(job->request.settings.paperSize, mode.paper);
    QCOMPARE(job->request.settings.defaultSource, mode.source);
  }
  QCOMPARE(window.Labels().printerIndex, std::string(change == u"added first" ? "1" : "0"));
  QVERIFY2(harness.boxes.errors.isEmpty(), qPrintable(harness.boxes.errors.join(u'\n')));
}

// The boxes and the status bar say that the registered printer is gone, and
// F11 prints nowhere else; once it is back it is in force again and the
// notice goes.
void FormMainPrintTest::registeredPrinterGonePrintsNothingUntilItIsBack() {
  WindowHarness harness;
  PutTwoModes(harness.Folder());
  TForm_Main& window = harness.Open();
  harness.service.RemovePrinter("Office");
  window.findChild<ruvo::PrinterWatch*>()->CheckPrinters();
  const QString notice = QStringLiteral(
      "登録されたプリンタ「Office」が見つかりません。「セットするプリンタを登録」で"
      "プリンタを選んでください。");
  QCOMPARE(window.StatusText(), notice);
  QCOMPARE(window.PrinterInForceText(), QStringLiteral("印刷先: なし"));
  QCOMPARE(Named<QComboBox>(window, "ComboBox_Printer")->currentText(), QString());
  QCOMPARE(PrintWithF11(harness), nullptr);
  QCOMPARE(harness.boxes.errors, QStringList{QStringLiteral("印刷できません。") + notice});
  QVERIFY(harness.boxes.questions.isEmpty());
  harness.boxes.answers.clear();
  // A notice about a printer no longer in force goes with it.
  ChooseMode(window, 1);
  QCOMPARE(window.StatusText(), QString());
  QCOMPARE(window.PrinterInForceText(), QStringLiteral("印刷先: Slip / A4 / Upper"));
  ChooseMode(window, 0);
  QCOMPARE(window.StatusText(), notice);
  harness.service.AddPrinter("Office");
  window.findChild<ruvo::PrinterWatch*>()->CheckPrinters();
  QCOMPARE(window.StatusText(), QString());
  const FakeJob* job = PrintWithF11(harness);
  QVERIFY(job != nullptr);
  QCOMPARE(job->request.printer, std::string("Office"));
  QCOMPARE(job->request.settings.paperSize, std::uint16_t{13});
}

// The print service did not answer while the window started, so no printer
// was selected; once it answers, F11 selects the registered printer rather
// than the system default the layer would fall back to.
void FormMainPrintTest::printServiceDownAtStartFallsBackToNoOtherPrinter() {
  WindowHarness harness;
  PutTwoModes(harness.Folder());
  harness.service.unreachable = true;
  harness.printer = std::make_unique<ruvo::TLmPrinter>(harness.service);
  harness.Open();
  QCOMPARE(harness.boxes.errors.size(), 1);  // 印刷サービス (CUPS) が応答しません。…
  harness.service.unreachable = false;
  const FakeJob* job = PrintWithF11(harness);
  QVERIFY(job != nullptr);
  QCOMPARE(job->request.printer, std::string("Office"));
  QCOMPARE(job->request.settings.paperSize, std::uint16_t{13});
}

// Cancel, a choice dropped because the printers changed under the dialog,
// and F7's Cancel change nothing: the file keeps every byte and the slips
// go where they went. OK registers the printer, paper and source chosen.
void FormMainPrintTest::onlyTheUsersChoiceIsRegistered_data() {
  QTest::addColumn<QString>("path");
  QTest::newRow("register, then Cancel") << "cancel";
  QTest::newRow("register, a queue appears, then OK") << "dropped";
  QTest::newRow("F7, then Cancel") << "f7 cancel";
  QTest::newRow("register, then OK") << "ok";
}

void FormMainPrintTest::onlyTheUsersChoiceIsRegistered() {
  QFETCH(QString, path);
  WindowHarness harness;
  PutTwoModes(harness.Folder());
  PutCp932Lines(harness.Folder() / "ruvo_Rezovod.ini", {"[rv_RezovodPrn]", "Rezovodprnno=0"});
  harness.setup = [&](QWidget*, ruvo::PrinterWatch* watch) {
    harness.printer->ApplySetupChoice(0, 43, 4);  // Slip, Postcard, Manual
    if (path == u"dropped") {
      harness.service.AddPrinterFirst("0-New");
      watch->CheckPrinters();
      return ruvo::app::AppServices::SetupOutcome::kDropped;
    }
    return path == u"ok" ? ruvo::app::AppServices::SetupOutcome::kApplied
                         : ruvo::app::AppServices::SetupOutcome::kCancelled;
  };
  TForm_Main& window = harness.Open();
  const std::string before = FileBytes(harness.Folder() / "ruvo_q710.ini");
  if (path == u"f7 cancel") {
    QTest::keyClick(Named<TCp932Edit>(window, "Edit_Add1"), Qt::Key_F7);
  } else {
    QTest::mouseClick(Named<QPushButton>(window, "BitBtn_PrnSet"), Qt::LeftButton);
  }
  QVERIFY2(harness.boxes.errors.isEmpty(), qPrintable(harness.boxes.errors.join(u'\n')));
  const FakeJob* job = PrintWithF11(harness);
  QVERIFY(job != nullptr);
  if (path != u"ok") {
    QCOMPARE(FileBytes(harness.Folder() / "ruvo_q710.ini"), before);
    QCOMPARE(window.PrinterInForceText(), QStringLiteral("印刷先: Office / B5 / Manual"));
    QCOMPARE(job->request.printer, std::string("Office"));
    QCOMPARE(job->request.settings.paperSize, std::uint16_t{13});
    return;
  }
  QCOMPARE(window.PrinterInForceText(), QStringLiteral("印刷先: Slip / Postcard / Manual"));
  QCOMPARE(job->request.settings.paperSize, std::uint16_t{43});
  const std::string file = FileBytes(harness.Folder() / "ruvo_q710.ini");
  QVERIFY2(file.find(Sj("[手差し]\r\nPrnName=Slip\r\nPrnNoIndex=0\r\nslpPrn_Top=12\r\n"
                        "slpPrn_Left=-5\r\nPaperName=Postcard\r\nBinName=Manual\r\n"
                        "PrnQueue=\r\n")) != std::string::npos,
           file.c_str());
}

// The print-position dialog of the current paper mode, opened as its button
// opens it; `act` works in it while it stands and closes it.
template <typename Act>
void WithMarginDialog(TForm_Main& window, Act act) {
  ruvo::test::WhileModal<TForm_SLIP97YPrn>(
      [&] { QTest::mouseClick(Named<QPushButton>(window, "BitBtn_PrnSet2"), Qt::LeftButton); },
      act);
}

// Registering margins writes them alone: the printer, its number and its
// paper stay as registered, even after the printer list changed.
void FormMainPrintTest::marginDialogRegistersOnlyOnYes() {
  WindowHarness harness;
  PutTwoModes(harness.Folder());
  TForm_Main& window = harness.Open();
  harness.service.AddPrinterFirst("0-New");
  window.findChild<ruvo::PrinterWatch*>()->CheckPrinters();
  const std::string before = FileBytes(harness.Folder() / "ruvo_q710.ini");
  harness.boxes.answers = {false, true};
  WithMarginDialog(window, [&](TForm_SLIP97YPrn& dialog) {
    Named<TOvNumEdit>(dialog, "OvNumEdit_TOP")->SetText("7");
    Named<TOvNumEdit>(dialog, "OvNumEdit_LEFT")->SetText("-3");
    QCOMPARE(Named<QLabel>(dialog, "Label_TopMm")->toolTip(),
             QStringLiteral("7 dots = 0.49 mm at 360 dpi"));
    QTest::mouseClick(Named<QPushButton>(dialog, "BitBtn_MRGN"), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(window.Labels().top, std::string("12"));
    QCOMPARE(FileBytes(harness.Folder() / "ruvo_q710.ini"), before);
    QTest::mouseClick(Named<QPushButton>(dialog, "BitBtn_MRGN"), Qt::LeftButton);
  });
  QCOMPARE(harness.boxes.questions.last(), QStringLiteral("印字位置調整の余白を登録しますか?"));
  QCOMPARE(window.Labels().top, std::string("7"));
  QCOMPARE(window.Labels().left, std::string("-3"));
  std::string expected = before;
  expected.replace(expected.find("slpPrn_Top=12"), 13, "slpPrn_Top=7");
  expected.replace(expected.find("slpPrn_Left=-5"), 14, "slpPrn_Left=-3");
  QCOMPARE(FileBytes(harness.Folder() / "ruvo_q710.ini"), expected);
  // A dialog closed any other way keeps the labels; the next one starts
  // from them.
  WithMarginDialog(window, [](TForm_SLIP97YPrn& dialog) {
    Named<TOvNumEdit>(dialog, "OvNumEdit_TOP")->SetText("99");
    dialog.reject();
  });
  WithMarginDialog(window, [](TForm_SLIP97YPrn& dialog) {
    QCOMPARE(Named<TOvNumEdit>(dialog, "OvNumEdit_TOP")->GetText(), std::string("7"));
    dialog.reject();
  });
  QCOMPARE(window.Labels().top, std::string("7"));
}

void FormMainPrintTest::marginDialogKeys() {
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  WithMarginDialog(window, [&](TForm_SLIP97YPrn& dialog) {
    auto* top = Named<TOvNumEdit>(dialog, "OvNumEdit_TOP");
    auto* left = Named<TOvNumEdit>(dialog, "OvNumEdit_LEFT");
    auto* registerButton = Named<QPushButton>(dialog, "BitBtn_MRGN");
    QCOMPARE(dialog.focusWidget(), top);
    QTest::keyClick(top, Qt::Key_Up);
    QCOMPARE(dialog.focusWidget(), top);
    QTest::keyClick(top, Qt::Key_Return);
    QCOMPARE(dialog.focusWidget(), left);
    QTest::keyClick(left, Qt::Key_Up);
    QCOMPARE(dialog.focusWidget(), top);
    left->setFocus();
    QTest::keyClick(left, Qt::Key_Return);
    QCOMPARE(dialog.focusWidget(), registerButton);
    // The path ends on the button, and the next Enter presses it.
    harness.boxes.answers = {false};
    QTest::keyClick(registerButton, Qt::Key_Return);
    QCOMPARE(harness.boxes.questions.last(), QStringLiteral("印字位置調整の余白を登録しますか?"));
    QVERIFY(dialog.isVisible());
    dialog.reject();
  });
}

// Every showing has the same size, and a negative figure fits beside its
// field.
void FormMainPrintTest::marginDialogHasOneSizeAndItsFiguresFit() {
  WindowHarness harness;
  harness.service.Printer("Slip").resolution = {180, 180};
  TForm_Main& window = harness.Open();
  QSize size;
  for (int showing = 0; showing < 2; ++showing) {
    WithMarginDialog(window, [&](TForm_SLIP97YPrn& dialog) {
      if (showing == 0) size = dialog.size();
      QCOMPARE(dialog.size(), size);
      QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
      dialog.reject();
    });
  }
  WithMarginDialog(window, [&](TForm_SLIP97YPrn& dialog) {
    QVERIFY(Named<QPushButton>(dialog, "BitBtn_MRGN")->geometry().bottom() < size.height());
    Named<TOvNumEdit>(dialog, "OvNumEdit_TOP")->SetText("-701");
    auto* figure = Named<QLabel>(dialog, "Label_TopMm");
    QCOMPARE(figure->text(), QStringLiteral("-98.92 mm"));
    QVERIFY(figure->sizeHint().width() <= figure->width());
    QVERIFY(figure->geometry().right() < Named<QWidget>(dialog, "GroupBox1")->width());
    QDir().mkpath(QStringLiteral(RUVO_GRAB_DIR));
    dialog.grab().save(QStringLiteral(RUVO_GRAB_DIR "/form_slip97y_prn.png"));
    dialog.reject();
  });
}

// F7 starts from the settings file's printer and stores the one chosen,
// which is in force until the paper mode changes. A number that names no
// printer, and -1 without a default printer, are said in Japanese.
void FormMainPrintTest::f7ChoosesForTheRunAndStoresThePrinterNumber() {
  WindowHarness harness;
  PutCp932Lines(harness.Folder() / "ruvo_Rezovod.ini", {"[rv_RezovodPrn]", "Rezovodprnno=7"});
  harness.setup = [&](QWidget*, ruvo::PrinterWatch*) {
    harness.printer->ApplySetupChoice(1, 13, std::nullopt);
    return ruvo::app::AppServices::SetupOutcome::kApplied;
  };
  TForm_Main& window = harness.Open();
  QTest::keyClick(Named<TCp932Edit>(window, "Edit_Add1"), Qt::Key_F7);
  QCOMPARE(harness.boxes.errors.last(), QStringLiteral("その番号のプリンタはありません。"));
  PutCp932Lines(harness.Folder() / "ruvo_Rezovod.ini", {"[rv_RezovodPrn]", "Rezovodprnno=-1"});
  harness.service.SetDefaultPrinter("");
  QTest::keyClick(Named<TCp932Edit>(window, "Edit_Add1"), Qt::Key_F7);
  QCOMPARE(harness.boxes.errors.last(), QStringLiteral("デフォルト プリンタが存在しません。"));
  PutCp932Lines(harness.Folder() / "ruvo_Rezovod.ini", {"[rv_RezovodPrn]", "Rezovodprnno=0"});
  QTest::keyClick(Named<TCp932Edit>(window, "Edit_Add1"), Qt::Key_F7);
  QCOMPARE(window.Labels().printerIndex, std::string("1"));
  QCOMPARE(Named<QComboBox>(window, "ComboBox_Printer")->currentText(), QStringLiteral("Office"));
  QCOMPARE(window.PrinterInForceText(), QStringLiteral("印刷先: Office / B5 / Upper"));
  QVERIFY(FileBytes(harness.Folder() / "ruvo_Rezovod.ini").find("Rezovodprnno=1") !=
          std::string::npos);
  ChooseMode(window, 0);
  QCOMPARE(window.PrinterInForceText(), QStringLiteral("印刷先: Slip / A4 / Upper"));
}

void FormMainPrintTest::supportButtonsOpenTheirLinks() {
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  QTest::mouseClick(Named<QPushButton>(window, "BitBtn_SendMail"), Qt::LeftButton);
  QTest::mouseClick(Named<QPushButton>(window, "BitBtn_WebHelp"), Qt::LeftButton);
  QCOMPARE(harness.links.opened.size(), 2);
  QCOMPARE(harness.links.opened[0].toEncoded(),
           QByteArray("mailto:support@ruvo.example.jp?subject=ruvo%E3%81%B8%E3%81%AE%E5%95%8F%E3%"
                      "81%84%E5%90%88%E3%82%8F%E3%81%9B&cc=&bcc=&"));
  QCOMPARE(harness.links.opened[1].scheme(), QStringLiteral("https"));
}

void FormMainPrintTest::faultsGiveTheErrorBoxAndTheProgramGoesOn_data() {
  QTest::addColumn<QString>("fault");
  QTest::addColumn<QString>("error");
  QTest::newRow("sender file is a folder")
      << "folder"
      << "「my1.txt」を読めません: ファイルではなくフォルダです。";
  QTest::newRow("printer removed before F11")
      << "removed"
      << "印刷できません。登録されたプリンタ「Slip」が見つかりません。";
  QTest::newRow("spooler refuses the job")
      << "refused"
      << "プリンタ「Slip」が印刷を受け付けませんでした。送り状は印刷されていません。";
}

void FormMainPrintTest::faultsGiveTheErrorBoxAndTheProgramGoesOn() {
  QFETCH(QString, fault);
  QFETCH(QString, error);
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  Named<TCp932Edit>(window, "Edit_Custo1")->setText(QStringLiteral("kept"));
  harness.boxes.errors.clear();
  if (fault == u"folder") {
    std::filesystem::create_directory(harness.Folder() / "my1.txt");
    Named<QTabBar>(window, "PageControl_My")->setCurrentIndex(1);
  } else {
    if (fault == u"removed") harness.service.RemovePrinter("Slip");
    harness.service.refuseAtEnd = fault == u"refused";
    harness.boxes.answers = {true};
    QTest::keyClick(Named<TCp932Edit>(window, "Edit_Zip"), Qt::Key_F11);
    QVERIFY(harness.service.PrintedJobs().empty());
  }
  QCOMPARE(harness.boxes.errors.size(), 1);
  QVERIFY2(harness.boxes.errors[0].startsWith(error), qPrintable(harness.boxes.errors[0]));
  QCOMPARE(Named<TCp932Edit>(window, "Edit_Custo1")->text(), QStringLiteral("kept"));
  QVERIFY(window.isVisible());
}

QTEST_MAIN(FormMainPrintTest)
#include "form_main_print_test.moc"
