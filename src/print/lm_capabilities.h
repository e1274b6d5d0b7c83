#pragma once
// The capability set: which document-settings fields a printer's driver
// declares, one bit per flag of a fixed 17-entry table.

#include <bitset>
#include <cstdint>

namespace ruvo {

using TLmPrinterCapabilities = std::bitset<17>;

inline constexpr std::size_t kCapabilityPaperSize = 1;      // DM_PAPERSIZE
inline constexpr std::size_t kCapabilityScale = 4;          // DM_SCALE
inline constexpr std::size_t kCapabilityDefaultSource = 6;  // DM_DEFAULTSOURCE

// Bit i is set when `fields` holds the i-th flag of the table.
TLmPrinterCapabilities CapabilitiesFromFields(std::uint32_t fields);

}  // namespace ruvo
