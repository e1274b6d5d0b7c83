// ruvo-slip render run as built: the PDF it writes holds the slip's texts at
// their dots, counted from the paper's top-left corner.
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <fstream>
#include <iterator>

#include "cli/slip_cli_fixture.h"

namespace ruvo::test {
namespace {

class RenderCommandTest : public SlipCliTest {
 protected:
  RunResult Run(const std::string& options) { return RunSlip("render", options); }
};

TEST_F(RenderCommandTest, PdfHoldsTheWorkedPositionsAt360Dpi) {
  const fs::path pdf = dir_ / "slip.pdf";
  const RunResult run = Run("--pdf '" + pdf.string() + "' --dpi 360 --date 2011-01-05");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("\"dpi\": [360, 360]"), std::string::npos) << run.out;
  const auto words = WordsOf(pdf);
  EXPECT_TRUE(HasWordAt(words, "2011", 383, 54, 360));
  EXPECT_TRUE(HasWordAt(words, "7", 675, 153, 360));
  EXPECT_TRUE(HasWordAt(words, "山田太郎", 495, 743, 360));
}

TEST_F(RenderCommandTest, MarginsAndAnotherResolutionMoveTheTexts) {
  const fs::path pdf = dir_ / "slip.pdf";
  const RunResult run =
      Run("--pdf '" + pdf.string() + "' --dpi 203 --date 2011-01-05 --top 20 --left 30 --page B5");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto words = WordsOf(pdf);
  // 203 dpi: x 170 → 215.696 → 216, y 24 → 30.45 → 30; name 220, 330 → 279, 419
  EXPECT_TRUE(HasWordAt(words, "2011", 246, 50, 203));
  EXPECT_TRUE(HasWordAt(words, "山田太郎", 309, 439, 203));
}

TEST_F(RenderCommandTest, RendersWithoutAnyDisplayOrPlatformChoice) {
  const fs::path pdf = dir_ / "slip.pdf";
  const RunResult run = RunSlip("render", "--pdf '" + pdf.string() + "' --dpi 360",
                                "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(HasWordAt(WordsOf(pdf), "山田太郎", 495, 743, 360));
}

TEST_F(RenderCommandTest, BadInputWritesNoPdf) {
  const fs::path pdf = dir_ / "slip.pdf";
  EXPECT_EQ(Run("--dpi 360").exitCode, 2);                                         // no --pdf
  EXPECT_EQ(Run("--pdf '" + pdf.string() + "' --dpi 360 --page A9").exitCode, 2);  // no such page
  const RunResult badMargin = Run("--pdf '" + pdf.string() + "' --dpi 360 --left abc");
  EXPECT_EQ(badMargin.exitCode, 1);
  EXPECT_NE(badMargin.err.find("'abc' is not a valid integer value (option --left)"),
            std::string::npos)
      << badMargin.err;
  EXPECT_FALSE(fs::exists(pdf));
}

// A device named as the PDF (one made in the test's folder) gets the PDF
// written into it and stays a device; standard output gets the PDF alone.
TEST_F(RenderCommandTest, PdfIsWrittenIntoADeviceOrStandardOutput) {
  const fs::path null = dir_ / "null";
  if (::mknod(null.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
    GTEST_SKIP() << "cannot make a device node here";
  }
  const RunResult device = Run("--pdf '" + null.string() + "' --dpi 360");
  EXPECT_EQ(device.exitCode, 0) << device.err;
  EXPECT_TRUE(fs::is_character_file(null));
  const RunResult output = Run("--pdf /dev/stdout --dpi 360");
  EXPECT_EQ(output.exitCode, 0) << output.err;
  EXPECT_TRUE(output.out.starts_with("%PDF-"));
  EXPECT_TRUE(output.out.ends_with("%%EOF\n")) << "no report after the PDF";
}

// The PDF replaces an earlier one only when it is complete: on a file system
// that runs out of space (an 8 KiB tmpfs) the old file stays as it was.
TEST_F(RenderCommandTest, FailedWriteKeepsTheOldPdf) {
  const fs::path tiny = dir_ / "tiny";
  fs::create_directory(tiny);
  if (::mount("tmpfs", tiny.c_str(), "tmpfs", 0, "size=8k") != 0) {
    GTEST_SKIP() << "cannot mount a tmpfs here";
  }
  const fs::path pdf = tiny / "slip.pdf";
  std::ofstream(pdf) << "old";
  const RunResult result = Run("--pdf '" + pdf.string() + "' --dpi 360");
  std::string kept;
  {
    std::ifstream in(pdf);
    kept.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  const auto entries = std::distance(fs::directory_iterator(tiny), fs::directory_iterator());
  ::umount(tiny.c_str());
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("に書き込めません"), std::string::npos) << result.err;
  EXPECT_EQ(kept, "old");
  EXPECT_EQ(entries, 1);  // no temporary file left behind
}

}  // namespace
}  // namespace ruvo::test
