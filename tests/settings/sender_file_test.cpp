#include "settings/sender_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <stdexcept>

#include "settings/file_errors.h"
#include "support/faulty_file_replacer.h"
#include "support/temp_dir.h"
#include "support/test_text.h"

namespace ruvo::settings {
namespace {

using test::FileBytes;
using test::PutFile;
using test::Sj;

class SenderFile : public ::testing::Test {
 protected:
  test::TempDir dir;
  const SenderFields fukuyama{Sj("720-0000"), Sj("広島県福山市東深津町"), Sj("　３丁目 "),
                              Sj("福山　商店"), "084-924-0000"};
};

TEST_F(SenderFile, SlotsMapToTheTenFileNames) {
  EXPECT_EQ(SenderFileName(0), "my0.txt");
  EXPECT_EQ(SenderFileName(2), "my2.txt");  // tab "依頼主3"
  EXPECT_EQ(SenderFileName(9), "my9.txt");
  EXPECT_THROW(SenderFileName(-1), std::out_of_range);
  EXPECT_THROW(SenderFileName(10), std::out_of_range);
}

TEST_F(SenderFile, RegisterWritesExactlyFiveCrlfLinesByteForByte) {
  RegisterSender(dir.path(), 2, fukuyama);
  EXPECT_EQ(FileBytes(dir / "my2.txt"),
            Sj("720-0000\r\n広島県福山市東深津町\r\n　３丁目 \r\n福山　商店\r\n084-924-0000\r\n"));
  EXPECT_EQ(LoadSender(dir.path(), 2), fukuyama);
}

TEST_F(SenderFile, EmptyFieldsGiveEmptyLines) {
  RegisterSender(dir.path(), 0, SenderFields{});
  EXPECT_EQ(FileBytes(dir / "my0.txt"), "\r\n\r\n\r\n\r\n\r\n");
  EXPECT_EQ(LoadSender(dir.path(), 0), SenderFields{});
}

TEST_F(SenderFile, LoadsFilesOfOtherShapes) {
  const struct {
    const char* name;
    std::string bytes;
    SenderFields expected;
  } cases[] = {
      {"empty file", "", {}},
      {"two lines", "1\r\n2\r\n", {"1", "2", "", "", ""}},
      {"no final line end", "1\r\n2", {"1", "2", "", "", ""}},
      {"seven lines", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n", {"1", "2", "3", "4", "5"}},
      {"LF endings", "1\n2\n3\n4\n5\n", {"1", "2", "3", "4", "5"}},
      {"CR endings", "1\r2\r3\r4\r5\r", {"1", "2", "3", "4", "5"}},
      {"empty lines kept in place", "\r\n\r\n3\r\n", {"", "", "3", "", ""}},
      {"invalid CP932 kept as bytes", "\x81\r\n\xFF\xFD\r\n", {"\x81", "\xFF\xFD", "", "", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PutFile(dir / "my5.txt", c.bytes);
    EXPECT_EQ(LoadSender(dir.path(), 5), c.expected);
  }
}

TEST_F(SenderFile, MissingFileNamesFileAndReason) {
  try {
    LoadSender(dir.path(), 3);
    FAIL() << "no error";
  } catch (const FileReadError& error) {
    EXPECT_EQ(std::string(error.what()),
              (dir / "my3.txt").string() + ": No such file or directory");
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "my3.txt"));
}

TEST_F(SenderFile, DirectoryInPlaceOfTheFile) {
  std::filesystem::create_directory(dir / "my4.txt");
  try {
    LoadSender(dir.path(), 4);
    FAIL() << "no error";
  } catch (const FileReadError& error) {
    EXPECT_EQ(std::string(error.what()), (dir / "my4.txt").string() + ": Is a directory");
  }
  EXPECT_THROW(RegisterSender(dir.path(), 4, fukuyama), FileWriteError);
}

// A file the program cannot read may hold what it cannot see; it stays.
TEST_F(SenderFile, UnreadableSenderFileIsNotWrittenOver) {
  PutFile(dir / "my6.txt", "");
  std::filesystem::resize_file(dir / "my6.txt", std::uintmax_t{1} << 32);
  EXPECT_THROW(LoadSender(dir.path(), 6), FileReadError);
  EXPECT_THROW(RegisterSender(dir.path(), 6, fukuyama), FileWriteError);
  EXPECT_EQ(std::filesystem::file_size(dir / "my6.txt"), std::uintmax_t{1} << 32);
}

TEST_F(SenderFile, FailedRegisterKeepsTheOldSender) {
  RegisterSender(dir.path(), 1, fukuyama);
  test::FaultyFileReplacer disk;
  disk.diskFullAfterBytes = 12;  // the new file would stop inside its second line
  EXPECT_THROW(RegisterSender(dir.path(), 1, {"1", "2", "3", "4", "5"}, disk), FileWriteError);
  EXPECT_EQ(LoadSender(dir.path(), 1), fukuyama);
}

// The window names a sender file by its name alone; the reason and its
// number stay, so a first start (ENOENT) is still told from other faults.
TEST_F(SenderFile, ReadErrorNamedByTheFileAloneKeepsItsReason) {
  try {
    LoadSender(dir.path(), 7);
    ADD_FAILURE() << "no error";
  } catch (const FileReadError& error) {
    const FileReadError named = error.NamedAs(SenderFileName(7));
    EXPECT_STREQ(named.what(), "my7.txt: No such file or directory");
    EXPECT_EQ(named.errorNumber(), ENOENT);
    EXPECT_EQ(named.file(), "my7.txt");
  }
}

TEST_F(SenderFile, FieldWithLineBreakIsRefused) {
  RegisterSender(dir.path(), 1, fukuyama);
  EXPECT_THROW(RegisterSender(dir.path(), 1, {"1", "2\r\n3", "", "", ""}), FileWriteError);
  EXPECT_EQ(LoadSender(dir.path(), 1), fukuyama);
}

}  // namespace
}  // namespace ruvo::settings
