#include "print/paper_codes.h"

#include <array>

namespace ruvo {
namespace {

struct SourceCode {
  std::string_view keyword;  // PPD InputSlot choice
  std::uint16_t code;        // DMBIN_*
};

constexpr std::array kSourceCodes{
    SourceCode{"Upper", 1},           // DMBIN_UPPER
    SourceCode{"OnlyOne", 1},         // DMBIN_ONLYONE, the same code
    SourceCode{"Lower", 2},           // DMBIN_LOWER
    SourceCode{"Middle", 3},          // DMBIN_MIDDLE
    SourceCode{"Manual", 4},          // DMBIN_MANUAL
    SourceCode{"ManualFeed", 4},      // DMBIN_MANUAL, as some drivers spell it
    SourceCode{"Envelope", 5},        // DMBIN_ENVELOPE
    SourceCode{"EnvManual", 6},       // DMBIN_ENVMANUAL
    SourceCode{"Auto", 7},            // DMBIN_AUTO
    SourceCode{"AutoSelect", 7},      // DMBIN_AUTO, as some drivers spell it
    SourceCode{"Tractor", 8},         // DMBIN_TRACTOR: continuous stationery
    SourceCode{"SmallFormat", 9},     // DMBIN_SMALLFMT
    SourceCode{"LargeFormat", 10},    // DMBIN_LARGEFMT
    SourceCode{"LargeCapacity", 11},  // DMBIN_LARGECAPACITY
    SourceCode{"Cassette", 14},       // DMBIN_CASSETTE
    SourceCode{"FormSource", 15},     // DMBIN_FORMSOURCE
};

}  // namespace

std::uint16_t PaperSourceCode(std::string_view inputSlot) {
  for (const SourceCode& row : kSourceCodes) {
    if (row.keyword == inputSlot) return row.code;
  }
  return 0;
}

std::uint16_t PaperSizeCode(int windowsId) {
  if (windowsId <= 0 || windowsId >= kUserPaperCodeBase) return 0;
  return static_cast<std::uint16_t>(windowsId);
}

std::vector<std::uint16_t> DistinctCodes(const std::vector<std::uint16_t>& standardCodes) {
  std::array<bool, kUserPaperCodeBase> taken{};
  std::vector<std::uint16_t> codes;
  std::uint16_t nextUserCode = kUserPaperCodeBase;
  for (const std::uint16_t standard : standardCodes) {
    const bool own = standard != 0 && standard < kUserPaperCodeBase && !taken[standard];
    if (own) taken[standard] = true;
    codes.push_back(own ? standard : nextUserCode++);
  }
  return codes;
}

}  // namespace ruvo
