#include "postal/postal_import.h"

#include <gtest/gtest.h>

#include "japan_post_fixture.h"
#include "postal/address_match.h"
#include "postal/postal_index_file.h"
#include "postal/postal_loader.h"
#include "settings/file_errors.h"
#include "support/temp_dir.h"
#include "support/test_text.h"
#include "zip_dictionary_fixture.h"

namespace ruvo::postal {
namespace {

using test::Sj;
using test::Utf8;

class PostalImportTest : public ::testing::Test {
 protected:
  PostalImport Import(std::string_view name, const std::string& bytes,
                      const PostalDirectory& current) {
    test::PutFile(dir / name, bytes);
    return ImportJapanPostFile(dir / name, current, dir.path());
  }
  static std::string FirstAddress(const PostalDirectory& directory, std::uint32_t code) {
    const auto entries = directory.Find({code});
    return entries.empty() ? "(none)" : Utf8(entries.front().address);
  }

  test::TempDir dir;
};

TEST_F(PostalImportTest, AreasFileReplacesTheAreasOfItsPrefecturesAndKeepsTheRest) {
  const PostalImport imported = Import("KEN_ALL.CSV", test::KenAllCsv(), test::FixtureDirectory());
  EXPECT_EQ(imported.kind, JapanPostFileKind::Areas);
  EXPECT_EQ(imported.entries, 15u);
  EXPECT_EQ(imported.prefectures, 8u);
  const PostalDirectory& directory = imported.directory;
  // Tokyo's areas are the file's: 東京都港区 is in no row of it.
  EXPECT_EQ(FirstAddress(directory, 1050011), "(none)");
  EXPECT_EQ(FirstAddress(directory, 1006012), "東京都千代田区霞が関霞が関ビル（１２階）");
  // Shizuoka's likewise: Hamamatsu's wards of 2024.
  EXPECT_EQ(FirstAddress(directory, 4300946), "静岡県浜松市中央区元城町");
  // Other prefectures' areas and every office stay.
  EXPECT_EQ(FirstAddress(directory, 200857), "岩手県盛岡市北飯岡");
  EXPECT_EQ(Utf8(directory.Find({1008994}).at(0).office), "東京中央郵便局");
  EXPECT_EQ(JudgeAddress(directory, {4340031}, Sj("静岡県浜松市浜北区小林1")), ZipVerdict::Match);
  EXPECT_EQ(JudgeAddress(directory, {1006012}, Sj("千代田区霞が関3-2-5霞が関ビル12F")),
            ZipVerdict::Match);
  EXPECT_EQ(JudgeAddress(directory, {1000013}, Sj("千代田区霞が関3-2-5霞が関ビル12F")),
            ZipVerdict::Mismatch);
}

TEST_F(PostalImportTest, WritesAnIndexThatComesBeforeTheDictionary) {
  const PostalImport imported = Import("KEN_ALL.CSV", test::KenAllCsv(), test::FixtureDirectory());
  EXPECT_EQ(imported.index, dir / "ruvo_zipcode.idx");
  test::PutFile(dir / "SKK-JISYO.zipcode", test::EucJis(test::kAreasUtf8));
  const LoadedPostalDirectory loaded = LoadPostalDirectory(
      ResolvePostalSource(dir.path(), (dir / "SKK-JISYO.zipcode").string(), {}));
  EXPECT_EQ(FirstAddress(loaded.directory, 4300946),
            "静岡県浜松市中区元城町");  // named: the dictionary
  PostalSource folders{
      dir / "ruvo_zipcode.idx", ZipDictionaryFilesFor(dir / "SKK-JISYO.zipcode"), {}};
  EXPECT_EQ(FirstAddress(LoadPostalDirectory(folders).directory, 4300946),
            "静岡県浜松市中央区元城町");
  EXPECT_EQ(PostalIndexCodec::SourcesOf(imported.index), "areas\tKEN_ALL.CSV\t15\n");
}

TEST_F(PostalImportTest, OfficesFileReplacesTheOfficesAndKeepsTheAreas) {
  const PostalImport areas = Import("KEN_ALL.CSV", test::KenAllCsv(), test::FixtureDirectory());
  const PostalImport offices = Import("JIGYOSYO.CSV", test::JigyosyoCsv(), areas.directory);
  EXPECT_EQ(offices.kind, JapanPostFileKind::Offices);
  EXPECT_EQ(offices.entries, 3u);
  const PostalDirectory& directory = offices.directory;
  EXPECT_EQ(FirstAddress(directory, 4300946), "静岡県浜松市中央区元城町");  // the import before
  EXPECT_EQ(FirstAddress(directory, 1008994), "(none)");                    // abolished in the file
  EXPECT_EQ(FirstAddress(directory, 18612),
            "北海道札幌市北区北二十四条西６丁目１番１号");  // Hokkaido: none in the file
  EXPECT_EQ(JudgeAddress(directory, {208585}, Sj("岩手県盛岡市北飯岡4-8-50")), ZipVerdict::Match);
}

TEST_F(PostalImportTest, RefusesMonthlyChangesAndOtherFiles) {
  const PostalDirectory current = test::FixtureDirectory();
  for (const std::string_view name : {"ADD_2405.CSV", "del_2405.csv", "JADD2405.CSV"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Utf8(test::MessageOf<JapanPostFileError>(
                  [&] { Import(name, test::KenAllCsv(), current); })),
              std::string(name) +
                  ": 毎月の差分のファイル（ADD_・DEL_）は取り込めません。全件の KEN_ALL.CSV か "
                  "JIGYOSYO.CSV を使ってください。");
  }
  EXPECT_NE(test::MessageOf<JapanPostFileError>(
                [&] { Import("orders.csv", Sj("郵便番号,住所\r\n"), current); }),
            "(no error)");
  EXPECT_NE(test::MessageOf<settings::FileReadError>(
                [&] { ImportJapanPostFile(dir / "missing.csv", current, dir.path()); }),
            "(no error)");
  EXPECT_FALSE(std::filesystem::exists(dir / "ruvo_zipcode.idx"));  // nothing written
}

TEST_F(PostalImportTest, SaysWhenTheIndexCannotBeWritten) {
  std::filesystem::create_directory(dir / "ruvo_zipcode.idx");  // a folder in its way
  EXPECT_NE(test::MessageOf<settings::FileWriteError>(
                [&] { Import("KEN_ALL.CSV", test::KenAllCsv(), test::FixtureDirectory()); }),
            "(no error)");
  EXPECT_TRUE(std::filesystem::is_directory(dir / "ruvo_zipcode.idx"));
}

}  // namespace
}  // namespace ruvo::postal
