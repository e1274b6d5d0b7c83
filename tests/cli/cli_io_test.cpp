#include "cli/cli_io.h"

#include <gtest/gtest.h>

#include <sstream>

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

TEST(CliIo, PassesRawCp932Through) {
  std::istringstream in(std::string("\x93\x8C\xFF", 3));
  std::ostringstream out, err;
  Context ctx{in, out, err, true};
  EXPECT_EQ(ReadInputText(ctx), std::string("\x93\x8C\xFF", 3));
  EXPECT_EQ(ToOutput(ctx, "\x93\x8C"), "\x93\x8C");
}

TEST(CliIo, EscapesJsonStrings) {
  EXPECT_EQ(JsonString("a\"b\\c\n\x01"), "\"a\\\"b\\\\c\\n\\u0001\"");
  EXPECT_EQ(JsonString("\xE6\x9D\xB1"), "\"\xE6\x9D\xB1\"");
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

TEST(CliIo, MissingOptionValueIsAUsageError) {
  const std::vector<std::string> args = {"--dir"};
  ArgReader reader(args);
  reader.NextOption();
  EXPECT_THROW(reader.Value(), UsageError);
}

}  // namespace
}  // namespace ruvo::cli
