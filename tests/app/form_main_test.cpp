// The main window's start, its end and what survives between the two.
#include <sys/stat.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include "app/cp932_line_edit.h"
#include "app/window_files.h"
#include "app/window_harness.h"
#include "widgets/ov_num_edit.h"

using ruvo::app::TCp932Edit;
using ruvo::app::TForm_Main;
using ruvo::test::FileBytes;
using ruvo::test::Named;
using ruvo::test::PutCp932Lines;
using ruvo::test::WindowHarness;

namespace {

QString Text(const ruvo::app::TCp932Edit* edit) {
  return edit->text();
}

// Every text field of the window that the settings file keeps, and one
// that it does not, with a distinct value each.
void FillSavedFields(TForm_Main& window) {
  Named<TCp932Edit>(window, "Edit_Zip")->setText(QStringLiteral("105-0011"));
  Named<TCp932Edit>(window, "Edit_Add1")->setText(QStringLiteral("東京都港区芝公園"));
  Named<TCp932Edit>(window, "Edit_Add2")->setText(QStringLiteral("1-2-3"));
  Named<TCp932Edit>(window, "Edit_Add3")->setText(QStringLiteral("ルヴォビル"));
  Named<TCp932Edit>(window, "Edit_Custo1")->setText(QStringLiteral("山田太郎"));
  Named<TCp932Edit>(window, "Edit_tel")->setText(QStringLiteral("03-1234-5678"));
  Named<TCp932Edit>(window, "Edit_G1")->setText(QStringLiteral("書籍"));
  Named<TCp932Edit>(window, "Edit_G2")->setText(QStringLiteral("g2"));
  Named<TCp932Edit>(window, "Edit_G3")->setText(QStringLiteral("g3=x"));
  Named<ruvo::TOvNumEdit>(window, "OvNumEdit_KOSUU")->SetText("12");
  Named<TCp932Edit>(window, "Edit_de_date1")->setText(QStringLiteral("12"));
  Named<TCp932Edit>(window, "Edit_de_date2")->setText(QStringLiteral("24"));
  Named<QCheckBox>(window, "CheckBox_t3")->setChecked(true);
  Named<TCp932Edit>(window, "Edit_MyZip")->setText(QStringLiteral("150-0002"));
  Named<TCp932Edit>(window, "Edit_MyADD1")->setText(QStringLiteral("渋谷"));
  Named<TCp932Edit>(window, "Edit_MyADD2")->setText(QStringLiteral("2丁目"));
  Named<TCp932Edit>(window, "Edit_My")->setText(QStringLiteral("ルヴォ"));
  Named<TCp932Edit>(window, "Edit_MyTEL")->setText(QStringLiteral("03-9999"));
}

}  // namespace

class FormMainTest : public QObject {
  Q_OBJECT

 private slots:
  void firstStartInAnEmptyFolder();
  void missingSenderFileOfAFolderInUseIsAnError();
  void savedFieldsSurviveARestartAndTheOthersDoNot();
  void storedPaperModeOutsideTheItemsShowsTheFirstWithoutItsRegistration();
  void storedTabOutsideTheTabsSaysTabErr();
  void f2AnsweredNoKeepsEverythingAndGoesToThePostalCode();
  void f2AnsweredYesClosesAndSaves();
  void unwritableSettingsFileIsReportedAndKeptWhole();
  void noPrinterAtAllLeavesAUsableWindow();
  void startupStopsAtTheStepThatFailed();
  void unreadableSettingsFileIsToldOnceAndReadsAsDefaults();
  void settingsInUtf8AreToldOnceAndUntouchedValuesKeepTheirBytes();
  void loneCrInAValueEditedElsewhereDoesNotStopTheSave();
};

