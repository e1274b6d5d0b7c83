// The senders and printing of the main window: registering and loading a
// sender, F11 over the fake print service, and the printer of each paper
// mode with its margins.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include "app/cp932_line_edit.h"
#include "app/form_slip97y_prn.h"
#include "app/goods_band.h"
#include "app/recipient_band.h"
#include "app/sender_band.h"
#include "app/window_files.h"
#include "app/window_harness.h"
#include "print/lm_d97_dot.h"
#include "print/print_job.h"
#include "print/printer_watch.h"
#include "widgets/ov_num_edit.h"

using ruvo::app::TForm_Main;
using ruvo::test::FakeJob;
using ruvo::test::FileBytes;
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
  void paperModesKeepTheirOwnPrinterAndMargins();
  void registeredPrinterThatVanishedSelectsAndShowsPrinter0();
  void registerPrinterThenCancelStoresThePrinterSelected();
  void marginDialogRegistersOnlyOnYes();
  void marginDialogKeys();
  void f7StoresThePrinterChosen();
  void supportButtonsOpenTheirLinks();
  void printersChangedWhileRunningAreShown();
  void faultsGiveTheErrorBoxAndTheProgramGoesOn_data();
  void faultsGiveTheErrorBoxAndTheProgramGoesOn();
};

void FormMainPrintTest::registeredSenderIsStoredUnderItsTabAndLoadedBack() {
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  auto* band = window.Band3();
  band->PageControl_My->setCurrentIndex(2);  // "依頼主3": my2.txt is missing
  band->Edit_MyZip->setText(QStringLiteral("150-0002"));
  band->Edit_MyADD1->setText(QStringLiteral("東京都渋谷区"));
  band->Edit_MyADD2->clear();
  band->Edit_My->setText(QStringLiteral("ルヴォ"));
  band->Edit_MyTEL->setText(QStringLiteral("03"));
  harness.boxes.answers = {true};
  QTest::mouseClick(band->BitBtn_My, Qt::LeftButton);
  QCOMPARE(harness.boxes.notices.last(), QStringLiteral("ご依頼主を登録しました"));
  QCOMPARE(FileBytes(harness.Folder() / "my2.txt"),
           "150-0002\r\n" + Sj("東京都渋谷区") + "\r\n\r\n" + Sj("ルヴォ") + "\r\n03\r\n");
  band->PageControl_My->setCurrentIndex(0);
  PutCp932Lines(harness.Folder() / "my0.txt", {"100-0001", "千代田"});
  band->PageControl_My->setCurrentIndex(1);  // missing: fields kept
  band->PageControl_My->setCurrentIndex(0);
  QCOMPARE(band->Edit_MyADD1->text(), QStringLiteral("千代田"));
  QVERIFY(band->Edit_My->text().isEmpty());  // a two-line file empties the rest
  band->PageControl_My->setCurrentIndex(2);
  QCOMPARE(band->Edit_My->text(), QStringLiteral("ルヴォ"));
}

void FormMainPrintTest::neverRegisteredTabKeepsTheFieldsAndReportsTheFile() {
  WindowHarness harness;
  PutCp932Lines(harness.Folder() / "my0.txt", {"1", "2", "3", "4", "5"});
  TForm_Main& window = harness.Open();
  window.Band3()->PageControl_My->setCurrentIndex(9);
  QCOMPARE(harness.boxes.errors,
           QStringList{QStringLiteral("my9.txt: No such file or directory.")});
  QCOMPARE(window.Band3()->Edit_MyTEL->text(), QStringLiteral("5"));
  QCOMPARE(window.SenderTab(), 9);
  harness.boxes.answers = {false};
  QTest::mouseClick(window.Band3()->BitBtn_My, Qt::LeftButton);
  QVERIFY(!std::filesystem::exists(harness.Folder() / "my9.txt"));
  QCOMPARE(QApplication::focusWidget(), window.Band3()->Edit_MyZip);
}

void FormMainPrintTest::senderSwitchGreysTheFieldsAndDropsTheSender() {
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  QTest::mouseClick(window.Band3()->CheckBox_My, Qt::LeftButton);
  for (const auto* field : window.Band3()->Fields()) {
    QCOMPARE(field->palette().color(QPalette::Base), QColor(128, 128, 128));
    QVERIFY(field->isEnabled() && !field->isReadOnly());
  }
  QVERIFY(!window.Record().printSender);
  QTest::mouseClick(window.Band3()->CheckBox_My, Qt::LeftButton);
  QVERIFY(window.Band3()->Edit_My->palette().color(QPalette::Base) != QColor(128, 128, 128));
}

