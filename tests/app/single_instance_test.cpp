// One running program per user: a later start finds the running one and
// asks it to come forward; a socket left by a crashed one blocks nothing.
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
  void nameIsTheTitleAndTheUser();

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

void SingleInstanceTest::nameIsTheTitleAndTheUser() {
  QVERIFY(SingleInstance::InstanceName().startsWith(QStringLiteral("◇ruvo_Rezovod-")));
  QVERIFY(SingleInstance::InstanceName().size() > 14);
}

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
