#pragma once
// One running program per user and login session. The first start listens
// on a local socket named from the application title, the user and the
// session's display; a later start in the same session connects to it, asks
// the running program to bring its window forward, and ends without making a
// window of its own. A start on another display (a remote session beside the
// local one) is another session and opens its own window there.

#include <QObject>
#include <QString>

class QLocalServer;

namespace ruvo::app {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // `name` is the socket's name (InstanceName() for the program).
  explicit SingleInstance(QString name, QObject* parent = nullptr);
  ~SingleInstance() override;

  // True when another instance answered and was asked to come forward; this
  // one should then end. Otherwise this instance now listens (a name left
  // by a crashed instance, which nobody answers on, is removed first).
  bool AnotherIsRunning();

  // The program's socket: InstanceNameFor the user and the display this
  // process shows its windows on (WAYLAND_DISPLAY, else DISPLAY), in the
  // user's runtime folder XDG_RUNTIME_DIR, or the temporary folder without
  // one.
  static QString InstanceName();
  // "◇ruvo_Rezovod-<user>-<display>": the display without its screen
  // (":0.1" is display ":0"), "/" as "_"; a Wayland display by its name
  // ("wayland-0"); "-" for none (the offscreen platform).
  static QString InstanceNameFor(const QString& user, const QString& x11Display,
                                 const QString& waylandDisplay);

 signals:
  // A later start asked this instance to restore and raise its window.
  void raiseRequested();

 private:
  bool TellRunningInstance();
  void Listen();
  void OnNewConnection();

  QString name_;
  QLocalServer* server_ = nullptr;
};

}  // namespace ruvo::app
