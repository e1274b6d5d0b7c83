#pragma once
// Order files dropped on a window: a ".csv", ".txt" or ".tsv" file (a
// shop's export, Amazon's report, Excel's "Unicode text") dragged from the
// file manager onto the window or any of its fields is taken as the
// window's, where a field would otherwise take the file's name as text.
// Other drops go on as before.

#include <QObject>
#include <filesystem>
#include <functional>
#include <optional>

class QMimeData;
class QWidget;

namespace ruvo::app {

class OrderFileDrops : public QObject {
 public:
  // Watches `window` and every field in it that accepts drops; `open` runs
  // with the dropped file once the drop has ended, so that a dialog it shows
  // does not hold up the program the file came from.
  OrderFileDrops(QWidget* window, std::function<void(const std::filesystem::path&)> open);

  // The first local ".csv", ".txt" or ".tsv" file (letter case aside) among
  // dragged data.
  static std::optional<std::filesystem::path> OrderFileIn(const QMimeData* data);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  std::function<void(const std::filesystem::path&)> open_;
};

}  // namespace ruvo::app
