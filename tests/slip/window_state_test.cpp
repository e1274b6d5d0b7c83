#include "slip/window_state.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "settings/settings_names.h"
#include "support/temp_dir.h"
#include "support/test_text.h"

namespace ruvo {
namespace {

using test::PutFile;
using test::Sj;

class WindowStartupTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::filesystem::path ini = dir / "ruvo_Rezovod.ini";
};

// A newcomer's folder: no file yet is no error, and the sender file's
// absence is the first start, not a fault.
TEST_F(WindowStartupTest, EmptyFolderIsAFirstStart) {
  const WindowStartup startup = LoadWindowStartup(dir.path());
  EXPECT_EQ(startup.unreadableReport, "");
  EXPECT_EQ(startup.senderTab, 0);
  EXPECT_EQ(startup.paperMode, 0);
  EXPECT_EQ(startup.labels, (PrintLabels{"-1", "0", "0", "", ""}));
  EXPECT_TRUE(startup.sender.firstStart);
  ASSERT_TRUE(startup.sender.error);
  EXPECT_STREQ(startup.sender.error->what(), "my0.txt: No such file or directory");
}

// Once the folder holds any of the program's files, a missing sender file
// is an error the window shows, named alone.
TEST_F(WindowStartupTest, MissingSenderFileOfAFolderInUseIsAnError) {
  PutFile(ini, "[rv_RezovodPrn]\r\nTab_My=3\r\n");
  const TabSender sender = LoadWindowStartup(dir.path()).sender;
  EXPECT_FALSE(sender.firstStart);
  ASSERT_TRUE(sender.error);
  EXPECT_EQ(sender.error->errorNumber(), ENOENT);
  EXPECT_EQ(sender.error->file(), "my3.txt");
}

// The stored tab and paper mode stand as read: one that is no tab or item is
// shown as none, and the paper mode's registration is that of no section.
TEST_F(WindowStartupTest, TabAndPaperModeOutsideTheChoicesAreNone) {
  PutFile(ini, "[rv_RezovodPrn]\r\nTab_My=10\r\nComboBox_SEL=5\r\nrv_RezovodPrn_Top=4\r\n");
  PutFile(dir / "ruvo_q710.ini", Sj("[手差し]\r\nPrnNoIndex=1\r\nslpPrn_Top=12\r\n"));
  const WindowStartup startup = LoadWindowStartup(dir.path());
  EXPECT_EQ(startup.senderTab, -1);
  EXPECT_TRUE(startup.sender.noTab);
  EXPECT_FALSE(startup.sender.error);
  EXPECT_EQ(startup.paperMode, -1);
  EXPECT_EQ(startup.labels.top, "4");
  EXPECT_EQ(startup.registration, (settings::RegisteredPrintValues{"0", "0", "0"}));
}

TEST_F(WindowStartupTest, SenderFileOfTheRememberedTabIsLoaded) {
  PutFile(ini, Sj("[rv_RezovodPrn]\r\nTab_My=2\r\nOP023My=設定の名前\r\nComboBox_SEL=1\r\n"));
  PutFile(dir / "my2.txt", Sj("720-0000\r\n福山市\r\n"));
  settings::WriteRegistration(dir.path(), settings::kPaperModeContinuous, {"B", {"3", "12", "-5"}});
  const WindowStartup startup = LoadWindowStartup(dir.path());
  ASSERT_TRUE(startup.sender.fields);
  EXPECT_EQ(*startup.sender.fields, (settings::SenderFields{"720-0000", Sj("福山市"), "", "", ""}));
  // The settings' own sender stays in the saved slip, shown until then.
  EXPECT_EQ(startup.saved.sender.name, Sj("設定の名前"));
  EXPECT_EQ(startup.registration.printerName, "B");
  EXPECT_EQ(WithRegistration(startup.labels, startup.registration),
            (PrintLabels{"3", "12", "-5", "", ""}));
}

TEST_F(WindowStartupTest, FileProblemsAreReportedOnce) {
  std::filesystem::create_directory(ini);
  PutFile(dir / "ruvo_q710.ini", "[\xE6\x89\x8B\xE5\xB7\xAE\xE3\x81\x97]\r\n");  // 手差し in UTF-8
  const WindowStartup startup = LoadWindowStartup(dir.path());
  EXPECT_EQ(test::Utf8(startup.unreadableReport),
            "「" + ini.string() +
                "」を読めません: ファイルではなくフォルダです。\n"
                "読めないファイルの値は既定値になります。");
  EXPECT_EQ(test::Utf8(startup.foreignEncodingReport),
            (dir / "ruvo_q710.ini").string() +
                " は Shift-JIS ではなく UTF-8 で書かれているようです。\n"
                "文字化けした値は、書き換えない限りそのまま保存されます。");
}

TEST(LoadTabSender, ReadsWholeOrSaysWhy) {
  test::TempDir dir;
  PutFile(dir / "my1.txt", "1\r\n2\r\n3\r\n4\r\n5\r\n");
  std::filesystem::create_directory(dir / "my2.txt");
  EXPECT_EQ(LoadTabSender(dir.path(), 1).fields, (settings::SenderFields{"1", "2", "3", "4", "5"}));
  const TabSender folder = LoadTabSender(dir.path(), 2);
  ASSERT_TRUE(folder.error);
  EXPECT_STREQ(folder.error->what(), "my2.txt: Is a directory");
  EXPECT_FALSE(folder.fields);
  EXPECT_TRUE(LoadTabSender(dir.path(), -1).noTab);
  EXPECT_TRUE(LoadTabSender(dir.path(), 10).noTab);
}

TEST(RegistrationOf, WritesThePrinterWithTheLabelsNumberAndMargins) {
  const PrinterChoice choice{"Slip", "slip_q", "A5", "Manual"};
  const settings::PrinterRegistration registration =
      RegistrationOf(choice, {"2", "7", "-3", "360", "360"});
  EXPECT_EQ(registration.printerName, "Slip");
  settings::RegisteredPrintValues expected{"2", "7", "-3"};
  expected.printerQueue = "slip_q";
  expected.paperName = "A5";
  expected.binName = "Manual";
  EXPECT_EQ(registration.values, expected);
}

}  // namespace
}  // namespace ruvo
