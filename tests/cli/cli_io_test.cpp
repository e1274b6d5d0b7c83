#include "cli/cli_io.h"

#include <gtest/gtest.h>

#include <sstream>

#include "transfer/cp932_codec.h"
#include "transfer/sjis.h"

namespace ruvo::cli {
namespace {

TEST(CliIo, SplitsLinesAtEveryKindOfLineEnd) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(SplitLines("a\nb\r\nc\rd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\n"), (Lines{"a"}));  // final break opens no line
  EXPECT_EQ(SplitLines("a\n\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitLines("\r\n"), (Lines{""}));
  EXPECT_TRUE(SplitLines("").empty());
}

TEST(CliIo, ReadsUtf8InputAsCp932AndWarnsAboutLostCharacters) {
  std::istringstream in("\xE6\x9D\xB1\xF0\x9F\x98\x80\n");  // 東😀
  std::ostringstream out, err;
  Context ctx{in, out, err};
  EXPECT_EQ(ReadInputLines(ctx), std::vector<std::string>{"\x93\x8C\x81\xAC"});
  EXPECT_NE(err.str().find("1 character"), std::string::npos);
}

// Lines come one at a time, as SplitLines splits them, each converted on
// its own; the warning names the line.
TEST(CliIo, LineReaderSplitsAndConvertsLineByLine) {
  std::istringstream in("a\r\n\xF0\x9F\x98\x80\rb\n\nc");  // a, 😀, b, "", c
  std::ostringstream out, err;
  Context ctx{in, out, err};
  LineReader reader(ctx);
  std::vector<std::string> lines;
  while (auto line = reader.Next())
    lines.push_back(*line);
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "\x81\xAC", "b", "", "c"}));
  EXPECT_EQ(err.str(),
            "ruvo-slip: warning: line 2: 1 character(s) not in Shift-JIS replaced by "
            "\xE3\x80\x93\n");
}

// Memory stays bounded: a line or a memo one byte past its limit is refused
// (the input without any line break of /dev/zero), at the limit it is read.
TEST(CliIo, InputBeyondItsLimitIsRefused) {
  std::ostringstream out, err;
  std::istringstream lines("1234\n12345\n");
  Context lineCtx{lines, out, err, true};
  LineReader reader(lineCtx, 4);
  EXPECT_EQ(reader.Next(), "1234");
  try {
    reader.Next();
    FAIL() << "no error";
  } catch (const InputError& error) {
    EXPECT_STREQ(error.what(), "input line 2 is longer than 4 bytes");
  }
  std::istringstream text("12345");
  Context textCtx{text, out, err, true};
  EXPECT_THROW(ReadInputText(textCtx, 4), InputError);
  std::istringstream exact("1234");
  Context exactCtx{exact, out, err, true};
  EXPECT_EQ(ReadInputText(exactCtx, 4), "1234");
}

TEST(CliIo, PassesRawCp932Through) {
  std::istringstream in(std::string("\x93\x8C\xFF", 3));
  std::ostringstream out, err;
  Context ctx{in, out, err, true};
  EXPECT_EQ(ReadInputText(ctx), std::string("\x93\x8C\xFF", 3));
  EXPECT_EQ(ToOutput(ctx, "\x93\x8C"), "\x93\x8C");
}

TEST(CliIo, EscapesJsonStringsInBothEncodings) {
  std::istringstream in;
  std::ostringstream out, err;
  for (const bool cp932 : {false, true}) {
    SCOPED_TRACE(cp932);
    const Context ctx{in, out, err, cp932};
    EXPECT_EQ(JsonString(ctx, "a\"b\\c\n\x01"), "\"a\\\"b\\\\c\\n\\u0001\"");
  }
  const Context utf8{in, out, err};
  EXPECT_EQ(JsonString(utf8, "\xE6\x9D\xB1"), "\"\xE6\x9D\xB1\"");
  EXPECT_EQ(JsonString(utf8, "a\xFF"), "\"a\xEF\xBF\xBD\"");  // malformed: U+FFFD
}

