#include "transfer/pattern_set.h"

#include "transfer/sjis.h"

namespace ruvo {

namespace {

std::size_t StepAt(std::string_view text, std::size_t pos) {
  return sjis::IsLeadByte(text[pos]) && pos + 1 < text.size() ? std::size_t{2} : std::size_t{1};
}

// Patterns are a few bytes long and most candidates fail on their second
// byte, so a plain loop beats a call to memcmp.
bool MatchesAt(std::string_view text, std::size_t pos, std::string_view pattern) {
  if (pattern.size() > text.size() - pos) return false;
  for (std::size_t k = 0; k < pattern.size(); ++k) {
    if (text[pos + k] != pattern[k]) return false;
  }
  return true;
}

// Calls `onMatch(i, pos)` for each pattern i that begins at the character
// boundary pos, for every boundary of `text` in order.
template <typename OnMatch>
void ForEachMatch(std::string_view text, std::span<const std::string_view> patterns,
                  const std::array<std::uint64_t, 256>& byFirstByte, OnMatch onMatch) {
  for (std::size_t pos = 0; pos < text.size(); pos += StepAt(text, pos)) {
    std::uint64_t candidates = byFirstByte[static_cast<unsigned char>(text[pos])];
    while (candidates != 0) {
      const auto i = static_cast<std::size_t>(std::countr_zero(candidates));
      candidates &= candidates - 1;
      if (MatchesAt(text, pos, patterns[i])) onMatch(i, pos);
    }
  }
}

}  // namespace

std::size_t PatternSet::CountAll(std::string_view text) const {
  // Where each pattern may match next: a match hides the bytes it covers
  // from the same pattern, as SubStrCount jumps over them.
  std::array<std::size_t, kMaxPatterns> nextAllowed{};
  std::size_t count = 0;
  ForEachMatch(text, patterns_, byFirstByte_, [&](std::size_t i, std::size_t pos) {
    if (pos < nextAllowed[i]) return;
    ++count;
    nextAllowed[i] = pos + patterns_[i].size();
  });
  return count;
}

std::uint64_t PatternSet::Occurring(std::string_view text) const {
  std::uint64_t found = 0;
  ForEachMatch(text, patterns_, byFirstByte_,
               [&](std::size_t i, std::size_t) { found |= std::uint64_t{1} << i; });
  return found;
}

}  // namespace ruvo
