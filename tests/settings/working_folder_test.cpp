#include "settings/working_folder.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "support/test_text.h"

namespace ruvo::settings {
namespace {

// A first start finds none of the program's files; any one of them, even
// one it cannot read, means the folder is in use.
TEST(HoldsProgramFiles, AnyOfTheProgramsOwnFilesButNoOther) {
  const char* const programFiles[] = {"ruvo_Rezovod.ini", "ruvo_q710.ini", "my0.txt", "my9.txt"};
  for (const char* name : programFiles) {
    SCOPED_TRACE(name);
    test::TempDir dir;
    test::PutFile(dir / "orders.csv", "x");
    test::PutFile(dir / "my10.txt", "x");
    EXPECT_FALSE(HoldsProgramFiles(dir.path()));
    std::filesystem::create_symlink("/nonexistent", dir / name);  // a dangling link counts
    EXPECT_TRUE(HoldsProgramFiles(dir.path()));
  }
}

}  // namespace
}  // namespace ruvo::settings
