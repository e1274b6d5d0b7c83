#pragma once
// Notices that the installed printers changed. This platform announces no
// settings change, so the layer's snapshot is re-taken whenever the
// application becomes active again and whenever the printer dialog closes;
// when it differs, the layer has fallen back to the system default printer
// and printersChanged() tells the window to show the selection anew and
// which printer the next slip now goes to.

#include <QObject>
#include <QString>

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
  // The selection was reset to the system default printer. `notice` is the
  // status-bar text naming the printer now selected (PrintersChangedNotice),
  // or saying that none is.
  void printersChanged(const QString& notice);

 private:
  TLmPrinter& printer_;
};

}  // namespace ruvo
