#pragma once
// The transfer of a pasted address block into the recipient fields.
//
// The memo is compacted (blank and mail/web lines out), its first seven lines
// are cleaned, a postal code with more text on its line is split off, and
// every line is judged: postal code, telephone, prefecture, address or name.
// The first line that qualifies for a field wins; later ones are dropped.

#include <cstddef>
#include <string>
#include <string_view>

#include "transfer/memo_lines.h"
#include "transfer/recipient_fields.h"

namespace ruvo {

// Shown instead of a transfer when the memo holds nothing usable.
inline constexpr std::string_view kNoTransferTextMessage =
    "\x93\x5D\x91\x97\x83\x65\x83\x4C\x83\x58\x83\x67\x82\xAA\x82\xA0\x82\xE8\x82\xDC\x82\xB9"
    "\x82\xF1";  // 転送テキストがありません

// Memo lines the compaction reads; line 17 and later are discarded.
inline constexpr std::size_t kCompactLineCount = 16;

// The line chosen for each destination; empty when none qualified.
struct TransferPicks {
  std::string zip;   // first postal-code line
  std::string tel;   // first telephone line
  std::string pref;  // first line that is exactly a prefecture
  std::string add1;  // first address line
  std::string add2;  // second address line
  std::string name;  // first name line
};

struct TransferResult {
  // "転送テキストがありません" is due: nothing usable in the first 16 lines.
  // The fields keep their values and the memo is left empty.
  bool noTextMessage = false;
  MemoLines compacted;  // the memo after the compaction
  MemoLines cleaned;    // after the cleaning: 7 lines (empty when noTextMessage)
  MemoLines split;      // after the postal-code split: 7 lines (idem)
  TransferPicks picks;
  // The texts written into the fields (all five are cleared first); unused
  // when noTextMessage.
  RecipientFields written;

  // The memo as the window shows it after the transfer.
  const MemoLines& FinalMemo() const { return noTextMessage ? compacted : split; }
};

// Memo lines 1 to 16, trimmed, without blank lines and without lines that
// hold a mail or web address mark.
MemoLines CompactMemo(const MemoLines& memo);

// A line of 7 (trimmed) whose first 8 bytes are a postal code and whose
// bytes 9 to 88 hold more than 6 characters keeps only the code; those bytes
// (untrimmed) move to the first empty line after it, or are dropped when
// there is none. A line that received them is examined in its turn. Returns
// the 7 lines that replace the memo.
MemoLines SplitPostalLines(const MemoLines& memo);

// Both judging passes over the (trimmed) working lines: first postal code and
// telephone, then prefecture, address and name.
TransferPicks PickRecipientLines(const MemoLines& lines);

// The field texts from the picks: address line 1 is the trimmed prefecture
// followed directly by the trimmed first address line.
RecipientFields FieldsFromPicks(const TransferPicks& picks);

// The whole transfer of the pasted `memo`.
TransferResult TransferText(const MemoLines& memo);

// The recipient fields as the window holds them after `result`, given what
// they held before (kept when the message was due).
RecipientFields ApplyTransfer(const TransferResult& result, const RecipientFields& before);

}  // namespace ruvo
