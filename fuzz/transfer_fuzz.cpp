// Arbitrary bytes as a pasted memo: the transfer and the text operations it
// is built from must neither crash nor read out of bounds, and must keep
// their promises about lengths and half characters.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "transfer/classify.h"
#include "transfer/dprint.h"
#include "transfer/half_width.h"
#include "transfer/mail_transfer.h"
#include "transfer/pattern_set.h"
#include "transfer/sjis.h"
#include "transfer/text_ops.h"
#include "transfer/transfer.h"

namespace {

// Lines as the memo holds them: split at LF and CR, nothing else touched.
ruvo::MemoLines SplitAtLineBreaks(std::string_view text) {
  ruvo::MemoLines lines(1);
  for (char c : text) {
    if (c == '\n' || c == '\r') {
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}

void Require(bool condition) {
  if (!condition) std::abort();
}

// One walk over the line must count what one SubStrCount per word counts.
void CheckPatternSet(std::string_view line) {
  static const ruvo::PatternSet labelWords(ruvo::LabelWords());
  std::size_t expected = 0;
  std::uint64_t expectedBits = 0;
  for (std::size_t i = 0; i < ruvo::LabelWords().size(); ++i) {
    const std::size_t count = ruvo::SubStrCount(line, ruvo::LabelWords()[i]);
    expected += count;
    if (count > 0) expectedBits |= std::uint64_t{1} << i;
  }
  Require(labelWords.CountAll(line) == expected);
  Require(labelWords.Occurring(line) == expectedBits);
}

void ExerciseLine(std::string_view line) {
  CheckPatternSet(line);
  const std::string half = ruvo::ToHalfWidth(line);
  Require(half.size() <= line.size());
  Require(ruvo::ToHalfWidth(half) == half);
  const std::string stripped = ruvo::StripLabelWords(line);
  Require(stripped.size() <= line.size());
  (void)ruvo::ZipTelCheck(line);
  (void)ruvo::AddressMarkCount(line);
  (void)ruvo::IsPrefectureLine(line);
  (void)ruvo::MailMarkCount(line);
}

void CheckTransfer(const ruvo::MemoLines& memo) {
  const ruvo::TransferResult result = ruvo::TransferText(memo);
  Require(result.compacted.size() <= ruvo::kCompactLineCount);
  if (result.noTextMessage) {
    Require(result.FinalMemo().empty());
    return;
  }
  Require(result.FinalMemo().size() == 7);
  for (const std::string& line : result.FinalMemo()) {
    Require(line.size() <= ruvo::kMemoLineReadLimit);
  }
}

// The whole mail's transfer: the rules' promises, and a first address line
// that always fits the slip.
void CheckMailTransfer(const ruvo::MemoLines& memo) {
  const ruvo::MailTransferResult result = ruvo::TransferMail(memo);
  if (result.rules.noTextMessage) return;
  Require(result.FinalMemo().size() == 7);
  // Line 1 is the start of the rules' line 1, cut between two characters.
  const std::string& whole = result.rules.written.add1;
  const std::string& line1 = result.written.add1;
  Require(line1.size() <= ruvo::kAddressLine1MaxBytes);
  Require(whole.starts_with(line1));
  Require(ruvo::sjis::BoundaryAtOrBefore(whole, line1.size()) == line1.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ruvo::MemoLines memo = SplitAtLineBreaks(text);
  for (std::size_t i = 0; i < memo.size() && i < 4; ++i)
    ExerciseLine(memo[i]);
  CheckTransfer(memo);
  CheckMailTransfer(memo);
  return 0;
}
