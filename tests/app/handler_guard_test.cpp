// The guard around every handler: what it shows and that nothing escapes;
// and the boxes it shows in.
#include "app/handler_guard.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTranslator>
#include <cerrno>
#include <stdexcept>

#include "app/app_fakes.h"
#include "app/qt_japanese.h"
#include "print/lm_printer_errors.h"
#include "settings/file_errors.h"
#include "support/test_text.h"
#include "transfer/user_message_error.h"

using ruvo::app::HandlerGuard;

class HandlerGuardTest : public QObject {
  Q_OBJECT

 private slots:
  void errorStopsTheHandlerAndIsShown_data();
  void errorStopsTheHandlerAndIsShown();
  void handlerThatEndsShowsNothing();
  void qtButtonsSpeakJapanese();
  void boxIsAsWideAsItsTitle();
};

// The box says the core's error in Japanese (JapaneseErrorText has the
// whole table); an error the program does not know keeps its own text.
void HandlerGuardTest::errorStopsTheHandlerAndIsShown_data() {
  QTest::addColumn<QString>("kind");
  QTest::addColumn<QString>("shown");
  QTest::newRow("the printer layer's error")
      << "no printer"
      << "使えるプリンタがありません。プリンタを追加してください。";
  QTest::newRow("a file error names its file")
      << "disk full"
      << "「ruvo_Rezovod.ini」に書き込めません: ディスクの空きがありません。";
  QTest::newRow("an unknown error from CP932") << "unknown"
                                               << "エラーが発生しました (登録できません)。";
  QTest::newRow("the user's own sentence ends in a Japanese full stop") << "sentence"
                                                                        << "氏名が空です。";
}

void HandlerGuardTest::errorStopsTheHandlerAndIsShown() {
  QFETCH(QString, kind);
  QFETCH(QString, shown);
  ruvo::test::ScriptedMessageBoxes boxes;
  HandlerGuard guard(boxes, nullptr);
  bool after = false;
  const bool ended = guard.Run([&] {
    if (kind == u"no printer") throw ruvo::ELmPrinterNoPrinter();
    if (kind == u"disk full") throw ruvo::settings::FileWriteError("ruvo_Rezovod.ini", ENOSPC);
    if (kind == u"sentence") throw ruvo::UserMessageError(ruvo::test::Sj("氏名が空です"));
    throw std::runtime_error(ruvo::test::Sj("登録できません"));
    after = true;
  });
  QVERIFY(!ended);
  QVERIFY(!after);
  QCOMPARE(boxes.errors, QStringList{shown});
}

void HandlerGuardTest::handlerThatEndsShowsNothing() {
  ruvo::test::ScriptedMessageBoxes boxes;
  HandlerGuard guard(boxes, nullptr);
  QVERIFY(guard.Run([] {}));
  QVERIFY(!guard.Run([] { throw 42; }));
  QCOMPARE(boxes.errors.size(), 1);
}

// Without the installed translation the boxes would ask in Japanese and
// answer "Yes"/"No".
void HandlerGuardTest::qtButtonsSpeakJapanese() {
  QTranslator translator;
  QVERIFY(ruvo::app::InstallQtJapanese(translator));
  QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("はい(&Y)"));
  QCoreApplication::removeTranslator(&translator);
}

// A box sized to a short question would have the desktop cut its title.
void HandlerGuardTest::boxIsAsWideAsItsTitle() {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("◇ruvo_Rezovod"),
                  QStringLiteral("印刷しますか?"), QMessageBox::Yes | QMessageBox::No);
  const int narrow = box.sizeHint().width();
  ruvo::app::FitTitle(box);
  QFont bold = QApplication::font();
  bold.setBold(true);
  const int title = QFontMetrics(bold).horizontalAdvance(box.windowTitle());
  QVERIFY2(box.sizeHint().width() >= title + 100, qPrintable(QString::number(title)));
  QVERIFY(box.sizeHint().width() > narrow);
}

QTEST_MAIN(HandlerGuardTest)
#include "handler_guard_test.moc"
#include "transfer/user_message_error.h"
