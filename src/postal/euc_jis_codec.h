#pragma once
// Decoding of the postal-code dictionaries, which are EUC-JIS-2004 text.
//
// Like the CP932 codec this is a seam chosen at link time (iconv's
// "EUC-JISX0213" here); the dictionary reader goes on to CP932 through the
// one CP932 codec, so a dictionary character that code page 932 cannot hold
// becomes "〓" there.

#include <string>
#include <string_view>

namespace ruvo::postal {

// EUC-JIS-2004 to UTF-8. A byte that starts no EUC-JIS-2004 character, and a
// character cut off by the end of the text, become U+FFFD, one per byte, so
// the reader can tell a damaged line from a sound one. Throws CodecError
// (transfer/cp932_codec.h) when the system has no such converter.
std::string EucJis2004ToUtf8(std::string_view euc);

}  // namespace ruvo::postal
