#pragma once
// The keys of the main window's fields. Each band hands its fields over with
// the way each walks: Enter goes to the next field, Up back to the one
// before, and the function keys run their commands wherever the caret is.
// The window says what each move and command does.

#include <QHash>
#include <QObject>
#include <functional>

class QWidget;

namespace ruvo::app {

class HandlerGuard;

// What Enter does in a field; the key never reaches the field (it would type
// a character).
enum class EnterMove {
  kNext,     // the next field of the tab order
  kToGoods,  // the first goods line, past the date row
  kStay,     // nothing: the Enter path ends here
};

struct KeyRoute {
  bool upMovesBack = true;
  EnterMove enter = EnterMove::kNext;
  bool enterCompletesAddress = false;  // Enter first fills a blank address from the postal code
};

class FieldKeys : public QObject {
 public:
  struct Commands {
    std::function<void(int number)> functionKey;  // F2, F3, F5 … F9, F11: the key's number
    std::function<void(bool next)> moveFocus;     // along the tab order
    std::function<void()> focusGoods;
    std::function<void()> completeAddress;
  };

  // Each command runs inside `guard`.
  FieldKeys(HandlerGuard& guard, Commands commands, QObject* parent);

  // Routes the keys of `field`.
  void Watch(QWidget* field, KeyRoute route);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // At most one action per key; true when the key was used.
  bool Handle(const KeyRoute& route, int key);

  HandlerGuard& guard_;
  Commands commands_;
  QHash<QObject*, KeyRoute> routes_;
};

}  // namespace ruvo::app
