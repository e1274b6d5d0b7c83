#include "settings/printer_registration.h"

#include <gtest/gtest.h>

#include "faulty_file_replacer.h"
#include "settings/file_errors.h"
#include "settings/settings_names.h"
#include "temp_dir.h"
#include "test_text.h"

namespace ruvo::settings {
namespace {

using test::FileBytes;
using test::PutFile;
using test::Sj;

class PrinterRegistrationFile : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::filesystem::path ini = dir / "ruvo_q710.ini";
};

TEST_F(PrinterRegistrationFile, PaperModeNamesAreTheChoiceTexts) {
  EXPECT_EQ(PaperModeName(0), Sj("手差し"));
  EXPECT_EQ(PaperModeName(1), Sj("連続(４インチ)"));
  EXPECT_EQ(PaperModeName(-1), "");
  EXPECT_EQ(PaperModeName(2), "");
}

TEST_F(PrinterRegistrationFile, UnregisteredModeReadsZeros) {
  EXPECT_EQ(ReadRegistration(dir.path(), kPaperModeContinuous),
            (RegisteredPrintValues{"0", "0", "0"}));
}

TEST_F(PrinterRegistrationFile, SourcesNameKeySectionAndFile) {
  const std::string place = Sj(" in [手差し] of ") + ini.string();
  EXPECT_EQ(
      RegistrationSources(dir.path(), kPaperModeHandFed),
      (RegisteredPrintValues{"PrnNoIndex" + place, "slpPrn_Top" + place, "slpPrn_Left" + place}));
}

TEST_F(PrinterRegistrationFile, WritesTheFourKeysInOrder) {
  WriteRegistration(dir.path(), kPaperModeContinuous, {Sj("ＰＤＦ"), {"2", "12", "-5"}});
  EXPECT_EQ(FileBytes(ini), Sj("[連続(４インチ)]\r\nPrnName=ＰＤＦ\r\nPrnNoIndex=2\r\n"
                               "slpPrn_Top=12\r\nslpPrn_Left=-5\r\n"));
}

TEST_F(PrinterRegistrationFile, EachModeKeepsItsOwnRegistration) {
  WriteRegistration(dir.path(), kPaperModeContinuous, {"Laser", {"2", "12", "-5"}});
  EXPECT_EQ(ReadRegistration(dir.path(), kPaperModeHandFed),
            (RegisteredPrintValues{"0", "0", "0"}));
  WriteRegistration(dir.path(), kPaperModeHandFed, {"Ink", {"-1", "1.5", ""}});
  EXPECT_EQ(ReadRegistration(dir.path(), kPaperModeContinuous),
            (RegisteredPrintValues{"2", "12", "-5", "Laser"}));
  // Texts as typed: no conversion on the way.
  EXPECT_EQ(ReadRegistration(dir.path(), kPaperModeHandFed),
            (RegisteredPrintValues{"-1", "1.5", "", "Ink"}));
}

TEST_F(PrinterRegistrationFile, ReadsHandWrittenKeysInAnyCase) {
  PutFile(ini, Sj("[手差し]\nprnnoindex = 1\nSLPPRN_TOP=7\nprnname=ＰＤＦ\n"));
  EXPECT_EQ(ReadRegistration(dir.path(), kPaperModeHandFed),
            (RegisteredPrintValues{"1", "7", "0", Sj("ＰＤＦ")}));
}

// Registrations written before the name was read, or by hand, have none;
// the name must then read empty rather than as a printer called "0".
TEST_F(PrinterRegistrationFile, MissingNameReadsEmpty) {
  PutFile(ini, Sj("[手差し]\nPrnNoIndex=1\n"));
  EXPECT_EQ(ReadRegistration(dir.path(), kPaperModeHandFed).printerName, "");
}

TEST_F(PrinterRegistrationFile, FailedRegistrationKeepsTheOldOne) {
  WriteRegistration(dir.path(), kPaperModeHandFed, {"Old", {"1", "1", "1"}});
  test::FaultyFileReplacer disk;
  disk.renameError = EACCES;
  EXPECT_THROW(WriteRegistration(dir.path(), kPaperModeHandFed, {"New", {"2", "2", "2"}}, disk),
               FileWriteError);
  EXPECT_EQ(disk.attempts(), 1);
  EXPECT_EQ(ReadRegistration(dir.path(), kPaperModeHandFed),
            (RegisteredPrintValues{"1", "1", "1", "Old"}));
}

}  // namespace
}  // namespace ruvo::settings
