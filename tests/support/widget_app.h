#pragma once
// Dialogs need a QApplication; GoogleTest's main makes none, so the first
// test that needs one creates it for the whole program (offscreen). A program
// whose tests also paint uses this one everywhere: a QApplication is a
// QGuiApplication, but not the other way round.

#include <QApplication>

namespace ruvo::test {

inline void EnsureWidgetApplication() {
  if (QApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "ruvo_print_tests";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
}

}  // namespace ruvo::test
