// The postal code against the address in the main window, from a small
// dictionary in the working folder.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "app/cp932_line_edit.h"
#include "app/window_harness.h"
#include "postal/japan_post_fixture.h"
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
  void addressSplitOverTwoLinesIsCheckedWhole();
  void missingDictionaryIsToldOnceAndChangesNothing();
  void f8ImportsJapanPostsFileAndChecksWithIt();
  void f8CancelledOrRefusedChangesNothing();
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

// An address broken inside its place name, as a mail or a shop's export
// wraps it: line 1 alone names 芝 (105-0014), the lines together 芝公園.
void FormMainPostalTest::addressSplitOverTwoLinesIsCheckedWhole() {
  PostalHarness harness;
  TForm_Main& window = harness.Open();
  const auto field = [&](const char* name) { return Named<TCp932Edit>(window, name); };
  QLabel* warning = Named<QLabel>(window, "Label_Warning");
  field("Edit_Zip")->setText(QStringLiteral("105-0011"));
  field("Edit_Add1")->setText(QStringLiteral("東京都港区芝"));
  field("Edit_Add2")->setFocus();
  QVERIFY(warning->text().startsWith(kMismatch));
  field("Edit_Add2")->setText(QStringLiteral("公園4-2-8"));
  field("Edit_Custo1")->setFocus();
  QVERIFY2(warning->text().isEmpty(), qPrintable(warning->text()));
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

// F8 on a field (or the key on the bar) imports the file the user picks;
// the window checks with it at once.
void FormMainPostalTest::f8ImportsJapanPostsFileAndChecksWithIt() {
  PostalHarness harness;
  ruvo::test::PutFile(harness.Folder() / "KEN_ALL.CSV", ruvo::test::KenAllCsv());
  harness.chooseZipData = [&](QWidget*) {
    return std::optional<std::filesystem::path>(harness.Folder() / "KEN_ALL.CSV");
  };
  TForm_Main& window = harness.Open();
  const QStringList startErrors = harness.boxes.errors;  // no sender file here
  QCOMPARE(Named<QToolButton>(window, "SpeedButton_F8")->text(), QStringLiteral("〒更新"));
  QVERIFY(Named<QToolButton>(window, "SpeedButton_F8")->isEnabled());
  Named<TCp932Edit>(window, "Edit_Zip")->setText(QStringLiteral("430-0946"));
  Named<TCp932Edit>(window, "Edit_Add1")->setText(QStringLiteral("静岡県浜松市中央区元城町103-2"));
  QTest::keyClick(Named<TCp932Edit>(window, "Edit_Add1"), Qt::Key_F8);
  const QString notice =
      QStringLiteral("郵便番号データを更新しました: KEN_ALL.CSV（住所 15件・8都道府県）");
  QCOMPARE(harness.boxes.notices, QStringList{notice});
  QCOMPARE(window.StatusText(), notice);
  QVERIFY(std::filesystem::exists(harness.Folder() / "ruvo_postal.db"));
  Named<TCp932Edit>(window, "Edit_Zip")->setFocus();
  Named<TCp932Edit>(window, "Edit_Add2")->setFocus();
  QCOMPARE(window.StatusText(), QStringLiteral("〒430-0946 静岡県浜松市中央区元城町"));
  QVERIFY(Named<QLabel>(window, "Label_Warning")->text().isEmpty());
  QTest::mouseClick(Named<QToolButton>(window, "SpeedButton_F8"),
                    Qt::LeftButton);  // the key on the bar does the same
  QCOMPARE(harness.boxes.notices.size(), 2);
  QCOMPARE(harness.boxes.errors, startErrors);
}

void FormMainPostalTest::f8CancelledOrRefusedChangesNothing() {
  PostalHarness harness;
  TForm_Main& window = harness.Open();
  QTest::keyClick(Named<TCp932Edit>(window, "Edit_Zip"), Qt::Key_F8);  // cancelled
  QVERIFY(harness.boxes.notices.isEmpty());
  QVERIFY(!std::filesystem::exists(harness.Folder() / "ruvo_postal.db"));

  ruvo::test::PutFile(harness.Folder() / "orders.csv", ruvo::test::Sj("郵便番号,住所\r\n"));
  harness.chooseZipData = [&](QWidget*) {
    return std::optional<std::filesystem::path>(harness.Folder() / "orders.csv");
  };
  harness.Close();
  TForm_Main& reopened = harness.Open();
  const qsizetype startErrors = harness.boxes.errors.size();  // no sender file here
  QTest::keyClick(Named<TCp932Edit>(reopened, "Edit_Zip"), Qt::Key_F8);
  QCOMPARE(harness.boxes.errors.size(), startErrors + 1);
  QCOMPARE(harness.boxes.errors.last(),
           QStringLiteral("orders.csv: 日本郵便の郵便番号データ（KEN_ALL.CSV または "
                          "JIGYOSYO.CSV）ではありません。"));
  QVERIFY(reopened.StatusText().isEmpty());  // not "取り込んでいます…" any longer
  QVERIFY(!std::filesystem::exists(harness.Folder() / "ruvo_postal.db"));
  Named<TCp932Edit>(reopened, "Edit_Zip")->setText(QStringLiteral("105-0011"));
  Named<TCp932Edit>(reopened, "Edit_Zip")->setFocus();
  Named<TCp932Edit>(reopened, "Edit_tel")->setFocus();
  QCOMPARE(reopened.StatusText(),
           QStringLiteral("〒105-0011 東京都港区芝公園"));  // the dictionary's still

  // Japan Post's file, but the folder's database cannot be written.
  std::filesystem::create_directory(harness.Folder() / "ruvo_postal.db");
  ruvo::test::PutFile(harness.Folder() / "KEN_ALL.CSV", ruvo::test::KenAllCsv());
  harness.chooseZipData = [&](QWidget*) {
    return std::optional<std::filesystem::path>(harness.Folder() / "KEN_ALL.CSV");
  };
  harness.Close();
  TForm_Main& locked = harness.Open();
  const qsizetype errorsBefore = harness.boxes.errors.size();
  QTest::keyClick(Named<TCp932Edit>(locked, "Edit_Zip"), Qt::Key_F8);
  QCOMPARE(harness.boxes.errors.size(), errorsBefore + 1);
  QVERIFY(harness.boxes.errors.last().endsWith(QStringLiteral(
      "ruvo_postal.db: 郵便番号データのファイルを開けないか、書き込みが許されていません。")));
  QVERIFY(harness.boxes.notices.isEmpty());
}

QTEST_MAIN(FormMainPostalTest)
#include "form_main_postal_test.moc"
