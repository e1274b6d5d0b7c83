#pragma once
// What the window says about the texts of a slip that do not fit their
// boxes, measured with the fonts that print them.

#include <QString>
#include <QStringList>
#include <vector>

#include "print/slip_fit.h"

namespace ruvo::app {

// The fields of `slip` whose text runs out of its box at `values`. Values
// the layout cannot read give none: printing then says what is wrong.
std::vector<FieldOverflow> MeasureSlipOverflows(const SlipRecord& slip,
                                                const SlipPrintValues& values);

// One warning a field: 「おなまえが枠に収まりません (3.6 mm はみ出します)」.
QStringList OverflowNotes(const std::vector<FieldOverflow>& overflows);

}  // namespace ruvo::app
