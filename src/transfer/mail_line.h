#pragma once
// The shape of one line of an order mail: a section heading, a labelled
// value, a rule.
//
// Lines are CP932 text as pasted; blanks of both widths and tabs may stand
// around them.

#include <optional>
#include <string>
#include <string_view>

#include "transfer/mail_words.h"

namespace ruvo {

struct MailHeading {
  SectionKind kind = SectionKind::kRecipient;
  // The heading as written, decoration, brackets and colon aside
  // ("お届け先" of "◎お届け先", "配送先情報" of "配送先情報 :").
  std::string text;
  // What stands after the heading on its line ("佐藤 恵 様" of
  // "[送付先] 佐藤 恵 様"); empty for most headings.
  std::string value;
};

// A heading of the recipient's or the orderer's section. Undecorated, the
// heading stands alone on its line ("お届け先", "配送先住所", "　ご注文者情報",
// "配送先情報 :"), or it would be a label ("お届け先：山田太郎様" is a name).
// Decorated with a mark, brackets or rules it may carry a value ("◎お届け先",
// "■ご注文者情報", "【配送先】", "＜お届け先＞", "━━ お届け先 ━━",
// "[送付先] 佐藤 恵 様").
std::optional<MailHeading> ParseHeading(std::string_view line);

// A line set off as the heading of any section: it starts with a mark or
// stands in brackets ("【ご注文内容】", "■ご請求金額", "◎配送商品",
// "[ご注文商品]"). Such a line ends the recipient's section.
bool IsDecoratedLine(std::string_view line);

struct MailLabel {
  // The label's kind; nothing for a label the slip has no use for
  // ("ご注文番号", "お届け日", "商品名").
  std::optional<LabelKind> kind;
  std::string value;  // the rest of the line, blanks trimmed
};

// The label of a line, found before "：" or ":" ("お名前　：", "TEL:"), in
// brackets ("(TEL)", "（電話）", "【電話番号】"), before a blank when it is a
// known label ("電話番号 03-…", "〒 105-0011", "宛名 佐藤 恵"), or glued to a
// number ("〒1050011", "TEL03-…", "℡0312345678"). A mark before it
// ("・", "●", "■") is passed over. Nothing when the line has no label.
std::optional<MailLabel> ParseLabel(std::string_view line);

struct BracketedEnd {
  std::size_t open = 0;     // where its opening bracket stands
  std::string_view inside;  // what the brackets hold
};

// A part in round or square brackets that ends `text` ("佐藤 恵 (サトウ
// メグミ)", "佐藤 恵【さとう めぐみ】"); nothing when `text` ends otherwise.
std::optional<BracketedEnd> BracketedAtEnd(std::string_view text);

// True when the line holds a bracket of any kind ("(03)1234-5678",
// "[送付先]", "【配送先】", "（サトウ）").
bool HasBracket(std::string_view line);

// True when the line holds no digit, letter, kana or kanji: a blank line, a
// rule ("━━━━", "**********", "--------", "ーーーー") or a decoration.
bool HasNoContent(std::string_view line);

}  // namespace ruvo
