#pragma once
// The slip renderer: a slip and the print values in force → the texts to draw.

#include <vector>

#include "print/draw_op.h"
#include "print/slip_layout.h"
#include "print/slip_record.h"

namespace ruvo {

// Every value of the slip at its device position, in layout order. The
// resolution texts are the effective dots per inch (resolution × 100 ÷ scale);
// the margins are printer dots added unscaled; the form's scale per axis
// (empty: 100.0 %) stretches every position around the form's origin.
// Throws ConversionError when a resolution, a non-empty margin or a
// non-empty scale text is no integer, before anything is listed,
// SlipScaleError for a scale outside 500 to 2000 per mille, and
// SlipPositionError for a resolution below 1 dpi and when a margin moves
// every text off the page (or a position out of the int range). Nothing is
// listed for an empty text; a blank is a text.
DrawList SLIP97_Prn(const SlipRecord& slip, const SlipPrintValues& values);

// A field of the layout that a slip shows (its switch is on), with its text
// placed as SLIP97_Prn places it; the text may be empty.
struct PlacedField {
  const SlipLayoutField* field;
  DrawOp op;
};

// Every field whose switch is on for `slip`, in layout order, empty texts
// included. Throws as SLIP97_Prn, except that it does not look whether any
// text reaches the page.
std::vector<PlacedField> PlaceSlipFields(const SlipRecord& slip, const SlipPrintValues& values);

}  // namespace ruvo
