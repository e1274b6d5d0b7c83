#include "settings/app_settings.h"

#include <gtest/gtest.h>

#include "settings/file_errors.h"
#include "settings/profile_file.h"
#include "support/faulty_file_replacer.h"
#include "support/temp_dir.h"
#include "support/test_text.h"

namespace ruvo::settings {
namespace {

using test::FileBytes;
using test::PutFile;
using test::Sj;

// The exit's keys in their order of writing.
constexpr std::string_view kExitKeys[] = {
    "Addr_Font",   "E_ZIP",       "E_AD1",      "E_AD2",        "E_CUS",    "E_TEL",   "E_G1",
    "E_G2",        "E_G3",        "KOSUU",      "de_date1",     "de_date2", "OP023My", "OP023MyZip",
    "OP023MyADD1", "OP023MyADD2", "OP023MyTEL", "ComboBox_SEL", "Tab_My",
};

// Every field different, full-width where a user would type it.
ExitSettings Sample() {
  ExitSettings s;
  s.fontIndex = 2;
  s.slip = {
      Sj("123-4567"),
      Sj("東京都千代田区　１−２"),
      Sj("ビル ３Ｆ"),
      Sj("山田 太郎 様"),
      "03-1234-5678",
      Sj("書籍"),
      "a=b",
      Sj("ワレモノ"),
      "12",
      "4",
      "30",
      {Sj("720-0000"), Sj("広島県福山市"), Sj("本社ビル２Ｆ"), Sj("福山商店"), "084-000-0000"}};
  s.paperMode = 1;
  s.senderTab = 9;
  return s;
}

class AppSettings : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::filesystem::path ini = dir / "ruvo_Rezovod.ini";
};

TEST_F(AppSettings, EmptyFolderGivesTheDefaults) {
  const StartupSettings read = ReadStartupSettings(dir.path());
  EXPECT_EQ(read, StartupSettings{});
  EXPECT_EQ(read.printerNumber, -1);
  EXPECT_EQ(read.saved.fontIndex, 1);
  EXPECT_EQ(read.saved.slip.quantity, "1");
  EXPECT_FALSE(std::filesystem::exists(ini));
}

TEST_F(AppSettings, EveryExitKeyRoundTrips) {
  WriteExitSettings(dir.path(), Sample());
  EXPECT_EQ(ReadStartupSettings(dir.path()).saved, Sample());
}

TEST_F(AppSettings, ExitWritesTheKeysInOrder) {
  WriteExitSettings(dir.path(), ExitSettings{});
  std::string expected = "[rv_RezovodPrn]\r\n";
  for (const std::string_view key : kExitKeys) {
    expected += std::string(key) + "=";
    if (key == "Addr_Font" || key == "KOSUU") expected += "1";
    if (key == "ComboBox_SEL" || key == "Tab_My") expected += "0";
    expected += "\r\n";
  }
  EXPECT_EQ(FileBytes(ini), expected);
}

// Nineteen keys, one replacement: a quit costs one flush to disk.
TEST_F(AppSettings, ExitWritesAllKeysInOneReplacement) {
  PutFile(ini, "; kept\r\n[rv_RezovodPrn]\r\nRezovodprnno=2\r\n");
  test::FaultyFileReplacer disk;
  WriteExitSettings(dir.path(), Sample(), disk);
  EXPECT_EQ(disk.attempts(), 1);
  EXPECT_EQ(ReadStartupSettings(dir.path()).saved, Sample());
  EXPECT_EQ(ReadPrinterNumber(dir.path()), 2);
  WriteExitSettings(dir.path(), Sample(), disk);
  EXPECT_EQ(disk.attempts(), 1) << "nothing changed, nothing written";
}

// A value with a line break (only a caller that bypasses the fields can
// give one) stops the exit where writing key by key would stop: the keys
// before it are written, it and the rest are not.
TEST_F(AppSettings, LineBreakInAValueWritesTheKeysBeforeIt) {
  for (std::size_t bad = 1; bad < std::size(kExitKeys) - 2; ++bad) {
    SCOPED_TRACE(kExitKeys[bad]);
    std::filesystem::remove(ini);
    ExitSettings settings = Sample();
    std::string* texts[] = {&settings.slip.zip,
                            &settings.slip.address1,
                            &settings.slip.address2,
                            &settings.slip.customer,
                            &settings.slip.tel,
                            &settings.slip.goods1,
                            &settings.slip.goods2,
                            &settings.slip.goods3,
                            &settings.slip.quantity,
                            &settings.slip.deliveryMonth,
                            &settings.slip.deliveryDay,
                            &settings.slip.sender.name,
                            &settings.slip.sender.zip,
                            &settings.slip.sender.address1,
                            &settings.slip.sender.address2,
                            &settings.slip.sender.tel};
    *texts[bad - 1] += "\r\n[x]";
    EXPECT_THROW(WriteExitSettings(dir.path(), settings), FileWriteError);
    for (std::size_t k = 0; k < std::size(kExitKeys); ++k) {
      const bool written =
          ReadProfileText(ini, "rv_RezovodPrn", kExitKeys[k], "<none>") != "<none>";
      EXPECT_EQ(written, k < bad) << kExitKeys[k];
    }
  }
}

TEST_F(AppSettings, ReadsHandWrittenFile) {
  PutFile(ini,
          "; written by hand\n"
          "[RV_REZOVODPRN]\n"
          "  Rezovodprnno = 2 \n"
          "rv_RezovodPrn_TOP=0x10\n"
          "rv_RezovodPrn_LEFT=-3\n"
          "Tab_My=0x1\n"
          "Addr_Font=abc\n"
          "e_zip = 100-0001\n"
          "KOSUU=\n");
  const StartupSettings read = ReadStartupSettings(dir.path());
  EXPECT_EQ(read.printerNumber, 2);
  EXPECT_EQ(read.marginTop, 16);
  EXPECT_EQ(read.marginLeft, -3);
  EXPECT_EQ(read.saved.senderTab, 1);  // "依頼主2"
  EXPECT_EQ(read.saved.fontIndex, 1);  // no number: the default
  EXPECT_EQ(read.saved.slip.zip, "100-0001");
  EXPECT_EQ(read.saved.slip.quantity, "");  // present but empty is no default
}

// Each key lands in its own field: a round trip alone would not notice two
// fields swapped on both the way out and the way in.
TEST_F(AppSettings, ReadsEveryKeyIntoItsField) {
  PutFile(ini, Sj("[rv_RezovodPrn]\r\n"
                  "Rezovodprnno=3\r\nrv_RezovodPrn_Top=4\r\nrv_RezovodPrn_Left=5\r\n"
                  "Tab_My=6\r\nAddr_Font=2\r\nComboBox_SEL=1\r\n"
                  "E_ZIP=z\r\nE_AD1=a1\r\nE_AD2=a2\r\nE_CUS=客\r\nE_TEL=t\r\n"
                  "E_G1=g1\r\nE_G2=g2\r\nE_G3=g3\r\nKOSUU=9\r\nde_date1=m\r\nde_date2=d\r\n"
                  "OP023My=名\r\nOP023MyZip=mz\r\nOP023MyADD1=m1\r\nOP023MyADD2=m2\r\n"
                  "OP023MyTEL=mt\r\n"));
  StartupSettings expected;
  expected.printerNumber = 3;
  expected.marginTop = 4;
  expected.marginLeft = 5;
  expected.saved.senderTab = 6;
  expected.saved.fontIndex = 2;
  expected.saved.paperMode = 1;
  expected.saved.slip = {"z",  "a1", "a2", Sj("客"), "t", "g1",
                         "g2", "g3", "9",  "m",      "d", {"mz", "m1", "m2", Sj("名"), "mt"}};
  EXPECT_EQ(ReadStartupSettings(dir.path()), expected);
}

TEST_F(AppSettings, FileOfBinaryJunkReadsAsDefaultsAndStaysUntouched) {
  std::string junk("\0\xFF[\x81\n=\x83]\r\r\n[rv_RezovodPrn\n\xFC=\0Tab_My\n", 36);
  PutFile(ini, junk);
  EXPECT_EQ(ReadStartupSettings(dir.path()), StartupSettings{});
  EXPECT_EQ(FileBytes(ini), junk);
}

TEST_F(AppSettings, ExitWritePreservesLinesItDoesNotOwn) {
  const std::string head = "; comment\n[other]\nx = 1\nno equals sign\n[rv_RezovodPrn]\n";
  PutFile(ini, head + "rv_RezovodPrn_Top=5\nE_ZIP = old\n");
  WriteExitSettings(dir.path(), Sample());
  const std::string bytes = FileBytes(ini);
  EXPECT_TRUE(bytes.starts_with(head + "rv_RezovodPrn_Top=5\nE_ZIP=123-4567\n")) << bytes;
  EXPECT_EQ(ReadStartupSettings(dir.path()).marginTop, 5);
}

TEST_F(AppSettings, PrinterNumberRoundTripsAndDefaultsToSystemPrinter) {
  EXPECT_EQ(ReadPrinterNumber(dir.path()), -1);
  WritePrinterNumber(dir.path(), 3);
  EXPECT_EQ(ReadPrinterNumber(dir.path()), 3);
  EXPECT_EQ(ReadStartupSettings(dir.path()).printerNumber, 3);
  WritePrinterNumber(dir.path(), -1);
  EXPECT_EQ(FileBytes(ini), "[rv_RezovodPrn]\r\nRezovodprnno=-1\r\n");
}

}  // namespace
}  // namespace ruvo::settings
