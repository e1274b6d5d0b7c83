#include "settings/text_encoding.h"

#include <cstddef>

namespace ruvo::settings {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Marks[] = {"\xFF\xFE", "\xFE\xFF"};

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 character at `pos`, or 0.
std::size_t Utf8CharLength(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  std::size_t length = 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  if (lead >= 0xE0 && lead <= 0xEF) length = 3;
  if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  if (length == 0 || pos + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if (!IsContinuation(static_cast<unsigned char>(text[pos + i]))) return 0;
  }
  const auto second = static_cast<unsigned char>(text[pos + 1]);
  // Overlong forms, UTF-16 surrogates and code points past U+10FFFF.
  if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
      (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
    return 0;
  }
  return length;
}

}  // namespace

std::optional<std::string_view> ForeignEncodingOf(std::string_view content) {
  if (content.starts_with(kUtf8Mark)) return kUtf8Name;
  for (const std::string_view mark : kUtf16Marks) {
    if (content.starts_with(mark)) return kUtf16Name;
  }
  bool wide = false;
  for (std::size_t pos = 0; pos < content.size();) {
    const std::size_t length = Utf8CharLength(content, pos);
    if (length == 0) return std::nullopt;
    wide = wide || length >= 3;
    pos += length;
  }
  if (wide) return kUtf8Name;
  return std::nullopt;
}

}  // namespace ruvo::settings
