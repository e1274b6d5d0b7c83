#include "transfer/text_ops.h"

#include <array>

#include "transfer/pattern_set.h"
#include "transfer/sjis.h"

namespace ruvo {

namespace {

constexpr bool IsControlOrSpace(char c) {
  return static_cast<unsigned char>(c) <= 0x20;
}

constexpr std::string_view kFullWidthSpace = "\x81\x40";  // "　"

bool IsBlankAt(std::string_view text, std::size_t pos) {
  return text[pos] == ' ' || text.substr(pos).starts_with(kFullWidthSpace);
}

// Label words in deletion order. "TEL" stands twice: the words deleted in
// between can join the letters around them into a new one ("TTelEL").
constexpr std::array<std::string_view, 45> kLabelWords = {
    "\x81\x46",                                                          // ：
    ":",                                                                 // :
    "\x97\x6C",                                                          // 様
    "\x81\xA7",                                                          // 〒
    "\x97\x58\x95\xD6\x94\xD4\x8D\x86",                                  // 郵便番号
    "\x82\xE4\x82\xA4\x82\xD1\x82\xF1\x82\xCE\x82\xF1\x82\xB2\x82\xA4",  // ゆうびんばんごう
    "\x87\x84",                                                          // ℡
    "TEL",                                                               // TEL
    "Tel",                                                               // Tel
    "tel",                                                               // tel
    "\x82\x73\x82\x85\x82\x8C",                                          // Ｔｅｌ
    "\x82\x94\x82\x85\x82\x8C",                                          // ｔｅｌ
    "TEL",                                                               // TEL
    "\x82\x73\x82\x64\x82\x6B",                                          // ＴＥＬ
    "\x82\xA8\x93\x64\x98\x62\x94\xD4\x8D\x86",                          // お電話番号
    "\x93\x64\x98\x62\x94\xD4\x8D\x86",                                  // 電話番号
    "\x82\xA8\x93\x64\x98\x62",                                          // お電話
    "\x93\x64\x98\x62",                                                  // 電話
    "\x82\xA8\x82\xC5\x82\xF1\x82\xED",                                  // おでんわ
    "\x82\xC5\x82\xF1\x82\xED",                                          // でんわ
    "\x82\xA8\x82\xC8\x82\xDC\x82\xA6",                                  // おなまえ
    "\x82\xA8\x96\xBC\x91\x4F",                                          // お名前
    "\x8C\xE4\x96\xBC\x91\x4F",                                          // 御名前
    "\x96\xBC\x91\x4F",                                                  // 名前
    "\x8C\xE4\x8E\x81\x96\xBC",                                          // 御氏名
    "\x82\xB2\x8E\x81\x96\xBC",                                          // ご氏名
    "\x8E\x81\x96\xBC",                                                  // 氏名
    "\x82\xA8\x82\xC6\x82\xB1\x82\xEB\x82\x50",                          // おところ１
    "\x82\xA8\x82\xC6\x82\xB1\x82\xEB\x82\x51",                          // おところ２
    "\x82\xA8\x82\xC6\x82\xB1\x82\xEB\x31",                              // おところ1
    "\x82\xA8\x82\xC6\x82\xB1\x82\xEB\x32",                              // おところ2
    "\x82\xA8\x82\xC6\x82\xB1\x82\xEB",                                  // おところ
    "\x82\xC6\x82\xB1\x82\xEB",                                          // ところ
    "\x82\xB2\x8F\x5A\x8F\x8A",                                          // ご住所
    "\x8F\x5A\x8F\x8A\x82\x50",                                          // 住所１
    "\x8F\x5A\x8F\x8A\x82\x51",                                          // 住所２
    "\x8F\x5A\x8F\x8A\x31",                                              // 住所1
    "\x8F\x5A\x8F\x8A\x32",                                              // 住所2
    "\x8F\x5A\x8F\x8A",                                                  // 住所
    "\x82\xB2\x91\x97\x95\x74\x90\xE6",                                  // ご送付先
    "\x91\x97\x95\x74\x90\xE6",                                          // 送付先
    "\x82\xA8\x91\x97\x82\xE8\x90\xE6",                                  // お送り先
    "\x91\x97\x82\xE8\x90\xE6",                                          // 送り先
    "\x82\xA8\x93\xCD\x82\xAF\x90\xE6",                                  // お届け先
    "\x93\xCD\x82\xAF\x90\xE6",                                          // 届け先
};

constexpr PatternSet kLabelWordSet(kLabelWords);

}  // namespace

std::string_view Trim(std::string_view text) {
  text = TrimLeft(text);
  while (!text.empty() && IsControlOrSpace(text.back()))
    text.remove_suffix(1);
  return text;
}

std::string_view TrimLeft(std::string_view text) {
  while (!text.empty() && IsControlOrSpace(text.front()))
    text.remove_prefix(1);
  return text;
}

std::string_view TrimBlanks(std::string_view text) {
  text = Trim(text);
  std::size_t begin = text.size();  // first character that is no blank
  std::size_t end = 0;              // end of the last character that is no blank
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t next = pos + sjis::CharLengthAt(text, pos);
    if (!IsBlankAt(text, pos)) {
      if (begin == text.size()) begin = pos;
      end = next;
    }
    pos = next;
  }
  if (begin == text.size()) return {};
  return text.substr(begin, end - begin);
}

std::string DeleteEvery(std::string_view text, std::string_view word) {
  std::string result;
  result.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (!word.empty() && text[pos] == word[0] && text.substr(pos).starts_with(word)) {
      pos += word.size();
      continue;
    }
    const std::size_t length = sjis::CharLengthAt(text, pos);
    result.append(text.substr(pos, length));
    pos += length;
  }
  return result;
}

std::span<const std::string_view> LabelWords() {
  return kLabelWords;
}

std::string StripLabelWords(std::string_view text) {
  std::string line(text);
  // Which words the line holds, found in one walk and found again only after
  // the line changed: most words are absent from most lines.
  std::uint64_t present = kLabelWordSet.Occurring(line);
  for (std::size_t i = 0; i < kLabelWords.size(); ++i) {
    const std::size_t before = line.size();
    if ((present >> i) & 1) line = DeleteEvery(line, kLabelWords[i]);
    line.erase(0, line.size() - TrimLeft(line).size());
    if (line.size() != before) present = kLabelWordSet.Occurring(line);
  }
  return line;
}

}  // namespace ruvo
