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

// Every word compared as another ("大字" as nothing, "上る" as "上ル",
// "ビルディング" as "ビル"), one row per word.
std::span<const SpellingVariant> SpellingWords();

// The words after which a number written in kanji is the number of a
// district, a block or a line ("北二十四条", "八丁目"), and so is written in
// digits just as often ("北24条"). Elsewhere kanji numbers are names ("三重県",
// "八王子", "九十九里") and stay.
std::span<const SpellingVariant> NumberedDistrictWords();

// `address` (CP932) with each word of SpellingWords and each character of
// SpellingVariants replaced by its comparable form, Latin letters of either
// width in upper-case ASCII, then each kanji number from 1 to 99 before a
// word of NumberedDistrictWords written in digits; every other character,
// and every byte that is no whole character, stays. "霞が関　１－３" →
// "霞ケ関1-3", "北二十四条西" → "北24条西", "大字軽井沢" → "軽井沢",
// "烏丸通四条上る" → "烏丸通4条上ル". Applying it twice changes nothing more.
std::string ComparableAddress(std::string_view address);

// Where the block number begins in an address, comparable or as written:
// at its first digits (of either width) that number no district or line,
// or at a kanji number before 丁目 ("北24条西6丁目1-1" → before "6",
// "芝公園四丁目8-50" → before "四"); the address's size when it has none.
std::size_t BlockNumberStart(std::string_view address);

// ComparableAddress of the address before its block number: a large
// office's address without the number, which senders write in too many
// ways ("２丁目１番１号", "2-1-1", "二丁目1-1") to compare.
std::string ComparableAddressBeforeBlockNumber(std::string_view address);

}  // namespace ruvo::postal
