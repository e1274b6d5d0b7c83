#include "transfer/mail_line.h"

#include <array>

#include "transfer/char_kinds.h"
#include "transfer/sjis.h"
#include "transfer/text_ops.h"

namespace ruvo {

namespace {

struct BracketPair {
  std::string_view open;
  std::string_view close;
};

// Brackets that set off a heading or a label ("【配送先】", "[送付先]").
constexpr std::array<BracketPair, 11> kSquareBrackets = {{
    {"\x81\x79", "\x81\x7A"},  // 【】
    {"[", "]"},                // []
    {"\x81\x6D", "\x81\x6E"},  // ［］
    {"\x81\x83", "\x81\x84"},  // ＜＞
    {"<", ">"},                // <>
    {"\x81\x73", "\x81\x74"},  // 《》
    {"\x81\xE1", "\x81\xE2"},  // ≪≫
    {"\x81\x6B", "\x81\x6C"},  // 〔〕
    {"\x81\x71", "\x81\x72"},  // 〈〉
    {"\x81\x75", "\x81\x76"},  // 「」
    {"\x81\x77", "\x81\x78"},  // 『』
}};

// Round brackets set off labels only ("(TEL)", "（電話）"): "(株)" or a
// reading in them is part of a value.
constexpr std::array<BracketPair, 2> kRoundBrackets = {{
    {"(", ")"},                // ()
    {"\x81\x69", "\x81\x6A"},  // （）
}};

// Marks that set off a heading or lead a labelled line.
constexpr std::array<unsigned, 14> kMarks = {
    0x81A1,  // ■
    0x81A0,  // □
    0x819F,  // ◆
    0x819E,  // ◇
    0x819D,  // ◎
    0x819B,  // ○
    0x819C,  // ●
    0x819A,  // ★
    0x8199,  // ☆
    0x81A5,  // ▼
    0x81A4,  // ▽
    0x81A3,  // ▲
    0x81A2,  // △
    0x81F4,  // ♪
};

constexpr unsigned kBullet = 0x8145;  // ・, which leads a line of a list but sets off no heading

// Characters rules and frames are drawn with (box drawing aside, which is
// a range of its own).
constexpr std::array<unsigned, 17> kRuleCodes = {
    '*',    '=', '-', '_', '~', '#', '+',
    0x8181,  // ＝
    0x8196,  // ＊
    0x8151,  // ＿
    0x8160,  // ～
    0x817C,  // －
    0x815C,  // ―
    0x815D,  // ‐
    0x815B,  // ー, a rule when it stands alone
    0x84AA,  // ━
    0x849F,  // ─
};

constexpr unsigned kFullWidthColon = 0x8146;  // ：

template <std::size_t N>
bool Contains(const std::array<unsigned, N>& codes, unsigned code) {
  for (const unsigned c : codes) {
    if (c == code) return true;
  }
  return false;
}

bool IsBoxDrawing(unsigned code) {
  return code >= 0x849F && code <= 0x84BE;  // ─ to ╂
}

bool IsMark(unsigned code) {
  return Contains(kMarks, code) || code == kBullet;
}

bool IsDecoration(unsigned code) {
  return IsMark(code) || Contains(kRuleCodes, code) || IsBoxDrawing(code) || IsBlankCode(code);
}

std::size_t LastCharAt(std::string_view text) {
  return sjis::BoundaryAtOrBefore(text, text.size() - 1);
}

// `text` without the decorations and blanks at its front; `decorated`
// becomes true when a decoration other than a blank went.
std::string_view StripFront(std::string_view text, bool& decorated) {
  while (!text.empty() && IsDecoration(CodeAt(text, 0))) {
    decorated = decorated || !IsBlankCode(CodeAt(text, 0));
    text.remove_prefix(sjis::CharLengthAt(text, 0));
  }
  return text;
}

std::string_view StripBack(std::string_view text, bool& decorated) {
  while (!text.empty() && IsDecoration(CodeAt(text, LastCharAt(text)))) {
    decorated = decorated || !IsBlankCode(CodeAt(text, LastCharAt(text)));
    text = text.substr(0, LastCharAt(text));
  }
  return text;
}

std::string_view StripBoth(std::string_view text, bool& decorated) {
  return StripBack(StripFront(text, decorated), decorated);
}

std::string_view SkipMarks(std::string_view text) {
  while (!text.empty() && (IsMark(CodeAt(text, 0)) || IsBlankCode(CodeAt(text, 0))))
    text.remove_prefix(sjis::CharLengthAt(text, 0));
  return text;
}

bool IsColon(unsigned code) {
  return code == ':' || code == kFullWidthColon;
}

// The position of the first character of `text` for which `is` holds, or
// text.size().
template <typename Predicate>
std::size_t FindChar(std::string_view text, Predicate is) {
  for (std::size_t pos = 0; pos < text.size(); pos += sjis::CharLengthAt(text, pos)) {
    if (is(CodeAt(text, pos))) return pos;
  }
  return text.size();
}

std::size_t FindText(std::string_view text, std::string_view word, std::size_t from) {
  for (std::size_t pos = from; pos < text.size(); pos += sjis::CharLengthAt(text, pos)) {
    if (text.substr(pos).starts_with(word)) return pos;
  }
  return text.size();
}

struct Bracketed {
  std::string_view inside;
  std::string_view after;
};

template <std::size_t N>
std::optional<Bracketed> BracketedAtFront(std::string_view text,
                                          const std::array<BracketPair, N>& pairs) {
  for (const BracketPair& pair : pairs) {
    if (!text.starts_with(pair.open)) continue;
    const std::size_t close = FindText(text, pair.close, pair.open.size());
    if (close == text.size()) continue;
    return Bracketed{text.substr(pair.open.size(), close - pair.open.size()),
                     text.substr(close + pair.close.size())};
  }
  return std::nullopt;
}

// The value after a label: blanks and a colon at its front go
// ("【電話番号】：03-…").
std::string ValueAfter(std::string_view rest) {
  rest = TrimBlanks(rest);
  if (!rest.empty() && IsColon(CodeAt(rest, 0))) rest.remove_prefix(sjis::CharLengthAt(rest, 0));
  return std::string(TrimBlanks(rest));
}

// An unknown label before a colon: a short word without digits
// ("ご注文番号", "配送希望時間"), not a time ("10:00") or a date.
bool IsLabelLike(std::string_view key) {
  constexpr std::size_t kLongestLabelBytes = 30;
  return !key.empty() && key.size() <= kLongestLabelBytes &&
         key.find_first_of("0123456789") == std::string_view::npos;
}

// A label glued to the number after it: "〒1050011", "TEL03-1234-5678".
std::optional<MailLabel> GluedLabel(std::string_view text) {
  const std::size_t number = FindChar(text, [](unsigned code) {
    return IsDigitCode(code) || code == '+' || code == '(' || code == 0x8169;  // （
  });
  if (number == 0 || number == text.size()) return std::nullopt;
  const auto kind = KnownLabelKind(MailKey(text.substr(0, number)));
  if (kind != LabelKind::kPostalCode && kind != LabelKind::kTelephone && kind != LabelKind::kFax)
    return std::nullopt;
  return MailLabel{kind, std::string(TrimBlanks(text.substr(number)))};
}

std::optional<MailLabel> BracketLabel(std::string_view text) {
  auto bracketed = BracketedAtFront(text, kSquareBrackets);
  if (!bracketed) bracketed = BracketedAtFront(text, kRoundBrackets);
  if (!bracketed) return std::nullopt;
  const auto kind = KnownLabelKind(MailKey(bracketed->inside));
  if (!kind) return std::nullopt;
  return MailLabel{kind, ValueAfter(bracketed->after)};
}

std::optional<MailLabel> ColonLabel(std::string_view text) {
  const std::size_t colon = FindChar(text, IsColon);
  if (colon == text.size()) return std::nullopt;
  const std::string key = MailKey(text.substr(0, colon));
  const auto kind = KnownLabelKind(key);
  if (!kind && !IsLabelLike(key)) return std::nullopt;
  return MailLabel{kind, ValueAfter(text.substr(colon))};
}

// A known label before a blank ("電話番号 03-…"); an unknown word there is a
// value ("佐藤 恵").
std::optional<MailLabel> BlankLabel(std::string_view text) {
  const std::size_t blank = FindChar(text, IsBlankCode);
  if (blank == text.size()) return std::nullopt;
  const auto kind = KnownLabelKind(MailKey(text.substr(0, blank)));
  if (!kind) return std::nullopt;
  return MailLabel{kind, std::string(TrimBlanks(text.substr(blank)))};
}

bool IsContent(unsigned code) {
  constexpr unsigned kHalfWidthLongVowel = 0xB0;  // ｰ, drawn in rules like ー
  constexpr unsigned kFirstKanjiRow = 0x8740;     // ①: the NEC specials (㈱, ℡), then kanji
  return IsDigitCode(code) || IsLatinCode(code) || IsHiraganaCode(code) ||
         (IsKatakanaCode(code) && code != kHalfWidthLongVowel) || code >= kFirstKanjiRow ||
         code == 0x8158      // 々
         || code == 0x8159   // 〆
         || code == 0x815A;  // 〇
}

}  // namespace

std::optional<MailHeading> ParseHeading(std::string_view line) {
  bool decorated = false;
  const std::string_view text = StripFront(TrimBlanks(line), decorated);
  std::string_view core = text;
  std::string_view value;
  if (const auto bracketed = BracketedAtFront(text, kSquareBrackets)) {
    decorated = true;
    core = bracketed->inside;
    value = bracketed->after;
  } else if (const std::size_t colon = FindChar(text, IsColon); colon < text.size()) {
    core = text.substr(0, colon);
    value = text.substr(colon);
  }
  core = StripBoth(core, decorated);
  const std::string valueText = ValueAfter(StripBoth(value, decorated));
  const auto kind = HeadingKindOf(MailKey(core));
  if (!kind || core.empty() || (!decorated && !valueText.empty())) return std::nullopt;
  return MailHeading{*kind, std::string(core), valueText};
}

bool IsDecoratedLine(std::string_view line) {
  const std::string_view text = TrimBlanks(line);
  if (text.empty()) return false;
  return Contains(kMarks, CodeAt(text, 0)) || BracketedAtFront(text, kSquareBrackets).has_value();
}

std::optional<MailLabel> ParseLabel(std::string_view line) {
  const std::string_view text = SkipMarks(TrimBlanks(line));
  if (text.empty()) return std::nullopt;
  if (const auto label = BracketLabel(text)) return label;
  if (BracketedAtFront(text, kSquareBrackets) || BracketedAtFront(text, kRoundBrackets))
    return std::nullopt;
  if (const auto label = ColonLabel(text)) return label;
  if (const auto label = BlankLabel(text)) return label;
  return GluedLabel(text);
}

std::optional<BracketedEnd> BracketedAtEnd(std::string_view text) {
  const auto atEnd = [text](const auto& pairs) -> std::optional<BracketedEnd> {
    for (const BracketPair& pair : pairs) {
      if (!text.ends_with(pair.close)) continue;
      std::size_t open = text.size();
      for (std::size_t pos = 0; pos + pair.close.size() < text.size();
           pos += sjis::CharLengthAt(text, pos)) {
        if (text.substr(pos).starts_with(pair.open)) open = pos;
      }
      const std::size_t close = text.size() - pair.close.size();
      if (open < close && sjis::BoundaryAtOrBefore(text, close) == close)
        return BracketedEnd{open,
                            text.substr(open + pair.open.size(), close - open - pair.open.size())};
    }
    return std::nullopt;
  };
  if (auto end = atEnd(kRoundBrackets)) return end;
  return atEnd(kSquareBrackets);
}

bool HasBracket(std::string_view line) {
  const auto isBracket = [](unsigned code) {
    const auto matches = [code](const auto& pairs) {
      for (const BracketPair& pair : pairs) {
        if (code == CodeAt(pair.open, 0) || code == CodeAt(pair.close, 0)) return true;
      }
      return false;
    };
    return matches(kSquareBrackets) || matches(kRoundBrackets);
  };
  return FindChar(line, isBracket) < line.size();
}

bool HasNoContent(std::string_view line) {
  return FindChar(line, IsContent) == line.size();
}

}  // namespace ruvo
