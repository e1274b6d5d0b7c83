#pragma once
// The transfer of a paste as it arrives: a plain address block, a shop's
// recipient block with its heading and labels, or a whole order mail.
//
// A plain block (no section heading, no bracket, no run of seven digits)
// goes to the transfer's rules as it stands, untouched by the finder.
// Any other paste goes through the recipient-block finder first, which
// hands the rules the lines of the recipient's section, written as the rules
// read them. Either way an address longer than line 1 holds continues on
// line 2 at its building.

#include <optional>

#include "transfer/memo_lines.h"
#include "transfer/recipient_block.h"
#include "transfer/recipient_fields.h"
#include "transfer/transfer.h"

namespace ruvo {

// The lines of a paste the transfer reads: a long order mail holds a few
// hundred, and 1000 lines of at most kMemoLineReadLimit bytes keep what a
// paste of any size costs within 4 MiB.
inline constexpr std::size_t kMailLineLimit = 1000;

struct MailTransferResult {
  // The finder's block; nothing when the paste was plain and the rules
  // read it as it stands.
  std::optional<RecipientBlock> block;
  TransferResult rules;  // the rules' run over the paste or the block's lines
  // The fields the transfer writes (cleared first), the long address split;
  // unused when rules.noTextMessage.
  RecipientFields written;

  // The memo as the window shows it afterwards: the lines the fields were
  // taken from.
  const MemoLines& FinalMemo() const { return rules.FinalMemo(); }
  // The heading of the section the recipient was taken from, or nothing.
  std::optional<std::string> SectionHeading() const;
};

// True when the rules read `memo` as it stands: no line is a section
// heading or holds a bracket or a run of seven digits.
bool IsPlainPaste(const MemoLines& memo);

// The whole transfer of the pasted `memo`, every line of it.
MailTransferResult TransferMail(const MemoLines& memo);

// The recipient fields as the window holds them after `result`, given what
// they held before (kept when there was nothing to transfer).
RecipientFields ApplyMailTransfer(const MailTransferResult& result, const RecipientFields& before);

}  // namespace ruvo
