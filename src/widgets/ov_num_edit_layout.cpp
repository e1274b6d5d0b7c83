#include "widgets/ov_num_edit_layout.h"

namespace ruvo {
namespace {

int BlockWidth(const NumEditWidths& w) {
  return w.leftMark + w.reserved + w.rightMark;
}

// The middle of the room between the side margins, the axis of taCenter.
int CentreLine(const NumEditGeometryInput& in) {
  const NumEditLayout& s = in.settings;
  return s.leftMargin + (in.client.width() - s.leftMargin - s.rightMargin) / 2;
}

int BlockLeft(const NumEditGeometryInput& in) {
  const NumEditLayout& s = in.settings;
  const int total = BlockWidth(in.widths);
  switch (s.alignment) {
    case taLeftJustify:
      return s.leftMargin;
    case taRightJustify:
      return in.client.width() - s.rightMargin - 1 - total;
    case taCenter:
      return CentreLine(in) - total / 2;
  }
  return s.leftMargin;
}

int LineTop(const NumEditGeometryInput& in) {
  const NumEditLayout& s = in.settings;
  const int height = in.client.height();
  switch (s.vertAlignment) {
    case taTopJustify:
      return s.topMargin;
    case taBottomJustify:
      return height - in.textHeight - s.bottomMargin;
    case taVCenter:
      return (height - in.textHeight - s.topMargin - s.bottomMargin) / 2 + s.topMargin;
  }
  return s.topMargin;
}

// taCenter measures the right mark back from the centre line plus half the
// block, so an odd block width puts it one pixel further left than the end
// of the reserved room.
int RightMarkLeft(const NumEditGeometryInput& in, int reservedRight) {
  if (in.settings.alignment != taCenter) return reservedRight;
  return CentreLine(in) + BlockWidth(in.widths) / 2 - in.widths.rightMark;
}

}  // namespace

NumEditGeometry ComputeNumEditGeometry(const NumEditGeometryInput& in) {
  const NumEditWidths& w = in.widths;
  const int x0 = BlockLeft(in);
  const int y = LineTop(in);
  const int h = in.textHeight;
  const int reservedRight = x0 + w.leftMark + w.reserved;
  NumEditGeometry out;
  out.leftMark = QRect(x0, y, w.leftMark, h);
  out.reserved = QRect(x0 + w.leftMark, y, w.reserved, h);
  out.number = QRect(reservedRight - w.number, y, w.number, h);
  out.rightMark = QRect(RightMarkLeft(in, reservedRight), y, w.rightMark, h);
  out.caret = QPoint(out.number.left() + w.caretText - 1, y);
  return out;
}

}  // namespace ruvo
