#include "postal/postal_directory.h"

#include <gtest/gtest.h>

#include "support/test_text.h"
#include "zip_dictionary_fixture.h"

namespace ruvo::postal {
namespace {

using test::FixtureDirectory;
using test::Sj;
using test::Utf8;

std::vector<std::uint32_t> Values(const std::vector<PostalCode>& codes) {
  std::vector<std::uint32_t> values;
  for (const PostalCode code : codes)
    values.push_back(code.value);
  return values;
}

TEST(PostalDirectory, FindsEveryEntryOfACodeInDictionaryOrder) {
  const PostalDirectory directory = FixtureDirectory();
  const auto entries = directory.Find({28089});
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(Utf8(entries[0].address), "北海道石狩郡当別町ビトエ");
  EXPECT_EQ(Utf8(entries[1].address), "北海道石狩郡当別町ビトエ中島");
  const auto office = directory.Find({1008994});
  ASSERT_EQ(office.size(), 1u);
  EXPECT_EQ(Utf8(office[0].office), "東京中央郵便局");
  EXPECT_TRUE(directory.Find({1050012}).empty());  // between two known codes
  EXPECT_TRUE(directory.Find({9999999}).empty());  // past the last
  EXPECT_TRUE(PostalDirectory().Find({1050011}).empty());
}

TEST(PostalDirectory, KeepsAnEntryThatTwoDictionariesRepeatOnce) {
  PostalDirectoryBuilder builder;
  builder.Add({1050011}, Sj("東京都港区芝公園"), "");
  builder.Add({1050014}, Sj("東京都港区芝"), "");
  builder.Add({1050011}, Sj("東京都港区芝公園"), "");
  builder.Add({1050011}, Sj("東京都港区芝公園"), Sj("事務所"));  // an office there is another entry
  builder.Add({1050011}, Sj("　 "), "");                         // blanks alone match everything
  const PostalDirectory directory = builder.Build();
  EXPECT_EQ(directory.EntryCount(), 3u);
  EXPECT_EQ(directory.Find({1050011}).size(), 2u);
}

TEST(PostalDirectory, NamesTheCodesOfAnAddressLongestMatchFirst) {
  const PostalDirectory directory = FixtureDirectory();
  const struct {
    std::string_view address;  // UTF-8
    std::vector<std::uint32_t> codes;
  } cases[] = {
      {"東京都港区芝公園1-2-3", {1050011, 1050014}},      // 芝公園 before 芝
      {"港区芝2-1", {1050014}},                           // without prefecture
      {"東京都千代田区丸の内2-7-2", {1008994}},           // office up to its block number
      {"北海道札幌市北区北24条西6丁目", {10024, 18612}},  // area and office share the key
      {"東京都港区", {}},                                 // shorter than every address
      {"", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.address);
    EXPECT_EQ(Values(directory.CodesOfAddress(Sj(c.address))), c.codes);
  }
}

TEST(PostalDirectory, ListsCodesOfAddressesThatBeginWithAPrefix) {
  const PostalDirectory directory = FixtureDirectory();
  EXPECT_EQ(Values(directory.CodesStartingWith(Sj("東京都港区芝"), 10)),
            (std::vector<std::uint32_t>{1050014, 1050011}));  // 芝 sorts before 芝公園
  EXPECT_EQ(Values(directory.CodesStartingWith(Sj("港区"), 1)),
            std::vector<std::uint32_t>{1050014});
  EXPECT_EQ(Values(directory.CodesStartingWith(Sj("北海道石狩郡当別町ビトエ"), 10)),
            std::vector<std::uint32_t>{28089});  // two addresses, one code
  EXPECT_TRUE(directory.CodesStartingWith(Sj("大阪府"), 10).empty());
}

}  // namespace
}  // namespace ruvo::postal
