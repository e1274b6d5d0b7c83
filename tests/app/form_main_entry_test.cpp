// Typing into the main window: the Enter and Up paths, the conversions, the
// address warning, the time slots, clearing, byte limits and the transfer.
#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "app/cp932_line_edit.h"
#include "app/window_harness.h"
#include "transfer/mail_text.h"
#include "widgets/ov_num_edit.h"

using ruvo::app::TCp932Edit;
using ruvo::app::TForm_Main;
using ruvo::test::Named;
using ruvo::test::WindowHarness;

namespace {

const QString kWarning =
    QStringLiteral("警告:おところ①の文字数が多すぎます。　おところ②へ分割してください");

QWidget* Named(const TForm_Main& window, const QString& name) {
  return window.findChild<QWidget*>(name);
}

// What an input method hands over when the user confirms a conversion.
void Commit(QWidget* field, const QString& text) {
  field->setFocus();
  QInputMethodEvent event;
  event.setCommitString(text);
  QApplication::sendEvent(field, &event);
}

void Paste(TCp932Edit* edit, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

}  // namespace

class FormMainEntryTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void keysMoveTheFocus_data();
  void keysMoveTheFocus();
  void enterPressesTheFocusedButton_data();
  void enterPressesTheFocusedButton();
  void characterAfterEnterLandsInTheNextField();
  void fullWidthPostalCodeAndTelephoneTurnHalfWidth();
  void addressWarningStartsAt41Bytes();
  void atMostOneTimeSlot();
  void clearKeepsTheThirdLineAndTheGoods();
  void userInputIsFittedToTheField_data();
  void userInputIsFittedToTheField();
  void programTextIsKeptWhole();
  void transferFillsTheFieldsAndRewritesTheMemo();
  void transferFindsTheRecipientInAWholeMail();
  void transferSaysWhenTheOrdererIsTheRecipient_data();
  void transferSaysWhenTheOrdererIsTheRecipient();
  void transferOfNothingSaysSoAndKeepsTheFields();
  void transferOfAHugePasteFinishes();

 private:
  std::unique_ptr<WindowHarness> harness_;
  TForm_Main* window_ = nullptr;
};

void FormMainEntryTest::init() {
  harness_ = std::make_unique<WindowHarness>();
  window_ = &harness_->Open();
}

void FormMainEntryTest::cleanup() {
  QVERIFY(harness_->boxes.unexpected.isEmpty());
  QVERIFY(harness_->boxes.errors.isEmpty());
  harness_.reset();
}

void FormMainEntryTest::keysMoveTheFocus_data() {
  QTest::addColumn<QString>("from");
  QTest::addColumn<int>("key");
  QTest::addColumn<QString>("disabled");
  QTest::addColumn<QString>("to");
  QTest::newRow("Enter walks the recipient") << "Edit_Zip" << int(Qt::Key_Return) << ""
                                             << "Edit_Add1";
  QTest::newRow("keypad Enter too") << "Edit_Add3" << int(Qt::Key_Enter) << ""
                                    << "Edit_Custo1";
  QTest::newRow("telephone jumps the date row") << "Edit_tel" << int(Qt::Key_Return) << ""
                                                << "Edit_G1";
  QTest::newRow("quantity ends the path") << "OvNumEdit_KOSUU" << int(Qt::Key_Return) << ""
                                          << "OvNumEdit_KOSUU";
  QTest::newRow("picker to goods") << "DateTimePicker_1" << int(Qt::Key_Return) << ""
                                   << "Edit_G1";
  QTest::newRow("wished day to picker") << "Edit_de_date2" << int(Qt::Key_Return) << ""
                                        << "DateTimePicker_1";
  QTest::newRow("sender telephone to register") << "Edit_MyTEL" << int(Qt::Key_Return) << ""
                                                << "BitBtn_My";
  QTest::newRow("a disabled field is skipped") << "Edit_Add1" << int(Qt::Key_Return) << "Edit_Add2"
                                               << "Edit_Add3";
  QTest::newRow("Up in the postal code stays") << "Edit_Zip" << int(Qt::Key_Up) << ""
                                               << "Edit_Zip";
  QTest::newRow("Up goes back") << "Edit_Add1" << int(Qt::Key_Up) << ""
                                << "Edit_Zip";
  QTest::newRow("Up from the goods to the picker") << "Edit_G1" << int(Qt::Key_Up) << ""
                                                   << "DateTimePicker_1";
  QTest::newRow("Up from the quantity") << "OvNumEdit_KOSUU" << int(Qt::Key_Up) << ""
                                        << "Edit_G3";
}

