#include "transfer/sjis.h"

namespace ruvo::sjis {

std::size_t CharLengthAt(std::string_view text, std::size_t pos) {
  return IsLeadByte(text[pos]) && pos + 1 < text.size() ? 2 : 1;
}

std::size_t CharCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); pos += CharLengthAt(text, pos))
    ++count;
  return count;
}

std::size_t BoundaryAtOrBefore(std::string_view text, std::size_t limit) {
  if (limit >= text.size()) return text.size();
  std::size_t pos = 0;
  while (pos < limit) {
    const std::size_t next = pos + CharLengthAt(text, pos);
    if (next > limit) break;
    pos = next;
  }
  return pos;
}

std::string_view HeadBytes(std::string_view text, std::size_t maxBytes) {
  return text.substr(0, BoundaryAtOrBefore(text, maxBytes));
}

}  // namespace ruvo::sjis
