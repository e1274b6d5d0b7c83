#pragma once
// The forms the journal finds a text by. What the user types and what was
// printed may differ in width, letter case and blanks ("ﾔﾏﾀﾞ 太郎" typed for
// "ヤマダ太郎" printed, "０３－１２３４" for "03-1234"); both sides are
// compared in these forms. They are UTF-8, as SQLite keeps its texts.

#include <string>
#include <string_view>
#include <vector>

#include "print/slip_record.h"

namespace ruvo::journal {

// Half-width (katakana too), ASCII letters in lower case, blanks and tabs
// removed: "ヤマダ　Taro" → "ﾔﾏﾀﾞtaro".
std::string SearchKey(std::string_view cp932);

// The digits alone, half-width: "０３－１２３４－５６７８" → "0312345678".
std::string DigitsOf(std::string_view cp932);

// The keys of a slip's recipient and goods: the address's three lines as one
// (so a line broken elsewhere still matches), the goods lines one per line.
struct SlipKeys {
  std::string name;
  std::string address;
  std::string goods;
  std::string tel;  // digits
  std::string zip;  // digits
  bool operator==(const SlipKeys&) const = default;
};
SlipKeys KeysOf(const SlipRecord& slip);

// One word the user typed to find something by.
struct SearchWord {
  std::string key;     // SearchKey of the word
  std::string digits;  // the word's digits when it is a number ("03-1234"); else empty
  bool operator==(const SearchWord&) const = default;
};
// The words of a search text, split at blanks (half- or full-width).
std::vector<SearchWord> SearchWords(std::string_view cp932);

// LIKE patterns (ESCAPE '\') that find `key` anywhere in a text, or at its
// start, its "%", "_" and "\" taken as they are.
std::string LikeAnywhere(std::string_view key);
std::string LikeStart(std::string_view key);

}  // namespace ruvo::journal
