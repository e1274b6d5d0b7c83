#include "cli/cli_io.h"

#include <gtest/gtest.h>

#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>

#include "support/test_text.h"
#include "transfer/cp932_codec.h"
#include "transfer/sjis.h"

namespace ruvo::cli {
namespace {

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

TEST(CliIo, MissingOptionValueIsAUsageError) {
  const std::vector<std::string> args = {"--dir"};
  ArgReader reader(args);
  reader.NextOption();
  EXPECT_THROW(reader.Value(), UsageError);
}

// A context on strings, UTF-8 or CP932.
class CliIoStreams : public ::testing::Test {
 protected:
  Context On(std::string input, bool cp932 = false) {
    in.str(std::move(input));
    return {in, out, err, cp932};
  }
  std::istringstream in;
  std::ostringstream out, err;
};

// One line at a time, split as SplitLines splits, converted line by line;
// a line past its limit (input without line breaks, /dev/zero) is refused.
TEST_F(CliIoStreams, LineReaderReadsLineByLineWithinItsLimit) {
  Context ctx = On("a\r\n\xF0\x9F\x98\x80\rb\n\n1234\n12345");  // a, 😀, b, "", 1234, 12345
  LineReader reader(ctx, 4);
  for (const char* line : {"a", "\x81\xAC", "b", "", "1234"})
    EXPECT_EQ(reader.Next(), line);
  EXPECT_EQ(test::MessageOf<InputError>([&] { reader.Next(); }),
            "input line 6 is longer than 4 bytes");
  EXPECT_EQ(err.str(),
            "ruvo-slip: warning: line 2: 1 character(s) not in Shift-JIS replaced by "
            "\xE3\x80\x93\n");
  Context raw = On(std::string("\x93\x8C\xFF\n", 4), true);
  EXPECT_EQ(LineReader(raw).Next(), std::string("\x93\x8C\xFF", 3));  // --cp932: as they are
}

// The transfer's reading: its first lines and of each only the head it
// reads, with nothing after them taken from the input.
TEST_F(CliIoStreams, FirstLinesAreReadAndNothingAfterThem) {
  Context ctx = On("a\rb\r\nc\nd\n");
  EXPECT_EQ(ReadFirstLines(ctx, 2, 10), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "\nc\nd\n");
  Context few = On("a\n\n");
  EXPECT_EQ(ReadFirstLines(few, 16, 10), (std::vector<std::string>{"a", ""}));
}

// "ソ" is 0x83 0x5C, "表" 0x95 0x5C: a trail byte 0x5C (or 0x7C) is no
// backslash. UTF-8 goes through the library, malformed bytes as U+FFFD.
TEST_F(CliIoStreams, JsonStringsEscapeByCharacter) {
  const Context cp932 = On("", true);
  int characters = 0;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    for (const char trail : {'\x5C', '\x7C'}) {
      const std::string character{static_cast<char>(lead), trail};
      if (!sjis::IsLeadByte(character[0]) || Cp932ToUtf8(character).starts_with("\xEF\xBF\xBD")) {
        continue;  // no CP932 character
      }
      ++characters;
      EXPECT_EQ(JsonString(cp932, character + "\\\n"), "\"" + character + "\\\\\\n\"")
          << Cp932ToUtf8(character);
    }
  }
  EXPECT_GE(characters, 100);
  EXPECT_EQ(JsonString(On(""), "\"\\\x01\xE6\x9D\xB1\xFF"),
            "\"\\\"\\\\\\u0001\xE6\x9D\xB1\xEF\xBF\xBD\"");
}

// A lead byte without its trail byte swallowed the closing quote or a
// control byte: the JSON said something else than the text, or broke.
TEST_F(CliIoStreams, MalformedCp932StaysWellFormedJson) {
  const Context cp932 = On("", true);
  const struct {
    const char* name;
    std::string text;
    std::string json;
  } rows[] = {
      {"lead byte last", "a\x82", "\"a\\ufffd\""},
      {"lead byte before a quote", "\x82\"", "\"\\ufffd\\\"\""},
      {"lead byte before a control byte", "\x82\x01x", "\"\\ufffd\\u0001x\""},
      {"lead byte before a line break", "\x82\n", "\"\\ufffd\\n\""},
      {"undefined code, backslash as its trail", "\x85\x5C", "\"\\ufffd\\\\\""},
      {"kana and a half-width one stay as they are", "\x82\xA0\xB1", "\"\x82\xA0\xB1\""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string json = JsonString(cp932, row.text);
    EXPECT_EQ(json, row.json);
    EXPECT_EQ(nlohmann::json::parse(Cp932ToUtf8(json)).get<std::string>(), Cp932ToUtf8(row.text));
  }
}

// A lost character is named in a warning as on stdin; a control character
// would put an escape sequence or a line break into a one-line slip text.
TEST_F(CliIoStreams, TextOptionWarnsAboutLostCharactersAndRefusesControls) {
  const std::vector<std::string> args = {"--add3", "\xF0\x9F\x98\x80\xE6\x9D\xB1", "--add3", "\r"};
  Context ctx = On("");
  ArgReader reader(args);
  reader.NextOption();
  EXPECT_EQ(reader.TextValue(ctx), "\x81\xAC\x93\x8C");  // 〓東
  EXPECT_NE(err.str().find("warning: option --add3: 1 character(s)"), std::string::npos);
  reader.NextOption();
  EXPECT_EQ(test::MessageOf<UsageError>([&] { reader.TextValue(ctx); }),
            "option --add3 holds the control character 0x0d; a slip text is one line of visible "
            "characters");
}

TEST_F(CliIoStreams, MessagesShowControlCharactersInsteadOfSendingThem) {
  EXPECT_EQ(ForTerminal(On(""), "\x1B[31m\x07\x7F\xC2\x9B\xC2\xA0\xE6\x9D\xB1"),
            "\\x1b[31m\\x07\\x7f\\u009b\xC2\xA0\xE6\x9D\xB1");            // C1 CSI too; 東 kept
  EXPECT_EQ(ForTerminal(On("", true), "\x83\x5C\x1B"), "\x83\x5C\\x1b");  // ソ kept whole
}

}  // namespace
}  // namespace ruvo::cli
