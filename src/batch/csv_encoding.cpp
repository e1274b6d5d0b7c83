#include "batch/csv_encoding.h"

#include <array>
#include <cstdint>

namespace ruvo::batch {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

// A stray byte in a UTF-8 file is tolerated for this many good sequences.
constexpr std::size_t kGoodSequencesPerStrayByte = 8;

// What a UTF-16 code unit that is no character becomes: a byte no UTF-8 holds.
constexpr char kUnreadableByte = '\xFF';

struct EncodingName {
  std::string_view name;  // lower case
  CsvEncoding encoding;
};

constexpr std::array kWritingNames{
    EncodingName{"utf-8", CsvEncoding::kUtf8},       // the name iconv and browsers use
    EncodingName{"utf8", CsvEncoding::kUtf8},        // as often written without the hyphen
    EncodingName{"cp932", CsvEncoding::kCp932},      // Windows' code page 932
    EncodingName{"shift_jis", CsvEncoding::kCp932},  // the name shops' systems offer
    EncodingName{"sjis", CsvEncoding::kCp932},       // its common short form
};

constexpr std::array kReadingOnlyNames{
    EncodingName{"utf-16le", CsvEncoding::kUtf16Le},  // Excel's "Unicode text"
    EncodingName{"utf-16be", CsvEncoding::kUtf16Be},
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

template <std::size_t N>
std::optional<CsvEncoding> Named(const std::array<EncodingName, N>& names, std::string_view name) {
  for (const EncodingName& row : names) {
    if (SameIgnoringCase(row.name, name)) return row.encoding;
  }
  return std::nullopt;
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

struct Utf8Census {
  std::size_t sequences = 0;  // well-formed characters beyond ASCII
  std::size_t stray = 0;      // bytes that start none
};

Utf8Census CountUtf8(std::string_view bytes) {
  Utf8Census census;
  for (std::size_t pos = 0; pos < bytes.size();) {
    if (static_cast<std::uint8_t>(bytes[pos]) < 0x80) {
      ++pos;
      continue;
    }
    const std::size_t length = Utf8SequenceAt(bytes, pos);
    if (length == 0) {
      ++census.stray;
      ++pos;
    } else {
      ++census.sequences;
      pos += length;
    }
  }
  return census;
}

void AppendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// UTF-16 of either byte order as UTF-8; a surrogate without its partner and
// a last odd byte become kUnreadableByte.
std::string Utf16ToUtf8(std::string_view bytes, bool littleEndian) {
  const auto unitAt = [&](std::size_t pos) -> std::uint32_t {
    const std::uint32_t first = static_cast<std::uint8_t>(bytes[pos]);
    const std::uint32_t second = static_cast<std::uint8_t>(bytes[pos + 1]);
    return littleEndian ? first | (second << 8) : (first << 8) | second;
  };
  std::string out;
  out.reserve(bytes.size() * 3 / 2);
  std::size_t pos = 0;
  for (; pos + 1 < bytes.size(); pos += 2) {
    const std::uint32_t unit = unitAt(pos);
    if (unit < 0xD800 || unit > 0xDFFF) {
      AppendUtf8(out, unit);
      continue;
    }
    const bool high = unit < 0xDC00;
    if (high && pos + 3 < bytes.size()) {
      const std::uint32_t low = unitAt(pos + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        pos += 2;
        continue;
      }
    }
    out += kUnreadableByte;
  }
  if (pos < bytes.size()) out += kUnreadableByte;
  return out;
}

}  // namespace

std::optional<CsvEncoding> CsvEncodingNamed(std::string_view name) {
  return Named(kWritingNames, name);
}

std::optional<CsvEncoding> CsvReadingEncodingNamed(std::string_view name) {
  if (const auto encoding = Named(kWritingNames, name)) return encoding;
  return Named(kReadingOnlyNames, name);
}

std::string_view CsvEncodingName(CsvEncoding encoding) {
  switch (encoding) {
    case CsvEncoding::kUtf8:
      return "utf-8";
    case CsvEncoding::kCp932:
      return "cp932";
    case CsvEncoding::kUtf16Le:
      return "utf-16le";
    case CsvEncoding::kUtf16Be:
      return "utf-16be";
  }
  return "cp932";
}

CsvEncoding DetectCsvEncoding(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Bom)) return CsvEncoding::kUtf8;
  if (bytes.starts_with(kUtf16LeBom)) return CsvEncoding::kUtf16Le;
  if (bytes.starts_with(kUtf16BeBom)) return CsvEncoding::kUtf16Be;
  const Utf8Census census = CountUtf8(bytes);
  const bool utf8 =
      census.sequences > 0 && census.stray * kGoodSequencesPerStrayByte <= census.sequences;
  return utf8 ? CsvEncoding::kUtf8 : CsvEncoding::kCp932;
}

CsvEncoding DecodedCsv::FieldEncoding() const {
  return encoding == CsvEncoding::kCp932 ? CsvEncoding::kCp932 : CsvEncoding::kUtf8;
}

DecodedCsv DecodeCsv(std::string_view bytes, std::optional<CsvEncoding> told) {
  DecodedCsv decoded;
  decoded.encoding = told.value_or(DetectCsvEncoding(bytes));
  switch (decoded.encoding) {
    case CsvEncoding::kUtf16Le:
      if (bytes.starts_with(kUtf16LeBom)) bytes.remove_prefix(kUtf16LeBom.size());
      decoded.text = Utf16ToUtf8(bytes, true);
      break;
    case CsvEncoding::kUtf16Be:
      if (bytes.starts_with(kUtf16BeBom)) bytes.remove_prefix(kUtf16BeBom.size());
      decoded.text = Utf16ToUtf8(bytes, false);
      break;
    default:
      // A UTF-8 mark starts no CP932 text either: it goes whatever the
      // encoding, so that it never sticks to the first header.
      decoded.text = std::string(WithoutUtf8Bom(bytes));
  }
  return decoded;
}

std::string_view WithoutUtf8Bom(std::string_view bytes) {
  return bytes.starts_with(kUtf8Bom) ? bytes.substr(kUtf8Bom.size()) : bytes;
}

bool LooksBinary(std::string_view bytes) {
  return bytes.find('\0') != std::string_view::npos;
}

bool HasMalformedUtf8(std::string_view text) {
  return CountUtf8(text).stray > 0;
}

Cp932Text FieldToCp932(std::string_view field, CsvEncoding encoding) {
  if (encoding == CsvEncoding::kCp932) return {std::string(field), 0};
  return Utf8ToCp932(field);
}

}  // namespace ruvo::batch
