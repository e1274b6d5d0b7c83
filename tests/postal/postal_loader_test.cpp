#include "postal/postal_loader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <thread>

#include "japan_post_fixture.h"
#include "postal/postal_index_file.h"
#include "postal_folder_fixture.h"
#include "store/database_file.h"
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

TEST_F(PostalLoader, ImportedDataComesBeforeTheFoldersDictionaryButNotBeforeANamedOne) {
  PutSetting("/opt/zip.txt");
  EXPECT_EQ(ResolvePostalSource(dir.path(), "", "/c"),
            (PostalSource{dir / "ruvo_postal.db", ZipDictionaryFilesFor("/opt/zip.txt"), "/c",
                          kCacheWorthyBytes, dir / "ruvo_zipcode.idx"}));
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

class ImportedDataLoader : public test::PostalFolderTest {
 protected:
  std::vector<fs::path> CachedFiles(std::string_view prefix) const {
    std::vector<fs::path> files;
    for (const auto& file : fs::directory_iterator(dir / "cache/ruvo")) {
      if (file.path().filename().string().starts_with(prefix)) files.push_back(file.path());
    }
    return files;
  }
};

TEST_F(ImportedDataLoader, CompilesTheImportedDataOnceAndAgainWhenAnImportChangesIt) {
  const std::size_t areas = Import("KEN_ALL.CSV", test::KenAllCsv()).directory.EntryCount();
  ASSERT_EQ(CachedFiles("postal-").size(), 1u);  // written by the import
  const fs::path cached = CachedFiles("postal-").front();

  // While the database is as it was, its compiled index is read: one that
  // says otherwise is believed.
  PostalDirectoryBuilder other;
  other.Add({{1234567}, test::Sj("東京都港区芝公園"), {}, {6, 0, 4, 6, 0, kNoFloor}});
  const std::string sources = PostalIndexCodec::SourcesOf(cached);
  test::PutFile(cached, PostalIndexCodec::Encode(other.Build(), sources));
  EXPECT_EQ(Load().directory.EntryCount(), 1u);

  // Another import: compiled again, in the same file.
  const std::size_t both = Import("JIGYOSYO.CSV", test::JigyosyoCsv()).directory.EntryCount();
  EXPECT_NE(PostalIndexCodec::SourcesOf(cached), sources);
  EXPECT_EQ(Load().directory.EntryCount(), both);
  EXPECT_EQ(PostalIndexCodec::Read(cached).directory.EntryCount(), both);
  EXPECT_EQ(CachedFiles("postal-").size(), 1u);
  EXPECT_NE(both, areas);

  // Removed or damaged, the compiled index is made again from the database.
  test::PutFile(cached, "RUVO-ZIP");
  EXPECT_EQ(Load().directory.EntryCount(), both);
  fs::remove_all(dir / "cache");
  EXPECT_EQ(Load().directory.EntryCount(), both);
  EXPECT_EQ(PostalIndexCodec::Read(cached).directory.EntryCount(), both);
}

// "ruvo_zipcode.idx" as the program before wrote it: Hamamatsu's ward of
// 2024, which the fixture dictionary lacks, and a code of Tokyo.
std::string OldIndexBytes() {
  PostalDirectoryBuilder old;
  old.Add({{4300946}, test::Sj("静岡県浜松市中央区元城町"), {}, {6, 0, 12, 6, 0, kNoFloor}});
  old.Add({{1050011}, test::Sj("東京都港区芝浦"), {}, {6, 0, 4, 4, 0, kNoFloor}});
  return PostalIndexCodec::Encode(old.Build(), "areas\tKEN_ALL.CSV\t2\n");
}

TEST_F(ImportedDataLoader, MovesTheOldIndexInOnceAndLeavesTheFileAlone) {
  const std::string oldBytes = OldIndexBytes();
  test::PutFile(dir / "ruvo_zipcode.idx", oldBytes);
  const LoadedPostalDirectory moved = Load();
  EXPECT_EQ(moved.notice, "");
  EXPECT_EQ(moved.directory.EntryCount(), 2u);  // in place of the dictionary
  EXPECT_EQ(FirstAddress(moved.directory, 4300946), "静岡県浜松市中央区元城町");
  EXPECT_EQ(test::FileBytes(dir / "ruvo_zipcode.idx"), oldBytes);

  // Never read again: damaged now, it changes nothing.
  test::PutFile(dir / "ruvo_zipcode.idx", "RUVO-ZIP");
  const LoadedPostalDirectory again = Load();
  EXPECT_EQ(again.notice, "");
  EXPECT_EQ(again.directory.EntryCount(), 2u);

  // A prefecture's file takes the place of its prefecture only.
  const PostalImport tokyo = Import("13TOKYO.CSV", test::Sj(test::kTokyoUtf8));
  EXPECT_EQ(FirstAddress(tokyo.directory, 1050011), "東京都港区芝公園");
  EXPECT_EQ(FirstAddress(tokyo.directory, 4300946), "静岡県浜松市中央区元城町");
  EXPECT_EQ(FirstAddress(Load().directory, 4300946), "静岡県浜松市中央区元城町");

  // Forgotten with the imports, and not moved in again.
  EXPECT_EQ(ForgetJapanPostImports(dir.path()).files,
            (std::vector<std::string>{"13TOKYO.CSV", "ruvo_zipcode.idx"}));
  test::PutFile(dir / "ruvo_zipcode.idx", oldBytes);
  EXPECT_EQ(FirstAddress(Load().directory, 4300946), "静岡県浜松市中区元城町");  // the dictionary's
  EXPECT_TRUE(fs::exists(dir / "ruvo_zipcode.idx"));
}

TEST_F(ImportedDataLoader, AnOldIndexThatCannotBeMovedInIsReadAsItIs) {
  test::PutFile(dir / "ruvo_zipcode.idx", OldIndexBytes());
  fs::create_directory(Database());  // in the way: the database cannot be written
  const LoadedPostalDirectory asItIs = Load();
  EXPECT_EQ(FirstAddress(asItIs.directory, 4300946), "静岡県浜松市中央区元城町");
  EXPECT_EQ(test::Utf8(asItIs.notice),
            "以前の版で取り込んだ郵便番号データ（ruvo_zipcode.idx）を新しい形式に移せないため、"
            "そのまま使います: " +
                Database().string() +
                ": 郵便番号データのファイルを開けないか、書き込みが許されていません。");

  fs::remove(Database());
  test::PutFile(dir / "ruvo_zipcode.idx", "RUVO-ZIP");
  const LoadedPostalDirectory damaged = Load();
  EXPECT_EQ(FirstAddress(damaged.directory, 4300946),
            "静岡県浜松市中区元城町");  // the dictionary's
  EXPECT_EQ(test::Utf8(damaged.notice), "取り込んだ郵便番号データを読めないため、辞書を使います: " +
                                            (dir / "ruvo_zipcode.idx").string() + ": cut short");
  EXPECT_EQ(test::FileBytes(dir / "ruvo_zipcode.idx"), "RUVO-ZIP");
}

// The damaged file's name, as the user is told it.
fs::path AsideFile(const fs::path& folder) {
  const std::chrono::year_month_day today = store::LocalToday();
  char name[48];
  std::snprintf(name, sizeof name, "ruvo_postal-damaged-%04d-%02u-%02u.db",
                static_cast<int>(today.year()), static_cast<unsigned>(today.month()),
                static_cast<unsigned>(today.day()));
  return folder / name;
}

// Overwrites the first page of the table `table` (after its rows are all in
// the main file) with what is no page.
void DamageTable(const fs::path& file, std::string_view table) {
  std::int64_t page = 0;
  std::int64_t pageSize = 0;
  {
    store::Database raw(file, store::Database::Mode::kExisting);
    raw.QueryText("PRAGMA wal_checkpoint(TRUNCATE)");
    page = raw.QueryInt("SELECT rootpage FROM sqlite_schema WHERE name = '" + std::string(table) +
                        "'");
    pageSize = raw.QueryInt("PRAGMA page_size");
  }
  std::string bytes = test::FileBytes(file);
  const auto at = static_cast<std::size_t>((page - 1) * pageSize);
  bytes.replace(at, static_cast<std::size_t>(pageSize), static_cast<std::size_t>(pageSize), '\x5A');
  test::PutFile(file, bytes);
}

TEST_F(ImportedDataLoader, SetsADamagedDatabaseAsideAndReadsTheDictionary) {
  const struct {
    std::string_view name;
    std::function<void(const fs::path&)> damage;
  } cases[] = {
      {"no database", [](const fs::path& file) { test::PutFile(file, std::string(8192, 'x')); }},
      {"its list of imports", [](const fs::path& file) { DamageTable(file, "imports"); }},
      {"a page of rows, the compiled index gone",
       [this](const fs::path& file) {
         DamageTable(file, "area_rows");
         fs::remove_all(dir / "cache");
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Import("KEN_ALL.CSV", test::KenAllCsv());
    c.damage(Database());
    const std::string damaged = test::FileBytes(Database());
    const LoadedPostalDirectory loaded = Load();
    EXPECT_EQ(test::Utf8(loaded.notice), "壊れていた郵便番号データを " +
                                             AsideFile(dir.path()).string() +
                                             " として残しました。日本郵便のデータをもう一度取り"
                                             "込んでください。");
    EXPECT_EQ(FirstAddress(loaded.directory, 4300946), "静岡県浜松市中区元城町");
    EXPECT_FALSE(fs::exists(Database()));
    EXPECT_EQ(test::FileBytes(AsideFile(dir.path())), damaged);
    // The next import starts a new database beside it.
    EXPECT_EQ(FirstAddress(Import("KEN_ALL.CSV", test::KenAllCsv()).directory, 4300946),
              "静岡県浜松市中央区元城町");
    fs::remove(AsideFile(dir.path()));
  }
}

TEST_F(ImportedDataLoader, AnImportSetsADamagedDatabaseAsideAndSaysSo) {
  Import("JIGYOSYO.CSV", test::JigyosyoCsv());
  DamageTable(Database(), "office_rows");
  const PostalImport imported = Import("KEN_ALL.CSV", test::KenAllCsv());
  EXPECT_EQ(test::Utf8(imported.notice), "壊れていた郵便番号データを " +
                                             AsideFile(dir.path()).string() +
                                             " として残しました。日本郵便のデータをもう一度取り"
                                             "込んでください。");
  EXPECT_EQ(Imports(), std::vector<std::string>{"KEN_ALL.CSV areas"});
  EXPECT_EQ(FirstAddress(imported.directory, 1008994), "東京都千代田区丸の内２丁目７－２");
}

}  // namespace
}  // namespace ruvo::postal
