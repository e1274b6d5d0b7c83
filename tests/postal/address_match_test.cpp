// The verdict on a code and an address, one table per way of writing an
// address, over real entries of Debian's dictionaries (the fixture).
#include "postal/address_match.h"

#include <gtest/gtest.h>

#include <span>

#include "postal/postal_code.h"
#include "support/test_text.h"
#include "zip_dictionary_fixture.h"

namespace ruvo::postal {
namespace {

using test::Sj;

struct VerdictCase {
  std::string_view code;
  std::string_view address;  // UTF-8, as senders write it
  ZipVerdict verdict;
};

class AddressMatch : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { directory_ = new PostalDirectory(test::FixtureDirectory()); }
  static void TearDownTestSuite() { delete directory_; }

  static void Expect(std::span<const VerdictCase> cases) {
    for (const VerdictCase& c : cases) {
      SCOPED_TRACE(std::string(c.code) + " " + std::string(c.address));
      EXPECT_EQ(ZipVerdictName(c.verdict), ZipVerdictName(Judge(c.code, c.address)));
    }
  }
  static ZipVerdict Judge(std::string_view code, std::string_view address) {
    return JudgeAddress(*directory_, *ParsePostalCode(code), Sj(address));
  }
  static std::string_view ZipVerdictName(ZipVerdict verdict) {
    return verdict == ZipVerdict::Match      ? "match"
           : verdict == ZipVerdict::Mismatch ? "mismatch"
                                             : "unknown";
  }