void FormMainPrintTest::f11PrintsTheDrawListOfTheWindowsRecord() {
  WindowHarness harness;
  harness.service.Printer("Slip").resolution = {360, 180};
  PutCp932Lines(harness.Folder() / "ruvo_q710.ini", {"[手差し]", "slpPrn_Top=7", "slpPrn_Left=-3"});
  TForm_Main& window = harness.Open();
  window.Band2()->Edit_Zip->setText(QStringLiteral("105-0011"));
  window.Band2()->Edit_Custo1->setText(QStringLiteral("山田太郎"));
  window.Band4()->CheckBox_t2->setChecked(true);
  harness.boxes.answers = {true};
  QTest::keyClick(window.Band4()->OvNumEdit_KOSUU, Qt::Key_F11);
  QCOMPARE(harness.boxes.questions.last(), QStringLiteral("印刷しますか?"));
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
  QTest::keyClick(window.Band2()->Edit_Zip, Qt::Key_F11);
  QVERIFY(harness.service.Jobs().empty());
  QCOMPARE(QApplication::focusWidget(), window.Band4()->Edit_G1);
}

// The working folder went away while the window ran (renamed on a share,
// removed): its registered printer and margins are unknown, so F11 says
// why and asks nothing; printing works again once the folder is back.
void FormMainPrintTest::f11InAWorkingFolderThatCannotBeReadPrintsNothing() {
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  const std::filesystem::path away = harness.Folder().string() + "-away";
  std::filesystem::rename(harness.Folder(), away);
  QTest::keyClick(window.Band2()->Edit_Zip, Qt::Key_F11);
  std::filesystem::rename(away, harness.Folder());
  QVERIFY(harness.boxes.questions.isEmpty());
  QVERIFY(harness.service.Jobs().empty());
  QVERIFY2(harness.boxes.errors.last().startsWith(
               QStringLiteral("作業フォルダ ") + QString::fromStdString(harness.Folder()) +
               QStringLiteral(" を読めないため、印刷しません。")),
           qPrintable(harness.boxes.errors.last()));
  harness.boxes.answers = {true};
  QTest::keyClick(window.Band2()->Edit_Zip, Qt::Key_F11);
  QCOMPARE(harness.service.PrintedJobs().size(), std::size_t{1});
}

// A margin with a decimal point is kept as typed, and every print then
// fails with the conversion error, abandoning the started job.
void FormMainPrintTest::badMarginAbandonsTheJob() {
  WindowHarness harness;
  PutCp932Lines(harness.Folder() / "ruvo_q710.ini", {"[手差し]", "slpPrn_Top=1.5"});
  TForm_Main& window = harness.Open();
  QCOMPARE(window.Band4()->Label_Prn_Top->text(), QStringLiteral("1.5"));
  harness.boxes.errors.clear();
  harness.boxes.answers = {true};
  QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("SpeedButton_F11")), Qt::LeftButton);
  QCOMPARE(harness.boxes.errors,
           QStringList{QStringLiteral("'1.5' is not a valid integer value.")});
  QCOMPARE(harness.service.Jobs().size(), std::size_t{1});
  QVERIFY(harness.service.Jobs()[0]->state == FakeJob::State::kAborted);
}

void FormMainPrintTest::paperModesKeepTheirOwnPrinterAndMargins() {
  WindowHarness harness;
  PutCp932Lines(harness.Folder() / "ruvo_q710.ini",
                {"[連続(４インチ)]", "PrnNoIndex=1", "slpPrn_Top=12", "slpPrn_Left=-5"});
  TForm_Main& window = harness.Open();
  QComboBox* mode = window.Band4()->ComboBox_SEL;
  for (int round = 0; round < 2; ++round) {
    mode->setCurrentIndex(1);
    emit mode->activated(1);
    QCOMPARE(window.Band4()->Label_Prn_Top->text(), QStringLiteral("12"));
    QCOMPARE(window.Band4()->Label_Prn_Left->text(), QStringLiteral("-5"));
    QCOMPARE(harness.printer->CurrentPrinterName(), std::string("Office"));
    mode->setCurrentIndex(0);
    emit mode->activated(0);
    QCOMPARE(window.Band4()->Label_Prn_Top->text(), QStringLiteral("0"));
    QCOMPARE(harness.printer->CurrentPrinterName(), std::string("Slip"));
  }
}