// "ソ" is 0x83 0x5C, "表" 0x95 0x5C, "能" 0x94 0x5C: the trail byte is the
// backslash's and must stay one byte; the same for the trail byte 0x7C.
TEST(CliIo, Cp932JsonKeepsEveryTwoByteCharacterWhole) {
  std::istringstream in;
  std::ostringstream out, err;
  const Context ctx{in, out, err, true};
  int characters = 0;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    for (const char trail : {'\x5C', '\x7C'}) {
      const std::string character{static_cast<char>(lead), trail};
      if (!sjis::IsLeadByte(character[0]) || Cp932ToUtf8(character).find("\xEF\xBF\xBD") == 0) {
        continue;  // no CP932 character
      }
      ++characters;
      SCOPED_TRACE(Cp932ToUtf8(character));
      EXPECT_EQ(JsonString(ctx, character + "\\"), "\"" + character + "\\\\\"");
    }
  }
  EXPECT_GE(characters, 100);
}

TEST(CliIo, ReadsOptionValuesInBothForms) {
  const std::vector<std::string> args = {"--dpi=360", "--top", "12", "--slot", "9"};
  ArgReader reader(args);
  EXPECT_EQ(reader.NextOption(), "--dpi");
  EXPECT_EQ(reader.Value(), "360");
  EXPECT_EQ(reader.NextOption(), "--top");
  EXPECT_EQ(reader.IntValue(-1000, 1000), 12);
  EXPECT_EQ(reader.NextOption(), "--slot");
  EXPECT_THROW(reader.IntValue(1, 5), UsageError);
  EXPECT_TRUE(reader.Done());
}

// As on stdin, a character CP932 cannot hold is named in a warning; a
// control character would put an escape sequence or a line break into a
// one-line slip text.
TEST(CliIo, TextOptionWarnsAboutLostCharactersAndRefusesControls) {
  const std::vector<std::string> args = {
      "--add3", "\xF0\x9F\x98\x80\xE6\x9D\xB1", "--add3", "a\x1B[31m", "--add3", "a\rb"};
  std::istringstream in;
  std::ostringstream out, err;
  Context ctx{in, out, err};
  ArgReader reader(args);
  reader.NextOption();
  EXPECT_EQ(reader.TextValue(ctx), "\x81\xAC\x93\x8C");  // 〓東
  EXPECT_EQ(err.str(),
            "ruvo-slip: warning: option --add3: 1 character(s) not in Shift-JIS "
            "replaced by \xE3\x80\x93\n");
  for (const char* control : {"0x1b", "0x0d"}) {
    SCOPED_TRACE(control);
    reader.NextOption();
    try {
      reader.TextValue(ctx);
      FAIL() << "no error";
    } catch (const UsageError& error) {
      EXPECT_EQ(std::string(error.what()),
                std::string("option --add3 holds the control character ") + control +
                    "; a slip text is one line of visible characters");
    }
  }
}

TEST(CliIo, MessagesShowControlCharactersInsteadOfSendingThem) {
  std::istringstream in;
  std::ostringstream out, err;
  const Context utf8{in, out, err};
  const Context cp932{in, out, err, true};
  EXPECT_EQ(ForTerminal(utf8, "a\x1B[31m\r\x07\x7F"), "a\\x1b[31m\\x0d\\x07\\x7f");
  EXPECT_EQ(ForTerminal(utf8,
                        "\xC2\x9B"
                        "1m \xC2\xA0\xE6\x9D\xB1"),
            "\\u009b1m \xC2\xA0\xE6\x9D\xB1");  // C1 CSI shown; no-break space, 東 kept
  EXPECT_EQ(ForTerminal(cp932, "\x83\x5C\x1B"), "\x83\x5C\\x1b");  // ソ kept whole
}

TEST(CliIo, MissingOptionValueIsAUsageError) {
  const std::vector<std::string> args = {"--dir"};
  ArgReader reader(args);
  reader.NextOption();
  EXPECT_THROW(reader.Value(), UsageError);
}

}  // namespace
}  // namespace ruvo::cli
