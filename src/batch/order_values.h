#pragma once
// The values of an order as the slip holds them, read from the texts a
// shop's system or a carrier's tool writes. Texts are CP932; each reader
// takes the field with blanks at both ends removed and answers nothing for
// a text it cannot read.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ruvo::batch {

// Control bytes (a line break inside quotes, a tab) each folded, run by run,
// into one half-width blank: a slip's line holds one line of text.
std::string FoldControls(std::string_view text);

// The postal code as its boxes take it: half-width, a spreadsheet's leading
// apostrophe and a leading "〒" dropped, seven bare digits given their
// hyphen ("'１０５００１１" → "105-0011"), the leading zeros a spreadsheet
// dropped put back ("60-0001" → "060-0001"). Anything else is returned
// half-width for the check below.
std::string SlipPostalCode(std::string_view text);
// Three digits, a hyphen, four digits: what the slip's seven boxes draw.
bool IsSlipPostalCode(std::string_view text);

// The telephone number as a clerk writes it ("'+81 90-1234-5678" →
// "090-1234-5678", "(03)1234-5678" → "03-1234-5678", a spreadsheet's
// "3-3433-5111" → "03-3433-5111"); a text that holds no
// number is kept half-width, as the window's field keeps it.
std::string SlipTelephone(std::string_view text);

// A prefecture given by its code, as Shopify writes it ("JP-13" → "東京都");
// any other text as it is.
std::string PrefectureOfCode(std::string_view text);

// A name written given name first ("太郎 山田", as Shopify's Shipping Name
// joins a Japanese buyer's names) turned family name first; a name that is
// not two words of Japanese characters stays as it is ("Taro Yamada").
std::string FamilyNameFirst(std::string_view name);

// The time slot: 0 for none (an empty text, "指定なし", "なし"), 1 for the first
// of kTimeSlots and so on, given by its hours ("10-12", "14→16時",
// "16時～18時", "12時頃-14時頃", "18:00-20:00"), by a carrier's code of four
// (or three) digits ("1416", Yamato's and Rakuten's) or by the start hour
// alone ("14", Sagawa's), and with `boxNumbers` by the box's number 1 to 5,
// as ruvo's own columns write it. Nothing for a time the form has no box
// for ("午前中", "0812", "19-21時", "01").
std::optional<int> TimeSlotNumber(std::string_view text, bool boxNumbers = true);

struct WishedDate {
  std::string month;  // "3": as the window's field holds it; empty: no date wished
  std::string day;    // "15"
};
// "3/15", "03-05", "2026/03/15", "2026年3月15日(日)", "20260315", a time of day
// after the date ("2026-03-15T10:00:00+09:00", "2026/03/15 10:00"),
// half- or full-width; the day must exist in that month (a year must be one
// with that day). "最短日", "指定なし" and "なし" wish no date.
std::optional<WishedDate> WishedDateOf(std::string_view text);

// The sender's slot 0 to 9 from "1" to "10" (or "依頼主3", as the tabs are
// captioned); an empty text gives `selected` when it is a tab 0 to 9.
std::optional<int> SenderSlot(std::string_view text, int selected);

// The goods lines of an order from the names of the items bought: each cut
// at the line's 30 bytes on a character boundary; past three items the
// third line ends in " 他2点" for the items not named.
std::array<std::string, 3> GoodsLinesOfItems(const std::vector<std::string>& items);

}  // namespace ruvo::batch
