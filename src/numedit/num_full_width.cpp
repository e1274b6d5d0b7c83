#include "numedit/num_full_width.h"

#include <array>

namespace ruvo {
namespace {

constexpr unsigned kFullWidthZero = 0x824F;  // ０
constexpr unsigned kFullWidthNine = 0x8258;  // ９

struct FullWidthSign {
  unsigned code;
  char ascii;
};

constexpr std::array<FullWidthSign, 2> kFullWidthSigns = {{
    {0x817C, '-'},  // － full-width minus
    {0x8144, '.'},  // ． full-width full stop
}};

}  // namespace

std::optional<char> FullWidthNumberCharToAscii(unsigned cp932Code) {
  if (cp932Code >= kFullWidthZero && cp932Code <= kFullWidthNine)
    return static_cast<char>('0' + (cp932Code - kFullWidthZero));
  for (const FullWidthSign& sign : kFullWidthSigns)
    if (sign.code == cp932Code) return sign.ascii;
  return std::nullopt;
}

}  // namespace ruvo
