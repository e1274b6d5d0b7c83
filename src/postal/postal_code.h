#pragma once
// Seven-digit Japanese postal codes, as the user and the dictionaries write
// them.

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ruvo::postal {

// A postal code as a number: "0010000" is 10000, "1050011" is 1050011.
struct PostalCode {
  std::uint32_t value = 0;
  auto operator<=>(const PostalCode&) const = default;
};

// The code in the CP932 `text`: seven digits, or three digits, a hyphen and
// four ("1050011", "105-0011"), in half- or full-width digits and hyphen
// ("１０５－００１１"), with blanks of either width around it. std::nullopt for
// anything else: six or eight digits, a hyphen elsewhere, "〒" in front.
std::optional<PostalCode> ParsePostalCode(std::string_view text);

// "1050011", the form the dictionaries and ruvo-slip use.
std::string DigitsOf(PostalCode code);

// "105-0011", the form of the postal-code field.
std::string HyphenatedOf(PostalCode code);

}  // namespace ruvo::postal
