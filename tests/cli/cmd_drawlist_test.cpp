// ruvo-slip drawlist run as built on a prepared working directory.
#include "cli/slip_cli_fixture.h"

namespace ruvo::test {
namespace {

class DrawListCommandTest : public SlipCliTest {
 protected:
  RunResult Run(const std::string& options) { return RunSlip("drawlist", options); }
};

std::string Entry(const char* font, int size, int x, int y, const char* text) {
  return std::string("{\"font\": \"") + font + "\", \"size\": " + std::to_string(size) +
         ", \"x\": " + std::to_string(x) + ", \"y\": " + std::to_string(y) + ", \"text\": \"" +
         text + "\"}";
}

constexpr const char* kLucida = "Lucida Sans Unicode";
constexpr const char* kMincho = "ＭＳ Ｐ明朝";

TEST_F(DrawListCommandTest, WorkedPositionsAt360Dpi) {
  const RunResult run = Run("--dpi 360 --date 2011-01-05");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out.find("[\n  " + Entry(kLucida, 10, 383, 54, "2011") + ",\n"), 0u) << run.out;
  EXPECT_NE(run.out.find(Entry(kLucida, 12, 675, 153, "7")), std::string::npos);
  EXPECT_NE(run.out.find(Entry(kMincho, 11, 495, 743, "山田太郎")), std::string::npos);
  EXPECT_TRUE(run.out.ends_with("\"}\n]\n"));
}

TEST_F(DrawListCommandTest, SenderFileReplacesTheSettingsSender) {
  const RunResult run = Run("--dpi 360 --date 2011-01-05");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("株式会社ルヴォ"), std::string::npos);
  EXPECT_EQ(run.out.find("設定の依頼主"), std::string::npos);
  // The lone sender address line: 10 points at y 490.
  EXPECT_NE(run.out.find(Entry(kMincho, 10, 495, 1103, "東京都渋谷区渋谷")), std::string::npos);
  EXPECT_EQ(run.err.find("warning"), std::string::npos) << run.err;
}

TEST_F(DrawListCommandTest, MissingSenderFileWarnsAndKeepsTheSettingsSender) {
  fs::remove(dir_ / "my0.txt");
  const RunResult run = Run("--dpi 360 --date 2011-01-05");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find(Entry(kMincho, 11, 495, 1238, "設定の依頼主")), std::string::npos);
  EXPECT_NE(run.err.find("my0.txt"), std::string::npos) << run.err;
}

// Each refusal: its exit status, nothing on stdout, the message that says
// why, with an argument's escape sequence shown, never sent.
TEST_F(DrawListCommandTest, RefusedInputsExitWithTheirMessage) {
  fs::create_directory(dir_ / "bad");
  WriteCp932(dir_ / "bad" / "ruvo_q710.ini", {"[手差し]", "slpPrn_Top=1.5"});
  const struct {
    std::string options;
    int exitCode;
    std::string error;
  } rows[] = {
      {"--scale 65535", 1, "printer resolution 360 dpi at scale 65535% gives 0 dpi"},
      {"--dpi 100000 --scale 1", 1, "gives 10000000 dpi"},
      {"--top=-2147483648", 1, "top margin -2147483648 puts every text of the slip off the page"},
      {"--dir '" + (dir_ / "bad").string() + "'", 1,
       "'1.5' is not a valid integer value (slpPrn_Top in [手差し] of " +
           (dir_ / "bad" / "ruvo_q710.ini").string() + ")"},
      {"--dir \"$(printf '/no\\033[31mwhere')\"", 1,
       "/no\\x1b[31mwhere: No such file or directory"},
      {"--add3 \"$(printf 'a\\033[31m')\"", 2, "option --add3 holds the control character 0x1b"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.options);
    const RunResult run = Run("--dpi 360 " + row.options);
    EXPECT_EQ(run.exitCode, row.exitCode);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(row.error), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\x1B'), std::string::npos);
  }
}

TEST_F(DrawListCommandTest, UnreadableSettingsFileGivesDefaultsWithAWarning) {
  fs::remove(dir_ / "ruvo_Rezovod.ini");
  fs::create_directory(dir_ / "ruvo_Rezovod.ini");
  const RunResult run = Run("--dpi 360");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out.find("山田太郎"), std::string::npos);
  EXPECT_NE(run.err.find("ruvo-slip: warning: " + (dir_ / "ruvo_Rezovod.ini").string() +
                         ": Is a directory; its values read as the defaults\n"),
            std::string::npos)
      << run.err;
}

