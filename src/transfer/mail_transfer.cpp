#include "transfer/mail_transfer.h"

#include <tuple>

#include "transfer/address_split.h"
#include "transfer/mail_line.h"
#include "transfer/mail_values.h"

namespace ruvo {

std::optional<std::string> MailTransferResult::SectionHeading() const {
  if (!block || block->source == BlockSource::kWholeText) return std::nullopt;
  return block->heading;
}

bool IsPlainPaste(const MemoLines& memo) {
  for (std::size_t i = 0; i < memo.size(); ++i) {
    const std::string_view line = ReadMemoLine(memo, i);
    if (HasBracket(line) || HasSevenDigitRun(line) || ParseHeading(line)) return false;
  }
  return true;
}

MailTransferResult TransferMail(const MemoLines& memo) {
  MailTransferResult result;
  if (IsPlainPaste(memo)) {
    result.rules = TransferText(memo);
  } else {
    result.block = FindRecipientBlock(memo);
    if (!result.block) result.block = ReadWholeText(memo);
    result.rules = TransferText(result.block->lines);
  }
  result.written = result.rules.written;
  std::tie(result.written.add1, result.written.add2) =
      SplitLongAddress(result.written.add1, result.written.add2);
  return result;
}

RecipientFields ApplyMailTransfer(const MailTransferResult& result, const RecipientFields& before) {
  if (result.rules.noTextMessage) return before;
  return AsHeldByWindow(result.written);
}

}  // namespace ruvo
