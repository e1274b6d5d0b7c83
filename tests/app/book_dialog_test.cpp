// The recipient book (F6) and the name and telephone completers offscreen,
// over a journal in a temporary working folder.
#include "app/book_dialog.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "app/cp932_line_edit.h"
#include "app/window_harness.h"
#include "support/temp_dir.h"
#include "support/test_text.h"

using ruvo::app::BookDialog;
using ruvo::app::TCp932Edit;
using ruvo::test::Named;
using ruvo::test::PutFile;
using ruvo::test::Sj;
using ruvo::test::WindowHarness;
namespace journal = ruvo::journal;

namespace {

journal::Recipient Entry(const char* name, const char* zip, const char* address, const char* tel) {
  journal::Recipient entry;
  entry.name = Sj(name);
  entry.zip = zip;
  entry.address1 = Sj(address);
  entry.tel = tel;
  return entry;
}

void AddEntries(WindowHarness& harness) {
  journal::Journal journal(harness.Folder());
  journal::AddRecipients(journal,
                         {Entry("山田太郎", "730-0001", "広島県広島市中区", "082-111-2222"),
                          Entry("佐藤花子", "100-0001", "東京都千代田区", "03-3333-4444")});
}

struct Book {
  explicit Book(WindowHarness& harness)
      : journal(harness.Folder()),
        dialog({journal, harness.boxes, harness.files, [this](QWidget*) { return importFile; },
                [this](QWidget*) { return exportTarget; }},
               nullptr) {}
  journal::Journal journal;
  std::optional<std::filesystem::path> importFile;
  std::optional<ruvo::app::BookDialogSetup::ExportTarget> exportTarget;
  BookDialog dialog;
};

QStringList Names(const QTableWidget& table) {
  QStringList names;
  for (int row = 0; row < table.rowCount(); ++row)
    names << table.item(row, 0)->text();
  return names;
}

}  // namespace

class BookDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void addsChangesAndDeletesEntriesFoundAsTheUserTypes();
  void importsAndExportsBothEncodings_data();
  void importsAndExportsBothEncodings();
  void chosenEntryFillsTheWindowsRecipient();
  void nameFieldCompletesFromTheBook();
};

void BookDialogTest::addsChangesAndDeletesEntriesFoundAsTheUserTypes() {
  WindowHarness harness;
  AddEntries(harness);
  Book book(harness);
  auto* table = Named<QTableWidget>(book.dialog, "Table_Book");
  QCOMPARE(table->rowCount(), 2);
  Named<QLineEdit>(book.dialog, "Edit_Search")->setText(QStringLiteral("千代田"));
  QCOMPARE(Names(*table), QStringList{QStringLiteral("佐藤花子")});
  Named<QLineEdit>(book.dialog, "Edit_Search")->setText(QStringLiteral("0821112222"));
  QCOMPARE(Names(*table), QStringList{QStringLiteral("山田太郎")});  // the number by its digits
  Named<QLineEdit>(book.dialog, "Edit_Search")->clear();

  Named<TCp932Edit>(book.dialog, "Edit_BookName")->setText(QStringLiteral("鈴木次郎"));
  Named<TCp932Edit>(book.dialog, "Edit_BookZip")->setText(QStringLiteral("060-0001"));
  Named<TCp932Edit>(book.dialog, "Edit_BookAdd1")->setText(QStringLiteral("北海道札幌市"));
  Named<QPushButton>(book.dialog, "BitBtn_Add")->click();
  QCOMPARE(table->rowCount(), 3);
  const int suzuki = static_cast<int>(Names(*table).indexOf(QStringLiteral("鈴木次郎")));
  table->selectRow(suzuki);
  QCOMPARE(Named<TCp932Edit>(book.dialog, "Edit_BookAdd1")->text(), QStringLiteral("北海道札幌市"));
  Named<TCp932Edit>(book.dialog, "Edit_BookAdd1")->setText(QStringLiteral("北海道旭川市"));
  Named<QPushButton>(book.dialog, "BitBtn_Change")->click();
  journal::RecipientQuery asahikawa;
  asahikawa.text = Sj("旭川");
  QCOMPARE(journal::FindRecipients(book.journal, asahikawa).size(), std::size_t{1});

  Named<QLineEdit>(book.dialog, "Edit_Search")->setText(QStringLiteral("山田"));
  table->selectRow(0);
  harness.boxes.answers = {true};
  Named<QPushButton>(book.dialog, "BitBtn_Delete")->click();
  QCOMPARE(harness.boxes.questions.last(), QStringLiteral("「山田太郎」を住所録から削除しますか?"));
  QCOMPARE(table->rowCount(), 0);
  // An entry without a name is refused in Japanese; the book stays as it was.
  Named<QLineEdit>(book.dialog, "Edit_Search")->clear();
  for (const char* name : {"Edit_BookName", "Edit_BookZip", "Edit_BookAdd1"})
    Named<TCp932Edit>(book.dialog, name)->clear();
  Named<QPushButton>(book.dialog, "BitBtn_Add")->click();
  QCOMPARE(harness.boxes.errors,
           QStringList{QStringLiteral("氏名が空です。")});  // the book's own words
  QCOMPARE(table->rowCount(), 2);
}

