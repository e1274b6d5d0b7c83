#include "settings/profile_lines.h"

#include <gtest/gtest.h>

#include <climits>

#include "support/test_text.h"

namespace ruvo::settings {
namespace {

using test::Sj;

struct FindCase {
  const char* name;
  std::string content;
  std::string section;
  std::string key;
  std::optional<std::string> expected;
};

TEST(ProfileLines, FindsValuesInHandWrittenFiles) {
  const FindCase cases[] = {
      {"plain CRLF", "[s]\r\nk=v\r\n", "s", "k", "v"},
      {"LF only", "[s]\nk=v\nz=w\n", "s", "z", "w"},
      {"last line without line end", "[s]\r\nk=v", "s", "k", "v"},
      {"section in other case", "[RV_rezovodprn]\r\nk=1\r\n", "rv_RezovodPrn", "k", "1"},
      {"key in other case", "[s]\r\nrv_RezovodPrn_LEFT=7\r\n", "s", "rv_RezovodPrn_Left", "7"},
      {"blanks around names and value", "  [ s ]  \r\n\t k \t=  a  b \t\r\n", "s", "k", "a  b"},
      {"equals sign in value", "[s]\r\nk=a=b\r\n", "s", "k", "a=b"},
      {"empty value", "[s]\r\nk=\r\n", "s", "k", ""},
      {"key of another section", "[a]\r\nk=1\r\n[s]\r\nj=2\r\n", "s", "k", std::nullopt},
      {"key before any section", "k=1\r\n[s]\r\n", "s", "k", std::nullopt},
      {"commented key", "[s]\r\n;k=1\r\n", "s", "k", std::nullopt},
      {"line without equals sign", "[s]\r\nk\r\n", "s", "k", std::nullopt},
      {"first of a repeated key", "[s]\r\nk=1\r\nk=2\r\n", "s", "k", "1"},
      {"only the first of a repeated section", "[s]\r\na=1\r\n[s]\r\nk=2\r\n", "s", "k",
       std::nullopt},
      {"unclosed section header", "[s\r\nk=1\r\n", "s", "k", std::nullopt},
      {"Japanese section byte for byte", Sj("[手差し]\r\nPrnNoIndex=2\r\n"), Sj("手差し"),
       "PrnNoIndex", "2"},
      {"other Japanese section", Sj("[手差し]\r\nPrnNoIndex=2\r\n"), Sj("連続(４インチ)"),
       "PrnNoIndex", std::nullopt},
      // "ゾ" is 83 5D: its second byte is no closing bracket.
      {"bracket byte inside a character", "[\x83\x5D]\r\nk=1\r\n", "\x83\x5D", "k", "1"},
      // "ア" (83 41) and "ヂ" (83 61) differ only in a second byte that looks like a letter.
      {"trail bytes are not case-folded", "[\x83\x61]\r\nk=1\r\n", "\x83\x41", "k", std::nullopt},
      {"NUL byte in value", std::string("[s]\r\nk=a\0b\r\n", 12), "s", "k", std::string("a\0b", 3)},
      // Edited elsewhere: the CR ends the value, what follows is a line of its own.
      {"lone CR inside a value", Sj("[s]\r\nk=山田\r太郎\r\n"), "s", "k", Sj("山田")},
      {"CR-only line ends", "[s]\rk=v\rz=w\r", "s", "z", "w"},
      {"line after a lone CR is no key of the line before", "[s]\r\nj=1\rk=2\r\n", "s", "k", "2"},
  };
  for (const FindCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<std::string_view> found = FindProfileValue(c.content, c.section, c.key);
    ASSERT_EQ(found.has_value(), c.expected.has_value());
    if (found) {
      EXPECT_EQ(*found, *c.expected);
    }
  }
}

struct WriteCase {
  const char* name;
  std::string before;
  std::string section;
  std::string key;
  std::string value;
  std::string after;
};

TEST(ProfileLines, WritingOneKeyLeavesEveryOtherByte) {
  const WriteCase cases[] = {
      {"empty file", "", "s", "k", "v", "[s]\r\nk=v\r\n"},
      {"replaces the value, keeps the line end", "[s]\nk = old \nz=1\n", "s", "k", "new",
       "[s]\nk=new\nz=1\n"},
      {"replaces a key found in other case", "[S]\r\nKEY=1\r\n", "s", "key", "2",
       "[S]\r\nkey=2\r\n"},
      {"adds the key after the section's last line", "[s]\r\na=1\r\n\r\n[t]\r\n", "s", "k", "v",
       "[s]\r\na=1\r\nk=v\r\n\r\n[t]\r\n"},
      {"adds the section at the end", "[t]\r\na=1\r\n", "s", "k", "v",
       "[t]\r\na=1\r\n[s]\r\nk=v\r\n"},
      {"ends an unfinished last line first", "[t]\r\na=1", "s", "k", "v",
       "[t]\r\na=1\r\n[s]\r\nk=v\r\n"},
      {"adds to a section whose last line is unfinished", "[s]\r\na=1", "s", "k", "v",
       "[s]\r\na=1\r\nk=v\r\n"},
      {"last line ends in CR alone", "[s]\r\na=1\r", "s", "k", "v", "[s]\r\na=1\r\nk=v\r\n"},
      {"new section after a CR alone", "[t]\r", "s", "k", "v", "[t]\r\n[s]\r\nk=v\r\n"},
      {"value cut by a lone CR keeps what follows", "[s]\r\nk=a\rb\r\n", "s", "k", "c",
       "[s]\r\nk=c\rb\r\n"},
      {"keeps comments and odd lines", "; note\r\n[s]\r\nodd line\r\nk=1\r\n", "s", "k", "2",
       "; note\r\n[s]\r\nodd line\r\nk=2\r\n"},
      {"writes the first of a repeated key", "[s]\r\nk=1\r\nk=2\r\n", "s", "k", "3",
       "[s]\r\nk=3\r\nk=2\r\n"},
      {"writes into the first of a repeated section", "[s]\r\n[s]\r\nk=1\r\n", "s", "k", "2",
       "[s]\r\nk=2\r\n[s]\r\nk=1\r\n"},
      {"value with equals sign", "", "s", "k", "a=b", "[s]\r\nk=a=b\r\n"},
      {"full-width value", "", Sj("手差し"), "PrnName", Sj("プリンタ　１"),
       Sj("[手差し]\r\nPrnName=プリンタ　１\r\n")},
  };
  for (const WriteCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WithProfileValue(c.before, c.section, c.key, c.value), c.after);
  }
}

TEST(ProfileLines, ValueWrittenIsReadBack) {
  std::string content = "junk\r\n[s]\r\n;c\r\n";
  content = WithProfileValue(content, "s", "a", "1");
  content = WithProfileValue(content, "t", "a", "2");
  content = WithProfileValue(content, "s", "b", "3");
  EXPECT_EQ(FindProfileValue(content, "s", "a"), "1");
  EXPECT_EQ(FindProfileValue(content, "t", "a"), "2");
  EXPECT_EQ(FindProfileValue(content, "s", "b"), "3");
}

TEST(ProfileLines, IntegersInDecimalAndHex) {
  const struct {
    std::string_view text;
    int value;
  } cases[] = {
      {"0", 0},
      {"42", 42},
      {"-1", -1},
      {"+7", 7},
      {"007", 7},
      {"0x1", 1},
      {"0X1f", 31},
      {"0x7FFFFFFF", INT_MAX},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseProfileInteger(c.text), c.value);
  }
}

TEST(ProfileLines, TextsThatAreNoIntegers) {
  const std::string_view cases[] = {
      "",             // nothing
      "abc",          // no digit
      "12abc",        // trailing letters
      "1 2",          // inner blank
      "-",            // sign alone
      "+-1",          // two signs
      "--1",          // two signs
      "0x",           // prefix alone
      "0x-1",         // sign after the prefix
      "0xG",          // no hex digit
      "-0x1",         // sign before the prefix
      "2147483648",   // beyond int
      "-2147483649",  // below int
      "0x80000000",   // beyond int
      "1.5",          // decimal point
      "\x82\x50",     // full-width "１"
  };
  for (const std::string_view text : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(ParseProfileInteger(text), std::nullopt);
  }
}

}  // namespace
}  // namespace ruvo::settings
