#include "transfer/transfer.h"

#include "transfer/classify.h"
#include "transfer/clean_lines.h"
#include "transfer/sjis.h"
#include "transfer/text_ops.h"

namespace ruvo {

namespace {

// A postal code at the start of a line is its first 8 bytes ("105-0011").
constexpr std::size_t kPostalHeadBytes = 8;
// Of the text after it, at most 80 bytes (bytes 9 to 88) are moved, and only
// when they hold more than 6 characters.
constexpr std::size_t kPostalRestBytes = 80;
constexpr std::size_t kPostalRestMinimum = 7;
// An address line holds an address mark and has at least 7 characters.
constexpr std::size_t kAddressLineMinimum = 7;

// The first line that qualifies for a field wins.
void PickOnce(std::string& pick, const std::string& line) {
  if (pick.empty()) pick = line;
}

// The first line after `k` that is empty after trimming, or lines.size().
std::size_t FirstEmptyAfter(const MemoLines& lines, std::size_t k) {
  for (std::size_t j = k + 1; j < lines.size(); ++j) {
    if (Trim(lines[j]).empty()) return j;
  }
  return lines.size();
}

void SplitPostalLine(MemoLines& lines, std::size_t k) {
  const std::string_view line = lines[k];
  if (line.size() <= kPostalHeadBytes) return;
  const std::string_view head = line.substr(0, kPostalHeadBytes);
  // Cut at the last whole character so no half character moves.
  const std::string rest(sjis::HeadBytes(line.substr(kPostalHeadBytes), kPostalRestBytes));
  if (ZipTelCheck(head) != ZipTelVerdict::PostalCode) return;
  if (sjis::CharCount(rest) < kPostalRestMinimum) return;
  const std::size_t target = FirstEmptyAfter(lines, k);
  if (target < lines.size()) lines[target] = rest;
  lines[k].resize(kPostalHeadBytes);
}

// First pass: postal code and telephone lines are taken (or dropped when
// their pick is already set) and emptied.
void PickPostalAndTelephone(MemoLines& lines, TransferPicks& picks) {
  for (std::string& line : lines) {
    const ZipTelVerdict verdict = ZipTelCheck(line);
    if (verdict == ZipTelVerdict::Other) continue;
    PickOnce(verdict == ZipTelVerdict::PostalCode ? picks.zip : picks.tel, line);
    line.clear();
  }
}

// Second pass: a prefecture line, else an address line (an address mark and
// 7 or more characters, whatever else it holds), else a name line.
void PickAddressAndName(const MemoLines& lines, TransferPicks& picks) {
  for (const std::string& line : lines) {
    if (line.empty()) continue;
    if (IsPrefectureLine(line)) {
      PickOnce(picks.pref, line);
    } else if (AddressMarkCount(line) > 0 && sjis::CharCount(line) >= kAddressLineMinimum) {
      PickOnce(picks.add1.empty() ? picks.add1 : picks.add2, line);
    } else {
      PickOnce(picks.name, line);
    }
  }
}

}  // namespace

MemoLines CompactMemo(const MemoLines& memo) {
  MemoLines retained;
  for (std::size_t i = 0; i < kCompactLineCount; ++i) {
    const std::string_view line = Trim(ReadMemoLine(memo, i));
    if (line.empty() || MailMarkCount(line) > 0) continue;
    retained.emplace_back(line);
  }
  return retained;
}

MemoLines SplitPostalLines(const MemoLines& memo) {
  MemoLines lines = ReadTrimmedLines(memo, kTransferLineCount);
  for (std::size_t k = 0; k < lines.size(); ++k)
    SplitPostalLine(lines, k);
  return lines;
}

TransferPicks PickRecipientLines(const MemoLines& lines) {
  MemoLines working = lines;
  TransferPicks picks;
  PickPostalAndTelephone(working, picks);
  PickAddressAndName(working, picks);
  return picks;
}

RecipientFields FieldsFromPicks(const TransferPicks& picks) {
  RecipientFields fields;
  fields.zip = picks.zip;
  fields.add1 = std::string(Trim(picks.pref)) + std::string(Trim(picks.add1));
  fields.add2 = picks.add2;
  fields.name = picks.name;
  fields.tel = picks.tel;
  return fields;
}

TransferResult TransferText(const MemoLines& memo) {
  TransferResult result;
  result.compacted = CompactMemo(memo);
  if (result.compacted.empty()) {
    result.noTextMessage = true;
    return result;
  }
  result.cleaned = CleanLines(result.compacted);
  result.split = SplitPostalLines(result.cleaned);
  result.picks = PickRecipientLines(ReadTrimmedLines(result.split, kTransferLineCount));
  result.written = FieldsFromPicks(result.picks);
  return result;
}

RecipientFields ApplyTransfer(const TransferResult& result, const RecipientFields& before) {
  if (result.noTextMessage) return before;
  return AsHeldByWindow(result.written);
}

}  // namespace ruvo
