#include "settings/startup_state.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "settings/profile_file.h"
#include "settings/settings_names.h"
#include "support/temp_dir.h"
#include "support/test_text.h"

namespace ruvo::settings {
namespace {

using test::PutFile;
using test::Sj;

class StartupStateTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::filesystem::path ini = dir / "ruvo_Rezovod.ini";
};

TEST_F(StartupStateTest, FirstStartInAnEmptyFolder) {
  const StartupState state = LoadStartupState(dir.path());
  EXPECT_EQ(state.saved, ExitSettings{});
  EXPECT_EQ(state.printValues, (RegisteredPrintValues{"0", "0", "0"}));
  EXPECT_EQ(state.senderError, (dir / "my0.txt").string() + ": No such file or directory");
}

TEST_F(StartupStateTest, RegistrationOfThePaperModeReplacesTheSettingsValues) {
  PutFile(ini, "[rv_RezovodPrn]\r\nComboBox_SEL=1\r\nrv_RezovodPrn_Top=99\r\nTab_My=2\r\n");
  WriteRegistration(dir.path(), kPaperModeHandFed, {"A", {"1", "10", "11"}});
  WriteRegistration(dir.path(), kPaperModeContinuous, {"B", {"3", "12", "-5"}});
  PutFile(dir / "my2.txt", Sj("720-0000\r\n福山市\r\n"));
  WriteProfileText(ini, "rv_RezovodPrn", "OP023My", Sj("設定の名前"));
  const StartupState state = LoadStartupState(dir.path());
  EXPECT_EQ(state.saved.paperMode, 1);
  EXPECT_EQ(state.printValues, (RegisteredPrintValues{"3", "12", "-5", "B"}));
  // The sender file wins over the settings' sender fields, all five of them.
  EXPECT_EQ(state.saved.slip.sender, (SenderFields{"720-0000", Sj("福山市"), "", "", ""}));
  EXPECT_EQ(state.senderError, std::nullopt);
}

TEST_F(StartupStateTest, MissingSenderFileKeepsTheSettingsSender) {
  PutFile(ini, "[rv_RezovodPrn]\r\nTab_My=0x3\r\nOP023MyZip=100-0001\r\n");
  const StartupState state = LoadStartupState(dir.path());
  EXPECT_EQ(state.saved.slip.sender.zip, "100-0001");
  EXPECT_EQ(state.senderError, (dir / "my3.txt").string() + ": No such file or directory");
}

TEST_F(StartupStateTest, PaperModeOutsideTheChoiceShowsHandFedWithoutItsRegistration) {
  PutFile(ini, "[rv_RezovodPrn]\r\nComboBox_SEL=5\r\n");
  WriteRegistration(dir.path(), kPaperModeHandFed, {"A", {"1", "10", "11"}});
  const StartupState state = LoadStartupState(dir.path());
  EXPECT_EQ(state.saved.paperMode, 0);
  EXPECT_EQ(state.printValues, (RegisteredPrintValues{"0", "0", "0"}));
}

// Files that exist but cannot be read give the defaults, and say so.
TEST_F(StartupStateTest, UnreadableFilesAreNamedAndReadAsDefaults) {
  std::filesystem::create_directory(ini);
  ASSERT_EQ(::mkfifo((dir / "ruvo_q710.ini").c_str(), 0600), 0);
  const StartupState state = LoadStartupState(dir.path());
  EXPECT_EQ(state.saved, ExitSettings{});
  EXPECT_EQ(state.printValues, RegisteredPrintValues{});
  std::vector<std::string> named;
  for (const FileReadError& error : state.unreadableFiles)
    named.emplace_back(error.what());
  EXPECT_EQ(named,
            (std::vector<std::string>{ini.string() + ": Is a directory",
                                      (dir / "ruvo_q710.ini").string() + ": Not a regular file"}));
  EXPECT_TRUE(LoadStartupState(dir / "elsewhere").unreadableFiles.empty());  // missing is no error
}

TEST_F(StartupStateTest, FilesInAnotherEncodingAreNamed) {
  PutFile(ini, "[rv_RezovodPrn]\r\nE_CUS=\xE5\xB1\xB1\xE7\x94\xB0\r\n");  // 山田 in UTF-8
  PutFile(dir / "ruvo_q710.ini", Sj("[手差し]\r\nPrnName=プリンタ\r\n"));
  EXPECT_EQ(LoadStartupState(dir.path()).foreignEncodedFiles,
            (std::vector<ForeignEncodedFile>{{ini, "UTF-8"}}));
}

TEST_F(StartupStateTest, SenderTabOutsideTheTabsReportsTabErr) {
  PutFile(ini, "[rv_RezovodPrn]\r\nTab_My=10\r\n");
  EXPECT_EQ(LoadStartupState(dir.path()).senderError, "TabErr");
}

}  // namespace
}  // namespace ruvo::settings
