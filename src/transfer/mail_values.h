#pragma once
// The values of an order mail's recipient lines, written as the slip's
// fields want them.

#include <optional>
#include <string>
#include <string_view>

namespace ruvo {

struct PostalCodeValue {
  std::string code;  // "105-0011": half-width, three digits, a hyphen, four digits
  std::string rest;  // the text after it on its line, blanks trimmed
};

// A postal code at the start of `text`, after "〒" and blanks if any:
// "105-0011", "１０５－００１１", "〒1050011" (seven digits, as shop systems
// store it), "〒105-0011東京都港区…". Nothing when no code starts the text or
// the number goes on after it: a digit, or a hyphen and a digit
// ("090-2468-1357" is a mobile's number).
std::optional<PostalCodeValue> PostalCodeAtStart(std::string_view text);

// A telephone number as a clerk writes it, or nothing when `text` holds
// none: half-width, its groups joined by "-" whatever separated them
// (blanks, "ー", brackets: "(03)1234-5678" and "03(1234)5678" are
// "03-1234-5678"), "+81" written as the leading "0". It has 10 or 11
// digits and starts with "0"; words without digits after it ("(携帯)") are
// passed over.
std::optional<std::string> TelephoneNumberOf(std::string_view text);

// A name as the slip prints it: blanks at the ends, the honorific ("様",
// "殿", "御中") and a reading in brackets after it ("佐藤 恵 (サトウ メグミ) 様")
// dropped.
std::string NameOf(std::string_view text);

// An address line as a clerk writes it: blanks at the ends go, a run of
// blanks becomes one half-width blank, and the blanks that shop systems put
// between prefecture, city and town ("愛知県 岡崎市 本宿町1-2") go; a blank
// after the block number, before the building, stays.
std::string TidyAddress(std::string_view text);

// True when `text` is a reading: kana (katakana, hiragana, "ー", "・") and
// blanks only, at least one kana.
bool IsKanaOnly(std::string_view text);

// True when `text` holds a run of exactly seven digits ("1050011").
bool HasSevenDigitRun(std::string_view text);

}  // namespace ruvo
