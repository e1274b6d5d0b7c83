#include "print/printer_watch.h"

#include <QGuiApplication>
#include <exception>

#include "print/printer_notices.h"
#include "widgets/qt_text.h"

namespace ruvo {
namespace {

// The visible printer now selected; empty when there is none (no default
// printer, a hidden one, or the service failing while it is looked up).
std::string SelectedPrinterName(TLmPrinter& printer) {
  try {
    const int number = printer.GetIndex();
    if (number < 0) return {};
    return printer.GetPrinterNames().at(static_cast<std::size_t>(number));
  } catch (const std::exception&) {
    return {};
  }
}

}  // namespace

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
  emit printersChanged(Cp932ToQString(PrintersChangedNotice(SelectedPrinterName(printer_))));
  return true;
}

}  // namespace ruvo
