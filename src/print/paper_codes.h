#pragma once
// Platform codes for the paper sizes and sources a CUPS queue offers, in the
// Windows numbering (DMPAPER_*, DMBIN_*) that the layer's lists carry, so
// that a code means the same paper or tray whatever the platform.

#include <cstdint>
#include <string_view>

namespace ruvo {

// First code handed out for sizes or sources without a standard code
// (DMPAPER_USER / DMBIN_USER); the n-th such entry of a list gets base + n.
inline constexpr std::uint16_t kUserPaperCodeBase = 256;

// Code of a PPD InputSlot choice ("Upper" → 1, DMBIN_UPPER), or 0 when the
// choice has no standard code.
std::uint16_t PaperSourceCode(std::string_view inputSlot);

// Code of a paper size from its Windows paper id (QPageSize::windowsId);
// ids outside the 16-bit range or 0 have no standard code and give 0.
std::uint16_t PaperSizeCode(int windowsId);

}  // namespace ruvo
