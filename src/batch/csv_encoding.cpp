#include "batch/csv_encoding.h"

#include <array>
#include <cstdint>

namespace ruvo::batch {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

struct EncodingName {
  std::string_view name;  // lower case
  CsvEncoding encoding;
};

constexpr std::array kEncodingNames{
    EncodingName{"utf-8", CsvEncoding::kUtf8},       // the name iconv and browsers use
    EncodingName{"utf8", CsvEncoding::kUtf8},        // as often written without the hyphen
    EncodingName{"cp932", CsvEncoding::kCp932},      // Windows' code page 932
    EncodingName{"shift_jis", CsvEncoding::kCp932},  // the name shops' systems offer
    EncodingName{"sjis", CsvEncoding::kCp932},       // its common short form
};

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

// Length of the well-formed UTF-8 sequence at `pos` (RFC 3629: no overlong
// forms, no surrogates, nothing past U+10FFFF), 0 when there is none.
std::size_t Utf8SequenceAt(std::string_view text, std::size_t pos) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[pos + i]); };
  const std::uint8_t lead = byte(0);
  std::size_t length = 0;
  std::uint8_t low = 0x80;  // range of the second byte
  std::uint8_t high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // overlong below U+0800
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;   // overlong below U+10000
    if (lead == 0xF4) high = 0x8F;  // beyond U+10FFFF
  } else {
    return 0;
  }
  if (pos + length > text.size() || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
  }
  return length;
}

}  // namespace

std::optional<CsvEncoding> CsvEncodingNamed(std::string_view name) {
  for (const EncodingName& row : kEncodingNames) {
    if (SameIgnoringCase(row.name, name)) return row.encoding;
  }
  return std::nullopt;
}

std::string_view CsvEncodingName(CsvEncoding encoding) {
  return encoding == CsvEncoding::kUtf8 ? "utf-8" : "cp932";
}

CsvEncoding DetectCsvEncoding(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Bom)) return CsvEncoding::kUtf8;
  bool beyondAscii = false;
  for (std::size_t pos = 0; pos < bytes.size();) {
    if (static_cast<std::uint8_t>(bytes[pos]) < 0x80) {
      ++pos;
      continue;
    }
    const std::size_t length = Utf8SequenceAt(bytes, pos);
    if (length == 0) return CsvEncoding::kCp932;
    beyondAscii = true;
    pos += length;
  }
  return beyondAscii ? CsvEncoding::kUtf8 : CsvEncoding::kCp932;
}

std::string_view WithoutUtf8Bom(std::string_view bytes) {
  return bytes.starts_with(kUtf8Bom) ? bytes.substr(kUtf8Bom.size()) : bytes;
}

bool LooksBinary(std::string_view bytes) {
  return bytes.find('\0') != std::string_view::npos;
}

Cp932Text FieldToCp932(std::string_view field, CsvEncoding encoding) {
  if (encoding == CsvEncoding::kCp932) return {std::string(field), 0};
  return Utf8ToCp932(field);
}

}  // namespace ruvo::batch
