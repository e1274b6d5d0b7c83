#pragma once
// One text that the slip renderer draws, in printer dots.

#include <string>
#include <vector>

namespace ruvo {

struct DrawOp {
  std::string font;   // face as the slip layout names it (CP932), e.g. "ＭＳ Ｐ明朝"
  int pointSize = 0;  // points
  int x = 0;          // device dots from the origin of the printable area
  int y = 0;          // device dots; the top of the character cell
  std::string text;   // CP932; never empty (an empty text is not drawn at all)

  bool operator==(const DrawOp&) const = default;
};

using DrawList = std::vector<DrawOp>;

}  // namespace ruvo
