// The dictionaries as Debian's skkdic-extra installs them.
#include <gtest/gtest.h>

#include <filesystem>

#include "postal/address_match.h"
#include "postal/postal_check.h"
#include "postal/postal_loader.h"
#include "support/test_text.h"

namespace ruvo::postal {
namespace {

using test::Sj;
using test::Utf8;

class DebianDictionary : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const ZipDictionaryFiles files = ZipDictionaryFilesFor(std::string(kDebianZipDictionary));
    if (std::filesystem::exists(files.areas))
      loaded_ = new LoadedPostalDirectory(LoadPostalDirectory(files));
  }
  static void TearDownTestSuite() { delete loaded_; }
  void SetUp() override {
    if (loaded_ == nullptr) GTEST_SKIP() << "skkdic-extra is not installed";
    ASSERT_EQ(loaded_->problem, "");
  }
  static const PostalDirectory& Directory() { return loaded_->directory; }

  static LoadedPostalDirectory* loaded_;
};

LoadedPostalDirectory* DebianDictionary::loaded_ = nullptr;

TEST_F(DebianDictionary, KnowsWellKnownCodes) {
  EXPECT_GT(Directory().EntryCount(), 140000u);
  const struct {
    std::string_view code;
    std::string_view status;  // UTF-8
  } cases[] = {
      {"105-0011", "〒105-0011 東京都港区芝公園"},
      {"100-0013", "〒100-0013 東京都千代田区霞が関"},
      {"530-0001", "〒530-0001 大阪府大阪市北区梅田"},
      {"060-0000", "〒060-0000 北海道札幌市中央区"},
      {"100-8994", "〒100-8994 東京都千代田区丸の内２丁目７－２（東京中央郵便局）"},
      {"409-0142", "〒409-0142 山梨県北都留郡小菅村"},  // "小菅村の次に…がくる場合" left out
      {"450-6201", "〒450-6201 愛知県名古屋市中村区名駅ミッドランドスクエア高層棟１階"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(Utf8(ZipStatusText(Directory(), c.code)), c.status);
  }
}

TEST_F(DebianDictionary, AgreesWithAddressesAsSendersWriteThem) {
  const struct {
    std::string_view code;
    std::string_view address;  // UTF-8
    ZipVerdict verdict;
  } cases[] = {
      {"105-0011", "東京都港区芝公園4-2-8", ZipVerdict::Match},
      {"105-0011", "東京都港区芝浦1-1-1", ZipVerdict::Mismatch},
      {"163-0412", "東京都新宿区西新宿2-1-1 新宿三井ビル12F", ZipVerdict::Match},
      {"160-0023", "東京都新宿区西新宿2-1-1 新宿三井ビル12F", ZipVerdict::Mismatch},
      {"389-0102", "長野県軽井沢町大字軽井沢1323", ZipVerdict::Match},
      {"604-8005", "京都市中京区河原町通三条上ル恵比須町", ZipVerdict::Match},
      {"430-0946", "静岡県浜松市中央区元城町103-2", ZipVerdict::Match},
      {"434-0031", "静岡県浜松市浜名区小林1", ZipVerdict::Match},
      {"020-8585", "岩手県盛岡市北飯岡4-8-50", ZipVerdict::Match},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.code) + " " + std::string(c.address));
    EXPECT_EQ(CheckPostalAddress(Directory(), c.code, Sj(c.address)), c.verdict);
  }
}

TEST_F(DebianDictionary, EveryEntryAgreesWithItsCodeWrittenWithoutPrefectureOrCounty) {
  // A sample, so that the unoptimised builds stay quick.
  for (std::size_t entry = 0; entry < Directory().EntryCount(); entry += 97) {
    const DirectoryEntry added = Directory().EntryAt(entry);
    const std::size_t city = added.parts.prefecture + added.parts.county;
    SCOPED_TRACE(Utf8(added.address));
    EXPECT_EQ(JudgeAddress(Directory(), added.code, added.address), ZipVerdict::Match);
    EXPECT_EQ(JudgeAddress(Directory(), added.code, added.address.substr(city) + "1-2-3"),
              ZipVerdict::Match);
  }
}

}  // namespace
}  // namespace ruvo::postal
