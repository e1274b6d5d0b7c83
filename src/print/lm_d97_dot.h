#pragma once
// The slip renderer: a slip and the print values in force → the texts to draw.

#include "print/draw_op.h"
#include "print/slip_record.h"

namespace ruvo {

// Every value of the slip at its device position, in layout order. The
// resolution texts are the effective dots per inch (resolution × 100 ÷ scale);
// the margins are printer dots added unscaled. Throws ConversionError when a
// resolution or a non-empty margin text is no integer, before anything is
// listed, and SlipPositionError for a resolution below 1 dpi and when a
// margin moves every text off the page (or a position out of the int
// range). Nothing is listed for an empty text;
// a blank is a text.
DrawList SLIP97_Prn(const SlipRecord& slip, const SlipPrintValues& values);

}  // namespace ruvo
