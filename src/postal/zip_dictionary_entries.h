#pragma once
// The directory's entries from Debian's postal-code dictionaries: each
// address cleaned of Japan Post's notes that the dictionary kept, or
// dropped when nothing is left, and taken apart.
//
// The dictionaries write an address as one text, so its parts are found
// from the dictionary itself: a city is the shortest start of an address,
// ending in 市, 区, 町 or 村, that is an address of its own (Japan Post gives
// every city a code for the towns it does not list: "東京都千代田区"); a
// building with floor codes is one that has an entry for its basement
// ("…霞が関ビル地階"), and its town the longest address of its own that the
// building's begins with ("東京都千代田区霞が関"). Large offices' towns end
// where their block number begins.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "postal/postal_directory.h"

namespace ruvo::postal {

// An entry's address without the notes Japan Post wrote into its town
// names (town_notes.h) and blanks at its ends; empty when nothing of an
// address is left.
std::string CleanDictionaryAddress(std::string_view address);

// Calls `onEntry` for each entry of the areas and offices dictionaries, as
// CP932 text (DecodeZipDictionary), in the order of the texts.
void ForEachZipDictionaryEntry(std::string_view areas, std::string_view offices,
                               const std::function<void(const DirectoryEntry&)>& onEntry);
// The same entries in a list.
std::vector<DirectoryEntry> ZipDictionaryEntries(std::string_view areas, std::string_view offices);

// A directory of both dictionaries' texts.
PostalDirectory DirectoryOfZipDictionaries(std::string_view areas, std::string_view offices);

}  // namespace ruvo::postal
