#include "support/faulty_file_replacer.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "settings/file_errors.h"
#include "support/temp_dir.h"

namespace ruvo::test {
namespace {

TEST(FaultyFileReplacer, WorksLikeTheRealOneUntilFaultsStart) {
  TempDir dir;
  FaultyFileReplacer replacer;
  replacer.goodReplacements = 2;
  replacer.renameError = EACCES;
  replacer.Replace(dir / "a", "1");
  replacer.Replace(dir / "b", "2");
  EXPECT_THROW(replacer.Replace(dir / "c", "3"), settings::FileWriteError);
  EXPECT_THROW(replacer.Replace(dir / "a", "4"), settings::FileWriteError);
  EXPECT_EQ(FileBytes(dir / "a"), "1");
  EXPECT_EQ(FileBytes(dir / "b"), "2");
  EXPECT_FALSE(std::filesystem::exists(dir / "c"));
  EXPECT_EQ(replacer.attempts(), 4);
}

TEST(FaultyFileReplacer, DiskFullLetsTheRoomItHasBeWritten) {
  TempDir dir;
  FaultyFileReplacer replacer;
  replacer.diskFullAfterBytes = 4;
  replacer.Replace(dir / "a", "1234");  // exactly fits
  EXPECT_EQ(FileBytes(dir / "a"), "1234");
  EXPECT_THROW(replacer.Replace(dir / "a", "12345"), settings::FileWriteError);  // one byte over
  EXPECT_EQ(FileBytes(dir / "a"), "1234");
}

}  // namespace
}  // namespace ruvo::test
