#include "transfer/loose_lines.h"

#include "transfer/char_kinds.h"
#include "transfer/mail_values.h"
#include "transfer/sjis.h"

namespace ruvo {

namespace {

// The blank-separated parts of `text`: 2 for "藤田 学" and "フジタ マナブ".
std::size_t PartCount(std::string_view text) {
  std::size_t parts = 0;
  bool inPart = false;
  for (std::size_t pos = 0; pos < text.size(); pos += sjis::CharLengthAt(text, pos)) {
    const bool blank = IsBlankCode(CodeAt(text, pos));
    if (!blank && !inPart) ++parts;
    inPart = !blank;
  }
  return parts;
}

// The first (or last) line that may be the name, inside the run after the
// address or outside it, of kana only or not.
std::optional<std::size_t> NameCandidate(const std::vector<LooseLine>& lines, bool inRun,
                                         bool kana) {
  std::optional<std::size_t> found;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const LooseLine& line = lines[i];
    if (line.addressLike || line.afterAddress != inRun || IsKanaOnly(line.text) != kana) continue;
    found = i;
    if (!inRun) break;  // outside the run the first, inside it the last
  }
  return found;
}

std::optional<std::size_t> NameIndex(const std::vector<LooseLine>& lines) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].named) return i;
  }
  for (const bool kana : {false, true}) {
    for (const bool inRun : {false, true}) {
      if (const auto found = NameCandidate(lines, inRun, kana)) return found;
    }
  }
  return std::nullopt;
}

bool IsReadingOf(const LooseLine& reading, const LooseLine& name) {
  const bool next = reading.line + 1 == name.line || name.line + 1 == reading.line;
  const std::string written = NameOf(name.text);
  const std::size_t parts = PartCount(written);
  return next && !reading.named && IsKanaOnly(reading.text) && !IsKanaOnly(written) &&
         (parts == 1 || PartCount(reading.text) == parts);
}

}  // namespace

LooseReading ReadLooseLines(const std::vector<LooseLine>& lines) {
  LooseReading reading;
  reading.name = NameIndex(lines);
  const LooseLine* name = reading.name ? &lines[*reading.name] : nullptr;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const LooseLine& line = lines[i];
    if (!line.afterAddress || &line == name) continue;
    if (name != nullptr &&
        (IsReadingOf(line, *name) || (name->afterAddress && line.line > name->line)))
      continue;
    reading.address.push_back(i);
  }
  return reading;
}

}  // namespace ruvo
