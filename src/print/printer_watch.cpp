#include "print/printer_watch.h"

#include <QGuiApplication>
#include <exception>

namespace ruvo {

PrinterWatch::PrinterWatch(TLmPrinter& printer, QObject* parent)
    : QObject(parent), printer_(printer) {
  connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
          [this](Qt::ApplicationState state) {
            if (state == Qt::ApplicationActive) CheckPrinters();
          });
}

bool PrinterWatch::CheckPrinters() {
  try {
    if (!printer_.OnSettingsChange()) return false;
  } catch (const std::exception&) {
    return false;
  }
  emit printersChanged();
  return true;
}

}  // namespace ruvo
