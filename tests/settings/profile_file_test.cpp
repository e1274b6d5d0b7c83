#include "settings/profile_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "settings/file_errors.h"
#include "support/faulty_file_replacer.h"
#include "support/temp_dir.h"
#include "support/test_text.h"

namespace ruvo::settings {
namespace {

using test::FileBytes;
using test::PutFile;
using test::Sj;

class ProfileFile : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::filesystem::path ini = dir / "ruvo_Rezovod.ini";
};

TEST_F(ProfileFile, MissingFileGivesDefaultsAndIsNotCreated) {
  EXPECT_EQ(ReadProfileText(ini, "s", "k", "dflt"), "dflt");
  EXPECT_EQ(ReadProfileInteger(ini, "s", "k", -1), -1);
  EXPECT_FALSE(std::filesystem::exists(ini));
}

TEST_F(ProfileFile, IntegerReadsHexAndFallsBackOnText) {
  PutFile(ini, "[s]\r\nhex=0x1\r\ntext=abc\r\nneg=-5\r\n");
  EXPECT_EQ(ReadProfileInteger(ini, "s", "hex", 0), 1);
  EXPECT_EQ(ReadProfileInteger(ini, "s", "text", 0), 0);
  EXPECT_EQ(ReadProfileInteger(ini, "s", "text", 9), 9);
  EXPECT_EQ(ReadProfileInteger(ini, "s", "neg", 0), -5);
}

TEST_F(ProfileFile, WriteCreatesFileAndNextReadSeesIt) {
  WriteProfileText(ini, "s", "k", "a=b");
  WriteProfileInteger(ini, "s", "n", -12);
  EXPECT_EQ(FileBytes(ini), "[s]\r\nk=a=b\r\nn=-12\r\n");
  EXPECT_EQ(ReadProfileText(ini, "s", "k", ""), "a=b");
  EXPECT_EQ(ReadProfileInteger(ini, "s", "n", 0), -12);
}

TEST_F(ProfileFile, ReadValueIsCutAt2047BytesOnACharacterBoundary) {
  const std::string exact(2047, 'x');
  const std::string oneMore(2048, 'y');
  // 2046 bytes and a two-byte character that would end at byte 2048.
  const std::string split = std::string(2046, 'z') + Sj("東");
  PutFile(ini, "[s]\r\na=" + exact + "\r\nb=" + oneMore + "\r\nc=" + split + "\r\n");
  EXPECT_EQ(ReadProfileText(ini, "s", "a", ""), exact);
  EXPECT_EQ(ReadProfileText(ini, "s", "b", ""), std::string(2047, 'y'));
  EXPECT_EQ(ReadProfileText(ini, "s", "c", ""), std::string(2046, 'z'));
}

TEST_F(ProfileFile, MegabyteLinesAreReadAndKept) {
  const std::string huge(3 << 20, 'q');
  PutFile(ini, "[s]\r\nbig=" + huge + "\r\nk=1\r\n");
  EXPECT_EQ(ReadProfileText(ini, "s", "k", ""), "1");
  WriteProfileText(ini, "s", "k", "2");
  EXPECT_EQ(FileBytes(ini), "[s]\r\nbig=" + huge + "\r\nk=2\r\n");
}

TEST_F(ProfileFile, ValueWithLineBreakIsRefusedAndFileKept) {
  PutFile(ini, "[s]\r\nk=1\r\n");
  for (const std::string_view value : {"a\r\n[x]", "a\nb", "a\rb"}) {
    SCOPED_TRACE(value);
    EXPECT_THROW(WriteProfileText(ini, "s", "k", value), FileWriteError);
    EXPECT_EQ(FileBytes(ini), "[s]\r\nk=1\r\n");
  }
}

// A value the program did not change keeps its line as it stands: blanks,
// the key's letter case, and a value beyond what a read returns.
TEST_F(ProfileFile, UnchangedValuesKeepTheirLinesByteForByte) {
  const std::string long3000(3000, 'x');
  const std::string old = "[s]\r\n  K = v \r\nlong=" + long3000 + "\r\nz=1\r\n";
  PutFile(ini, old);
  test::FaultyFileReplacer disk;
  const ProfileSetting same[] = {{"s", "k", "v"}, {"s", "long", std::string(2047, 'x')}};
  WriteProfileTexts(ini, same, disk);
  EXPECT_EQ(disk.attempts(), 0);
  const ProfileSetting changed[] = {{"s", "k", "v"}, {"s", "z", "2"}, {"t", "k", "3"}};
  WriteProfileTexts(ini, changed, disk);
  EXPECT_EQ(disk.attempts(), 1);
  EXPECT_EQ(FileBytes(ini), "[s]\r\n  K = v \r\nlong=" + long3000 + "\r\nz=2\r\n[t]\r\nk=3\r\n");
}

TEST_F(ProfileFile, DirectoryWhereTheFileShouldBe) {
  std::filesystem::create_directory(ini);
  EXPECT_EQ(ReadProfileText(ini, "s", "k", "d"), "d");
  try {
    WriteProfileText(ini, "s", "k", "v");
    FAIL() << "no error";
  } catch (const FileWriteError& error) {
    EXPECT_EQ(std::string(error.what()), ini.string() + Sj(" に書き込めません: Is a directory"));
  }
  EXPECT_TRUE(std::filesystem::is_directory(ini));
}

TEST_F(ProfileFile, PipeWhereTheFileShouldBeDoesNotHang) {
  ASSERT_EQ(::mkfifo(ini.c_str(), 0600), 0);
  EXPECT_EQ(ReadProfileText(ini, "s", "k", "d"), "d");
  EXPECT_THROW(WriteProfileText(ini, "s", "k", "v"), FileWriteError);
}

TEST_F(ProfileFile, FailedWriteKeepsOldFile) {
  const std::string old = "; kept\r\n[s]\r\nk=1\r\n";
  PutFile(ini, old);
  test::FaultyFileReplacer disk;
  disk.diskFullAfterBytes = 5;
  EXPECT_THROW(WriteProfileText(ini, "s", "k", "2", disk), FileWriteError);
  EXPECT_EQ(FileBytes(ini), old);
  EXPECT_EQ(test::EntryCount(dir.path()), 1u);
}

}  // namespace
}  // namespace ruvo::settings