void FormMainEntryTest::keysMoveTheFocus() {
  QFETCH(QString, from);
  QFETCH(int, key);
  QFETCH(QString, disabled);
  QFETCH(QString, to);
  if (!disabled.isEmpty()) Named(*window_, disabled)->setEnabled(false);
  QWidget* start = Named(*window_, from);
  start->setFocus();
  QTest::keyClick(start, static_cast<Qt::Key>(key));
  QCOMPARE(QApplication::focusWidget()->objectName(), to);
}

// Where the Enter path ends on a button, and wherever a button has the
// focus, Enter presses it.
void FormMainEntryTest::enterPressesTheFocusedButton_data() {
  QTest::addColumn<QString>("from");  // Enter here first, unless it is the button
  QTest::addColumn<QString>("button");
  QTest::newRow("sender telephone, then ご依頼主登録") << "Edit_MyTEL"
                                                       << "BitBtn_My";
  QTest::newRow("printer registration") << "BitBtn_PrnSet"
                                        << "BitBtn_PrnSet";
  QTest::newRow("support mail") << "BitBtn_SendMail"
                                << "BitBtn_SendMail";
}

void FormMainEntryTest::enterPressesTheFocusedButton() {
  QFETCH(QString, from);
  QFETCH(QString, button);
  auto* pressed = window_->findChild<QPushButton*>(button);
  QSignalSpy clicks(pressed, &QPushButton::clicked);
  harness_->boxes.answers = {false};  // ご依頼主を登録しますか? No
  Named(*window_, from)->setFocus();
  if (from != button) QTest::keyClick(Named(*window_, from), Qt::Key_Return);
  QCOMPARE(QApplication::focusWidget(), pressed);
  QTest::keyClick(pressed, Qt::Key_Return);
  QCOMPARE(clicks.count(), 1);
  harness_->boxes.answers.clear();
}

// The key handlers are filters on the fields: a key they handle must not
// take the next key's character with it.
void FormMainEntryTest::characterAfterEnterLandsInTheNextField() {
  Named<TCp932Edit>(*window_, "Edit_Zip")->setFocus();
  QTest::keyClick(Named<TCp932Edit>(*window_, "Edit_Zip"), Qt::Key_Return);
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("a"));
  QCOMPARE(Named<TCp932Edit>(*window_, "Edit_Add1")->text(), QStringLiteral("a"));
  QVERIFY(Named<TCp932Edit>(*window_, "Edit_Zip")->text().isEmpty());
}

void FormMainEntryTest::fullWidthPostalCodeAndTelephoneTurnHalfWidth() {
  QSignalSpy changes(Named<TCp932Edit>(*window_, "Edit_Zip"), &QLineEdit::textChanged);
  Paste(Named<TCp932Edit>(*window_, "Edit_Zip"), QStringLiteral("１０５－００１１"));
  QCOMPARE(Named<TCp932Edit>(*window_, "Edit_Zip")->text(), QStringLiteral("105-0011"));
  QCOMPARE(changes.count(), 2);  // the paste, then its half-width form: no loop
  Commit(Named<TCp932Edit>(*window_, "Edit_tel"), QStringLiteral("０３"));
  QCOMPARE(Named<TCp932Edit>(*window_, "Edit_tel")->text(), QStringLiteral("03"));
  // The sender's postal code has no conversion.
  Paste(Named<TCp932Edit>(*window_, "Edit_MyZip"), QStringLiteral("１５０"));
  QCOMPARE(Named<TCp932Edit>(*window_, "Edit_MyZip")->text(), QStringLiteral("１５０"));
}

