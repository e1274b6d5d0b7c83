#include "app/field_keys.h"

#include <QKeyEvent>
#include <QWidget>

#include "app/handler_guard.h"

namespace ruvo::app {
namespace {

// The function keys that run a command from any field.
constexpr int kCommandKeys[][2] = {{Qt::Key_F2, 2}, {Qt::Key_F3, 3},  {Qt::Key_F5, 5},
                                   {Qt::Key_F6, 6}, {Qt::Key_F7, 7},  {Qt::Key_F8, 8},
                                   {Qt::Key_F9, 9}, {Qt::Key_F11, 11}};

}  // namespace

FieldKeys::FieldKeys(HandlerGuard& guard, Commands commands, QObject* parent)
    : QObject(parent), guard_(guard), commands_(std::move(commands)) {}

void FieldKeys::Watch(QWidget* field, KeyRoute route) {
  routes_.insert(field, route);
  field->installEventFilter(this);
}

bool FieldKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto route = routes_.constFind(watched);
  if (route == routes_.constEnd()) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  bool handled = false;
  guard_.Run([&] { handled = Handle(*route, key); });
  return handled;
}

bool FieldKeys::Handle(const KeyRoute& route, int key) {
  for (const auto& [qtKey, number] : kCommandKeys) {
    if (key == qtKey) {
      commands_.functionKey(number);
      return true;
    }
  }
  if (key == Qt::Key_Up) {
    if (!route.upMovesBack) return false;
    commands_.moveFocus(false);
    return true;
  }
  if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
  if (route.enterCompletesAddress) commands_.completeAddress();
  if (route.enter == EnterMove::kNext) commands_.moveFocus(true);
  if (route.enter == EnterMove::kToGoods) commands_.focusGoods();
  return true;
}

}  // namespace ruvo::app