// A newcomer's first start is no error: the status bar tells how to begin,
// and where the slips will go.
void FormMainTest::firstStartInAnEmptyFolder() {
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  QVERIFY2(harness.boxes.errors.isEmpty(), qPrintable(harness.boxes.errors.join(u'\n')));
  QCOMPARE(window.StatusText(),
           QStringLiteral("ご依頼主が未登録です。入力して「ご依頼主登録」を押してください"));
  QCOMPARE(window.PrinterInForceText(), QStringLiteral("印刷先: Slip / A4 / Upper"));
  QCOMPARE(QApplication::focusWidget(), Named<TCp932Edit>(window, "Edit_Zip"));
  for (const auto* edit : window.findChildren<ruvo::app::TCp932Edit*>())
    QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName()));
  QCOMPARE(Named<ruvo::TOvNumEdit>(window, "OvNumEdit_KOSUU")->text(), QStringLiteral("1"));
  QCOMPARE(Named<QTabBar>(window, "PageControl_My")->currentIndex(), 0);
  QCOMPARE(Named<QComboBox>(window, "ComboBox_SEL")->currentText(), QStringLiteral("手差し"));
  QCOMPARE(Named<QDateEdit>(window, "DateTimePicker_1")->date(), ruvo::test::PinnedToday());
  QVERIFY(Named<QCheckBox>(window, "CheckBox_Date_1")->isChecked());
  QVERIFY(Named<QCheckBox>(window, "CheckBox_My")->isChecked());
  // No registration: printer 0 (not the system default) and margins "0".
  QCOMPARE(window.Labels().printerIndex, std::string("0"));
  QCOMPARE(window.Labels().top, std::string("0"));
  QCOMPARE(Named<QComboBox>(window, "ComboBox_Printer")->currentText(), QStringLiteral("Slip"));
  QCOMPARE(window.windowTitle(), QStringLiteral("ruvo　送り状印刷　< 福山通運　> ver1.10"));
  QCOMPARE(Named<QToolButton>(window, "SpeedButton_F11")->text(), QStringLiteral("印刷"));
  QVERIFY(!Named<QToolButton>(window, "SpeedButton_F7")->isEnabled());
  QVERIFY(harness.boxes.unexpected.isEmpty());
}

// A folder in use whose sender file went missing is told, in Japanese.
void FormMainTest::missingSenderFileOfAFolderInUseIsAnError() {
  WindowHarness harness;
  PutCp932Lines(harness.Folder() / "ruvo_q710.ini", {"[手差し]", "slpPrn_Top=3"});
  TForm_Main& window = harness.Open();
  QCOMPARE(harness.boxes.errors,
           QStringList{QStringLiteral("「my0.txt」を読めません: ファイルがありません。")});
  QVERIFY(!window.StatusText().contains(QStringLiteral("ご依頼主登録")));
}

void FormMainTest::savedFieldsSurviveARestartAndTheOthersDoNot() {
  WindowHarness harness;
  FillSavedFields(harness.Open());
  Named<QCheckBox>(*harness.window, "CheckBox_Date_1")->setChecked(false);
  Named<QCheckBox>(*harness.window, "CheckBox_My")->setChecked(false);
  harness.Close();
  TForm_Main& window = harness.Open();
  QCOMPARE(Text(Named<TCp932Edit>(window, "Edit_Zip")), QStringLiteral("105-0011"));
  QCOMPARE(Text(Named<TCp932Edit>(window, "Edit_Add1")), QStringLiteral("東京都港区芝公園"));
  QCOMPARE(Text(Named<TCp932Edit>(window, "Edit_Add2")), QStringLiteral("1-2-3"));
  QCOMPARE(Text(Named<TCp932Edit>(window, "Edit_Custo1")), QStringLiteral("山田太郎"));
  QCOMPARE(Text(Named<TCp932Edit>(window, "Edit_tel")), QStringLiteral("03-1234-5678"));
  QCOMPARE(Text(Named<TCp932Edit>(window, "Edit_G3")), QStringLiteral("g3=x"));
  QCOMPARE(Named<ruvo::TOvNumEdit>(window, "OvNumEdit_KOSUU")->text(), QStringLiteral("12"));
  QCOMPARE(Text(Named<TCp932Edit>(window, "Edit_de_date2")), QStringLiteral("24"));
  // The sender comes from the settings file here, as my0.txt is missing.
  QCOMPARE(Text(Named<TCp932Edit>(window, "Edit_My")), QStringLiteral("ルヴォ"));
  QCOMPARE(Text(Named<TCp932Edit>(window, "Edit_MyADD2")), QStringLiteral("2丁目"));
  QVERIFY(Text(Named<TCp932Edit>(window, "Edit_Add3")).isEmpty());
  QVERIFY(!Named<QCheckBox>(window, "CheckBox_t3")->isChecked());
  QVERIFY(Named<QCheckBox>(window, "CheckBox_Date_1")->isChecked());
  QVERIFY(Named<QCheckBox>(window, "CheckBox_My")->isChecked());
  const std::string file = FileBytes(harness.Folder() / "ruvo_Rezovod.ini");
  QVERIFY(file.find("E_G1=" + ruvo::test::Sj("書籍") + "\r\n") != std::string::npos);
}

