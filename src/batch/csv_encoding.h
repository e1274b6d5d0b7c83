#pragma once
// The encodings an order file comes in, told apart by its bytes: shops'
// systems write UTF-8 (with or without the byte-order mark) or Shift-JIS
// (CP932), spreadsheets on Japanese Windows the latter.

#include <optional>
#include <string_view>

#include "transfer/cp932_codec.h"

namespace ruvo::batch {

enum class CsvEncoding { kUtf8, kCp932 };

// "utf-8", "utf8", "cp932", "shift_jis", "sjis", letter case aside.
std::optional<CsvEncoding> CsvEncodingNamed(std::string_view name);
std::string_view CsvEncodingName(CsvEncoding encoding);  // "utf-8", "cp932"

// UTF-8 when the bytes begin with its byte-order mark, or hold well-formed
// UTF-8 with at least one character beyond ASCII; CP932 otherwise. Japanese
// CP932 text is almost never well-formed UTF-8, and ASCII alone reads the same
// either way.
CsvEncoding DetectCsvEncoding(std::string_view bytes);

// The bytes after a leading UTF-8 byte-order mark.
std::string_view WithoutUtf8Bom(std::string_view bytes);

// Whether the bytes hold a NUL byte, as a workbook, an archive or a picture
// does and no text file in either encoding.
bool LooksBinary(std::string_view bytes);

// One field as the CP932 the core works with. From UTF-8, characters CP932
// cannot hold and malformed bytes become "〓" and are counted.
Cp932Text FieldToCp932(std::string_view field, CsvEncoding encoding);

}  // namespace ruvo::batch
