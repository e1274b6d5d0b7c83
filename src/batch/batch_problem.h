#pragma once
// The problems a batch of orders can have, and their texts: Japanese, CP932,
// as the window shows them and the command line writes them.

#include <cstddef>
#include <string>
#include <string_view>

namespace ruvo::batch {

// One problem of an order file or of the column map beside it.
struct BatchProblem {
  std::string file;    // CP932, the file as the user named it
  int row = 0;         // the row a spreadsheet shows (the header is row 1); 0: the whole file
  std::string column;  // CP932: the column's header, or the field's name when the column
                       // is missing; empty for the file or the row as a whole
  std::string reason;  // CP932, one of the texts below, completed where it ends in ": "

  bool operator==(const BatchProblem&) const = default;
};

namespace reason {

// "空です"
inline constexpr std::string_view kEmpty = "\x8B\xF3\x82\xC5\x82\xB7";
// "郵便番号は 999-9999 の形で書いてください"
inline constexpr std::string_view kBadZip =
    "\x97\x58\x95\xD6\x94\xD4\x8D\x86\x82\xCD 999-9999 \x82\xCC\x8C\x60\x82\xC5\x8F\x91"
    "\x82\xA2\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2";
// "個数は 1 から 999 までの数で書いてください"
inline constexpr std::string_view kBadQuantity =
    "\x8C\xC2\x90\x94\x82\xCD 1 \x82\xA9\x82\xE7 999 \x82\xDC\x82\xC5\x82\xCC\x90\x94\x82"
    "\xC5\x8F\x91\x82\xA2\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2";
// "依頼主は 1 から 10 までの番号で書いてください"
inline constexpr std::string_view kBadSender =
    "\x88\xCB\x97\x8A\x8E\xE5\x82\xCD 1 \x82\xA9\x82\xE7 10 \x82\xDC\x82\xC5\x82\xCC\x94"
    "\xD4\x8D\x86\x82\xC5\x8F\x91\x82\xA2\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2";
// "依頼主を読めません: "
inline constexpr std::string_view kSenderUnreadable =
    "\x88\xCB\x97\x8A\x8E\xE5\x82\xF0\x93\xC7\x82\xDF\x82\xDC\x82\xB9\x82\xF1: ";
// "郵便番号と住所が一致しません: "
inline constexpr std::string_view kZipMismatch =
    "\x97\x58\x95\xD6\x94\xD4\x8D\x86\x82\xC6\x8F\x5A\x8F\x8A\x82\xAA\x88\xEA\x92\x76\x82"
    "\xB5\x82\xDC\x82\xB9\x82\xF1: ";
// "文字として読めないバイトがあります(〓と印刷されます)": bytes of a UTF-8 file
// that are no character, a byte damaged or a field of another encoding.
inline constexpr std::string_view kUnreadableBytes =
    "\x95\xB6\x8E\x9A\x82\xC6\x82\xB5\x82\xC4\x93\xC7\x82\xDF\x82\xC8\x82\xA2\x83\x6F\x83"
    "\x43\x83\x67\x82\xAA\x82\xA0\x82\xE8\x82\xDC\x82\xB7(\x81\xAC\x82\xC6\x88\xF3\x8D\xFC\x82"
    "\xB3\x82\xEA\x82\xDC\x82\xB7)";
// "同じ注文の行でお届け先が違います": a row of an order whose recipient is not
// the one of the order's first row.
inline constexpr std::string_view kRecipientDiffers =
    "\x93\xAF\x82\xB6\x92\x8D\x95\xB6\x82\xCC\x8D\x73\x82\xC5\x82\xA8\x93\xCD\x82\xAF\x90"
    "\xE6\x82\xAA\x88\xE1\x82\xA2\x82\xDC\x82\xB7";
// "Shift-JIS にない文字があります(〓と印刷されます)"
inline constexpr std::string_view kNotInCp932 =
    "Shift-JIS \x82\xC9\x82\xC8\x82\xA2\x95\xB6\x8E\x9A\x82\xAA\x82\xA0\x82\xE8\x82\xDC"
    "\x82\xB7(\x81\xAC\x82\xC6\x88\xF3\x8D\xFC\x82\xB3\x82\xEA\x82\xDC\x82\xB7)";
// "見出しより列が多い行です"
inline constexpr std::string_view kExtraFields =
    "\x8C\xA9\x8F\x6F\x82\xB5\x82\xE6\x82\xE8\x97\xF1\x82\xAA\x91\xBD\x82\xA2\x8D\x73\x82"
    "\xC5\x82\xB7";
// "列がありません"
inline constexpr std::string_view kMissingColumn =
    "\x97\xF1\x82\xAA\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1";
// "同じ項目の列がほかにもあります"
inline constexpr std::string_view kDuplicateColumn =
    "\x93\xAF\x82\xB6\x8D\x80\x96\xDA\x82\xCC\x97\xF1\x82\xAA\x82\xD9\x82\xA9\x82\xC9\x82"
    "\xE0\x82\xA0\x82\xE8\x82\xDC\x82\xB7";
// "引用符(")の位置が正しくありません"
inline constexpr std::string_view kMisplacedQuote =
    "\x88\xF8\x97\x70\x95\x84(\x22)\x82\xCC\x88\xCA\x92\x75\x82\xAA\x90\xB3\x82\xB5\x82"
    "\xAD\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1";
// "引用符(")が閉じていません"
inline constexpr std::string_view kUnclosedQuote =
    "\x88\xF8\x97\x70\x95\x84(\x22)\x82\xAA\x95\xC2\x82\xB6\x82\xC4\x82\xA2\x82\xDC\x82"
    "\xB9\x82\xF1";
// "CSV のテキストファイルではありません"
inline constexpr std::string_view kBinary =
    "CSV \x82\xCC\x83\x65\x83\x4C\x83\x58\x83\x67\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xC5"
    "\x82\xCD\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1";
// "空のファイルです"
inline constexpr std::string_view kEmptyFile =
    "\x8B\xF3\x82\xCC\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xC5\x82\xB7";
// "注文の行がありません"
inline constexpr std::string_view kNoRows =
    "\x92\x8D\x95\xB6\x82\xCC\x8D\x73\x82\xAA\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1";
// "対応表の項目名が分かりません"
inline constexpr std::string_view kMapUnknownField =
    "\x91\xCE\x89\x9E\x95\x5C\x82\xCC\x8D\x80\x96\xDA\x96\xBC\x82\xAA\x95\xAA\x82\xA9\x82"
    "\xE8\x82\xDC\x82\xB9\x82\xF1";
// "対応表の行は「列名 = 項目名」の形で書いてください"
inline constexpr std::string_view kMapNoEquals =
    "\x91\xCE\x89\x9E\x95\x5C\x82\xCC\x8D\x73\x82\xCD\x81\x75\x97\xF1\x96\xBC = \x8D\x80"
    "\x96\xDA\x96\xBC\x81\x76\x82\xCC\x8C\x60\x82\xC5\x8F\x91\x82\xA2\x82\xC4\x82\xAD\x82"
    "\xBE\x82\xB3\x82\xA2";

// "対応表の「+」と「|」の間には列名か "文字" を書いてください"
inline constexpr std::string_view kMapBadJoin =
    "\x91\xCE\x89\x9E\x95\x5C\x82\xCC\x81\x75+\x81\x76\x82\xC6\x81\x75|\x81\x76\x82\xCC\x8A"
    "\xD4\x82\xC9\x82\xCD\x97\xF1\x96\xBC\x82\xA9 \x22\x95\xB6\x8E\x9A\x22 \x82\xF0\x8F\x91"
    "\x82\xA2\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2";

// "長すぎます(30バイトまで、32バイトあります)": a text over its field's limit.
std::string TooLong(std::size_t limit, std::size_t given);

// "列が多すぎます(1000 列まで、20000 列あります)": a header wider than any
// shop's export, read no further.
std::string TooManyColumns(std::size_t limit, std::size_t given);

// "ファイルが大きすぎます(16 MiB まで)": an order file over the size the
// batch reads.
std::string FileTooLarge(std::size_t limitBytes);

// "時間帯「午前中」はこの送り状に印刷できません(印刷できるのは 10→12時、12→14時、
// 14→16時、16→18時、18→20時)": a wished time the form has no box for, and
// the boxes it has.
std::string TimeSlotNotOnForm(std::string_view value);

// "希望日「来週」が分かりません(3/15、2026/03/15、20260315 などで書いてください)".
std::string UnreadableDate(std::string_view value);

}  // namespace reason
}  // namespace ruvo::batch
