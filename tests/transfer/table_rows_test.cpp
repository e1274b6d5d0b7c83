// The word tables of the transfer are CP932 bytes in hex with the word in
// UTF-8 as a comment ("\x93\xCD\x82\xAF\x90\xE6",  // 届け先). This test reads
// the sources and checks every such row against its comment, so that a typo
// in the hex cannot hide behind a right-looking comment.

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>

#include "support/test_text.h"

namespace ruvo {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The bytes of every string literal in `code`, concatenated; nothing when
// there is none.
std::optional<std::string> StringLiterals(std::string_view code) {
  std::optional<std::string> bytes;
  for (std::size_t pos = code.find('"'); pos != std::string_view::npos; pos = code.find('"', pos)) {
    if (!bytes) bytes.emplace();
    for (++pos; pos < code.size() && code[pos] != '"'; ++pos) {
      if (code[pos] != '\\') {
        *bytes += code[pos];
      } else if (code[pos + 1] == 'x') {
        *bytes += static_cast<char>(HexValue(code[pos + 2]) * 16 + HexValue(code[pos + 3]));
        pos += 3;
      } else {
        *bytes += code[++pos] == 't' ? '\t' : code[pos];
      }
    }
    ++pos;
  }
  return bytes;
}

// The character of the first code "0x8340" in `code`.
std::optional<std::string> FirstCode(std::string_view code) {
  const std::size_t at = code.find("0x");
  if (at == std::string_view::npos) return std::nullopt;
  unsigned value = 0;
  std::size_t pos = at + 2;
  for (; pos < code.size() && HexValue(code[pos]) >= 0; ++pos)
    value = value * 16 + static_cast<unsigned>(HexValue(code[pos]));
  if (value < 0x80) return std::nullopt;
  std::string bytes;
  if (value > 0xFF) bytes += static_cast<char>(value >> 8);
  bytes += static_cast<char>(value & 0xFF);
  return bytes;
}

// The comment's first word, a trailing comma or colon and quotes aside.
std::string FirstWord(std::string_view comment) {
  std::string word(comment.substr(0, comment.find(' ')));
  while (!word.empty() && (word.back() == ',' || word.back() == ':'))
    word.pop_back();
  if (word.size() > 2 && word.front() == '"' && word.back() == '"')
    word = word.substr(1, word.size() - 2);
  return word;
}

bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

TEST(TableRows, EveryHexRowSaysInItsCommentWhatItHolds) {
  int checked = 0;
  for (const char* file : {"address_split.cpp", "char_kinds.cpp", "mail_line.cpp",
                           "mail_values.cpp", "mail_words.cpp", "text_ops.cpp"}) {
    std::ifstream source(std::string(RUVO_TRANSFER_SOURCE_DIR) + "/" + file);
    ASSERT_TRUE(source) << file;
    int number = 0;
    for (std::string line; std::getline(source, line);) {
      ++number;
      const std::size_t comment = line.find("  // ");
      if (comment == std::string::npos) continue;
      const std::string_view code = std::string_view(line).substr(0, comment);
      std::optional<std::string> bytes = StringLiterals(code);
      if (!bytes || bytes->empty()) bytes = FirstCode(code);
      if (!bytes || IsAscii(*bytes)) continue;
      SCOPED_TRACE(std::string(file) + ":" + std::to_string(number));
      EXPECT_EQ(test::Utf8(*bytes), FirstWord(std::string_view(line).substr(comment + 5)));
      ++checked;
    }
  }
  EXPECT_GT(checked, 300);
}

}  // namespace
}  // namespace ruvo
