#pragma once
// Finds the recipient in a pasted order mail.
//
// An order mail holds the orderer's section and, for a gift, the
// recipient's, each under a heading ("◎お届け先", "【配送先】", "[送付先]",
// "ご注文者情報", "請求先住所") and written line by line with labels
// ("お名前：", "郵便番号：〒4443436", "(TEL)"). The finder takes the
// recipient's section, or the orderer's when the recipient's is missing or
// says it is the orderer, and writes its values as the lines the transfer's
// rules read best: name, postal code, address, telephone.

#include <optional>
#include <string>

#include "transfer/memo_lines.h"

namespace ruvo {

// Where the lines handed to the rules come from.
enum class BlockSource {
  kRecipient,           // the recipient's section
  kOrdererAsRecipient,  // the recipient's section says it is the orderer: the orderer's section
  kOrderer,             // no recipient's section: the orderer's
  kWholeText,           // no section: the whole paste, read line by line as a section is
};

struct RecipientBlock {
  BlockSource source = BlockSource::kWholeText;
  // The heading of the section used ("お届け先", "配送先情報"); empty for
  // kWholeText.
  std::string heading;
  // Name, postal code ("444-3436"), address (its lines joined) and
  // telephone ("06-5403-9856"), those that were found, in this order.
  MemoLines lines;
};

// The section to take the recipient from, read into lines; nothing when
// no recipient's or orderer's section holds a value.
//
// A section starts at its heading (a name on the heading line is its
// first value) and ends at the next heading or decorated line, at a rule
// or a blank line once it holds values (unless the line after the blank
// brings a value it still lacks), or after a few dozen lines. In it:
// labelled lines give their value by the label; lines with any other label
// (お届け日, 商品名 …), FAX, mail, country and reading lines give nothing;
// unlabelled lines are judged by their look (a telephone number, a postal
// code, an address that starts with a prefecture or has the look of one, a
// line with a number or building word continuing an address, a company),
// the rest by where they stand (ReadLooseLines: the name, its reading, a
// building on a line of its own). The first value of each kind wins; a name
// that says it is one (by a label or an honorific) wins over one that does
// not.
std::optional<RecipientBlock> FindRecipientBlock(const MemoLines& memo);

// The whole paste read line by line as a section is, without its bounds:
// for a paste that holds no section heading but is no plain address block.
RecipientBlock ReadWholeText(const MemoLines& memo);

}  // namespace ruvo
