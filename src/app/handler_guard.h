#pragma once
// The one guard around every event handler of the windows: an exception
// that a handler raises stops that handler, is shown in the error box and
// never reaches Qt's event dispatch, so the program goes on.

#include <QObject>
#include <QString>
#include <exception>
#include <type_traits>
#include <utility>

#include "app/message_boxes.h"

class QWidget;

namespace ruvo::app {

// The error box's text for an error: the core's error said in Japanese
// (JapaneseErrorText) as Unicode, ending in a full stop
// ("「my0.txt」を読めません: ファイルがありません。").
QString ErrorBoxText(const std::exception& error);

class HandlerGuard {
 public:
  HandlerGuard(MessageBoxes& boxes, QWidget* owner) : boxes_(boxes), owner_(owner) {}

  // Runs `handler`; true when it ran to its end, false when it raised (the
  // error has then been shown).
  template <typename Handler>
  bool Run(Handler&& handler) noexcept {
    try {
      std::forward<Handler>(handler)();
      return true;
    } catch (const std::exception& error) {
      Show(ErrorBoxText(error));
    } catch (...) {
      Show(UnknownErrorText());
    }
    return false;
  }

  MessageBoxes& Boxes() { return boxes_; }

 private:
  void Show(const QString& text) noexcept;
  static QString UnknownErrorText();

  MessageBoxes& boxes_;
  QWidget* owner_;
};

// Connects `signal` of `sender` to `handler`, which runs inside `guard`,
// given the signal's arguments when it takes them; the connection ends with
// `context`. The windows connect every handler this way.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection ConnectGuarded(HandlerGuard& guard, Sender* sender, Signal signal,
                                       const QObject* context, Handler handler) {
  return QObject::connect(sender, signal, context, [&guard, handler](auto... arguments) {
    guard.Run([&] {
      if constexpr (std::is_invocable_v<const Handler&, decltype(arguments)...>) {
        handler(arguments...);
      } else {
        handler();
      }
    });
  });
}

}  // namespace ruvo::app
