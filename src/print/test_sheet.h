#pragma once
// The test sheet: printed on plain paper at the margins and scale in force
// and laid over a blank form against the light, it shows at once how far
// the printer is off, read in millimetres from its rulers.

#include <cstddef>

#include "print/draw_op.h"
#include "print/slip_record.h"

namespace ruvo {

// The sheet as a draw list, every position placed as the slip's (the
// margins, the form's scale, the effective resolution): the outline of
// every field's box, its caption inside the box's top-left corner (once for
// a row of boxes such as the postal code's), a crosshair at each anchor
// (where a text's top-left corner stands), millimetre rulers from the
// form's origin along its top and left edges (a tick each millimetre,
// longer each 5 and 10, figures each 10), a large arrow pointing at the edge
// that enters the printer first, and the print values it was made with.
// The lone sender address line has no box of its own here: it stands
// between the two sender lines' boxes. Throws as SLIP97_Prn for print
// values it cannot read.
DrawList TestSheet(const SlipPrintValues& values);

// How many boxes the sheet outlines.
std::size_t TestSheetBoxCount();

}  // namespace ruvo
