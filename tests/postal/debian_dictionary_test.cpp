// The dictionaries as Debian's skkdic-extra installs them.
#include <gtest/gtest.h>

#include <filesystem>

#include "postal/postal_check.h"
#include "postal/postal_loader.h"
#include "support/test_text.h"

namespace ruvo::postal {
namespace {

using test::Sj;
using test::Utf8;

TEST(DebianDictionary, KnowsWellKnownCodes) {
  const ZipDictionaryFiles files = ZipDictionaryFilesFor(std::string(kDebianZipDictionary));
  if (!std::filesystem::exists(files.areas)) GTEST_SKIP() << "skkdic-extra is not installed";
  const LoadedPostalDirectory loaded = LoadPostalDirectory(files);
  ASSERT_EQ(loaded.problem, "");
  const PostalDirectory& directory = loaded.directory;
  EXPECT_GT(directory.EntryCount(), 140000u);
  const struct {
    std::string_view code;
    std::string_view status;  // UTF-8
  } cases[] = {
      {"105-0011", "〒105-0011 東京都港区芝公園"},
      {"100-0013", "〒100-0013 東京都千代田区霞が関"},
      {"530-0001", "〒530-0001 大阪府大阪市北区梅田"},
      {"060-0000", "〒060-0000 北海道札幌市中央区"},
      {"100-8994", "〒100-8994 東京都千代田区丸の内２丁目７－２（東京中央郵便局）"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(Utf8(ZipStatusText(directory, c.code)), c.status);
  }
  EXPECT_EQ(CheckPostalAddress(directory, "105-0011", Sj("東京都港区芝公園4-2-8")),
            ZipVerdict::Match);
  EXPECT_EQ(CheckPostalAddress(directory, "105-0011", Sj("東京都港区芝浦1-1-1")),
            ZipVerdict::Mismatch);
  EXPECT_EQ(directory.CodesOfAddress(Sj("東京都港区芝公園4-2-8")).at(0).value, 1050011u);
}

}  // namespace
}  // namespace ruvo::postal
