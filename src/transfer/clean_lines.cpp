#include "transfer/clean_lines.h"

#include "numedit/num_value_model.h"
#include "transfer/half_width.h"
#include "transfer/text_ops.h"

namespace ruvo {

namespace {

// A reading of this many characters marks a postal code ("105") or a house
// number, not a telephone area code ("3" of "03-").
constexpr std::size_t kNumberLedMinimum = 3;

}  // namespace

std::string NumericLead(std::string_view text) {
  NumValueModel reader;
  reader.SetText(text);
  return reader.GetText();
}

MemoLines CleanLines(const MemoLines& memo) {
  MemoLines lines = ReadTrimmedLines(memo, kTransferLineCount);
  std::string& last = lines.back();
  for (std::string& line : lines) {
    line = std::string(TrimBlanks(StripLabelWords(line)));
    // The reading holds only ASCII, so its bytes are its characters.
    if (NumericLead(line).size() >= kNumberLedMinimum) line = ToHalfWidth(line);
    last = ToHalfWidth(last);
  }
  return lines;
}

}  // namespace ruvo