TEST_F(DrawListCommandTest, OptionsSetSwitchesSlotThirdLineAndMargins) {
  const RunResult run =
      Run("--dpi 360 --date 2011-01-05 --slot 3 --add3 ルヴォビル --top 10 --left=-5");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find(Entry(kLucida, 22, 2380, 213, "○")), std::string::npos);
  EXPECT_NE(run.out.find(Entry(kMincho, 11, 490, 640, "ルヴォビル")), std::string::npos);

  const RunResult bare = Run("--dpi 360 --no-date --no-sender");
  ASSERT_EQ(bare.exitCode, 0) << bare.err;
  EXPECT_EQ(bare.out.find("\"size\": 22"), std::string::npos);
  EXPECT_EQ(bare.out.find("株式会社ルヴォ"), std::string::npos);
  EXPECT_EQ(bare.out.find("[\n  " + Entry(kLucida, 12, 675, 153, "7")), 0u) << bare.out;
}

TEST_F(DrawListCommandTest, ContinuousPaperModeUsesItsRegisteredMargins) {
  WriteCp932(dir_ / "ruvo_Rezovod.ini", {"[rv_RezovodPrn]", "E_ZIP=730-0001", "ComboBox_SEL=1"});
  const RunResult run = Run("--dpi 360 --date 2011-01-05");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find(Entry(kLucida, 10, 375, 66, "2011")), std::string::npos) << run.out;
}

TEST_F(DrawListCommandTest, QuantityIsWhatTheNumericBoxKeepsOfTheSavedText) {
  const struct {
    const char* saved;
    const char* boxes[3];
  } rows[] = {
      {"007", {" ", " ", "7"}},   // leading zeros are not kept
      {"１２", {" ", "1", "2"}},  // full-width digits become half-width
      {"12a", {" ", "1", "2"}},   // the number ends at the first non-digit
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.saved);
    WriteCp932(dir_ / "ruvo_Rezovod.ini", {"[rv_RezovodPrn]", std::string("KOSUU=") + row.saved});
    const RunResult run = Run("--dpi 360 --date 2011-01-05");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const int boxX[] = {1553, 1598, 1643};  // 690, 710, 730 units
    for (int box = 0; box < 3; ++box) {
      EXPECT_NE(run.out.find(Entry(kLucida, 12, boxX[box], 1283, row.boxes[box])),
                std::string::npos)
          << run.out;
    }
  }
}

TEST_F(DrawListCommandTest, RestoredRecipientZipAndTelAreHalfWidthSendersAsTyped) {
  WriteCp932(dir_ / "ruvo_Rezovod.ini",
             {"[rv_RezovodPrn]", "E_ZIP=７３０－０００１", "E_TEL=０８２－１２３－４５６７"});
  WriteCp932(dir_ / "my0.txt", {"１５０－０００２", "東京都渋谷区渋谷", "", "株式会社ルヴォ",
                                "０３－１２３４－５６７８"});
  const RunResult run = Run("--dpi 360 --date 2011-01-05");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find(Entry(kLucida, 12, 675, 153, "7")), std::string::npos) << run.out;
  EXPECT_NE(run.out.find(Entry(kLucida, 12, 1384, 153, "1")), std::string::npos);
  EXPECT_NE(run.out.find(Entry(kLucida, 10, 743, 270, "082-123-4567")), std::string::npos);
  EXPECT_NE(run.out.find(Entry(kLucida, 12, 675, 855, "１")), std::string::npos);
  EXPECT_NE(run.out.find(Entry(kLucida, 12, 743, 968, "０３－１２３４－５６７８")),
            std::string::npos);
}

TEST_F(DrawListCommandTest, ScaleGivesTheEffectiveResolution) {
  const RunResult halfScale = Run("--dpi 180 --scale 50 --date 2011-01-05");
  const RunResult full = Run("--dpi 360 --date 2011-01-05");
  ASSERT_EQ(halfScale.exitCode, 0) << halfScale.err;
  EXPECT_EQ(halfScale.out, full.out);
}

TEST_F(DrawListCommandTest, BadMarginExitsWithTheConversionError) {
  for (const char* margin : {"1.5", "-", "abc"}) {
    SCOPED_TRACE(margin);
    const RunResult run = Run(std::string("--dpi 360 --top '") + margin + "'");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_NE(run.err.find(std::string("'") + margin + "' is not a valid integer value"),
              std::string::npos)
        << run.err;
  }
}

TEST_F(DrawListCommandTest, MalformedOptionsAreUsageErrors) {
  for (const char* options :
       {"--dpi 0", "--dpi 360y", "--slot 6", "--date 2011-02-30", "--scale 0", "--bogus"}) {
    SCOPED_TRACE(options);
    EXPECT_EQ(Run(options).exitCode, 2);
  }
}

}  // namespace
}  // namespace ruvo::test