// 40 bytes (20 full-width characters) print; 41 do not, and the warning
// shows on entering an address field, not while typing.
void FormMainEntryTest::addressWarningStartsAt41Bytes() {
  Named<TCp932Edit>(*window_, "Edit_Add1")->setText(QString(20, u'東') + u'x');
  QVERIFY(Named<QLabel>(*window_, "Label_Warning")->text().isEmpty());
  Named<TCp932Edit>(*window_, "Edit_Add2")->setFocus();
  QCOMPARE(Named<QLabel>(*window_, "Label_Warning")->text(), kWarning);
  Named<TCp932Edit>(*window_, "Edit_Add1")->setText(QString(20, u'東'));
  Named<TCp932Edit>(*window_, "Edit_Add1")->setFocus();
  QVERIFY(Named<QLabel>(*window_, "Label_Warning")->text().isEmpty());
}

void FormMainEntryTest::atMostOneTimeSlot() {
  const auto boxes = ruvo::test::TimeSlotBoxes(*window_);
  QTest::mouseClick(boxes[0], Qt::LeftButton);
  QTest::mouseClick(boxes[2], Qt::LeftButton);
  QVERIFY(!boxes[0]->isChecked());
  QVERIFY(boxes[2]->isChecked());
  QTest::mouseClick(boxes[2], Qt::LeftButton);
  for (const QCheckBox* box : boxes)
    QVERIFY(!box->isChecked());
}

void FormMainEntryTest::clearKeepsTheThirdLineAndTheGoods() {
  Named<TCp932Edit>(*window_, "Edit_Zip")->setText(QStringLiteral("105-0011"));
  Named<TCp932Edit>(*window_, "Edit_Add3")->setText(QStringLiteral("3"));
  Named<TCp932Edit>(*window_, "Edit_G1")->setText(QStringLiteral("g"));
  harness_->boxes.answers = {false, true};
  QTest::mouseClick(Named<QPushButton>(*window_, "BitBtn_CLS"), Qt::LeftButton);
  QCOMPARE(Named<TCp932Edit>(*window_, "Edit_Zip")->text(), QStringLiteral("105-0011"));
  QTest::mouseClick(Named<QPushButton>(*window_, "BitBtn_CLS"), Qt::LeftButton);
  QCOMPARE(harness_->boxes.questions.last(), QStringLiteral("お届け先をクリアますか?"));
  QVERIFY(Named<TCp932Edit>(*window_, "Edit_Zip")->text().isEmpty());
  QCOMPARE(Named<TCp932Edit>(*window_, "Edit_Add3")->text(), QStringLiteral("3"));
  QCOMPARE(Named<TCp932Edit>(*window_, "Edit_G1")->text(), QStringLiteral("g"));
}

void FormMainEntryTest::userInputIsFittedToTheField_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("before");
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("after");
  QTest::addColumn<QString>("status");
  const QString a29(29, u'a');
  QTest::newRow("typing stops at 30 bytes")
      << "Edit_G1" << a29 << "bc" << a29 + u'b' << "この欄には 30 バイトまで入力できます";
  QTest::newRow("no half of a full-width character")
      << "Edit_G1" << a29 << "東" << a29 << "この欄には 30 バイトまで入力できます";
  QTest::newRow("full-width counts two bytes") << "Edit_de_date1"
                                               << ""
                                               << "１２"
                                               << "１"
                                               << "この欄には 2 バイトまで入力できます";
  QTest::newRow("the first line of a pasted block") << "Edit_Add1"
                                                    << ""
                                                    << "東京都\r\n港区"
                                                    << "東京都"
                                                    << "改行より後と制御文字は入力されません";
  QTest::newRow("a tab becomes a blank, escape goes") << "Edit_Custo1"
                                                      << ""
                                                      << "山田\t太郎\x1b"
                                                      << "山田 太郎"
                                                      << "改行より後と制御文字は入力されません";
  QTest::newRow("outside Shift-JIS becomes a geta mark")
      << "Edit_Add2"
      << ""
      << "ビル😀"
      << "ビル〓"
      << "Shift-JISで表せない文字 1 個を「〓」にしました";
  QTest::newRow("what fits is taken silently") << "Edit_MyZip"
                                               << ""
                                               << "150-0002"
                                               << "150-0002"
                                               << "as it was";
}

