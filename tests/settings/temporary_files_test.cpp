#include "settings/temporary_files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "settings/posix_file_store.h"
#include "support/temp_dir.h"
#include "support/test_text.h"

namespace ruvo::settings {
namespace {

using test::EntryCount;
using test::FileBytes;
using test::PutFile;

// A PDF named with 80 Japanese characters (240 bytes) and ".pdf": its own
// name fits a folder's 255 bytes, a temporary name with all of it would not.
TEST(TemporaryFiles, LongNameGetsAShortTemporaryName) {
  test::TempDir dir;
  std::string name;
  for (int i = 0; i < 82; ++i)
    name += "\xE9\x80\x81";  // 送, three bytes in UTF-8
  name += ".pdf";
  ASSERT_EQ(name.size(), 250u);
  std::string temporary;
  PosixFileCalls calls = PosixFileCalls::System();
  calls.rename = [&temporary](const char* from, const char* to) {
    temporary = std::filesystem::path(from).filename().string();
    return ::rename(from, to);
  };
  for (const char* content : {"%PDF-new", "%PDF-replaced"}) {
    PosixFileReplacer(calls).Replace(dir / name, content);
    EXPECT_EQ(FileBytes(dir / name), content);
    EXPECT_LE(temporary.size(), 255u);
    EXPECT_TRUE(IsTemporaryName(temporary)) << temporary;
  }
  // Cut at a whole character: the name stays valid UTF-8.
  EXPECT_EQ(Utf8ToCp932(temporary).replaced, 0u) << temporary;
  EXPECT_EQ(EntryCount(dir.path()), 1u);
}

void SetWritten(const std::filesystem::path& file, std::chrono::hours ago) {
  const auto when = std::chrono::system_clock::now() - ago;
  const timespec times[2] = {{std::chrono::system_clock::to_time_t(when), 0},
                             {std::chrono::system_clock::to_time_t(when), 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
}

// A save killed between writing its temporary file and renaming it leaves
// that file behind; the next save into the folder removes it once it is a
// day old, and nothing that is not clearly such a leftover.
TEST(TemporaryFiles, NextSaveRemovesLeftoversOlderThanADay) {
  struct Entry {
    const char* name;
    std::chrono::hours age;
    bool kept;
  };
  const Entry entries[] = {
      {".ruvo_Rezovod.ini.tmp-4242-0", std::chrono::hours(25), false},  // a killed exit
      {".my3.txt.tmp-17-12", std::chrono::hours(24 * 30), false},       // another file's
      {".ruvo_q710.ini.tmp-4242-1", std::chrono::hours(23), true},      // maybe a save under way
      {".notes.tmp-draft", std::chrono::hours(48), true},               // not this program's form
      {"ruvo_Rezovod.ini.tmp-4242-2", std::chrono::hours(48), true},    // not hidden
      {".tmp-4242-3", std::chrono::hours(48), true},                    // no file name
  };
  test::TempDir dir;
  for (const Entry& entry : entries) {
    PutFile(dir / entry.name, "left over");
    SetWritten(dir / entry.name, entry.age);
  }
  std::filesystem::create_directory(dir / ".old.tmp-1-1");  // a folder of that name
  SetWritten(dir / ".old.tmp-1-1", std::chrono::hours(48));
  const std::filesystem::path theirs = dir / ".my0.txt.tmp-99-0";  // another user's to clean
  const bool root = ::geteuid() == 0;
  if (root) {
    PutFile(theirs, "theirs");
    ASSERT_EQ(::chown(theirs.c_str(), 4321, 4321), 0);
    SetWritten(theirs, std::chrono::hours(48));
  }
  PosixFileReplacer().Replace(dir / "ruvo_Rezovod.ini", "[rv_RezovodPrn]\r\n");
  for (const Entry& entry : entries) {
    EXPECT_EQ(std::filesystem::exists(dir / entry.name), entry.kept) << entry.name;
  }
  EXPECT_TRUE(std::filesystem::exists(dir / ".old.tmp-1-1"));
  EXPECT_EQ(std::filesystem::exists(theirs), root);
}

}  // namespace
}  // namespace ruvo::settings
