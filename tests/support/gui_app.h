#pragma once
// Fonts and painting need a QGuiApplication; GoogleTest's main makes none, so
// the first test that paints creates one for the whole program (offscreen).

#include <QGuiApplication>

namespace ruvo::test {

inline void EnsureGuiApplication() {
  if (QGuiApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "ruvo_slip_tests";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
}

}  // namespace ruvo::test
