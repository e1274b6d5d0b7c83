#include "slip/field_insertion.h"

#include <algorithm>

#include "transfer/cp932_codec.h"

namespace ruvo {
namespace {

constexpr std::string_view kGeta = "〓";

// The length of the UTF-8 character starting with `lead`; a byte that starts
// none counts as a character of its own.
std::size_t CharLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
  if (lead >= 0xC2) return 2;
  return 1;
}

// The characters of `text` one by one.
template <typename Visit>
void ForEachCharacter(std::string_view text, Visit visit) {
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length =
        std::min(CharLength(static_cast<unsigned char>(text[pos])), text.size() - pos);
    visit(text.substr(pos, length));
    pos += length;
  }
}

// CR, LF, the line separator U+2028 and the paragraph separator U+2029.
bool IsLineBreak(std::string_view c) {
  return c == "\r" || c == "\n" || c == "\u2028" || c == "\u2029";
}

// C0 and DEL, and the C1 controls U+0080 to U+009F.
bool IsControl(std::string_view c) {
  const auto first = static_cast<unsigned char>(c.front());
  if (c.size() == 1) return first < 0x20 || first == 0x7F;
  return c.size() == 2 && first == 0xC2 && static_cast<unsigned char>(c[1]) <= 0x9F;
}

// The first line, every character of the rest counted as dropped.
std::string_view FirstLine(std::string_view text, int& dropped) {
  std::size_t end = text.size();
  std::size_t pos = 0;
  ForEachCharacter(text, [&](std::string_view c) {
    if (end == text.size() && IsLineBreak(c)) end = pos;
    if (end != text.size()) ++dropped;
    pos += c.size();
  });
  return text.substr(0, end);
}

std::string WithoutControls(std::string_view text, int& dropped) {
  std::string kept;
  kept.reserve(text.size());
  ForEachCharacter(text, [&](std::string_view c) {
    if (c == "\t") {
      kept += ' ';
    } else if (IsControl(c)) {
      ++dropped;
    } else {
      kept += c;
    }
  });
  return kept;
}

// Characters CP932 lacks as "〓"; the text is kept as typed otherwise (a
// "¥" stays "¥" on screen although it is stored as 0x5C).
std::string WithGetaMarks(const std::string& text, int& replaced) {
  if (Utf8ToCp932(text).replaced == 0) return text;
  std::string marked;
  ForEachCharacter(text, [&](std::string_view c) {
    if (Utf8ToCp932(c).replaced == 0) {
      marked += c;
    } else {
      marked += kGeta;
      ++replaced;
    }
  });
  return marked;
}

std::string CutToBytes(const std::string& text, std::size_t roomBytes, int& cut) {
  std::string fitting;
  std::size_t used = 0;
  bool full = false;
  ForEachCharacter(text, [&](std::string_view c) {
    const std::size_t bytes = Cp932ByteCount(c);
    if (full || used + bytes > roomBytes) {
      full = true;
      cut += static_cast<int>(bytes);
      return;
    }
    used += bytes;
    fitting += c;
  });
  return fitting;
}

}  // namespace

std::size_t Cp932ByteCount(std::string_view utf8) {
  return Utf8ToCp932(utf8).bytes.size();
}

FieldInsertion FitFieldInsertion(std::string_view inserted, std::size_t roomBytes) {
  FieldInsertion fit;
  fit.text = WithoutControls(FirstLine(inserted, fit.dropped), fit.dropped);
  fit.text = WithGetaMarks(fit.text, fit.replaced);
  if (roomBytes != std::string::npos) fit.text = CutToBytes(fit.text, roomBytes, fit.cut);
  return fit;
}

}  // namespace ruvo
