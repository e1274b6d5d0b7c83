#include "settings/printer_registration.h"

#include <gtest/gtest.h>

#include "settings/file_errors.h"
#include "settings/settings_names.h"
#include "support/faulty_file_replacer.h"
#include "support/temp_dir.h"
#include "support/test_text.h"

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
  RegisteredPrintValues expected{"PrnNoIndex" + place, "slpPrn_Top" + place, "slpPrn_Left" + place};
  expected.scaleX = "slpPrn_ScaleX" + place;
  expected.scaleY = "slpPrn_ScaleY" + place;
  EXPECT_EQ(RegistrationSources(dir.path(), kPaperModeHandFed), expected);
}

// The four keys of earlier versions first, in their order, then the keys
// they lack; a name CP932 holds needs no queue name.
TEST_F(PrinterRegistrationFile, WritesTheFourKeysInOrderThenThePaper) {
  RegisteredPrintValues values{"2", "12", "-5"};
  values.printerQueue = "ＰＤＦ";  // the queue's own name, UTF-8
  values.paperName = "A5";
  values.binName = Sj("手差しトレイ");
  WriteRegistration(dir.path(), kPaperModeContinuous, {Sj("ＰＤＦ"), values});
  EXPECT_EQ(FileBytes(ini), Sj("[連続(４インチ)]\r\nPrnName=ＰＤＦ\r\nPrnNoIndex=2\r\n"
                               "slpPrn_Top=12\r\nslpPrn_Left=-5\r\nPrnQueue=\r\n"
                               "PaperName=A5\r\nBinName=手差しトレイ\r\n"));
  EXPECT_EQ(ReadRegistration(dir.path(), kPaperModeContinuous).paperName, "A5");
  EXPECT_EQ(ReadRegistration(dir.path(), kPaperModeContinuous).printerQueue, "");
}

// "Café" shows as "Caf〓": the file keeps its real name beside it, in bytes
// any reader of CP932 lines leaves alone.
TEST_F(PrinterRegistrationFile, QueueNameCp932CannotHoldIsKeptBesideTheName) {
  RegisteredPrintValues values{"0", "0", "0"};
  values.printerQueue = "Caf\xC3\xA9 100%";
  WriteRegistration(dir.path(), kPaperModeHandFed, {Sj("Caf〓 100%"), values});
  EXPECT_NE(FileBytes(ini).find("PrnQueue=Caf%C3%A9%20100%25\r\n"), std::string::npos);
  const RegisteredPrintValues read = ReadRegistration(dir.path(), kPaperModeHandFed);
  EXPECT_EQ(read.printerQueue, "Caf\xC3\xA9 100%");
  EXPECT_EQ(read.printerName, Sj("Caf〓 100%"));
  PutFile(ini, "[" + Sj("手差し") + "]\r\nPrnQueue=50%zz%4\r\n");  // no escapes: as written
  EXPECT_EQ(ReadRegistration(dir.path(), kPaperModeHandFed).printerQueue, "50%zz%4");
}

// Registering margins keeps the registered printer, its number and paper.
TEST_F(PrinterRegistrationFile, MarginsAloneAreWrittenByTheMarginRegistration) {
  PutFile(ini, Sj("[手差し]\r\nPrnName=Old\r\nPrnNoIndex=3\r\nslpPrn_Top=1\r\n"
                  "PaperName=A5\r\n"));
  WriteRegisteredMargins(dir.path(), kPaperModeHandFed, "12", "-5");
  EXPECT_EQ(FileBytes(ini), Sj("[手差し]\r\nPrnName=Old\r\nPrnNoIndex=3\r\nslpPrn_Top=12\r\n"
                               "PaperName=A5\r\nslpPrn_Left=-5\r\n"));
}

// The form's scale is written alone and read beside the registration;
// registering a printer or margins afterwards leaves it as measured.
TEST_F(PrinterRegistrationFile, ScaleKeysAreWrittenAloneAndKeptByLaterRegistrations) {
  PutFile(ini, Sj("[手差し]\r\nPrnName=Old\r\nslpPrn_Top=1\r\n"));
  WriteRegisteredScale(dir.path(), kPaperModeHandFed, "1010", "995");
  EXPECT_EQ(FileBytes(ini), Sj("[手差し]\r\nPrnName=Old\r\nslpPrn_Top=1\r\n"
                               "slpPrn_ScaleX=1010\r\nslpPrn_ScaleY=995\r\n"));
  WriteRegistration(dir.path(), kPaperModeHandFed, {"New", {"2", "3", "4"}});
  WriteRegisteredMargins(dir.path(), kPaperModeHandFed, "5", "6");
  const RegisteredPrintValues read = ReadRegistration(dir.path(), kPaperModeHandFed);
  EXPECT_EQ(read.scaleX, "1010");
  EXPECT_EQ(read.scaleY, "995");
  EXPECT_EQ(read.marginTop, "5");
  EXPECT_EQ(ReadRegistration(dir.path(), kPaperModeContinuous).scaleX, "");  // 100.0 %
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