// The boxes show the printer a slip goes to, and the status bar says why
// it is not the registered one.
void FormMainPrintTest::registeredPrinterThatVanishedSelectsAndShowsPrinter0() {
  WindowHarness harness;
  PutCp932Lines(harness.Folder() / "ruvo_q710.ini", {"[手差し]", "PrnName=Office", "PrnNoIndex=1"});
  harness.service.AddPrinter("Label");
  harness.printer = std::make_unique<ruvo::TLmPrinter>(harness.service);
  TForm_Main& window = harness.Open();
  window.Band4()->ComboBox_SEL->setCurrentIndex(0);
  QCOMPARE(window.Band4()->ComboBox1->currentText(), QStringLiteral("Office"));
  harness.service.RemovePrinter("Office");
  harness.service.RemovePrinter("Label");
  harness.printer->OnSettingsChange();
  emit window.Band4()->ComboBox_SEL->activated(0);
  QCOMPARE(harness.printer->CurrentPrinterName(), std::string("Slip"));
  QCOMPARE(window.Band4()->ComboBox1->currentText(), QStringLiteral("Slip"));
  QCOMPARE(
      window.StatusText(),
      QStringLiteral("登録されたプリンタ「Office」が見つかりません。「Slip」を選択しました。"));
}

// The dialog's result is not examined: after Cancel the registration holds
// the printer selected before it, with the margins in force.
void FormMainPrintTest::registerPrinterThenCancelStoresThePrinterSelected() {
  WindowHarness harness;
  PutCp932Lines(harness.Folder() / "ruvo_q710.ini", {"[手差し]", "PrnNoIndex=-1", "slpPrn_Top=3"});
  int shown = 0;
  int preselected = -2;
  harness.setup = [&](QWidget*, ruvo::PrinterWatch*) {
    ++shown;
    preselected = harness.printer->GetIndex();
    return ruvo::app::AppServices::SetupOutcome::kCancelled;
  };
  TForm_Main& window = harness.Open();
  QTest::mouseClick(window.Band4()->BitBtn_PrnSet, Qt::LeftButton);
  QCOMPARE(shown, 1);
  QCOMPARE(preselected, 0);  // a stored -1 preselects printer 0
  const std::string file = FileBytes(harness.Folder() / "ruvo_q710.ini");
  for (const char* line :
       {"PrnName=Slip\r\n", "PrnNoIndex=0\r\n", "slpPrn_Top=3\r\n", "slpPrn_Left=0\r\n"})
    QVERIFY2(file.find(line) != std::string::npos, line);
}

void FormMainPrintTest::marginDialogRegistersOnlyOnYes() {
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  window.Band4()->ComboBox_SEL->setCurrentIndex(1);
  emit window.Band4()->ComboBox_SEL->activated(1);
  auto* dialog = window.PrintPositionDialog();
  dialog->FormShow();
  dialog->OvNumEdit_TOP->SetText("12");
  dialog->OvNumEdit_LEFT->SetText("-5");
  QCOMPARE(dialog->TopOnPaper(), QStringLiteral("12 dots = 0.85 mm at 360 dpi"));
  harness.boxes.answers = {false, true};
  dialog->BitBtn_MRGNClick();
  QCOMPARE(window.Labels().top, std::string("0"));
  QVERIFY(!std::filesystem::exists(harness.Folder() / "ruvo_q710.ini"));
  dialog->BitBtn_MRGNClick();
  QCOMPARE(harness.boxes.questions.last(), QStringLiteral("印字位置調整の余白を登録しますか?"));
  QCOMPARE(window.Labels().top, std::string("12"));
  QCOMPARE(window.Labels().left, std::string("-5"));
  QVERIFY(FileBytes(harness.Folder() / "ruvo_q710.ini")
              .find(Sj("[連続(４インチ)]\r\nPrnName=Slip\r\nPrnNoIndex=0\r\nslpPrn_Top=12\r\n"
                       "slpPrn_Left=-5\r\n")) != std::string::npos);
  // A dialog closed any other way keeps the labels; the next one starts
  // from them.
  dialog->FormShow();
  dialog->OvNumEdit_TOP->SetText("99");
  dialog->reject();
  dialog->FormShow();
  QCOMPARE(dialog->OvNumEdit_TOP->GetText(), std::string("12"));
  QCOMPARE(window.Labels().top, std::string("12"));
}

// The dialog's own focus (it need not be the active window here).
void FormMainPrintTest::marginDialogKeys() {
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  auto* dialog = window.PrintPositionDialog();
  dialog->show();
  dialog->FormShow();
  QCOMPARE(dialog->focusWidget(), dialog->OvNumEdit_TOP);
  QTest::keyClick(dialog->OvNumEdit_TOP, Qt::Key_Up);
  QCOMPARE(dialog->focusWidget(), dialog->OvNumEdit_TOP);
  QTest::keyClick(dialog->OvNumEdit_TOP, Qt::Key_Return);
  QCOMPARE(dialog->focusWidget(), dialog->OvNumEdit_LEFT);
  QTest::keyClick(dialog->OvNumEdit_LEFT, Qt::Key_Up);
  QCOMPARE(dialog->focusWidget(), dialog->OvNumEdit_TOP);
  dialog->OvNumEdit_LEFT->setFocus();
  QTest::keyClick(dialog->OvNumEdit_LEFT, Qt::Key_Return);
  QCOMPARE(dialog->focusWidget(), dialog->BitBtn_MRGN);
  dialog->reject();
}

