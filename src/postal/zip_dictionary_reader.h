#pragma once
// Reader of the postal-code dictionaries that Debian's skkdic-extra ships.
//
// Format: EUC-JIS-2004 text, one code a line; lines starting with ";" are
// comments. A line is the seven digits, a blank and the code's entries, each
// closed by "/":
//   1050011 /東京都港区芝公園/
//   0028089 /北海道石狩郡当別町ビトエ/北海道石狩郡当別町ビトエ中島/
// In the large-office dictionary each entry is the office's name, " @ " and
// its address:
//   0018612 /札幌市北区役所 @ 北海道札幌市北区北二十四条西６丁目１番１号/
// Text after ";" inside an entry is an annotation and is dropped. A line that
// breaks the format in any way (a code that is not seven digits, a missing
// "/", an empty entry or one longer than kMaxZipEntryBytes, an office entry
// without " @ ", a control byte, a byte that is no EUC-JIS-2004 character)
// is skipped as a whole.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "postal/postal_code.h"

namespace ruvo::postal {

enum class ZipDictionaryKind {
  Areas,    // SKK-JISYO.zipcode: addresses of areas
  Offices,  // SKK-JISYO.office.zipcode: names and addresses of large offices
};

// The longest entry read, in CP932 bytes; Debian's longest is under 200.
inline constexpr std::size_t kMaxZipEntryBytes = 1024;

// One entry of a line; the views point into the text given to the parser.
struct ZipRecord {
  PostalCode code;
  std::string_view address;  // CP932
  std::string_view office;   // CP932 office name; empty in the areas dictionary
};

// The dictionary file's bytes as CP932 text. Characters CP932 cannot hold
// become "〓"; a line holding a byte that is no EUC-JIS-2004 character is
// emptied, so it reads as no entry.
std::string DecodeZipDictionary(std::string_view euc);

// Calls `onRecord` for each entry of the CP932 `text`, in the order of the
// text; returns the number of lines skipped as malformed (comments and empty
// lines are not counted).
std::size_t ParseZipDictionary(std::string_view text, ZipDictionaryKind kind,
                               const std::function<void(const ZipRecord&)>& onRecord);

// The largest dictionary file read: ten times the size of Debian's, so that
// a wrong path (a disk image, a log) is refused instead of filling memory.
inline constexpr std::uintmax_t kMaxZipDictionaryBytes = 64u << 20;

// The decoded text of a dictionary file. Throws settings::FileReadError when
// the file cannot be read or is larger than kMaxZipDictionaryBytes.
std::string ReadZipDictionaryFile(const std::filesystem::path& file);

}  // namespace ruvo::postal
