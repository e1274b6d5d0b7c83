#pragma once
// The one form in which addresses are compared.
//
// Senders and the dictionaries spell the same place in several ways: "霞が関",
// "霞ヶ関" and "霞ケ関" are one place, as are "湯之沢", "湯ノ沢" and "湯の沢";
// pasted mails mix digit widths and put blanks anywhere. Both sides of a
// comparison go through ComparableAddress, so either spelling matches the
// other.

#include <span>
#include <string>
#include <string_view>

namespace ruvo::postal {

struct SpellingVariant {
  std::string_view from;    // one CP932 character
  std::string_view to;      // what it is compared as (CP932; "" drops it)
  std::string_view reason;  // why both spellings name the same address
};

// Every variant, one row per character.
std::span<const SpellingVariant> SpellingVariants();

// The words after which a number written in kanji is the number of a
// district, a block or a line ("北二十四条", "八丁目"), and so is written in
// digits just as often ("北24条"). Elsewhere kanji numbers are names ("三重県",
// "八王子", "九十九里") and stay.
std::span<const SpellingVariant> NumberedDistrictWords();

// `address` (CP932) with each character of SpellingVariants replaced by its
// comparable form, then each kanji number from 1 to 99 before a word of
// NumberedDistrictWords written in digits; every other character, and every
// byte that is no whole character, stays. "霞が関　１－３" → "霞ケ関1-3",
// "北二十四条西" → "北24条西". Applying it twice changes nothing more.
std::string ComparableAddress(std::string_view address);

// ComparableAddress of the address up to its first digit as written there
// (either width): a large office's address without its block number, which
// senders write in too many ways ("２丁目１番１号", "2-1-1") to compare.
std::string ComparableAddressBeforeDigits(std::string_view address);

}  // namespace ruvo::postal
