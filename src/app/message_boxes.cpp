#include "app/message_boxes.h"

#include <QMessageBox>

#include "app/app_identity.h"

namespace ruvo::app {

bool QtMessageBoxes::Ask(QWidget* parent, const QString& question) {
  QMessageBox box(QMessageBox::NoIcon, kAppTitle, question, QMessageBox::Yes | QMessageBox::No,
                  parent);
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

void QtMessageBoxes::Notify(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, kAppTitle, text, QMessageBox::Ok, parent);
  box.exec();
}

void QtMessageBoxes::ShowError(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Critical, kAppTitle, text, QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace ruvo::app