void FormMainEntryTest::userInputIsFittedToTheField() {
  QFETCH(QString, field);
  QFETCH(QString, before);
  QFETCH(QString, pasted);
  QFETCH(QString, after);
  QFETCH(QString, status);
  auto* edit = window_->findChild<TCp932Edit*>(field);
  edit->setText(before);
  window_->SetStatus(QStringLiteral("as it was"));
  Paste(edit, pasted);
  QCOMPARE(edit->text(), after);
  QCOMPARE(window_->StatusText(), status);
}

// Restored and transferred values are set by the program: no limit cuts
// them, unlike QLineEdit's own maxLength.
void FormMainEntryTest::programTextIsKeptWhole() {
  const QString long40(40, u'x');
  Named<TCp932Edit>(*window_, "Edit_G1")->setText(long40);
  QCOMPARE(Named<TCp932Edit>(*window_, "Edit_G1")->text(), long40);
  Named<TCp932Edit>(*window_, "Edit_G1")->setFocus();
  QTest::keyClick(Named<TCp932Edit>(*window_, "Edit_G1"), Qt::Key_Backspace);
  QCOMPARE(Named<TCp932Edit>(*window_, "Edit_G1")->text(), QString(39, u'x'));
}

void FormMainEntryTest::transferFillsTheFieldsAndRewritesTheMemo() {
  Named<TCp932Edit>(*window_, "Edit_Add3")->setText(QStringLiteral("kept"));
  Named<QPlainTextEdit>(*window_, "Memo1")
      ->setPlainText(QStringLiteral(
          "〒１０５－００１１ 東京都港区芝公園一丁目二番三号芝公園大通館\n\n山田太郎 "
          "様\nTEL ０３-1234-5678\n"
          "yamada@example.jp"));
  QTest::mouseClick(Named<QPushButton>(*window_, "BitBtn_1"), Qt::LeftButton);
  QCOMPARE(Named<TCp932Edit>(*window_, "Edit_Zip")->text(), QStringLiteral("105-0011"));
  // 21 full-width characters: the building goes to line 2, and no warning.
  QCOMPARE(Named<TCp932Edit>(*window_, "Edit_Add1")->text(),
           QStringLiteral("東京都港区芝公園一丁目二番三号"));
  QCOMPARE(Named<TCp932Edit>(*window_, "Edit_Add2")->text(), QStringLiteral("芝公園大通館"));
  QCOMPARE(Named<TCp932Edit>(*window_, "Edit_Custo1")->text(), QStringLiteral("山田太郎"));
  QCOMPARE(Named<TCp932Edit>(*window_, "Edit_tel")->text(), QStringLiteral("03-1234-5678"));
  QCOMPARE(Named<TCp932Edit>(*window_, "Edit_Add3")->text(), QStringLiteral("kept"));
  QVERIFY(Named<QLabel>(*window_, "Label_Warning")->text().isEmpty());
  QCOMPARE(Named<QPlainTextEdit>(*window_, "Memo1")->document()->blockCount(), 7);
  QCOMPARE(QApplication::focusWidget(), Named<TCp932Edit>(*window_, "Edit_Zip"));
  QVERIFY(window_->StatusText().isEmpty());  // a plain block names no section
}

