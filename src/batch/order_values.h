#pragma once
// The values of an order row as the slip holds them, read from the texts a
// shop's system writes. Texts are CP932; each reader takes the field with
// blanks at both ends removed and answers nothing for a text it cannot read.

#include <optional>
#include <string>
#include <string_view>

namespace ruvo::batch {

// Control bytes (a line break inside quotes, a tab) each folded, run by run,
// into one half-width blank: a slip's line holds one line of text.
std::string FoldControls(std::string_view text);

// The postal code as its boxes take it: half-width, a leading "〒" dropped,
// seven bare digits given their hyphen ("１０５００１１" → "105-0011").
// Anything else is returned half-width for the check below.
std::string SlipPostalCode(std::string_view text);
// Three digits, a hyphen, four digits: what the slip's seven boxes draw.
bool IsSlipPostalCode(std::string_view text);

// The time slot: 0 for none (an empty text), 1 for the first of kTimeSlots
// and so on, given by its number or by its hours ("10-12", "14→16時",
// "16時～18時", "18:00-20:00").
std::optional<int> TimeSlotNumber(std::string_view text);

struct WishedDate {
  std::string month;  // "3": as the window's field holds it
  std::string day;    // "15"
};
// "3/15", "03-15", "2026/03/15", "2026年3月15日", half- or full-width; the
// day must exist in that month (a year must be one with that day).
std::optional<WishedDate> WishedDateOf(std::string_view text);

// The sender's slot 0 to 9 from "1" to "10" (or "依頼主3", as the tabs are
// captioned); an empty text gives `selected` when it is a tab 0 to 9.
std::optional<int> SenderSlot(std::string_view text, int selected);

}  // namespace ruvo::batch
