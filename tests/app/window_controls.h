#pragma once
// Finding the windows' controls as a user finds them, by their place: each
// has its objectName; the tests never reach into a band.

#include <QApplication>
#include <QCheckBox>
#include <QTimer>
#include <array>

#include "slip/slip_fields.h"

namespace ruvo::test {

// The control called `name` under `root`, found by its objectName as a user
// finds it by its place; a test looking for one the window lacks stops.
template <typename Control = QWidget>
Control* Named(const QObject& root, const char* name) {
  auto* control = root.findChild<Control*>(QString::fromLatin1(name));
  if (control == nullptr) qFatal("no control %s", name);
  return control;
}

// The window's five time-slot boxes, in order.
inline std::array<QCheckBox*, kTimeSlotCount> TimeSlotBoxes(const QObject& window) {
  std::array<QCheckBox*, kTimeSlotCount> boxes{};
  for (std::size_t slot = 0; slot < boxes.size(); ++slot) {
    const QByteArray name = "CheckBox_t" + QByteArray::number(slot + 1);
    boxes[slot] = Named<QCheckBox>(window, name.constData());
  }
  return boxes;
}

// Runs `act` on the modal dialog that `open` opens, once it stands; `act`
// closes it.
template <typename Dialog, typename Open, typename Act>
void WhileModal(Open open, Act act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) qFatal("no modal dialog");
    act(*dialog);
  });
  open();
}

}  // namespace ruvo::test
