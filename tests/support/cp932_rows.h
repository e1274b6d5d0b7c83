#pragma once
// The CP932 tables of the sources are bytes in hex with their text in UTF-8
// in a comment, which nothing but a test can hold to each other. A row
// stands in one of three shapes:
//
//   {"\x93\xCD\x82\xAF\x90\xE6", 3},  // 届け先      the comment's first word
//   {OrderField::kAddress1,
//    "\x8F\x5A\x8F\x8A"
//    "1"},  // 住所1                             a row split over lines
//   // "空です"                                  the text quoted in the
//   inline constexpr std::string_view kEmpty =   comment above a constant,
//       "\x8B\xF3\x82\xC5\x82\xB7";          to its ";"
//
// and a code point in hex ("0x8340,  // ァ") counts as its two bytes.
// HexRows reads a source and gives each row that holds a byte beyond ASCII.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/test_text.h"

namespace ruvo::test {

struct HexRow {
  int line = 0;         // where the row ends
  std::string bytes;    // CP932, as the literals hold them
  std::string comment;  // UTF-8, what the comment says they are
};

namespace cp932_rows {

inline int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The bytes of every string literal in `code`, concatenated; nothing when
// there is none.
inline std::optional<std::string> StringLiterals(std::string_view code) {
  std::optional<std::string> bytes;
  for (std::size_t pos = code.find('"'); pos != std::string_view::npos; pos = code.find('"', pos)) {
    if (pos > 0 && code[pos - 1] == '\'') {  // the character '"'
      ++pos;
      continue;
    }
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
inline std::optional<std::string> FirstCode(std::string_view code) {
  const std::size_t at = code.find("0x");
  if (at == std::string_view::npos) return std::nullopt;
  unsigned value = 0;
  for (std::size_t pos = at + 2; pos < code.size() && HexValue(code[pos]) >= 0; ++pos)
    value = value * 16 + static_cast<unsigned>(HexValue(code[pos]));
  if (value < 0x80) return std::nullopt;
  std::string bytes;
  if (value > 0xFF) bytes += static_cast<char>(value >> 8);
  bytes += static_cast<char>(value & 0xFF);
  return bytes;
}

// A row's comment: its first word, a trailing comma or colon aside, or the
// text it begins by quoting ("ＭＳ Ｐ明朝").
inline std::string FirstWord(std::string_view comment) {
  if (comment.size() > 1 && comment.front() == '"') {
    const std::size_t close = comment.find('"', 1);
    if (close != std::string_view::npos) return std::string(comment.substr(1, close - 1));
  }
  std::string word(comment.substr(0, comment.find(' ')));
  while (!word.empty() && (word.back() == ',' || word.back() == ':'))
    word.pop_back();
  if (word.size() > 2 && word.front() == '"' && word.back() == '"')
    word = word.substr(1, word.size() - 2);
  return word;
}

// A comment above a constant: its text between the first and the last
// quote; nothing for a comment that quotes nothing.
inline std::optional<std::string> QuotedText(std::string_view comment) {
  const std::size_t first = comment.find('"');
  const std::size_t last = comment.rfind('"');
  if (first == std::string_view::npos || last <= first) return std::nullopt;
  return std::string(comment.substr(first + 1, last - first - 1));
}

inline bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace cp932_rows

inline std::vector<HexRow> HexRows(const std::filesystem::path& source) {
  using namespace cp932_rows;
  std::vector<HexRow> rows;
  std::ifstream in(source);
  std::optional<std::string> above;  // a quoted comment waiting for its constant
  std::string pending;               // literals of a row not ended yet
  bool inComment = false;            // the line before was a comment line
  int number = 0;
  const auto emit = [&](std::string bytes, std::string comment) {
    if (!IsAscii(bytes)) rows.push_back({number, std::move(bytes), std::move(comment)});
  };
  for (std::string line; std::getline(in, line);) {
    ++number;
    const std::size_t start = line.find_first_not_of(' ');
    if (start != std::string::npos && line[start] == '#') continue;
    if (start != std::string::npos && line.compare(start, 3, "// ") == 0) {
      // The first line of a comment that quotes a text names the constant.
      if (!inComment || !above) above = QuotedText(std::string_view(line).substr(start + 3));
      inComment = true;
      pending.clear();
      continue;
    }
    inComment = false;
    const std::size_t comment = line.find("  // ");
    const std::string_view code = std::string_view(line).substr(0, comment);
    std::optional<std::string> bytes = StringLiterals(code);
    if ((!bytes || bytes->empty()) && comment != std::string::npos) bytes = FirstCode(code);
    if (comment != std::string::npos && bytes) {
      emit(pending + *bytes, FirstWord(std::string_view(line).substr(comment + 5)));
      pending.clear();
      above.reset();
    } else if (bytes) {
      pending += *bytes;
    }
    const bool ends = code.find(';') != std::string_view::npos;
    if (ends && above && !pending.empty()) emit(pending, *above);
    if (ends || (!bytes && code.find("},") != std::string_view::npos)) {
      pending.clear();
      above.reset();
    }
  }
  return rows;
}

// Holds every row of each source (a path below src/) to its comment.
inline void ExpectRowsAsCommented(std::initializer_list<const char*> sources) {
  for (const char* source : sources) {
    const std::vector<HexRow> rows = HexRows(std::string(RUVO_SOURCE_DIR) + "/" + source);
    EXPECT_FALSE(rows.empty()) << source;
    for (const HexRow& row : rows) {
      SCOPED_TRACE(std::string(source) + ":" + std::to_string(row.line));
      EXPECT_EQ(Utf8(row.bytes), row.comment);
    }
  }
}

}  // namespace ruvo::test
