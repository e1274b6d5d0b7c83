#include "postal/postal_loader.h"

#include <gtest/gtest.h>

#include <thread>

#include "settings/temp_dir.h"
#include "test_text.h"
#include "zip_dictionary_fixture.h"

namespace ruvo::postal {
namespace {

using test::Sj;
using test::Utf8;

class PostalLoader : public ::testing::Test {
 protected:
  void PutSetting(std::string_view utf8Value) {
    test::PutFile(dir / "ruvo_Rezovod.ini", "[rv_RezovodPrn]\r\nZipDict=" + Sj(utf8Value) + "\r\n");
  }
  void PutDictionaries() {
    test::PutFile(dir / "SKK-JISYO.zipcode", test::EucJis(test::kAreasUtf8));
    test::PutFile(dir / "SKK-JISYO.office.zipcode", test::EucJis(test::kOfficesUtf8));
  }

  test::TempDir dir;
};

TEST_F(PostalLoader, VariableBeforeSettingBeforeDebian) {
  const std::filesystem::path debian = std::string(kDebianZipDictionary);
  EXPECT_EQ(ResolveZipDictionary(dir.path(), nullptr), ZipDictionaryFilesFor(debian));
  PutSetting("辞書/zip.txt");  // relative: from the working folder, Japanese folder name
  EXPECT_EQ(ResolveZipDictionary(dir.path(), ""),
            (ZipDictionaryFiles{dir / "辞書/zip.txt", dir / "辞書/SKK-JISYO.office.zipcode"}));
  PutSetting("/opt/zip.txt");
  EXPECT_EQ(ResolveZipDictionary(dir.path(), nullptr).areas, "/opt/zip.txt");
  EXPECT_EQ(ResolveZipDictionary(dir.path(), "/srv/z").areas, "/srv/z");
  PutSetting("");
  EXPECT_EQ(ResolveZipDictionary(dir.path(), nullptr), ZipDictionaryFilesFor(debian));
}

TEST_F(PostalLoader, LoadsAreasAndTheOfficesBesideThem) {
  PutDictionaries();
  const LoadedPostalDirectory loaded =
      LoadPostalDirectory(ZipDictionaryFilesFor(dir / "SKK-JISYO.zipcode"));
  EXPECT_EQ(loaded.problem, "");
  EXPECT_EQ(loaded.directory.Find({1050011}).size(), 1u);
  EXPECT_EQ(loaded.directory.Find({1008994}).size(), 1u);
}

TEST_F(PostalLoader, GoesOnWithoutTheOffices) {
  test::PutFile(dir / "areas", test::EucJis(test::kAreasUtf8));
  std::filesystem::create_directory(dir / "SKK-JISYO.office.zipcode");  // unreadable as a file
  const LoadedPostalDirectory loaded = LoadPostalDirectory(ZipDictionaryFilesFor(dir / "areas"));
  EXPECT_EQ(loaded.problem, "");
  EXPECT_EQ(loaded.directory.Find({1050011}).size(), 1u);
  EXPECT_TRUE(loaded.directory.Find({1008994}).empty());
}

TEST_F(PostalLoader, SaysWhyTheAreasCannotBeUsed) {
  test::PutFile(dir / "notes.txt", test::EucJis(";; only comments\nnot a dictionary\n"));
  const struct {
    std::filesystem::path file;
    std::string problem;
  } cases[] = {
      {dir / "missing", (dir / "missing").string() + ": No such file or directory"},
      {dir.path(), dir.path().string() + ": Is a directory"},
      {dir / "notes.txt", (dir / "notes.txt").string() + ": no postal codes in it"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const LoadedPostalDirectory loaded = LoadPostalDirectory(ZipDictionaryFilesFor(c.file));
    EXPECT_EQ(loaded.problem, c.problem);
    EXPECT_TRUE(loaded.directory.Empty());
  }
}

TEST_F(PostalLoader, HandsOneDirectoryToEveryThread) {
  PutDictionaries();
  PostalDirectoryLoader loader(ZipDictionaryFilesFor(dir / "SKK-JISYO.zipcode"));
  EXPECT_FALSE(loader.Ready());  // nothing read before it is asked
  loader.StartInBackground();
  const LoadedPostalDirectory* seen[2] = {};
  std::thread other([&] { seen[0] = &loader.Get(); });
  seen[1] = &loader.Get();
  other.join();
  EXPECT_EQ(seen[0], seen[1]);
  EXPECT_TRUE(loader.Ready());
  EXPECT_EQ(Utf8(seen[1]->directory.Find({1050011}).at(0).address), "東京都港区芝公園");
}

TEST_F(PostalLoader, LoadsOnFirstUseWithoutStart) {
  PostalDirectoryLoader loader(ZipDictionaryFilesFor(dir / "missing"));
  EXPECT_EQ(loader.Get().problem, (dir / "missing").string() + ": No such file or directory");
}

}  // namespace
}  // namespace ruvo::postal