// A whole gift mail, pasted as it arrived: the recipient's section is
// found, the memo shows the lines used, and Ctrl+Z brings the mail back.
void FormMainEntryTest::transferFindsTheRecipientInAWholeMail() {
  const ruvo::test::ShopMail& mail = ruvo::test::kShopMails[0];  // EC-CUBE 2.13
  const QString pasted = QString::fromUtf8(ruvo::test::WholeMail(mail));
  QVERIFY(pasted.count(u'\n') > 15);  // more than the hint asks for
  QPlainTextEdit* memo = Named<QPlainTextEdit>(*window_, "Memo1");
  memo->setPlainText(pasted);
  QTest::mouseClick(Named<QPushButton>(*window_, "BitBtn_1"), Qt::LeftButton);
  QCOMPARE(Named<TCp932Edit>(*window_, "Edit_Zip")->text(), QString::fromUtf8(mail.fields.zip));
  QCOMPARE(Named<TCp932Edit>(*window_, "Edit_Add1")->text(), QString::fromUtf8(mail.fields.add1));
  QCOMPARE(Named<TCp932Edit>(*window_, "Edit_Add2")->text(), QString::fromUtf8(mail.fields.add2));
  QCOMPARE(Named<TCp932Edit>(*window_, "Edit_Custo1")->text(), QString::fromUtf8(mail.fields.name));
  QCOMPARE(Named<TCp932Edit>(*window_, "Edit_tel")->text(), QString::fromUtf8(mail.fields.tel));
  QCOMPARE(window_->StatusText(), QStringLiteral("お届け先の欄から転送しました"));
  QCOMPARE(
      memo->toPlainText(),
      QStringLiteral(
          "佐藤 恵\n444-3505\n愛知県岡崎市本宿町字大木戸1-2ハイツ岡崎101号室\n0564-48-1234\n\n\n"));
  memo->setFocus();
  QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(memo->toPlainText(), pasted);
}

void FormMainEntryTest::transferSaysWhenTheOrdererIsTheRecipient_data() {
  QTest::addColumn<QString>("mail");
  QTest::addColumn<QString>("status");
  const QString orderer =
      QStringLiteral("ご注文者情報\nお名前：山田 太郎 様\n電話番号：03-3433-5111\n\n");
  QTest::newRow("no recipient's section")
      << orderer << QStringLiteral("お届け先の欄がないため、ご注文者の欄から転送しました");
  QTest::newRow("recipient same as orderer")
      << orderer + QStringLiteral("[送付先] ご注文者と同じ")
      << QStringLiteral("お届け先はご注文者と同じため、ご注文者の欄から転送しました");
}

void FormMainEntryTest::transferSaysWhenTheOrdererIsTheRecipient() {
  QFETCH(QString, mail);
  QFETCH(QString, status);
  Named<QPlainTextEdit>(*window_, "Memo1")->setPlainText(mail);
  QTest::mouseClick(Named<QPushButton>(*window_, "BitBtn_1"), Qt::LeftButton);
  QCOMPARE(Named<TCp932Edit>(*window_, "Edit_Custo1")->text(), QStringLiteral("山田 太郎"));
  QCOMPARE(window_->StatusText(), status);
}

void FormMainEntryTest::transferOfNothingSaysSoAndKeepsTheFields() {
  Named<TCp932Edit>(*window_, "Edit_Zip")->setText(QStringLiteral("1"));
  Named<QPlainTextEdit>(*window_, "Memo1")
      ->setPlainText(QStringLiteral("\n  \nhttp://example.jp\n"));
  QTest::mouseClick(Named<QPushButton>(*window_, "BitBtn_1"), Qt::LeftButton);
  QCOMPARE(harness_->boxes.notices, QStringList{QStringLiteral("転送テキストがありません")});
  QCOMPARE(Named<TCp932Edit>(*window_, "Edit_Zip")->text(), QStringLiteral("1"));
  QVERIFY(Named<QPlainTextEdit>(*window_, "Memo1")->document()->isEmpty());
  QCOMPARE(Named<QPlainTextEdit>(*window_, "Memo1")->palette().color(QPalette::Base),
           QColor(192, 192, 192));
}

// A megabyte on one line and a hundred thousand lines: only the first lines
// are read, and the memo holds the seven cleaned lines afterwards.
void FormMainEntryTest::transferOfAHugePasteFinishes() {
  QString huge = QStringLiteral("〒105-0011\n") + QString(1 << 20, u'a') + u'\n';
  for (int i = 0; i < 100000; ++i)
    huge += QStringLiteral("line\n");
  Named<QPlainTextEdit>(*window_, "Memo1")->setPlainText(huge);
  QTest::mouseClick(Named<QPushButton>(*window_, "BitBtn_1"), Qt::LeftButton);
  QCOMPARE(Named<TCp932Edit>(*window_, "Edit_Zip")->text(), QStringLiteral("105-0011"));
  QCOMPARE(Named<QPlainTextEdit>(*window_, "Memo1")->document()->blockCount(), 7);
}

QTEST_MAIN(FormMainEntryTest)
#include "form_main_entry_test.moc"