// The stored index is no item: its empty section is loaded (printer 0,
// margins "0"), then "手差し" is shown without loading its registration.
void FormMainTest::storedPaperModeOutsideTheItemsShowsTheFirstWithoutItsRegistration() {
  WindowHarness harness;
  PutCp932Lines(harness.Folder() / "ruvo_Rezovod.ini", {"[rv_RezovodPrn]", "ComboBox_SEL=5"});
  PutCp932Lines(harness.Folder() / "ruvo_q710.ini",
                {"[手差し]", "PrnNoIndex=1", "slpPrn_Top=12", "slpPrn_Left=-5"});
  TForm_Main& window = harness.Open();
  QCOMPARE(Named<QComboBox>(window, "ComboBox_SEL")->currentIndex(), 0);
  QCOMPARE(window.Labels().top, std::string("0"));
  QCOMPARE(window.Labels().printerIndex, std::string("0"));
  Named<QComboBox>(*harness.window, "ComboBox_SEL")->activated(0);
  QCOMPARE(window.Labels().top, std::string("12"));
  QCOMPARE(Named<QComboBox>(window, "ComboBox_Printer")->currentText(), QStringLiteral("Office"));
}

void FormMainTest::storedTabOutsideTheTabsSaysTabErr() {
  WindowHarness harness;
  PutCp932Lines(harness.Folder() / "ruvo_Rezovod.ini", {"[rv_RezovodPrn]", "Tab_My=0x0c"});
  TForm_Main& window = harness.Open();
  QCOMPARE(harness.boxes.notices, QStringList{QStringLiteral("TabErr")});
  QVERIFY(harness.boxes.errors.isEmpty());
  QCOMPARE(window.SenderTab(), -1);
}

void FormMainTest::f2AnsweredNoKeepsEverythingAndGoesToThePostalCode() {
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  FillSavedFields(window);
  Named<TCp932Edit>(window, "Edit_Add2")->setFocus();
  harness.boxes.answers = {false};
  QTest::keyClick(Named<TCp932Edit>(window, "Edit_Add2"), Qt::Key_F2);
  QCOMPARE(harness.boxes.questions.last(), QStringLiteral("終了しますか?"));
  QVERIFY(window.isVisible());
  QCOMPARE(QApplication::focusWidget(), Named<TCp932Edit>(window, "Edit_Zip"));
  QCOMPARE(Text(Named<TCp932Edit>(window, "Edit_Add3")), QStringLiteral("ルヴォビル"));
  QVERIFY(!std::filesystem::exists(harness.Folder() / "ruvo_Rezovod.ini"));
}

void FormMainTest::f2AnsweredYesClosesAndSaves() {
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  harness.boxes.answers = {true};
  QTest::mouseClick(Named<QToolButton>(window, "SpeedButton_F2"), Qt::LeftButton);
  QVERIFY(!window.isVisible());
  QVERIFY(std::filesystem::exists(harness.Folder() / "ruvo_Rezovod.ini"));
}

// A settings file the user protected: the error box names it, the file
// keeps every byte.
void FormMainTest::unwritableSettingsFileIsReportedAndKeptWhole() {
  WindowHarness harness;
  const auto file = harness.Folder() / "ruvo_Rezovod.ini";
  PutCp932Lines(file, {"[rv_RezovodPrn]", "E_ZIP=111-1111"});
  ::chmod(file.c_str(), 0444);
  const std::string before = FileBytes(file);
  FillSavedFields(harness.Open());
  harness.Close();
  QCOMPARE(FileBytes(file), before);
  QCOMPARE(harness.boxes.errors.size(), 2);  // my0.txt, then the settings file
  QVERIFY2(
      harness.boxes.errors.last().contains(QStringLiteral("ruvo_Rezovod.ini」に書き込めません")),
      qPrintable(harness.boxes.errors.last()));
  QVERIFY(harness.boxes.errors.last().endsWith(u'。'));
}

// The start-up stops at the printer with "No Printer"; the window is still
// captioned and its keys work.
void FormMainTest::noPrinterAtAllLeavesAUsableWindow() {
  WindowHarness harness;
  harness.service.RemovePrinter("Slip");
  harness.service.RemovePrinter("Office");
  harness.service.SetDefaultPrinter("");
  harness.printer = std::make_unique<ruvo::TLmPrinter>(harness.service);
  TForm_Main& window = harness.Open();
  const QString noPrinter =
      QStringLiteral("使えるプリンタがありません。プリンタを追加してください。");
  QCOMPARE(harness.boxes.errors, QStringList{noPrinter});
  QVERIFY(Named<QToolButton>(window, "SpeedButton_F2")->isEnabled());
  QCOMPARE(Named<QToolButton>(window, "SpeedButton_F2")->text(), QStringLiteral("中止"));
  harness.boxes.answers = {true};
  QTest::keyClick(Named<TCp932Edit>(window, "Edit_Zip"), Qt::Key_F11);
  QCOMPARE(harness.boxes.errors.last(), noPrinter);
  QVERIFY(window.isVisible());
}

