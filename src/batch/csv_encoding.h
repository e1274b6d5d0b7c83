#pragma once
// The encodings an order file comes in, told apart by its bytes: shops'
// systems write UTF-8 (with or without the byte-order mark) or Shift-JIS
// (CP932), spreadsheets on Japanese Windows the latter, and Excel's
// "Unicode text" UTF-16 with its byte-order mark.

#include <optional>
#include <string>
#include <string_view>

#include "transfer/cp932_codec.h"

namespace ruvo::batch {

enum class CsvEncoding { kUtf8, kCp932, kUtf16Le, kUtf16Be };

// The encodings a CSV is written in: "utf-8", "utf8", "cp932", "shift_jis",
// "sjis", letter case aside.
std::optional<CsvEncoding> CsvEncodingNamed(std::string_view name);
// Those, and "utf-16le" and "utf-16be", which a file is only read in.
std::optional<CsvEncoding> CsvReadingEncodingNamed(std::string_view name);
// "utf-8", "cp932", "utf-16le", "utf-16be".
std::string_view CsvEncodingName(CsvEncoding encoding);

// By the byte-order mark when there is one (UTF-8, UTF-16LE, UTF-16BE);
// otherwise UTF-8 when its characters beyond ASCII are well formed, but for
// a few stray bytes (one in eight or fewer of the sequences beyond ASCII),
// and CP932 when they are not. Japanese CP932 text is almost never
// well-formed UTF-8, while a UTF-8 file with a byte damaged in a spreadsheet
// or a field pasted from elsewhere is still UTF-8; ASCII alone reads the
// same either way.
CsvEncoding DetectCsvEncoding(std::string_view bytes);

// A file's text ready for the CSV reader: its byte-order mark removed, and
// UTF-16 turned into UTF-8 (a code unit that is no character, such as a
// lone surrogate, becomes the byte 0xFF, which no UTF-8 holds, so that its
// field is reported as unreadable).
struct DecodedCsv {
  CsvEncoding encoding = CsvEncoding::kCp932;  // the file's, as told or detected
  std::string text;                            // UTF-8 or CP932, as FieldEncoding says

  // The encoding of `text`'s fields: UTF-8 for a UTF-16 file.
  CsvEncoding FieldEncoding() const;
};
DecodedCsv DecodeCsv(std::string_view bytes, std::optional<CsvEncoding> told);

// The bytes after a leading UTF-8 byte-order mark.
std::string_view WithoutUtf8Bom(std::string_view bytes);

// Whether the bytes hold a NUL byte, as a workbook, an archive or a picture
// does and no text file in UTF-8 or CP932.
bool LooksBinary(std::string_view bytes);

// Whether the UTF-8 `text` holds bytes that are no UTF-8 character.
bool HasMalformedUtf8(std::string_view text);

// One field as the CP932 the core works with; `encoding` is UTF-8 or CP932.
// From UTF-8, characters CP932 cannot hold and malformed bytes become "〓"
// and are counted.
Cp932Text FieldToCp932(std::string_view field, CsvEncoding encoding);

}  // namespace ruvo::batch
