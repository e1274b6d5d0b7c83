// The postal code against the address in the main window, from a small
// dictionary in the working folder.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/cp932_line_edit.h"
#include "app/window_harness.h"
#include "postal/postal_loader.h"
#include "postal/zip_dictionary_fixture.h"

using ruvo::app::TCp932Edit;
using ruvo::app::TForm_Main;
using ruvo::test::Named;
using ruvo::test::WindowHarness;

namespace {

const QString kMismatch = QStringLiteral("警告:郵便番号と住所が一致しません。　");

// The harness with the fixture dictionary, or with `areas` naming none.
struct PostalHarness : WindowHarness {
  explicit PostalHarness(bool withDictionary = true)
      : loader(ruvo::postal::ZipDictionaryFilesFor(Folder() / "zipcode")) {
    if (withDictionary) {
      ruvo::test::PutFile(Folder() / "zipcode", ruvo::test::EucJis(ruvo::test::kAreasUtf8));
    }
    postal = &loader;
  }
  ruvo::postal::PostalDirectoryLoader loader;
};

}  // namespace

class FormMainPostalTest : public QObject {
  Q_OBJECT

 private slots:
  void enterInThePostalCodeCompletesABlankAddress();
  void filledAddressIsNeverOverwritten();
  void leavingThePostalCodeNamesItsPlace();
  void transferWithAWrongCodeWarns();
  void addressLengthWarningComesFirst();
  void missingDictionaryIsToldOnceAndChangesNothing();
};

void FormMainPostalTest::enterInThePostalCodeCompletesABlankAddress() {
  PostalHarness harness;
  TForm_Main& window = harness.Open();
  Named<TCp932Edit>(window, "Edit_Zip")->setText(QStringLiteral("105-0011"));
  Named<TCp932Edit>(window, "Edit_Zip")->setFocus();
  QTest::keyClick(Named<TCp932Edit>(window, "Edit_Zip"), Qt::Key_Return);
  QCOMPARE(Named<TCp932Edit>(window, "Edit_Add1")->text(), QStringLiteral("東京都港区芝公園"));
  QCOMPARE(QApplication::focusWidget(), Named<TCp932Edit>(window, "Edit_Add1"));
  QCOMPARE(Named<TCp932Edit>(window, "Edit_Add1")->cursorPosition(),
           Named<TCp932Edit>(window, "Edit_Add1")->text().size());
  QVERIFY(!Named<TCp932Edit>(window, "Edit_Add1")->hasSelectedText());
}

void FormMainPostalTest::filledAddressIsNeverOverwritten() {
  PostalHarness harness;
  TForm_Main& window = harness.Open();
  Named<TCp932Edit>(window, "Edit_Zip")->setText(QStringLiteral("1050011"));
  Named<TCp932Edit>(window, "Edit_Add1")->setText(QStringLiteral("大阪府"));
  Named<TCp932Edit>(window, "Edit_Zip")->setFocus();
  QTest::keyClick(Named<TCp932Edit>(window, "Edit_Zip"), Qt::Key_Return);
  QCOMPARE(Named<TCp932Edit>(window, "Edit_Add1")->text(), QStringLiteral("大阪府"));
  QVERIFY(Named<QLabel>(window, "Label_Warning")->text().startsWith(kMismatch));
}

void FormMainPostalTest::leavingThePostalCodeNamesItsPlace() {
  PostalHarness harness;
  TForm_Main& window = harness.Open();
  Named<TCp932Edit>(window, "Edit_Zip")->setFocus();
  Named<TCp932Edit>(window, "Edit_Zip")->setText(QStringLiteral("１０５－００１１"));
  Named<TCp932Edit>(window, "Edit_tel")->setFocus();
  QCOMPARE(window.StatusText(), QStringLiteral("〒105-0011 東京都港区芝公園"));
  QVERIFY(Named<QLabel>(window, "Label_Warning")
              ->text()
              .isEmpty());  // no address yet: nothing to disagree with
}

void FormMainPostalTest::transferWithAWrongCodeWarns() {
  PostalHarness harness;
  TForm_Main& window = harness.Open();
  Named<QPlainTextEdit>(window, "Memo1")
      ->setPlainText(QStringLiteral("〒105-0011\n東京都千代田区霞が関1-2-3\n山田太郎"));
  QTest::mouseClick(Named<QPushButton>(window, "BitBtn_1"), Qt::LeftButton);
  QCOMPARE(Named<QLabel>(window, "Label_Warning")->text(),
           kMismatch + QStringLiteral("〒105-0011 東京都港区芝公園"));
  QCOMPARE(window.StatusText(), QStringLiteral("〒105-0011 東京都港区芝公園"));
  // Printing is never blocked by it.
  harness.boxes.answers = {true};
  QTest::keyClick(Named<TCp932Edit>(window, "Edit_Zip"), Qt::Key_F11);
  QCOMPARE(harness.service.PrintedJobs().size(), std::size_t{1});
}

void FormMainPostalTest::addressLengthWarningComesFirst() {
  PostalHarness harness;
  TForm_Main& window = harness.Open();
  Named<TCp932Edit>(window, "Edit_Zip")->setText(QStringLiteral("105-0011"));
  Named<TCp932Edit>(window, "Edit_Add1")->setText(QString(21, u'京'));
  Named<TCp932Edit>(window, "Edit_Add2")->setFocus();
  QVERIFY(
      Named<QLabel>(window, "Label_Warning")->text().startsWith(QStringLiteral("警告:おところ①")));
}

void FormMainPostalTest::missingDictionaryIsToldOnceAndChangesNothing() {
  PostalHarness harness(/*withDictionary=*/false);
  TForm_Main& window = harness.Open();
  Named<TCp932Edit>(window, "Edit_Zip")->setText(QStringLiteral("105-0011"));
  Named<TCp932Edit>(window, "Edit_Zip")->setFocus();
  QTest::keyClick(Named<TCp932Edit>(window, "Edit_Zip"), Qt::Key_Return);
  QVERIFY(window.StatusText().startsWith(QStringLiteral("郵便番号辞書を読めないため")));
  QVERIFY(Named<TCp932Edit>(window, "Edit_Add1")->text().isEmpty());
  window.SetStatus(QStringLiteral("other"));
  Named<TCp932Edit>(window, "Edit_Zip")->setFocus();
  Named<TCp932Edit>(window, "Edit_tel")->setFocus();
  QCOMPARE(window.StatusText(), QStringLiteral("other"));
}

QTEST_MAIN(FormMainPostalTest)
#include "form_main_postal_test.moc"
