#pragma once
// Paints the slip renderer's draw operations on a QPainter.
//
// Each text is drawn left-aligned with the top of its character cell at the
// operation's y, in black on a solid white cell the size of the text, so the
// pre-printed box behind a value is blanked where the value stands. Point
// sizes are taken against the painter's device resolution (a 10-point text is
// 10/72 inch tall on the page whatever the dots per inch). The Windows faces
// the layout names are replaced by their installed stand-ins.

#include "print/draw_op.h"

class QPainter;

namespace ruvo {

void PaintDrawOp(QPainter& painter, const DrawOp& op);

void PaintDrawList(QPainter& painter, const DrawList& list);

}  // namespace ruvo
