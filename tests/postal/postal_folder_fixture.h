#pragma once
// A working folder with the fixture dictionaries and a cache folder of its
// own, where Japan Post's files are imported and the directory is loaded as
// the window and ruvo-slip load it.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "postal/imported_rows.h"
#include "postal/postal_database.h"
#include "postal/postal_import.h"
#include "postal/postal_loader.h"
#include "support/temp_dir.h"
#include "support/test_text.h"
#include "zip_dictionary_fixture.h"

namespace ruvo::test {

// 13TOKYO.CSV: Tokyo's areas only, with a code KEN_ALL.CSV's rows lack.
inline constexpr std::string_view kTokyoUtf8 =
    "13103,\"105  \",\"1050011\",\"ﾄｳｷｮｳﾄ\",\"ﾐﾅﾄｸ\",\"ｼﾊﾞｺｳｴﾝ\",\"東京都\",\"港区\",\"芝公園\","
    "0,0,1,0,0,0\r\n";

class PostalFolderTest : public ::testing::Test {
 protected:
  // The folder's settings name the fixture dictionaries.
  PostalFolderTest() {
    PutFile(dir / "ruvo_Rezovod.ini", "[rv_RezovodPrn]\r\nZipDict=SKK-JISYO.zipcode\r\n");
    PutFile(dir / "SKK-JISYO.zipcode", EucJis(kAreasUtf8));
    PutFile(dir / "SKK-JISYO.office.zipcode", EucJis(kOfficesUtf8));
  }

  std::filesystem::path Database() const { return dir / "ruvo_postal.db"; }
  postal::PostalSource Source() const {
    return postal::ResolvePostalSource(dir.path(), "", dir / "cache");
  }
  postal::PostalImport Import(std::string_view name, const std::string& bytes) {
    PutFile(dir / name, bytes);
    return postal::ImportJapanPostFile(dir / name, dir.path(), Source());
  }
  postal::LoadedPostalDirectory Load() const { return postal::LoadPostalDirectory(Source()); }
  // "KEN_ALL.CSV areas" for each import in use.
  std::vector<std::string> Imports() const {
    postal::PostalDatabase database(Database());
    std::vector<std::string> imports;
    if (store::Database* db = database.ForReading()) {
      for (const postal::ImportedFile& file : postal::ImportedFiles(*db)) {
        imports.push_back(file.name +
                          (file.kind == postal::JapanPostFileKind::Areas ? " areas" : " offices"));
      }
    }
    return imports;
  }
  static std::string FirstAddress(const postal::PostalDirectory& directory, std::uint32_t code) {
    const auto entries = directory.Find({code});
    return entries.empty() ? "(none)" : Utf8(entries.front().address);
  }

  TempDir dir;
};

}  // namespace ruvo::test
