#pragma once
// The postal code checked against the recipient's address, and the texts
// the main window shows about it. All texts are CP932.
//
// Every function takes the postal-code field as the user left it ("105-0011",
// "１０５００１１") and works with an empty directory (no dictionary): then no
// code is known and every verdict is Unknown.

#include <string>
#include <string_view>

#include "postal/address_match.h"
#include "postal/postal_directory.h"

namespace ruvo::postal {

// "match", "mismatch", "unknown", as ruvo-slip writes them.
std::string_view ZipVerdictName(ZipVerdict verdict);

// The recipient's address lines as one address to check: a shop's export,
// a carrier's layout or the user may put the town and block number on line
// 2 ("東京都港区" / "芝公園4-2-8"), so the window, the batch and ruvo-slip
// transfer check the lines together, joined as a mail's wrapped lines are
// (JoinAddressLines: a blank before a building, none inside a number).
std::string WholeAddress(std::string_view line1, std::string_view line2,
                         std::string_view line3 = {});

// JudgeAddress of the code in `code` and `address` (WholeAddress of the
// lines): Unknown also when `code` is no seven-digit code.
ZipVerdict CheckPostalAddress(const PostalDirectory& directory, std::string_view code,
                              std::string_view address);

// What the status bar says about the code, after a transfer and on leaving
// the postal-code field: "〒105-0011 東京都港区芝公園"; a large office's name in
// brackets after its address; " ほか2件" after the first address when the code
// has three; "〒999-9999 は郵便番号辞書にありません" for a code the directory does
// not know; empty when `code` is no seven-digit code or there is no
// dictionary.
std::string ZipStatusText(const PostalDirectory& directory, std::string_view code);

// The warning line's text: on Mismatch of `code` and `address` (the
// WholeAddress) "警告:郵便番号と住所が一致しません。　" followed by the code's
// address as ZipStatusText names it; empty otherwise.
std::string ZipWarningText(const PostalDirectory& directory, std::string_view code,
                           std::string_view address);

// The text Enter in the postal-code field puts into an address line 1 that
// is blank: the code's first address. Empty when address line 1 holds
// anything but blanks or the code is unknown; the field then stays as it is.
std::string AddressToComplete(const PostalDirectory& directory, std::string_view code,
                              std::string_view address1);

// The status bar's notice, shown once, when the dictionary could not be
// read: "郵便番号辞書を読めないため、郵便番号と住所の照合はしません: " and the
// problem ("/usr/share/skk/SKK-JISYO.zipcode: No such file or directory").
std::string ZipDictionaryUnavailableNotice(std::string_view problem);

}  // namespace ruvo::postal
