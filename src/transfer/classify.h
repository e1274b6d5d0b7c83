#pragma once
// Judgements of one line of pasted text: postal code or telephone number,
// address marks, prefecture name, mail or web address.
//
// Each counts fixed patterns with SubStrCount, so patterns are found only at
// character boundaries, case- and width-sensitively.

#include <cstddef>
#include <span>
#include <string_view>

namespace ruvo {

enum class ZipTelVerdict { PostalCode, Telephone, Other };

// The verdict's name as scripts see it: "PostalCode", "Telephone", "Other".
std::string_view ZipTelVerdictName(ZipTelVerdict verdict);

// PostalCode: 8 characters (after trimming), all half- or full-width digits
// or hyphens ("123-4567", "12345678"). Telephone: 10 or more characters with
// at most one that is no digit or hyphen ("03-1234-5678", "03 12345678").
// Anything else is Other (9 characters, "ー" as separator, brackets).
ZipTelVerdict ZipTelCheck(std::string_view text);

// Address marks (digits, hyphens, place words, building, post-office and
// school words) in the trimmed text. Overlapping marks each count: "中学校"
// counts for "中学" and for "中学校". "東京都港区芝公園1-2-3" holds seven.
std::size_t AddressMarkCount(std::string_view text);

// The 47 prefectures in the order of their codes 01 to 47, bare names.
std::span<const std::string_view> PrefectureNames();

// True when the whole text is one prefecture's name ("東京都", not "東京都港区").
bool IsPrefectureLine(std::string_view text);

// Marks of a mail or web address ("@", ".com", ".jp", ...), half-width and
// lower case only. ".com" counts for ".co" too, so "x.co.jp" holds two.
std::size_t MailMarkCount(std::string_view text);

}  // namespace ruvo
