#include "postal/postal_loader.h"

#include <gtest/gtest.h>

#include <thread>

#include "support/temp_dir.h"
#include "support/test_text.h"
#include "zip_dictionary_fixture.h"

namespace ruvo::postal {
namespace {

class PostalLoader : public ::testing::Test {
 protected:
  void PutSetting(std::string_view utf8Value) {
    test::PutFile(dir / "ruvo_Rezovod.ini",
                  "[rv_RezovodPrn]\r\nZipDict=" + test::Sj(utf8Value) + "\r\n");
  }

  test::TempDir dir;
};

TEST_F(PostalLoader, VariableBeforeSettingBeforeDebian) {
  const auto debian = ZipDictionaryFilesFor(std::string(kDebianZipDictionary));
  EXPECT_EQ(ResolveZipDictionary(dir.path(), nullptr), debian);
  PutSetting("辞書/zip.txt");  // relative: from the working folder
  EXPECT_EQ(ResolveZipDictionary(dir.path(), ""),
            (ZipDictionaryFiles{dir / "辞書/zip.txt", dir / "辞書/SKK-JISYO.office.zipcode"}));
  EXPECT_EQ(ResolveZipDictionary(dir.path(), "/srv/z").areas, "/srv/z");
  PutSetting("/opt/zip.txt");
  EXPECT_EQ(ResolveZipDictionary(dir.path(), nullptr).areas, "/opt/zip.txt");
  PutSetting("");
  EXPECT_EQ(ResolveZipDictionary(dir.path(), nullptr), debian);
}

TEST_F(PostalLoader, HandsOneDirectoryOfBothFilesToEveryThread) {
  test::PutFile(dir / "SKK-JISYO.zipcode", test::EucJis(test::kAreasUtf8));
  test::PutFile(dir / "SKK-JISYO.office.zipcode", test::EucJis(test::kOfficesUtf8));
  PostalDirectoryLoader loader(ZipDictionaryFilesFor(dir / "SKK-JISYO.zipcode"));
  EXPECT_FALSE(loader.Ready());  // nothing read before it is asked
  loader.StartInBackground();
  const LoadedPostalDirectory* seen = nullptr;
  std::thread other([&] { seen = &loader.Get(); });
  const LoadedPostalDirectory& loaded = loader.Get();
  other.join();
  EXPECT_EQ(seen, &loaded);
  EXPECT_TRUE(loader.Ready());
  EXPECT_EQ(loaded.problem, "");
  EXPECT_EQ(loaded.directory.Find({1050011}).size(), 1u);
  EXPECT_EQ(loaded.directory.Find({1008994}).size(), 1u);  // an office
}

TEST_F(PostalLoader, GoesOnWithoutTheOffices) {
  test::PutFile(dir / "areas", test::EucJis(test::kAreasUtf8));
  std::filesystem::create_directory(dir / "SKK-JISYO.office.zipcode");  // unreadable as a file
  const LoadedPostalDirectory loaded = LoadPostalDirectory(ZipDictionaryFilesFor(dir / "areas"));
  EXPECT_EQ(loaded.problem, "");
  EXPECT_EQ(loaded.directory.Find({1050011}).size(), 1u);
}

TEST_F(PostalLoader, SaysWhyTheAreasCannotBeUsed) {
  test::PutFile(dir / "notes.txt", test::EucJis(";; only comments\nnot a dictionary\n"));
  const struct {
    std::filesystem::path file;
    std::string_view reason;
  } cases[] = {
      {dir / "missing", ": No such file or directory"},
      {dir.path(), ": Is a directory"},
      {dir / "notes.txt", ": no postal codes in it"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    PostalDirectoryLoader loader(ZipDictionaryFilesFor(c.file));  // loads on first use
    EXPECT_EQ(loader.Get().problem, c.file.string() + std::string(c.reason));
    EXPECT_TRUE(loader.Get().directory.Empty());
  }
}

}  // namespace
}  // namespace ruvo::postal
