#include "print/lm_capabilities.h"

#include <array>

namespace ruvo {
namespace {

// dmFields flag for each capability bit, in bit order.
constexpr std::array<std::uint32_t, 17> kCapabilityFlags = {
    0x1,         // 0  DM_ORIENTATION
    0x2,         // 1  DM_PAPERSIZE
    0x4,         // 2  DM_PAPERLENGTH
    0x8,         // 3  DM_PAPERWIDTH
    0x10,        // 4  DM_SCALE
    0x100,       // 5  DM_COPIES
    0x200,       // 6  DM_DEFAULTSOURCE
    0x400,       // 7  DM_PRINTQUALITY
    0x800,       // 8  DM_COLOR
    0x1000,      // 9  DM_DUPLEX
    0x2000,      // 10 DM_YRESOLUTION
    0x4000,      // 11 DM_TTOPTION
    0x8000,      // 12 DM_COLLATE
    0x10000,     // 13 DM_FORMNAME
    0x20000,     // 14 DM_LOGPIXELS
    0x8000000,   // 15 (flag 0x8000000)
    0x10000000,  // 16 (flag 0x10000000)
};

}  // namespace

TLmPrinterCapabilities CapabilitiesFromFields(std::uint32_t fields) {
  TLmPrinterCapabilities capabilities;
  for (std::size_t bit = 0; bit < kCapabilityFlags.size(); ++bit) {
    capabilities[bit] = (fields & kCapabilityFlags[bit]) != 0;
  }
  return capabilities;
}

}  // namespace ruvo
