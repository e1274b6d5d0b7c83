#include "app/message_boxes.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

#include "app/app_identity.h"

namespace ruvo::app {
namespace {

// What a title bar takes beside its text: the window icon and the buttons
// to minimise, maximise and close, as the common desktops draw them.
constexpr int kTitleBarExtras = 140;

// The desktop's title font is its own; a bold face a fifth larger than the
// application's is as wide as any of them draws the title.
int TitleWidth(const QString& title) {
  QFont font = QApplication::font();
  font.setBold(true);
  if (font.pixelSize() > 0) {
    font.setPixelSize(font.pixelSize() * 6 / 5);
  } else {
    font.setPointSizeF(font.pointSizeF() * 1.2);
  }
  return QFontMetrics(font).horizontalAdvance(title) + kTitleBarExtras;
}

}  // namespace

void FitTitle(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) return;
  grid->addItem(
      new QSpacerItem(TitleWidth(box.windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
      grid->rowCount(), 0, 1, grid->columnCount());
}

bool QtMessageBoxes::Ask(QWidget* parent, const QString& question) {
  QMessageBox box(QMessageBox::NoIcon, kAppTitle, question, QMessageBox::Yes | QMessageBox::No,
                  parent);
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::No);
  FitTitle(box);
  return box.exec() == QMessageBox::Yes;
}

void QtMessageBoxes::Notify(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, kAppTitle, text, QMessageBox::Ok, parent);
  FitTitle(box);
  box.exec();
}

void QtMessageBoxes::ShowError(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Critical, kAppTitle, text, QMessageBox::Ok, parent);
  FitTitle(box);
  box.exec();
}

}  // namespace ruvo::app
