#include "app/handler_guard.h"

#include "qt_text/qt_text.h"
#include "slip/error_texts.h"

namespace ruvo::app {

QString ErrorBoxText(const std::exception& error) {
  QString text = Cp932ToQString(JapaneseErrorText(error));
  // A sentence ends in its own script's full stop: "…空です。", "… failed.".
  if (text.isEmpty() || text.endsWith(u'.') || text.endsWith(u'。')) return text;
  text += text.back().unicode() < 0x80 ? u'.' : u'。';
  return text;
}

QString HandlerGuard::UnknownErrorText() {
  return QStringLiteral("不明なエラーが発生しました。");
}

// Showing the box may itself fail (no memory); nothing may escape the guard.
void HandlerGuard::Show(const QString& text) noexcept {
  try {
    boxes_.ShowError(owner_, text);
  } catch (...) {
  }
}

}  // namespace ruvo::app
