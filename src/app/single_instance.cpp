#include "app/single_instance.h"

#include <pwd.h>
#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>

#include "app/app_identity.h"

namespace ruvo::app {
namespace {

// What a later start sends; anything else on the socket is ignored.
constexpr char kRaiseRequest[] = "raise\n";
// A running instance answers a connect at once; one that does not within
// this time is hung or gone, and a second window is the lesser evil.
constexpr int kConnectTimeoutMs = 1000;

QString UserName() {
  if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_name != nullptr)
    return QString::fromLocal8Bit(entry->pw_name);
  return QString::number(::getuid());
}

}  // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::InstanceNameFor(const QString& user, const QString& x11Display,
                                        const QString& waylandDisplay) {
  QString display = QStringLiteral("-");
  if (!waylandDisplay.isEmpty()) {
    display = waylandDisplay;
  } else if (!x11Display.isEmpty()) {
    display = x11Display;
    const qsizetype colon = display.lastIndexOf(u':');
    const qsizetype screen = display.indexOf(u'.', colon < 0 ? 0 : colon);
    if (colon >= 0 && screen > colon) display.truncate(screen);
  }
  display.replace(u'/', u'_');
  return kAppTitle + u'-' + user + u'-' + display;
}

QString SingleInstance::InstanceName() {
  const QString name = InstanceNameFor(UserName(), qEnvironmentVariable("DISPLAY"),
                                       qEnvironmentVariable("WAYLAND_DISPLAY"));
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  return runtime.isEmpty() ? name : runtime + u'/' + name;
}

bool SingleInstance::AnotherIsRunning() {
  if (TellRunningInstance()) return true;
  Listen();
  return false;
}

bool SingleInstance::TellRunningInstance() {
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
  socket.write(kRaiseRequest);
  socket.waitForBytesWritten(kConnectTimeoutMs);
  socket.disconnectFromServer();
  return true;
}

// Nobody answered on the name, so a socket file under it is a crashed
// instance's leftover: remove it, or listening fails.
void SingleInstance::Listen() {
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  QLocalServer::removeServer(name_);
  if (!server_->listen(name_)) return;  // no socket: the program still runs, alone or not
  connect(server_, &QLocalServer::newConnection, this, &SingleInstance::OnNewConnection);
}

void SingleInstance::OnNewConnection() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      while (socket->canReadLine()) {
        if (socket->readLine() == kRaiseRequest) emit raiseRequested();
      }
    });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
  }
}

}  // namespace ruvo::app
