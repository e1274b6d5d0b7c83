#pragma once
// Whether an address lies in a postal code's area, as people write
// addresses: with or without prefecture and county (郡), 大字 and 字,
// Kyoto's streets, kanji or digits, and the floor of a building that has
// a code for each floor. Texts are CP932.

#include <string_view>

#include "postal/postal_directory.h"

namespace ruvo::postal {

enum class ZipVerdict {
  Match,     // the address lies in the code's area, as far as the directory tells
  Mismatch,  // the address lies in another code's area
  Unknown,   // nothing to judge by: see JudgeAddress
};

// The verdict on `address` (lines joined, as written) and `code`:
//  - Match: the address begins with one of the code's places (city and
//    town, a building named after its town and block number with the floor
//    that has the code), and no other code's place that begins it is more
//    precise: a longer town, the building, the building's floor.
//  - Mismatch: only when the address lies in another code's area: it
//    begins with another code's town or names another code's building or
//    floor, it names a city none of the code's places lies in, or a
//    prefecture none of them lies in.
//  - Unknown: the directory does not know the code, the address is blank,
//    or the address's town is found under no code while its city is one of
//    the code's (a town the dictionary is too old to know, a misspelling).
// A large office's code agrees with its own address; an office never makes
// another code's address disagree.
ZipVerdict JudgeAddress(const PostalDirectory& directory, PostalCode code,
                        std::string_view address);

}  // namespace ruvo::postal
