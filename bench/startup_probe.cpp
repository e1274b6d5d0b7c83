// One start of a window for ruvo_startup_bench: the program's own start
// ("window": its parts and main window, as main() makes them) or a bare Qt
// window of the same size with one Japanese line edit ("bare"). Prints
// "painted" and ends at once when the window's first paint is done.
#include <unistd.h>

#include <QApplication>
#include <QLineEdit>
#include <QPaintEvent>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <memory>

#include "app/form_main.h"
#include "app/program.h"

namespace {

// Ends the process right after the watched window's first paint: the
// time to that point is what the bench measures, not the tear-down.
class FirstPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      QTimer::singleShot(0, [] {
        std::fputs("painted\n", stdout);
        std::fflush(stdout);
        ::_exit(0);
      });
    }
    return QObject::eventFilter(watched, event);
  }
};

std::unique_ptr<QWidget> BareWindow() {
  auto window = std::make_unique<QWidget>();
  window->setFixedSize(682, 663);
  window->setFont(QFont(QStringLiteral("IPAPGothic")));
  auto* edit = new QLineEdit(QStringLiteral("東京都港区芝公園"), window.get());
  edit->setGeometry(114, 49, 440, 24);
  return window;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || (std::strcmp(argv[1], "window") != 0 && std::strcmp(argv[1], "bare") != 0)) {
    std::fputs("usage: ruvo_startup_probe window|bare\n", stderr);
    return 2;
  }
  QApplication application(argc, argv);
  std::unique_ptr<ruvo::app::Program> program;
  std::unique_ptr<QWidget> bare;
  QWidget* window = nullptr;
  if (std::strcmp(argv[1], "window") == 0) {
    program = std::make_unique<ruvo::app::Program>();
    window = &program->Window();
  } else {
    bare = BareWindow();
    window = bare.get();
  }
  FirstPaint firstPaint;
  window->installEventFilter(&firstPaint);
  window->show();
  return QApplication::exec();
}
