#pragma once
// Notices that the installed printers changed. This platform announces no
// settings change, so the layer's snapshot is re-taken whenever the
// application becomes active again and whenever the printer dialog closes;
// when it differs, the layer has fallen back to the system default printer
// and printersChanged() tells the window to show the selection anew.

#include <QObject>

#include "print/lm_printers.h"

namespace ruvo {

class PrinterWatch : public QObject {
  Q_OBJECT

 public:
  // Watches the application's activation; needs a QGuiApplication.
  explicit PrinterWatch(TLmPrinter& printer, QObject* parent = nullptr);

  // Re-takes the snapshot now; true (and printersChanged) when it differed.
  // Never throws: a print service that cannot answer counts as unchanged.
  bool CheckPrinters();

 signals:
  void printersChanged();

 private:
  TLmPrinter& printer_;
};

}  // namespace ruvo
