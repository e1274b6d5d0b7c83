#pragma once
// Notices that the installed printers changed. This platform announces no
// settings change, so the layer's snapshot is re-taken whenever the
// application becomes active again, whenever the printer dialog closes and
// before a slip is printed; when it differs, the layer has fallen back to
// the system default printer (or to none), and printersChanged() tells the
// window to select the printer in force again by its name.

#include <QObject>

#include "print/lm_printers.h"

namespace ruvo {

class PrinterWatch : public QObject {
  Q_OBJECT

 public:
  // Watches the application's activation; needs a QGuiApplication.
  explicit PrinterWatch(TLmPrinter& printer, QObject* parent = nullptr);

  // Re-takes the snapshot now; true (and printersChanged) when it differed.
  // Never throws: a print service that cannot answer counts as unchanged,
  // and so does a queue that the service stopped or started by itself.
  bool CheckPrinters();

 signals:
  // The layer's selection was reset: whatever printer was selected is not
  // selected any more until it is selected again.
  void printersChanged();

 private:
  TLmPrinter& printer_;
};

}  // namespace ruvo
