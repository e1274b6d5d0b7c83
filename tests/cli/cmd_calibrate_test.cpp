// ruvo-slip calibrate, the proof and the overflow report, run as built on a
// prepared working directory.
#include "batch/order_fixture.h"
#include "cli/slip_cli_fixture.h"

namespace ruvo::test {
namespace {

class CalibrateCommandTest : public SlipCliTest {
 protected:
  bool PdfHas(const fs::path& pdf, const std::string& text) {
    const auto words = WordsOf(pdf);
    return std::any_of(words.begin(), words.end(),
                       [&](const PdfWord& word) { return word.text.find(text) != npos; });
  }
  static constexpr std::size_t npos = std::string::npos;
};

// The continuous mode's registration (12, -8) places the sheet; the box of
// the name is captioned inside its corner, at 220 + 0.6 mm, 330 + 0.4 mm.
TEST_F(CalibrateCommandTest, WritesTheSheetAtTheRegisteredMarginsWithoutMissingASender) {
  WriteCp932(dir_ / "ruvo_Rezovod.ini", {"[rv_RezovodPrn]", "ComboBox_SEL=1"});
  fs::remove(dir_ / "my0.txt");
  const fs::path pdf = dir_ / "sheet.pdf";
  const RunResult run = RunSlip("calibrate", "--dpi 360 --pdf '" + pdf.string() + "'");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find(R"("page": "A4", "dpi": [360, 360], "boxes": 39})"), npos) << run.out;
  EXPECT_EQ(run.err.find("my0.txt"), npos) << run.err;
  const auto words = WordsOf(pdf);
  EXPECT_TRUE(HasWordAt(words, "おなまえ", 495 + 9 - 8, 743 + 6 + 12, 360));
  EXPECT_TRUE(PdfHas(pdf, "給紙方向"));
  EXPECT_TRUE(PdfHas(pdf, "テスト印字"));
}

TEST_F(CalibrateCommandTest, RefusesOptionsThatDoNotPlaceTheSheet) {
  for (const char* options : {"--pdf a.pdf --printer ruvo_pass360", "--pdf a.pdf --slot 3",
                              "--pdf a.pdf --no-sender", "--pdf a.pdf --page A9"}) {
    SCOPED_TRACE(options);
    EXPECT_EQ(RunSlip("calibrate", options).exitCode, 2);
  }
}

// A registered scale moves what stands away from the origin and nothing
// at it; a scale written in whole percent is refused, naming its key.
TEST_F(CalibrateCommandTest, RegisteredScaleStretchesTheSlipAroundItsOrigin) {
  WriteCp932(dir_ / "ruvo_q710.ini", {"[手差し]", "PrnName=Slip", "slpPrn_ScaleX=1010"});
  const RunResult run = RunSlip("drawlist", "--dpi 360 --date 2011-01-05 --slot 5");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  // 18→20 at 1140 units: 2565 dots at 100 %, 2590.7 at 101.0 %.
  EXPECT_NE(run.out.find(R"("x": 2591, "y": 203, "text": "○")"), npos) << run.out;
  WriteCp932(dir_ / "ruvo_q710.ini", {"[手差し]", "PrnName=Slip", "slpPrn_ScaleY=101"});
  const RunResult refused = RunSlip("render", "--dpi 360 --pdf x.pdf");
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.err.find("scale 101 per mille (slpPrn_ScaleY in [手差し] of " +
                             (dir_ / "ruvo_q710.ini").string() + ")"),
            npos)
      << refused.err;
}

// 40 bytes of full-width name run 3.6 mm out of the name's box at 360 dpi
// with the installed fonts: every slip command says so, the proof in red
// under the box.
TEST_F(CalibrateCommandTest, NameWiderThanItsBoxIsReportedByEveryCommand) {
  WriteCp932(dir_ / "ruvo_Rezovod.ini",
             {"[rv_RezovodPrn]", "E_CUS=山田太郎山田太郎山田太郎山田太郎山田太郎"});
  const std::string overflow = R"({"field": "name", "caption": "おなまえ", "mm": 3.6})";
  const std::string warning =
      "ruvo-slip: warning: おなまえが枠に収まりません (3.6 mm はみ出します)\n";
  const RunResult drawlist = RunSlip("drawlist", "--dpi 360");
  EXPECT_NE(drawlist.out.find("山田太郎\", \"overflow\": " + overflow + "}"), npos) << drawlist.out;
  EXPECT_NE(drawlist.err.find(warning), npos) << drawlist.err;
  const fs::path pdf = dir_ / "proof.pdf";
  const RunResult render = RunSlip("render", "--dpi 360 --proof --pdf '" + pdf.string() + "'");
  ASSERT_EQ(render.exitCode, 0) << render.err;
  EXPECT_NE(render.out.find("\"overflow\": [" + overflow + "]}"), npos) << render.out;
  EXPECT_NE(render.err.find(warning), npos);
  EXPECT_TRUE(PdfHas(pdf, "おなまえが枠に収まりません"));

  std::ofstream(dir_ / "orders.csv", std::ios::binary)
      << Sj(std::string(kOrderHeader) + OrderLine("山田太郎山田太郎山田太郎山田太郎山田太郎"));
  const RunResult batch =
      RunSlip("batch", "'" + (dir_ / "orders.csv").string() + "' --dry-run --dpi 360",
              "RUVO_ZIP_DICT=/nonexistent");
  // The slip prints all the same, as the window prints it: a warning.
  EXPECT_EQ(batch.exitCode, 0);
  EXPECT_NE(batch.out.find(R"js("problems": [], "orders": 1, "warnings": [)js"), npos) << batch.out;
  EXPECT_NE(
      batch.out.find(
          R"js("row": 2, "column": "氏名", "reason": "おなまえが枠に収まりません (3.6 mm はみ出します)")js"),
      npos)
      << batch.out;
}

}  // namespace
}  // namespace ruvo::test
