// Feeds arbitrary bytes to the slip renderer as slip fields and print values:
// it must never read outside a text, list only non-empty texts, fail only
// with its conversion or range errors, and fill every single-character box
// with one whole character.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "print/lm_d97_dot.h"
#include "print/slip_text.h"
#include "print/slip_units.h"
#include "transfer/sjis.h"

namespace {

// Splits the input at 0x00 bytes into the fields below, in order.
std::vector<std::string> Fields(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> fields(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      fields.emplace_back();
    } else {
      fields.back().push_back(static_cast<char>(data[i]));
    }
  }
  fields.resize(20);
  return fields;
}

ruvo::SlipRecord SlipOf(const std::vector<std::string>& f) {
  ruvo::SlipRecord slip;
  slip.recipientZip = f[0];
  slip.senderZip = f[1];
  slip.quantity = f[2];
  slip.recipientAddress1 = f[3];
  slip.senderAddress2 = f[4];
  slip.wishedMonth = f[5];
  slip.recipientTel = f[6];
  const unsigned flags = f[7].empty() ? 0u : static_cast<unsigned char>(f[7][0]);
  slip.printDate = (flags & 1u) != 0;
  slip.printSender = (flags & 2u) != 0;
  for (std::size_t slot = 0; slot < slip.timeSlots.size(); ++slot) {
    slip.timeSlots[slot] = (flags & (4u << slot)) != 0;
  }
  return slip;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto f = Fields(data, size);
  ruvo::DrawList list;
  try {
    list = ruvo::SLIP97_Prn(SlipOf(f), {f[8], f[9], f[10], f[11]});
  } catch (const ruvo::ConversionError&) {
    return 0;
  } catch (const ruvo::SlipPositionError&) {
    return 0;
  }
  for (const auto& op : list) {
    if (op.text.empty()) std::abort();
  }
  // Every postal-code box holds one whole character of the code, or nothing.
  for (const auto& cell : ruvo::ZipCells(f[0])) {
    if (ruvo::sjis::CharCount(cell) > 1) std::abort();
    if (!cell.empty() && f[0].find(cell) == std::string::npos) std::abort();
  }
  // The quantity always fills exactly three boxes.
  if (ruvo::sjis::CharCount(ruvo::RightAlign3(f[2])) != ruvo::kQuantityCellCount) std::abort();
  return 0;
}
