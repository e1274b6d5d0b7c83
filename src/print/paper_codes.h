#pragma once
// Platform codes for the paper sizes and sources a CUPS queue offers, in the
// Windows numbering (DMPAPER_*, DMBIN_*) that the layer's lists carry, so
// that a code means the same paper or tray whatever the platform.

#include <cstdint>
#include <string_view>
#include <vector>

namespace ruvo {

// First code handed out for sizes or sources without a standard code
// (DMPAPER_USER / DMBIN_USER); standard codes all lie below it.
inline constexpr std::uint16_t kUserPaperCodeBase = 256;

// Code of a PPD InputSlot choice ("Upper" → 1, DMBIN_UPPER), or 0 when the
// choice has no standard code.
std::uint16_t PaperSourceCode(std::string_view inputSlot);

// Code of a paper size from its Windows paper id (QPageSize::windowsId), or
// 0 when the id is no standard code: 0, negative, or DMPAPER_USER (256) and
// above, which Qt gives every size it knows no Windows paper for (11x14,
// 13x19, RA0, SRA3, ... all come as 256).
std::uint16_t PaperSizeCode(int windowsId);

// The codes of one printer's paper sizes (or sources), one per entry and all
// different, from each entry's standard code (0: none). An entry keeps its
// standard code unless an earlier entry took it; the others are numbered on
// from kUserPaperCodeBase in list order. A code chosen from a list therefore
// names exactly one entry, and the same list always gets the same codes.
// {9, 0, 1, 9, 0} → {9, 256, 1, 257, 258}
std::vector<std::uint16_t> DistinctCodes(const std::vector<std::uint16_t>& standardCodes);

}  // namespace ruvo
