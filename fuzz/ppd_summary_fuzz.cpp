// Any PPD text: no crash, no hang, and whatever is read stays in range.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "print/ppd_summary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ruvo::PpdSummary summary = ruvo::ParsePpdSummary(text);
  if (summary.defaultResolution) {
    const auto [x, y] = *summary.defaultResolution;
    if (x < 1 || y < 1 || x > 100000 || y > 100000) std::abort();
  }
  for (const ruvo::PpdChoice& slot : summary.inputSlots) {
    if (slot.keyword.empty() || slot.text.empty()) std::abort();
  }
  return 0;
}
