#include "postal/postal_import.h"

#include <gtest/gtest.h>

#include "japan_post_fixture.h"
#include "postal/address_match.h"
#include "postal/postal_index_file.h"
#include "postal_folder_fixture.h"
#include "settings/file_errors.h"

namespace ruvo::postal {
namespace {

namespace fs = std::filesystem;
using test::Sj;
using test::Utf8;

class PostalImportTest : public test::PostalFolderTest {};

TEST_F(PostalImportTest, AreasFileTakesThePlaceOfItsPrefecturesAndTheDictionaryFillsTheRest) {
  const PostalImport imported = Import("KEN_ALL.CSV", test::KenAllCsv());
  EXPECT_EQ(imported.kind, JapanPostFileKind::Areas);
  EXPECT_EQ(imported.entries, 15u);
  EXPECT_EQ(imported.prefectures, 8u);
  EXPECT_EQ(imported.index, Database());
  const PostalDirectory& directory = imported.directory;
  // Tokyo's areas are the file's: 東京都港区 is in no row of it.
  EXPECT_EQ(FirstAddress(directory, 1050011), "(none)");
  EXPECT_EQ(FirstAddress(directory, 1006012), "東京都千代田区霞が関霞が関ビル（１２階）");
  // Shizuoka's likewise: Hamamatsu's wards of 2024.
  EXPECT_EQ(FirstAddress(directory, 4300946), "静岡県浜松市中央区元城町");
  // Other prefectures' areas and every office are the dictionary's.
  EXPECT_EQ(FirstAddress(directory, 200857), "岩手県盛岡市北飯岡");
  EXPECT_EQ(Utf8(directory.Find({1008994}).at(0).office), "東京中央郵便局");
  EXPECT_EQ(JudgeAddress(directory, {4340031}, Sj("静岡県浜松市浜北区小林1")), ZipVerdict::Match);
  EXPECT_EQ(JudgeAddress(directory, {1006012}, Sj("千代田区霞が関3-2-5霞が関ビル12F")),
            ZipVerdict::Match);
  EXPECT_EQ(JudgeAddress(directory, {1000013}, Sj("千代田区霞が関3-2-5霞が関ビル12F")),
            ZipVerdict::Mismatch);
  // Read again, the folder's directory is the one the import gave.
  const LoadedPostalDirectory loaded = Load();
  EXPECT_EQ(loaded.notice, "");
  ASSERT_EQ(loaded.directory.EntryCount(), directory.EntryCount());
  for (std::size_t entry = 0; entry < directory.EntryCount(); ++entry)
    EXPECT_EQ(loaded.directory.EntryAt(entry).address, directory.EntryAt(entry).address);
}

TEST_F(PostalImportTest, RecordsWhatWasImported) {
  test::PutFile(dir / "13TOKYO.CSV", Sj(test::kTokyoUtf8));
  const std::chrono::sys_seconds published =
      std::chrono::sys_days{std::chrono::year{2024} / 5 / 31};
  fs::last_write_time(dir / "13TOKYO.CSV", std::chrono::file_clock::from_sys(published));
  const auto before = std::chrono::system_clock::now();
  ImportJapanPostFile(dir / "13TOKYO.CSV", dir.path(), Source());
  PostalDatabase database(Database());
  const std::vector<ImportedFile> files = ImportedFiles(*database.ForReading());
  ASSERT_EQ(files.size(), 1u);
  const ImportedFile& file = files[0];
  EXPECT_EQ(file.name, "13TOKYO.CSV");
  EXPECT_EQ(file.kind, JapanPostFileKind::Areas);
  EXPECT_EQ(file.size, 88u);
  EXPECT_EQ(file.modified, published.time_since_epoch().count());
  EXPECT_EQ(file.sha256, "b8046778d9dfc4f9b01d651f961995f3e9f1f131b84f519cfc827ff248f6b298");
  EXPECT_GE(file.importedAt,
            std::chrono::duration_cast<std::chrono::seconds>(before.time_since_epoch()).count());
  EXPECT_EQ(file.rows, 1u);
  EXPECT_EQ(file.entries, 1u);
  EXPECT_EQ(file.prefectures, 1u);
}

TEST_F(PostalImportTest, BothKindsMakeTheDirectoryAndAFileTakesThePlaceOfItsKindsBefore) {
  Import("KEN_ALL.CSV", test::KenAllCsv());
  const PostalImport offices = Import("JIGYOSYO.CSV", test::JigyosyoCsv());
  EXPECT_EQ(offices.kind, JapanPostFileKind::Offices);
  EXPECT_EQ(offices.entries, 3u);
  EXPECT_EQ(Imports(), (std::vector<std::string>{"KEN_ALL.CSV areas", "JIGYOSYO.CSV offices"}));
  const PostalDirectory& both = offices.directory;
  EXPECT_EQ(FirstAddress(both, 4300946), "静岡県浜松市中央区元城町");  // the areas' import
  EXPECT_EQ(FirstAddress(both, 1008994), "(none)");  // abolished in the offices' file
  EXPECT_EQ(FirstAddress(both, 18612),
            "北海道札幌市北区北二十四条西６丁目１番１号");  // Hokkaido: none in the file
  EXPECT_EQ(JudgeAddress(both, {208585}, Sj("岩手県盛岡市北飯岡4-8-50")), ZipVerdict::Match);

  // One prefecture's file takes the place of that prefecture's areas only.
  const PostalImport tokyo = Import("13TOKYO.CSV", Sj(test::kTokyoUtf8));
  EXPECT_EQ(Imports(), (std::vector<std::string>{"KEN_ALL.CSV areas", "JIGYOSYO.CSV offices",
                                                 "13TOKYO.CSV areas"}));
  EXPECT_EQ(FirstAddress(tokyo.directory, 1050011), "東京都港区芝公園");
  EXPECT_EQ(FirstAddress(tokyo.directory, 1000013), "(none)");
  EXPECT_EQ(FirstAddress(tokyo.directory, 4300946), "静岡県浜松市中央区元城町");

  // The whole file again: the areas imported before are gone, the offices stay.
  const PostalImport again = Import("KEN_ALL.CSV", test::KenAllCsv());
  EXPECT_EQ(Imports(), (std::vector<std::string>{"JIGYOSYO.CSV offices", "KEN_ALL.CSV areas"}));
  EXPECT_EQ(FirstAddress(again.directory, 1050011), "(none)");
  EXPECT_EQ(FirstAddress(again.directory, 1006051),
            "東京都千代田区霞が関３－２－５霞が関ビル２３階");
}

// A write that fails half-way (here a trigger standing in for a full disk
// after the rows before were deleted) takes nothing of the data before.
TEST_F(PostalImportTest, AFailedImportLeavesTheDataBeforeWhole) {
  Import("KEN_ALL.CSV", test::KenAllCsv());
  const PostalImport before = Import("JIGYOSYO.CSV", test::JigyosyoCsv());
  {
    store::Database raw(Database(), store::Database::Mode::kExisting);
    raw.Execute(
        "CREATE TRIGGER fails AFTER INSERT ON area_rows WHEN new.row_number = 5 "
        "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
  }
  EXPECT_EQ(
      Utf8(test::MessageOf<PostalDatabaseError>([&] { Import("KEN_ALL.CSV", test::KenAllCsv()); })),
      Database().string() + ": 郵便番号データのファイルを使えませんでした。");
  EXPECT_EQ(Imports(), (std::vector<std::string>{"KEN_ALL.CSV areas", "JIGYOSYO.CSV offices"}));
  const LoadedPostalDirectory loaded = Load();
  EXPECT_EQ(loaded.directory.EntryCount(), before.directory.EntryCount());
  EXPECT_EQ(FirstAddress(loaded.directory, 4300946), "静岡県浜松市中央区元城町");
}

TEST_F(PostalImportTest, RefusesMonthlyChangesAndOtherFilesWritingNothing) {
  for (const std::string_view name : {"ADD_2405.CSV", "del_2405.csv", "JADD2405.CSV"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Utf8(test::MessageOf<JapanPostFileError>([&] { Import(name, test::KenAllCsv()); })),
              std::string(name) +
                  ": 毎月の差分のファイル（ADD_・DEL_）は取り込めません。全件の KEN_ALL.CSV か "
                  "JIGYOSYO.CSV を使ってください。");
  }
  EXPECT_NE(
      test::MessageOf<JapanPostFileError>([&] { Import("orders.csv", Sj("郵便番号,住所\r\n")); }),
      "(no error)");
  EXPECT_NE(test::MessageOf<settings::FileReadError>(
                [&] { ImportJapanPostFile(dir / "missing.csv", dir.path(), Source()); }),
            "(no error)");
  EXPECT_FALSE(fs::exists(Database()));
}

TEST_F(PostalImportTest, ADatabaseOfALaterProgramIsLeftAlone) {
  {
    store::Database later(Database(), store::Database::Mode::kCreate);
    later.Execute("PRAGMA user_version = 2");
  }
  EXPECT_EQ(
      Utf8(test::MessageOf<PostalDatabaseError>([&] { Import("KEN_ALL.CSV", test::KenAllCsv()); })),
      Database().string() +
          ": 郵便番号データは新しい版の ruvo で作られているため、この版では使えません。");
  const LoadedPostalDirectory loaded = Load();
  EXPECT_EQ(FirstAddress(loaded.directory, 4300946), "静岡県浜松市中区元城町");  // the dictionary's
  EXPECT_EQ(Utf8(loaded.notice),
            "取り込んだ郵便番号データを読めないため、辞書を使います: " + Database().string() +
                ": 郵便番号データは新しい版の ruvo で作られているため、この版では使えません。");
}

TEST_F(PostalImportTest, ForgettingGoesBackToTheDictionary) {
  EXPECT_EQ(ForgetJapanPostImports(dir.path()).files.size(), 0u);
  EXPECT_FALSE(fs::exists(Database()));  // nothing to forget: nothing made
  Import("KEN_ALL.CSV", test::KenAllCsv());
  Import("JIGYOSYO.CSV", test::JigyosyoCsv());
  const ForgottenImports forgotten = ForgetJapanPostImports(dir.path());
  EXPECT_EQ(forgotten.files, (std::vector<std::string>{"KEN_ALL.CSV", "JIGYOSYO.CSV"}));
  EXPECT_EQ(forgotten.database, Database());
  EXPECT_EQ(Imports(), std::vector<std::string>{});
  EXPECT_LT(fs::file_size(Database()), 64u * 1024);  // the rows' space given back
  const LoadedPostalDirectory loaded = Load();
  EXPECT_EQ(FirstAddress(loaded.directory, 4300946), "静岡県浜松市中区元城町");
  EXPECT_EQ(loaded.notice, "");
}

}  // namespace
}  // namespace ruvo::postal