// A printer number that is no number stops the start-up at the printer:
// the sender of the remembered tab is then not loaded.
void FormMainTest::startupStopsAtTheStepThatFailed() {
  WindowHarness harness;
  PutCp932Lines(harness.Folder() / "ruvo_Rezovod.ini",
                {"[rv_RezovodPrn]", "OP023My=settings", "Rezovodprnno=x"});
  PutCp932Lines(harness.Folder() / "ruvo_q710.ini", {"[手差し]", "PrnNoIndex=one"});
  PutCp932Lines(harness.Folder() / "my0.txt", {"", "", "", "file"});
  TForm_Main& window = harness.Open();
  QCOMPARE(harness.boxes.errors, QStringList{QStringLiteral("「one」は整数ではありません。")});
  QCOMPARE(Text(Named<TCp932Edit>(window, "Edit_My")), QStringLiteral("settings"));
}

void FormMainTest::unreadableSettingsFileIsToldOnceAndReadsAsDefaults() {
  WindowHarness harness;
  std::filesystem::create_directory(harness.Folder() / "ruvo_Rezovod.ini");
  PutCp932Lines(harness.Folder() / "my0.txt", {"1"});
  TForm_Main& window = harness.Open();
  QCOMPARE(harness.boxes.errors.size(), 1);
  QVERIFY2(harness.boxes.errors[0].contains(
               QStringLiteral("ruvo_Rezovod.ini」を読めません: ファイルではなくフォルダです")),
           qPrintable(harness.boxes.errors[0]));
  QCOMPARE(Named<ruvo::TOvNumEdit>(window, "OvNumEdit_KOSUU")->text(), QStringLiteral("1"));
  QCOMPARE(Named<TCp932Edit>(window, "Edit_MyZip")->text(),
           QStringLiteral("1"));  // the start-up went on
}

// An editor saved the settings as UTF-8: the window shows them garbled and
// says why once; the values the user does not touch are saved with the
// file's own bytes, the one typed anew in Shift-JIS.
void FormMainTest::settingsInUtf8AreToldOnceAndUntouchedValuesKeepTheirBytes() {
  WindowHarness harness;
  const auto file = harness.Folder() / "ruvo_Rezovod.ini";
  const std::string name = "E_CUS=\xE5\xB1\xB1\xE7\x94\xB0\xE5\xA4\xAA\xE9\x83\x8E";  // 山田太郎
  const std::string goods = "E_G1=\xE6\x9B\xB8\xE7\xB1\x8D";                          // 書籍
  ruvo::test::PutFile(file, "[rv_RezovodPrn]\r\n" + name + "\r\n" + goods + "\r\nE_AD1=x\r\n");
  TForm_Main& window = harness.Open();
  QCOMPARE(harness.boxes.notices.size(), 1);
  QVERIFY2(harness.boxes.notices[0].contains(QStringLiteral("UTF-8")),
           qPrintable(harness.boxes.notices[0]));
  QVERIFY(Text(Named<TCp932Edit>(window, "Edit_Custo1")) != QStringLiteral("山田太郎"));
  Named<TCp932Edit>(window, "Edit_Add1")->setText(QStringLiteral("大阪府"));
  harness.Close();
  const std::string saved = FileBytes(file);
  QVERIFY2(saved.find("\r\n" + name + "\r\n") != std::string::npos, saved.c_str());
  QVERIFY(saved.find("\r\n" + goods + "\r\n") != std::string::npos);
  QVERIFY(saved.find("\r\nE_AD1=" + ruvo::test::Sj("大阪府") + "\r\n") != std::string::npos);
}

// "山田<CR>太郎" from an editor elsewhere: the name reads as "山田", and the
// exit saves every key instead of failing on a line break.
void FormMainTest::loneCrInAValueEditedElsewhereDoesNotStopTheSave() {
  WindowHarness harness;
  const auto file = harness.Folder() / "ruvo_Rezovod.ini";
  ruvo::test::PutFile(file, ruvo::test::Sj("[rv_RezovodPrn]\r\nE_CUS=山田\r太郎\r\n"));
  TForm_Main& window = harness.Open();
  QCOMPARE(Text(Named<TCp932Edit>(window, "Edit_Custo1")), QStringLiteral("山田"));
  Named<TCp932Edit>(window, "Edit_Zip")->setText(QStringLiteral("105-0011"));
  harness.Close();
  QCOMPARE(harness.boxes.errors.size(), 1);  // my0.txt is missing, nothing else
  QVERIFY(FileBytes(file).find("E_ZIP=105-0011\r\n") != std::string::npos);
}

QTEST_MAIN(FormMainTest)
#include "form_main_test.moc"
