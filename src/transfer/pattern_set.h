#pragma once
// A fixed table of patterns counted in one walk over a text.
//
// The line judgements and the label-word removal look for every word of
// their tables in every line, on every press of the transfer button. Walking the text once
// and trying only the patterns that begin with the byte at hand gives exactly
// what one SubStrCount per pattern gives: each pattern is found only at
// character boundaries and without overlapping itself.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace ruvo {

class PatternSet {
 public:
  static constexpr std::size_t kMaxPatterns = 64;

  // `patterns` must outlive the set, hold at most kMaxPatterns entries, and
  // each must be whole characters (no lead byte without its trail byte), so
  // that a match always ends on a character boundary of the text.
  constexpr explicit PatternSet(std::span<const std::string_view> patterns) : patterns_(patterns) {
    for (std::size_t i = 0; i < patterns.size(); ++i) {
      if (patterns[i].empty()) continue;
      byFirstByte_[static_cast<unsigned char>(patterns[i].front())] |= std::uint64_t{1} << i;
    }
  }

  std::span<const std::string_view> Patterns() const { return patterns_; }

  // The sum over the patterns of SubStrCount(text, pattern).
  std::size_t CountAll(std::string_view text) const;

  // Bit i is set when pattern i occurs in `text` (SubStrCount > 0).
  std::uint64_t Occurring(std::string_view text) const;

 private:
  std::span<const std::string_view> patterns_;
  std::array<std::uint64_t, 256> byFirstByte_{};
};

}  // namespace ruvo
