// The guard around every handler: what it shows and that nothing escapes.
#include "app/handler_guard.h"

#include <QTest>
#include <QTranslator>
#include <stdexcept>

#include "app/app_fakes.h"
#include "app/qt_japanese.h"
#include "settings/file_errors.h"
#include "test_text.h"

using ruvo::app::HandlerGuard;

class HandlerGuardTest : public QObject {
  Q_OBJECT

 private slots:
  void errorStopsTheHandlerAndIsShown_data();
  void errorStopsTheHandlerAndIsShown();
  void handlerThatEndsShowsNothing();
  void qtButtonsSpeakJapanese();
};

void HandlerGuardTest::errorStopsTheHandlerAndIsShown_data() {
  QTest::addColumn<QString>("thrown");  // UTF-8, thrown as CP932
  QTest::addColumn<QString>("shown");
  QTest::newRow("a full stop is added") << "TLmPrinter.CheckNoPrinter: No Printer"
                                        << "TLmPrinter.CheckNoPrinter: No Printer.";
  QTest::newRow("one is enough") << "done."
                                 << "done.";
  QTest::newRow("Japanese text from CP932") << "ruvo_Rezovod.ini に書き込めません: No space"
                                            << "ruvo_Rezovod.ini に書き込めません: No space.";
  QTest::newRow("a Japanese full stop ends it") << "登録できません。"
                                                << "登録できません。";
}

void HandlerGuardTest::errorStopsTheHandlerAndIsShown() {
  QFETCH(QString, thrown);
  QFETCH(QString, shown);
  ruvo::test::ScriptedMessageBoxes boxes;
  HandlerGuard guard(boxes, nullptr);
  bool after = false;
  const bool ended = guard.Run([&] {
    throw std::runtime_error(ruvo::test::Sj(thrown.toStdString()));
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

QTEST_GUILESS_MAIN(HandlerGuardTest)
#include "handler_guard_test.moc"
