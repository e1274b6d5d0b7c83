// Every file the main window writes goes through its file store: a disk that
// fills up at any of them gives the error box naming the file, and the file
// keeps every byte it had.
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include "app/form_slip97y_prn.h"
#include "app/window_files.h"
#include "app/window_harness.h"
#include "widgets/ov_num_edit.h"

using ruvo::app::TForm_Main;
using ruvo::test::FileBytes;
using ruvo::test::Named;
using ruvo::test::PutCp932Lines;
using ruvo::test::WindowHarness;

namespace {

// Each of the window's files with a content of its own.
void PutEveryFile(const std::filesystem::path& folder) {
  PutCp932Lines(folder / "ruvo_Rezovod.ini", {"[rv_RezovodPrn]", "E_ZIP=111-1111"});
  PutCp932Lines(folder / "ruvo_q710.ini",
                {"[手差し]", "PrnName=Slip", "slpPrn_Top=3", "slpPrn_Left=4"});
  PutCp932Lines(folder / "my0.txt", {"100-0001", "千代田"});
}

}  // namespace

class FormMainFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void fullDiskKeepsEveryFileWhole_data();
  void fullDiskKeepsEveryFileWhole();
};

void FormMainFilesTest::fullDiskKeepsEveryFileWhole_data() {
  QTest::addColumn<QString>("save");
  QTest::addColumn<QString>("file");
  QTest::newRow("the slip at exit") << "exit"
                                    << "ruvo_Rezovod.ini";
  QTest::newRow("a sender") << "sender"
                            << "my0.txt";
  QTest::newRow("a paper mode's printer") << "printer"
                                          << "ruvo_q710.ini";
  QTest::newRow("a paper mode's margins") << "margins"
                                          << "ruvo_q710.ini";
  QTest::newRow("F7's printer number") << "f7"
                                       << "ruvo_Rezovod.ini";
}

void FormMainFilesTest::fullDiskKeepsEveryFileWhole() {
  QFETCH(QString, save);
  QFETCH(QString, file);
  WindowHarness harness;
  PutEveryFile(harness.Folder());
  harness.setup = [](QWidget*, ruvo::PrinterWatch*) {
    return ruvo::app::AppServices::SetupOutcome::kApplied;
  };
  TForm_Main& window = harness.Open();
  QVERIFY2(harness.boxes.errors.isEmpty(), qPrintable(harness.boxes.errors.join(u'\n')));
  const std::filesystem::path path = harness.Folder() / file.toStdString();
  const std::string before = FileBytes(path);
  Named<QWidget>(window, "Edit_MyZip")->setProperty("text", QStringLiteral("999-9999"));
  harness.files.diskFullAfterBytes = 0;
  harness.boxes.answers = {true};
  if (save == u"exit") {
    harness.Close();
  } else if (save == u"sender") {
    QTest::mouseClick(Named<QPushButton>(window, "BitBtn_My"), Qt::LeftButton);
  } else if (save == u"printer") {
    QTest::mouseClick(Named<QPushButton>(window, "BitBtn_PrnSet"), Qt::LeftButton);
  } else if (save == u"margins") {
    ruvo::test::WhileModal<ruvo::app::TForm_SLIP97YPrn>(
        [&] { QTest::mouseClick(Named<QPushButton>(window, "BitBtn_PrnSet2"), Qt::LeftButton); },
        [&](ruvo::app::TForm_SLIP97YPrn& dialog) {
          Named<ruvo::TOvNumEdit>(dialog, "OvNumEdit_TOP")->SetText("7");
          QTest::mouseClick(Named<QPushButton>(dialog, "BitBtn_MRGN"), Qt::LeftButton);
          QVERIFY(dialog.isVisible());  // the user may try again
          dialog.reject();
        });
    QCOMPARE(window.Labels().top, std::string("3"));
  } else {
    QTest::keyClick(Named<QWidget>(window, "Edit_Add1"), Qt::Key_F7);
  }
  QCOMPARE(FileBytes(path), before);
  QCOMPARE(harness.boxes.errors.size(), 1);
  const QString expected = QStringLiteral("「%1」に書き込めません: ディスクの空きがありません。")
                               .arg(QString::fromStdString(path.string()));
  QCOMPARE(harness.boxes.errors[0], expected);
  QVERIFY(harness.boxes.notices.isEmpty());  // no "ご依頼主を登録しました"
}

QTEST_MAIN(FormMainFilesTest)
#include "form_main_files_test.moc"
