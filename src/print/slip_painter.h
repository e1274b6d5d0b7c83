#pragma once
// Paints the slip renderer's draw operations on a QPainter.
//
// Each text is drawn left-aligned with the top of its character cell at the
// operation's y, in its ink on a solid white cell the size of the text, so
// the pre-printed box behind a value is blanked where the value stands; a
// label is drawn the same way without blanking anything. Point sizes and
// stroke widths are taken against the painter's device resolution (a
// 10-point text is 10/72 inch tall on the page whatever the dots per inch).
// The Windows faces the layout names are replaced by their installed
// stand-ins.

#include <QFont>

#include "print/draw_op.h"

class QPainter;

namespace ruvo {

void PaintDrawOp(QPainter& painter, const DrawOp& op);

void PaintDrawList(QPainter& painter, const DrawList& list);

// The same with fonts and strokes sized for a page of `dpi` dots per inch,
// whatever the device: a preview paints a printer's dots on a screen
// through the painter's scale (screen dpi ÷ `dpi`), and its texts keep
// their size against the boxes.
void PaintDrawOp(QPainter& painter, const DrawOp& op, int dpi);
void PaintDrawList(QPainter& painter, const DrawList& list, int dpi);

// The font a text op is painted in on a device of `dpi` dots per inch: the
// face's stand-in, sized in whole dots as the Windows font mapper sizes it
// (10 pt at 360 dpi → 50 dots).
QFont SlipFont(const DrawOp& op, int dpi);

}  // namespace ruvo
