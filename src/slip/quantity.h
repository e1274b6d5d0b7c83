#pragma once
// The number of parcels on a slip. The window's quantity box is the numeric
// box with three integer digits and no decimals (num_presets::OvNumEdit_KOSUU):
// what it holds of a text is the quantity everywhere, the order files' texts
// included.

#include <optional>
#include <string>
#include <string_view>

namespace ruvo {

// What the quantity box holds once `text` is written into it: "007" → "7",
// "１２" → "12", "12個" → "12", "1000" → "" (more digits than it has), "" → "".
std::string QuantityBoxText(std::string_view text);

// The quantity an order file's text gives, or nothing when it is none: a
// blank text gives a new slip's "1"; otherwise digits (half- or full-width,
// blanks anywhere), leading zeros aside, that the box holds whole and that
// are at least 1, with the unit of parcels after them or not: "００７" → "7",
// "1個" → "1", "２個口" → "2"; "0", "1000", "3箱" → none.
std::optional<std::string> OrderQuantity(std::string_view text);

}  // namespace ruvo
