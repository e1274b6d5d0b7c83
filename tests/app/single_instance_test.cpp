// One running program per user and display: a later start finds the running
// one and asks it to come forward; a socket left by a crashed one blocks
// nothing.
#include "app/single_instance.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <cstring>

using ruvo::app::SingleInstance;

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void laterStartAsksTheRunningOneToComeForward();
  void socketOfACrashedInstanceBlocksNothing();
  void nameIsTheTitleTheUserAndTheDisplay_data();
  void nameIsTheTitleTheUserAndTheDisplay();

 private:
  // A name of this test run's own, so parallel runs do not meet.
  static QString TestName() {
    return QStringLiteral("ruvo-single-instance-test-%1").arg(QCoreApplication::applicationPid());
  }
};

void SingleInstanceTest::laterStartAsksTheRunningOneToComeForward() {
  SingleInstance first(TestName());
  QVERIFY(!first.AnotherIsRunning());
  QSignalSpy raised(&first, &SingleInstance::raiseRequested);
  SingleInstance second(TestName());
  QVERIFY(second.AnotherIsRunning());
  QVERIFY(raised.wait(5000));
}

// A crashed instance leaves its socket file: nobody answers on it, so the
// next start removes it and listens itself.
void SingleInstanceTest::socketOfACrashedInstanceBlocksNothing() {
  const QByteArray path = QDir::temp().filePath(TestName()).toLocal8Bit();
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
  QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(fd);  // the file stays, as after a crash
  QVERIFY(QFile::exists(QString::fromLocal8Bit(path)));
  SingleInstance next(TestName());
  QVERIFY(!next.AnotherIsRunning());
  SingleInstance later(TestName());
  QVERIFY(later.AnotherIsRunning());
}

// A start on another display (a remote session beside the local one) is
// another instance; the screens of one display are one.
void SingleInstanceTest::nameIsTheTitleTheUserAndTheDisplay_data() {
  QTest::addColumn<QString>("x11");
  QTest::addColumn<QString>("wayland");
  QTest::addColumn<QString>("name");
  QTest::newRow("local display") << ":0"
                                 << ""
                                 << "◇ruvo_Rezovod-ann-:0";
  QTest::newRow("its second screen") << ":0.1"
                                     << ""
                                     << "◇ruvo_Rezovod-ann-:0";
  QTest::newRow("remote session") << "localhost:10.0"
                                  << ""
                                  << "◇ruvo_Rezovod-ann-localhost:10";
  QTest::newRow("display as a path") << "/tmp/launch-x/org.x:0"
                                     << ""
                                     << "◇ruvo_Rezovod-ann-_tmp_launch-x_org.x:0";
  QTest::newRow("Wayland first") << ":1"
                                 << "wayland-0"
                                 << "◇ruvo_Rezovod-ann-wayland-0";
  QTest::newRow("no display") << ""
                              << ""
                              << "◇ruvo_Rezovod-ann--";
}

void SingleInstanceTest::nameIsTheTitleTheUserAndTheDisplay() {
  QFETCH(QString, x11);
  QFETCH(QString, wayland);
  QFETCH(QString, name);
  QCOMPARE(SingleInstance::InstanceNameFor(QStringLiteral("ann"), x11, wayland), name);
}

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