  static const PostalDirectory* directory_;
};

const PostalDirectory* AddressMatch::directory_ = nullptr;

constexpr ZipVerdict kMatch = ZipVerdict::Match;
constexpr ZipVerdict kMismatch = ZipVerdict::Mismatch;
constexpr ZipVerdict kUnknown = ZipVerdict::Unknown;

TEST_F(AddressMatch, CommonForms) {
  const VerdictCase cases[] = {
      {"105-0011", "東京都港区芝公園1-2-3", kMatch},
      {"105-0014", "東京都港区芝2-1", kMatch},   // 芝, though 芝公園 has a code of its own
      {"105-0011", "港区芝公園４－１", kMatch},  // without prefecture, full width
      {"105-0011", "東京都 港区　芝公園 1-2", kMatch},     // blanks anywhere
      {"100-0013", "千代田区霞ケ関1", kMatch},             // ケ for が
      {"029-5506", "岩手県和賀郡西和賀町湯の沢", kMatch},  // の for 之
      {"001-0024", "札幌市北区北24条西3丁目", kMatch},     // digits for a kanji district number
      {"105-0011", "東京都港区芝浦1-2", kMismatch},        // another town's
      {"105-0014", "港区芝公園1-2", kMismatch},            // 芝公園, not 芝
      {"060-0000", "東京都港区芝公園", kMismatch},         // another prefecture's town
      {"105-0011", "大阪府大阪市港区1", kMismatch},  // a prefecture none of the code's places is in
  };
  Expect(cases);
}

TEST_F(AddressMatch, BuildingsWithACodeForEachFloor) {
  const VerdictCase cases[] = {
      {"100-6012", "東京都千代田区霞が関3-2-5 霞が関ビル12階", kMatch},
      {"100-6012", "千代田区霞が関3丁目2番5号霞ヶ関ビル１２Ｆ", kMatch},
      {"100-6012", "千代田区霞が関3-2-5 霞が関ビル 12FL", kMatch},
      {"100-6012", "千代田区霞が関ビル12階", kMatch},                 // named after its town
      {"100-6012", "千代田区霞が関3-2-5 霞が関ビル", kMatch},         // floor left out
      {"100-6012", "千代田区霞が関3-2-5", kMatch},                    // building left out
      {"100-6090", "千代田区霞が関3-2-5 霞が関ビル地下1階", kMatch},  // the basement's code
      {"100-6090", "千代田区霞が関3-2-5 霞が関ビル", kMatch},
      {"170-6001", "東京都豊島区東池袋3-1-1 サンシャイン60 1階", kMatch},
      {"450-6212", "名古屋市中村区名駅4-7-1 ミッドランドスクエア12F", kMatch},
      {"450-6290", "名古屋市中村区名駅4-7-1 ミッドランドスクエア B1F", kMatch},
      {"100-0013", "千代田区霞が関3-2-5 霞が関ビル12階", kMismatch},  // the town's code: not there
      {"100-0013", "千代田区霞が関3-2-5 霞が関ビル", kMismatch},
      {"450-0002", "名古屋市中村区名駅4-7-1 ミッドランドスクエア12F", kMismatch},
      {"100-6013", "千代田区霞が関3-2-5 霞が関ビル12階", kMismatch},  // another floor's
      {"100-6090", "千代田区霞が関3-2-5 霞が関ビル12階", kMismatch},  // the floor has its own
  };
  Expect(cases);
}

TEST_F(AddressMatch, OazaAndAzaWrittenOrLeftOut) {
  const VerdictCase cases[] = {
      {"389-0102", "長野県北佐久郡軽井沢町大字軽井沢1323", kMatch},
      {"389-0102", "長野県北佐久郡軽井沢町軽井沢1323", kMatch},
      {"028-3692", "岩手県紫波郡矢巾町南矢幅13地割123",
       kMatch},  // an office's 大字 and 第 left out
      {"028-3692", "岩手県紫波郡矢巾町大字南矢幅第13地割123", kMatch},
      {"389-0100", "長野県北佐久郡軽井沢町大字軽井沢1323",
       kMismatch},  // the town's code is another
  };
  Expect(cases);
}

TEST_F(AddressMatch, CountyWrittenOrLeftOut) {
  const VerdictCase cases[] = {
      {"002-8089", "北海道石狩郡当別町ビトエ12", kMatch},
      {"002-8089", "北海道当別町ビトエ12", kMatch},
      {"002-8089", "当別町ビトエ中島12", kMatch},
      {"389-0102", "長野県軽井沢町軽井沢1323", kMatch},
      {"061-0200", "北海道当別町ビトエ12", kMismatch},  // the town has its own code
  };
  Expect(cases);
}

TEST_F(AddressMatch, KyotosStreets) {
  const VerdictCase cases[] = {
      {"604-0014", "京都府京都市中京区釜座通夷川下ル大黒町123", kMatch},  // ル for る
      {"604-0014", "京都市中京区夷川通釜座東入ル大黒町123", kMatch},
      {"604-0014", "京都市中京区大黒町123", kMatch},  // the street left out
      {"604-8031", "京都市中京区大黒町123", kMatch},  // the same town's other code
      {"604-8005", "京都市中京区河原町通三条上ル恵比須町1",
       kMatch},  // a street the dictionary leaves out
      {"604-0014", "京都市中京区河原町通三条下ル大黒町1", kMismatch},  // the street names 604-8031
      {"604-0000", "京都市中京区大黒町123", kMismatch},  // the ward's code: the town has its own
      {"604-8005", "京都市中京区大黒町123", kMismatch},
  };
  Expect(cases);
}

TEST_F(AddressMatch, HamamatsusWardsOf2024) {
  const VerdictCase cases[] = {
      {"430-0946", "静岡県浜松市中央区元城町103-2", kMatch},  // 中区 until 2023
      {"433-8112", "静岡県浜松市中央区初生町1", kMatch},      // 北区 until 2023
      {"431-1305", "静岡県浜松市浜名区細江町気賀1", kMatch},  // 北区 until 2023
      {"434-0031", "浜松市浜名区小林1", kMatch},              // 浜北区 until 2023
      {"430-0946", "静岡県浜松市中区元城町103-2", kMatch},    // the old name still
      {"434-0031", "浜松市中央区元城町1", kMismatch},
  };
  Expect(cases);
}

TEST_F(AddressMatch, LargeOffices) {
  const VerdictCase cases[] = {
      {"020-8585", "岩手県盛岡市北飯岡4-8-50", kMatch},  // 四丁目 in the dictionary
      {"020-8585", "岩手県盛岡市北飯岡四丁目８番５０号", kMatch},
      {"001-8612", "札幌市北区北24条西6-1-1", kMatch},
      {"100-6051", "東京都千代田区霞が関3-2-5 霞が関ビル23F", kMatch},  // an office on a floor
      {"100-6051", "東京都千代田区霞が関3-2-5", kMatch},
      {"020-8585", "岩手県紫波郡矢巾町南矢幅1", kMismatch},  // another town than the office's
      {"020-0857", "岩手県盛岡市北飯岡4-8-50", kMatch},      // the area's code is right there too
  };
  Expect(cases);
}

TEST_F(AddressMatch, UnknownWhenNothingTells) {
  const VerdictCase cases[] = {
      {"105-0011", "東京都港区新橋町1",
       kUnknown},  // a town the dictionary lacks, in the code's city
      {"001-0024", "札幌市北区北2条西", kUnknown},  // likewise
      {"105-0011", "東京都港区", kUnknown},         // the ward alone
      {"105-0011", "芝公園1-2", kUnknown},          // no city
      {"105-0011", "　 ", kUnknown},                // blanks only
      {"999-9999", "東京都港区芝公園", kUnknown},   // code not in the dictionary
  };
  Expect(cases);
  EXPECT_EQ(JudgeAddress(PostalDirectory(), {1050011}, Sj("東京都港区芝公園")), kUnknown);
}

TEST_F(AddressMatch, TheDictionarysOwnAddressesAgreeWithTheirCodes) {
  for (std::size_t entry = 0; entry < directory_->EntryCount(); ++entry) {
    const DirectoryEntry added = directory_->EntryAt(entry);
    SCOPED_TRACE(test::Utf8(added.address));
    EXPECT_EQ(JudgeAddress(*directory_, added.code, added.address), kMatch);
  }
}

// Dictionaries the fuzzer wrote: entries whose parts are found less well
// than in Debian's, each still agreeing with its own address.
TEST(AddressMatchOddEntries, AgreeWithTheirOwnAddresses) {
  const std::string_view dictionaries[] = {
      // A Kyoto street where no ward's code names the city.
      "1050011 /東京都港区芝公園/\n6040014 /京都府京都市中京区釜座通夷川下る大黒町/\n",
      // Blanks before the entry, and within a prefecture's name.
      "1050011 / 島黒町/\n1050014 /東　京都港区芝公園/\n1050015 /東京都港区芝公園/\n",
      // A county's name another entry has before its town's.
      "0610200 /北海道石狩郡/\n0028089 /北海道石狩郡当狩郡当別町/\n",
      "0610200 /北海砲道石狩郡当別町/\n0610201 /北海砲道石狩郡北海道埜郡当別町ホトエ/\n"
      "1006090 /東京都千代田区霞/\n1006012 /東京都千代田区霞ビロ郡搭談町/\n",
  };
  for (const std::string_view dictionary : dictionaries) {
    SCOPED_TRACE(dictionary);
    const PostalDirectory directory = DirectoryOfZipDictionaries(Sj(dictionary), "");
    for (std::size_t entry = 0; entry < directory.EntryCount(); ++entry) {
      const DirectoryEntry added = directory.EntryAt(entry);
      SCOPED_TRACE(test::Utf8(added.address));
      EXPECT_EQ(JudgeAddress(directory, added.code, added.address), kMatch);
    }
  }
}

}  // namespace
}  // namespace ruvo::postal
