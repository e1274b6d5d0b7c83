#include "app/slip_fit_notice.h"

#include "print/qt_text_measurer.h"
#include "print/slip_units.h"
#include "qt_text/qt_text.h"

namespace ruvo::app {

std::vector<FieldOverflow> MeasureSlipOverflows(const SlipRecord& slip,
                                                const SlipPrintValues& values) {
  try {
    return MeasureOverflows(slip, values, QtTextMeasurer());
  } catch (const ConversionError&) {
    return {};
  } catch (const SlipPositionError&) {
    return {};
  } catch (const SlipScaleError&) {
    return {};
  }
}

QStringList OverflowNotes(const std::vector<FieldOverflow>& overflows) {
  QStringList notes;
  for (const FieldOverflow& overflow : overflows)
    notes << Cp932ToQString(OverflowWarning(overflow));
  return notes;
}

}  // namespace ruvo::app