void BookDialogTest::importsAndExportsBothEncodings_data() {
  QTest::addColumn<bool>("utf8");
  QTest::newRow("UTF-8 with BOM") << true;
  QTest::newRow("CP932") << false;
}

// A shop's export names its columns as the batch reads them; a row without
// a name is named in the notice and left out.
void BookDialogTest::importsAndExportsBothEncodings() {
  QFETCH(bool, utf8);
  WindowHarness harness;
  const std::string csv =
      "お届け先名,お届け先郵便番号,お届け先住所1,お届け先電話番号\r\n"
      "山田太郎,730-0001,広島県広島市中区,082-111-2222\r\n"
      ",100-0001,東京都千代田区,03-3333-4444\r\n";
  const std::filesystem::path in = harness.Folder() / "book.csv";
  PutFile(in, utf8 ? "\xEF\xBB\xBF" + csv : Sj(csv));
  Book book(harness);
  book.importFile = in;
  Named<QPushButton>(book.dialog, "BitBtn_Import")->click();
  QVERIFY2(harness.boxes.notices.last().startsWith(
               QStringLiteral("1 件を取り込みました (新しい宛先 1 件)\n3 行目")),
           qPrintable(harness.boxes.notices.last()));
  QCOMPARE(Names(*Named<QTableWidget>(book.dialog, "Table_Book")),
           QStringList{QStringLiteral("山田太郎")});

  const std::filesystem::path out = harness.Folder() / "out.csv";
  book.exportTarget = {out,
                       utf8 ? ruvo::batch::CsvEncoding::kUtf8 : ruvo::batch::CsvEncoding::kCp932};
  Named<QPushButton>(book.dialog, "BitBtn_Export")->click();
  QCOMPARE(harness.boxes.notices.last(), QStringLiteral("1 件を書き出しました"));
  const std::string written = ruvo::test::FileBytes(out);
  QCOMPARE(written.starts_with("\xEF\xBB\xBF"), utf8);
  QVERIFY(written.find(utf8 ? std::string("山田太郎") : Sj("山田太郎")) != std::string::npos);
}

void BookDialogTest::chosenEntryFillsTheWindowsRecipient() {
  WindowHarness harness;
  AddEntries(harness);
  ruvo::app::TForm_Main& window = harness.Open();
  Named<TCp932Edit>(window, "Edit_Add3")->setText(QStringLiteral("前の宛先"));
  ruvo::test::WhileModal<BookDialog>(
      [&] { QTest::mouseClick(Named<QToolButton>(window, "SpeedButton_F6"), Qt::LeftButton); },
      [&](BookDialog& dialog) {
        auto* table = Named<QTableWidget>(dialog, "Table_Book");
        table->selectRow(static_cast<int>(Names(*table).indexOf(QStringLiteral("佐藤花子"))));
        Named<QPushButton>(dialog, "BitBtn_Choose")->click();
      });
  QCOMPARE(Named<TCp932Edit>(window, "Edit_Custo1")->text(), QStringLiteral("佐藤花子"));
  QCOMPARE(Named<TCp932Edit>(window, "Edit_Zip")->text(), QStringLiteral("100-0001"));
  QCOMPARE(Named<TCp932Edit>(window, "Edit_Add1")->text(), QStringLiteral("東京都千代田区"));
  QCOMPARE(Named<TCp932Edit>(window, "Edit_Add3")->text(), QString());  // the entry's, empty
  QCOMPARE(Named<TCp932Edit>(window, "Edit_tel")->text(), QStringLiteral("03-3333-4444"));
}

void BookDialogTest::nameFieldCompletesFromTheBook() {
  WindowHarness harness;
  AddEntries(harness);
  ruvo::app::TForm_Main& window = harness.Open();
  auto* name = Named<TCp932Edit>(window, "Edit_Custo1");
  name->setFocus();
  QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QStringLiteral("佐"), Qt::NoModifier);
  QCompleter* completer = name->completer();
  QVERIFY(completer != nullptr);
  QTRY_VERIFY(completer->popup()->isVisible());
  QCOMPARE(completer->popup()->model()->rowCount(), 1);
  QCOMPARE(completer->popup()->model()->index(0, 0).data().toString(),
           QStringLiteral("佐藤花子　東京都千代田区"));
  QTest::keyClick(completer->popup(), Qt::Key_Down);
  QTest::keyClick(completer->popup(), Qt::Key_Return);
  QTRY_COMPARE(Named<TCp932Edit>(window, "Edit_Add1")->text(), QStringLiteral("東京都千代田区"));
  QCOMPARE(name->text(), QStringLiteral("佐藤花子"));
  // The telephone field completes by the number's digits.
  auto* tel = Named<TCp932Edit>(window, "Edit_tel");
  tel->clear();
  tel->setFocus();
  QTest::keyClicks(tel, QStringLiteral("0821"));
  QTRY_VERIFY(tel->completer()->popup()->isVisible());
  QCOMPARE(tel->completer()->popup()->model()->rowCount(), 1);
  QCOMPARE(tel->completer()->popup()->model()->index(0, 0).data().toString(),
           QStringLiteral("082-111-2222　広島県広島市中区　山田太郎"));
  QVERIFY(harness.boxes.errors.isEmpty());
}

QTEST_MAIN(BookDialogTest)
#include "book_dialog_test.moc"
