#pragma once
// Whether a slip's texts can reach the paper at all once the margins have
// moved them: a margin that puts every text off the page would print a
// blank page and report success.

#include "print/draw_op.h"

namespace ruvo {

// The longest page a printer is given, in points: a PPD without a real limit
// declares MaxMediaWidth and MaxMediaHeight of 100000 (about 35 m).
inline constexpr long long kLongestPagePoints = 100000;

// Throws SlipPositionError ("top margin 500000 puts every text of the slip
// off the page") when a margin alone is at least the longest page at its
// resolution: the layout is shorter than that, so no text can stay on any
// page. Checked before the layout, so that no position leaves the int range.
void ThrowIfMarginIsBeyondAnyPage(int dpiX, int dpiY, int top, int left);

// Throws SlipPositionError naming the margin ("top margin -2147483648 puts
// every text of the slip off the page") when no text of `list` can show a
// dot on a page at `dpiX` × `dpiY`. A text's cell counts as one em per byte
// wide and one em tall, so only a slip that certainly shows nothing is
// refused. An empty list is no error.
void ThrowIfEveryTextIsOffThePage(const DrawList& list, int dpiX, int dpiY, int top, int left);

}  // namespace ruvo