// F7 starts from the settings file's printer and stores the one chosen.
void FormMainPrintTest::f7StoresThePrinterChosen() {
  WindowHarness harness;
  PutCp932Lines(harness.Folder() / "ruvo_Rezovod.ini", {"[rv_RezovodPrn]", "Rezovodprnno=7"});
  harness.setup = [&](QWidget*, ruvo::PrinterWatch*) {
    harness.printer->SetIndex(1);
    return ruvo::app::AppServices::SetupOutcome::kApplied;
  };
  TForm_Main& window = harness.Open();
  QTest::keyClick(window.Band2()->Edit_Add1, Qt::Key_F7);
  QCOMPARE(harness.boxes.errors.last(),
           QStringLiteral("TLmPrinter.SetIndex: Index is out of Range."));
  PutCp932Lines(harness.Folder() / "ruvo_Rezovod.ini", {"[rv_RezovodPrn]", "Rezovodprnno=0"});
  QTest::keyClick(window.Band2()->Edit_Add1, Qt::Key_F7);
  QCOMPARE(window.Labels().printerIndex, std::string("1"));
  QCOMPARE(window.Band4()->ComboBox1->currentText(), QStringLiteral("Office"));
  QVERIFY(FileBytes(harness.Folder() / "ruvo_Rezovod.ini").find("Rezovodprnno=1") !=
          std::string::npos);
}

void FormMainPrintTest::supportButtonsOpenTheirLinks() {
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  QTest::mouseClick(window.Band4()->BitBtn_SendMail, Qt::LeftButton);
  QTest::mouseClick(window.Band4()->BitBtn_WebHelp, Qt::LeftButton);
  QCOMPARE(harness.links.opened.size(), 2);
  QCOMPARE(harness.links.opened[0].toEncoded(),
           QByteArray("mailto:support@ruvo.example.jp?subject=ruvo%E3%81%B8%E3%81%AE%E5%95%8F%E3%"
                      "81%84%E5%90%88%E3%82%8F%E3%81%9B&cc=&bcc=&"));
  QCOMPARE(harness.links.opened[1].scheme(), QStringLiteral("https"));
}

// The watch re-takes the printers when the program becomes active again:
// the layer then stands on the system default, which the boxes show.
void FormMainPrintTest::printersChangedWhileRunningAreShown() {
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  harness.service.AddPrinter("Label");
  QVERIFY(window.findChild<ruvo::PrinterWatch*>()->CheckPrinters());
  QCOMPARE(window.Band4()->ComboBox1->count(), 3);
  QCOMPARE(window.Band4()->ComboBox1->currentText(), QStringLiteral("Slip"));
  QVERIFY(window.StatusText().contains(QStringLiteral("Slip")));
}

void FormMainPrintTest::faultsGiveTheErrorBoxAndTheProgramGoesOn_data() {
  QTest::addColumn<QString>("fault");
  QTest::addColumn<QString>("error");
  QTest::newRow("sender file is a folder") << "folder"
                                           << "my1.txt: Is a directory.";
  QTest::newRow("printer removed before F11") << "removed"
                                              << "Slip";
  QTest::newRow("spooler refuses the job") << "refused"
                                           << "Slip: the spooler refused the job.";
}

void FormMainPrintTest::faultsGiveTheErrorBoxAndTheProgramGoesOn() {
  QFETCH(QString, fault);
  QFETCH(QString, error);
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  window.Band2()->Edit_Custo1->setText(QStringLiteral("kept"));
  harness.boxes.errors.clear();
  if (fault == u"folder") {
    std::filesystem::create_directory(harness.Folder() / "my1.txt");
    window.Band3()->PageControl_My->setCurrentIndex(1);
  } else {
    if (fault == u"removed") harness.service.RemovePrinter("Slip");
    harness.service.refuseAtEnd = fault == u"refused";
    harness.boxes.answers = {true};
    QTest::keyClick(window.Band2()->Edit_Zip, Qt::Key_F11);
    QVERIFY(harness.service.PrintedJobs().empty());
  }
  QCOMPARE(harness.boxes.errors.size(), 1);
  QVERIFY2(harness.boxes.errors[0].startsWith(error), qPrintable(harness.boxes.errors[0]));
  QCOMPARE(window.Band2()->Edit_Custo1->text(), QStringLiteral("kept"));
  QVERIFY(window.isVisible());
}

QTEST_MAIN(FormMainPrintTest)
#include "form_main_print_test.moc"
