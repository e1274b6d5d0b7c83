// One start of a window for ruvo_startup_bench: the program's own start
// ("window": its parts and main window, as main() makes them) or a bare Qt
// window of the same size with one Japanese line edit ("bare"). Prints
// "painted" and ends at once when the window's first paint is done.
//
// For ruvo_exit_bench ("exit"): the program's own start in the current
// folder; once its start-up has run, prints "F2", presses F2, answers the
// question with Yes and ends as main() ends.
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPaintEvent>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <cstring>
#include <memory>

#include "app/cp932_line_edit.h"
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

// Presses F2 once the start-up has run and answers "終了しますか?" with Yes.
class QuitWithF2 : public QObject {
 public:
  explicit QuitWithF2(ruvo::app::TForm_Main& window) : window_(window) {
    QTimer::singleShot(0, this, [this] { PressWhenStarted(); });
  }

 private:
  void PressWhenStarted() {
    // A box of the start-up (no printer here) is told and closed.
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      std::fprintf(stderr, "start-up: %s\n", qPrintable(box->text()));
      box->done(QMessageBox::Ok);
    }
    if (!window_.StartupDone()) {
      QTimer::singleShot(1, this, [this] { PressWhenStarted(); });
      return;
    }
    // A quit follows a change, as after a slip typed and printed: the exit
    // then has the settings file to write.
    auto* goods = window_.findChild<ruvo::app::TCp932Edit*>(QStringLiteral("Edit_G1"));
    goods->setText(goods->text() == QStringLiteral("書籍") ? QStringLiteral("雑貨")
                                                           : QStringLiteral("書籍"));
    std::fputs("F2\n", stdout);
    std::fflush(stdout);
    QTimer::singleShot(0, this, [this] { AnswerYes(); });
    window_.findChild<QToolButton*>(QStringLiteral("SpeedButton_F2"))->click();
  }
  void AnswerYes() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      QTimer::singleShot(1, this, [this] { AnswerYes(); });
      return;
    }
    box->button(QMessageBox::Yes)->click();
  }

  ruvo::app::TForm_Main& window_;
};

}  // namespace

int main(int argc, char** argv) {
  const bool known =
      argc == 2 && (std::strcmp(argv[1], "window") == 0 || std::strcmp(argv[1], "bare") == 0 ||
                    std::strcmp(argv[1], "exit") == 0);
  if (!known) {
    std::fputs("usage: ruvo_startup_probe window|bare|exit\n", stderr);
    return 2;
  }
  QApplication application(argc, argv);
  if (std::strcmp(argv[1], "exit") == 0) {
    ruvo::app::Program program(std::filesystem::current_path());
    QuitWithF2 quit(program.Window());
    program.Window().show();
    return QApplication::exec();
  }
  std::unique_ptr<ruvo::app::Program> program;
  std::unique_ptr<QWidget> bare;
  QWidget* window = nullptr;
  if (std::strcmp(argv[1], "window") == 0) {
    program = std::make_unique<ruvo::app::Program>(std::filesystem::current_path());
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
