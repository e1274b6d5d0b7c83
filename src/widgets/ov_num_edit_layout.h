#pragma once
// Where the numeric input box places its left mark, the room kept for the
// number, the number and its right mark, and where the caret stands.
//
// All coordinates are client pixels (inside the border). A rectangle spans
// [x, x + width) and [y, y + height), like a Windows RECT. Integer division
// truncates toward zero, as the arithmetic below relies on.

#include <QPoint>
#include <QRect>
#include <QSize>

#include "numedit/num_edit_settings.h"

namespace ruvo {

// Measured widths (TextWidth: 0 for an empty text, else extent + 1).
struct NumEditWidths {
  int leftMark = 0;   // L: 0 while the marks are hidden
  int reserved = 0;   // W: room kept for the number (its template's width)
  int number = 0;     // F: the number as shown
  int rightMark = 0;  // R: 0 while the marks are hidden
  int caretText = 0;  // the typed part of the number, without zero fill
};

struct NumEditGeometryInput {
  QSize client;
  NumEditLayout settings;  // alignments and margins
  int textHeight = 0;      // height of "M" in the box's font
  NumEditWidths widths;
};

struct NumEditGeometry {
  QRect leftMark;
  QRect reserved;
  QRect number;
  QRect rightMark;
  QPoint caret;  // top of the caret: right after the typed text
};

// Right alignment, 121 wide, margins 2, F = W = 30, no marks: the block
// starts at 121 - 2 - 1 - 30 = 88, the number spans 88..118, one pixel left
// of the right margin.
NumEditGeometry ComputeNumEditGeometry(const NumEditGeometryInput& in);

}  // namespace ruvo
