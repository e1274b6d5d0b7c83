#pragma once
// One thing the slip renderer draws, in printer dots: a text of the slip, or
// a caption, line or box outline of the test sheet and the proof.

#include <cstdint>
#include <string>
#include <vector>

namespace ruvo {

enum class DrawShape : std::uint8_t {
  kText,   // `text` in `font`, its cell blanked white first: a value over the form's print
  kLabel,  // `text` in `font` over what is drawn already, nothing blanked: a caption
  kLine,   // a straight line from (x, y) to (x2, y2)
  kFrame,  // the outline of the rectangle with the corners (x, y) and (x2, y2)
};

enum class DrawInk : std::uint8_t {
  kBlack,
  kGrey,  // outlines laid over a slip's values, which stay readable through them
  kRed,   // what does not fit its box
};

struct DrawOp {
  std::string font;   // face as the slip layout names it (CP932), e.g. "ＭＳ Ｐ明朝"
  int pointSize = 0;  // points
  int x = 0;          // device dots from the origin of the printable area
  int y = 0;          // device dots; for a text, the top of the character cell
  std::string text;   // CP932; a text or label is never empty (an empty text is not drawn)
  DrawShape shape = DrawShape::kText;
  int x2 = 0;  // kLine, kFrame: the other end or corner, device dots
  int y2 = 0;
  // kLine, kFrame: the stroke's width in 1/100 mm on paper, centred on the
  // line; 0 draws the thinnest line the device has. Like the point size it
  // holds at any resolution.
  int pen = 0;
  DrawInk ink = DrawInk::kBlack;

  bool operator==(const DrawOp&) const = default;
};

using DrawList = std::vector<DrawOp>;

// A line or frame op (font and text empty).
inline DrawOp LineOp(DrawShape shape, int x, int y, int x2, int y2, int pen,
                     DrawInk ink = DrawInk::kBlack) {
  return DrawOp{{}, 0, x, y, {}, shape, x2, y2, pen, ink};
}

}  // namespace ruvo
