#include "print/qt_text_measurer.h"

#include <QFontMetricsF>

#include "print/slip_painter.h"
#include "print/slip_units.h"
#include "qt_text/qt_text.h"

namespace ruvo {

double QtTextMeasurer::TextWidthMm(const DrawOp& op, int dpi) const {
  const QFontMetricsF metrics(SlipFont(op, dpi));
  return metrics.horizontalAdvance(Cp932ToQString(op.text)) * kMmPerInch / dpi;
}

}  // namespace ruvo
