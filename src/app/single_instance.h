#pragma once
// One running program per user. The first start listens on a local socket
// named from the application title and the user; a later start connects
// to it, asks the running program to bring its window forward, and ends
// without making a window of its own.

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

  // "◇ruvo_Rezovod-<user>".
  static QString InstanceName();

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
