#include "postal/postal_loader.h"

#include <gtest/gtest.h>

#include <thread>

#include "postal/postal_index_file.h"
#include "support/temp_dir.h"
#include "support/test_text.h"
#include "zip_dictionary_fixture.h"

namespace ruvo::postal {
namespace {

namespace fs = std::filesystem;

class PostalLoader : public ::testing::Test {
 protected:
  void PutSetting(std::string_view utf8Value) {
    test::PutFile(dir / "ruvo_Rezovod.ini",
                  "[rv_RezovodPrn]\r\nZipDict=" + test::Sj(utf8Value) + "\r\n");
  }
  void PutDictionary(std::string_view areasUtf8 = test::kAreasUtf8) {
    test::PutFile(dir / "SKK-JISYO.zipcode", test::EucJis(areasUtf8));
    test::PutFile(dir / "SKK-JISYO.office.zipcode", test::EucJis(test::kOfficesUtf8));
  }
  // The fixture dictionary compiled into the cache folder, whatever its size.
  PostalSource CachedSource() {
    PostalSource source{{}, ZipDictionaryFilesFor(dir / "SKK-JISYO.zipcode"), dir / "cache"};
    source.cacheFrom = 0;
    return source;
  }
  std::vector<fs::path> CachedFiles() {
    std::vector<fs::path> files;
    if (fs::exists(dir / "cache/ruvo")) {
      for (const auto& file : fs::directory_iterator(dir / "cache/ruvo"))
        files.push_back(file.path());
    }
    return files;
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

TEST_F(PostalLoader, ImportedIndexComesBeforeTheFoldersDictionaryButNotBeforeANamedOne) {
  PutSetting("/opt/zip.txt");
  EXPECT_EQ(ResolvePostalSource(dir.path(), "", "/c"),
            (PostalSource{dir / "ruvo_zipcode.idx", ZipDictionaryFilesFor("/opt/zip.txt"), "/c"}));
  EXPECT_EQ(ResolvePostalSource(dir.path(), "/srv/z", "/c"),
            (PostalSource{{}, ZipDictionaryFilesFor("/srv/z"), "/c"}));
}

TEST_F(PostalLoader, CacheFolderFollowsTheDesktopsRule) {
  EXPECT_EQ(UserCacheFolder("/x/cache", "/home/u"), fs::path("/x/cache"));
  EXPECT_EQ(UserCacheFolder(nullptr, "/home/u"), fs::path("/home/u/.cache"));
  EXPECT_EQ(UserCacheFolder("relative", "/home/u"), fs::path("/home/u/.cache"));  // ignored
  EXPECT_EQ(UserCacheFolder("", "/home/u"), fs::path("/home/u/.cache"));
  EXPECT_EQ(UserCacheFolder(nullptr, nullptr), fs::path());
}

TEST_F(PostalLoader, CompilesADictionaryOnceAndAgainWhenItChanges) {
  PutDictionary();
  const LoadedPostalDirectory first = LoadPostalDirectory(CachedSource());
  ASSERT_EQ(first.problem, "");
  ASSERT_EQ(CachedFiles().size(), 1u);
  const fs::path cached = CachedFiles().front();
  EXPECT_EQ(PostalIndexCodec::Read(cached).directory.EntryCount(), first.directory.EntryCount());

  // Read from the index: an index that says otherwise is believed.
  PostalDirectoryBuilder other;
  other.Add({{1234567}, test::Sj("東京都港区芝公園"), {}, {6, 0, 4, 6, 0, kNoFloor}});
  test::PutFile(cached,
                PostalIndexCodec::Encode(other.Build(), PostalIndexCodec::SourcesOf(cached)));
  EXPECT_EQ(LoadPostalDirectory(CachedSource()).directory.EntryCount(), 1u);

  // The dictionary changes: compiled again.
  PutDictionary(";; small\n1050011 /東京都港区芝公園/\n1050014 /東京都港区芝/\n");
  const LoadedPostalDirectory changed = LoadPostalDirectory(CachedSource());
  EXPECT_EQ(changed.directory.EntryCount(), 2u + 5u);  // and the five offices
  EXPECT_EQ(PostalIndexCodec::Read(cached).directory.EntryCount(), 7u);
  EXPECT_EQ(CachedFiles().size(), 1u);
}

TEST_F(PostalLoader, CompilesADamagedIndexAgain) {
  PutDictionary();
  const std::size_t entries = LoadPostalDirectory(CachedSource()).directory.EntryCount();
  const fs::path cached = CachedFiles().front();
  const std::string bytes = test::FileBytes(cached);
  test::PutFile(cached, bytes.substr(0, bytes.size() / 2));
  EXPECT_EQ(LoadPostalDirectory(CachedSource()).directory.EntryCount(), entries);
  EXPECT_EQ(test::FileBytes(cached), bytes);
}

TEST_F(PostalLoader, LeavesNothingInTheCacheForSmallDictionariesOrWhereItCannotWrite) {
  PutDictionary();
  PostalSource small = CachedSource();
  small.cacheFrom = kCacheWorthyBytes;  // the fixture is a few kilobytes
  EXPECT_EQ(LoadPostalDirectory(small).problem, "");
  EXPECT_TRUE(CachedFiles().empty());
  PostalSource blocked = CachedSource();
  test::PutFile(dir / "blocked", "a file where the cache folder would be");
  blocked.cacheFolder = dir / "blocked";
  const LoadedPostalDirectory loaded = LoadPostalDirectory(blocked);
  EXPECT_EQ(loaded.problem, "");
  EXPECT_GT(loaded.directory.EntryCount(), 0u);
}

TEST_F(PostalLoader, ReadsTheImportedIndexAndFallsBackWhenItIsDamaged) {
  PutDictionary();
  PostalSource source = CachedSource();
  source.importedIndex = dir / "ruvo_zipcode.idx";
  PostalDirectoryBuilder imported;
  imported.Add({{1234567}, test::Sj("東京都港区芝公園"), {}, {6, 0, 4, 6, 0, kNoFloor}});
  test::PutFile(source.importedIndex,
                PostalIndexCodec::Encode(imported.Build(), "areas\tKEN_ALL.CSV\n"));
  const LoadedPostalDirectory fromImport = LoadPostalDirectory(source);
  EXPECT_EQ(fromImport.directory.EntryCount(), 1u);
  EXPECT_EQ(fromImport.notice, "");

  test::PutFile(source.importedIndex, "RUVO-ZIP");
  const LoadedPostalDirectory fallback = LoadPostalDirectory(source);
  EXPECT_GT(fallback.directory.EntryCount(), 1u);  // the dictionary's
  EXPECT_EQ(test::Utf8(fallback.notice),
            "取り込んだ郵便番号データを読めないため、辞書を使います: " +
                source.importedIndex.string() + ": cut short");
}

TEST_F(PostalLoader, HandsOneDirectoryOfBothFilesToEveryThread) {
  PutDictionary();
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

TEST_F(PostalLoader, ReplacesTheDirectoryAfterAnImport) {
  PutDictionary();
  PostalDirectoryLoader loader(ZipDictionaryFilesFor(dir / "SKK-JISYO.zipcode"));
  loader.StartInBackground();
  PostalDirectoryBuilder imported;
  imported.Add({{1234567}, test::Sj("東京都港区芝公園"), {}, {6, 0, 4, 6, 0, kNoFloor}});
  loader.Replace({imported.Build(), {}, {}});
  EXPECT_TRUE(loader.Ready());
  EXPECT_EQ(loader.Get().directory.EntryCount(), 1u);
}

TEST_F(PostalLoader, GoesOnWithoutTheOffices) {
  test::PutFile(dir / "areas", test::EucJis(test::kAreasUtf8));
  fs::create_directory(dir / "SKK-JISYO.office.zipcode");  // unreadable as a file
  const LoadedPostalDirectory loaded = LoadPostalDirectory(ZipDictionaryFilesFor(dir / "areas"));
  EXPECT_EQ(loaded.problem, "");
  EXPECT_EQ(loaded.directory.Find({1050011}).size(), 1u);
}

TEST_F(PostalLoader, SaysWhyTheAreasCannotBeUsed) {
  test::PutFile(dir / "notes.txt", test::EucJis(";; only comments\nnot a dictionary\n"));
  const struct {
    fs::path file;
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
