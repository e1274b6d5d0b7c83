#include "app/order_file_drops.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <algorithm>

namespace ruvo::app {
namespace {

constexpr const char16_t* kOrderFileEndings[] = {u".csv", u".txt", u".tsv"};

bool IsOrderFileName(const QString& file) {
  return std::any_of(std::begin(kOrderFileEndings), std::end(kOrderFileEndings),
                     [&](const char16_t* ending) {
                       return file.endsWith(QString::fromUtf16(ending), Qt::CaseInsensitive);
                     });
}

}  // namespace

OrderFileDrops::OrderFileDrops(QWidget* window,
                               std::function<void(const std::filesystem::path&)> open)
    : QObject(window), window_(window), open_(std::move(open)) {
  window->setAcceptDrops(true);
  window->installEventFilter(this);
  // Fields of the window itself, not of its dialogs.
  for (QWidget* child : window->findChildren<QWidget*>()) {
    if (child->acceptDrops() && child->window() == window) child->installEventFilter(this);
  }
}

std::optional<std::filesystem::path> OrderFileDrops::OrderFileIn(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return std::nullopt;
  for (const QUrl& url : data->urls()) {
    const QString file = url.toLocalFile();
    if (!file.isEmpty() && IsOrderFileName(file)) {
      return std::filesystem::path(file.toStdString());
    }
  }
  return std::nullopt;
}

bool OrderFileDrops::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
    return QObject::eventFilter(watched, event);
  }
  auto* drop = static_cast<QDropEvent*>(event);
  const std::optional<std::filesystem::path> file = OrderFileIn(drop->mimeData());
  if (!file) return QObject::eventFilter(watched, event);
  drop->acceptProposedAction();
  if (type == QEvent::Drop) {
    QMetaObject::invokeMethod(
        window_, [this, opened = *file] { open_(opened); }, Qt::QueuedConnection);
  }
  return true;
}

}  // namespace ruvo::app
