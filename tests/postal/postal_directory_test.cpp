#include "postal/postal_directory.h"

#include <gtest/gtest.h>

#include "support/test_text.h"
#include "zip_dictionary_fixture.h"

namespace ruvo::postal {
namespace {

using test::FixtureDirectory;
using test::Sj;
using test::Utf8;

// An entry from "東京都|港区|芝公園": prefecture, county, city, town and
// building marked off by "|" (UTF-8).
DirectoryEntry Marked(std::uint32_t code, std::string_view marked, std::string_view office = "") {
  DirectoryEntry entry{{code}, {}, Sj(office), {}};
  std::size_t* const sizes[] = {&entry.parts.prefecture, &entry.parts.county, &entry.parts.city,
                                &entry.parts.town, &entry.parts.building};
  std::size_t part = 0;
  for (std::size_t start = 0; start <= marked.size() && part < std::size(sizes); ++part) {
    const std::size_t end = std::min(marked.find('|', start), marked.size());
    const std::string text = Sj(marked.substr(start, end - start));
    *sizes[part] = text.size();
    entry.address += text;
    start = end + 1;
  }
  return entry;
}

TEST(PostalDirectory, FindsEveryEntryOfACodeInTheOrderAdded) {
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

TEST(PostalDirectory, KeepsAnEntryThatTwoSourcesRepeatOnce) {
  PostalDirectoryBuilder builder;
  builder.Add(Marked(1050011, "東京都||港区|芝公園"));
  builder.Add(Marked(1050014, "東京都||港区|芝"));
  builder.Add(Marked(1050011, "東京都||港区|芝公園"));
  builder.Add(
      Marked(1050011, "東京都||港区|芝公園", "事務所"));  // an office there is another entry
  builder.Add(Marked(1050011, "|||　 "));                 // blanks alone match everything
  builder.Add(Marked(1000000, "東京都"));                 // a prefecture alone likewise
  DirectoryEntry overlong = Marked(1050011, "東京都||港区|芝公園");
  overlong.parts.town += 1;  // parts beyond the address
  builder.Add(overlong);
  const PostalDirectory directory = builder.Build();
  EXPECT_EQ(directory.EntryCount(), 3u);
  EXPECT_EQ(directory.Find({1050011}).size(), 2u);
}

TEST(PostalDirectory, PlacesHoldComparableKeysWithoutPrefectureAndCounty) {
  const PostalDirectory directory = FixtureDirectory();
  const struct {
    std::uint32_t code;
    std::string_view key;  // UTF-8
    std::string_view county;
    std::string_view building;
  } cases[] = {
      {1000013, "千代田区霞ケ関", "", ""},
      {28089, "当別町ビトエ", "石狩郡", ""},
      {3890102, "軽井沢町軽井沢", "北佐久郡", ""},
      {1006012, "千代田区霞ケ関", "", "霞ケ関ビル"},
      {6040014, "京都市中京区大黒町", "", ""},  // the street left out
      {208585, "盛岡市北飯岡", "", ""},         // an office: the area's town
      {283692, "矢巾町南矢幅", "紫波郡", ""},   // with 大字 and 第 left out
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    const PostalDirectory::Place place = directory.PlaceAt(directory.EntriesOf({c.code}).first);
    EXPECT_EQ(Utf8(place.key), c.key);
    EXPECT_EQ(Utf8(place.county), c.county);
    EXPECT_EQ(Utf8(place.building), c.building);
  }
}

TEST(PostalDirectory, FindsTheKeysATextBeginsWithShortestFirst) {
  const PostalDirectory directory = FixtureDirectory();
  std::vector<std::uint32_t> entries;
  directory.EntriesBeginning(Sj("港区芝公園1-2"), entries);
  std::vector<std::string> keys;
  for (const std::uint32_t entry : entries)
    keys.push_back(Utf8(directory.PlaceAt(entry).key));
  EXPECT_EQ(keys, (std::vector<std::string>{"港区芝", "港区芝公園"}));
  entries.clear();
  directory.EntriesBeginning(Sj("大阪市港区"), entries);
  EXPECT_TRUE(entries.empty());
}

TEST(PostalDirectory, KnowsTheCountiesItsEntriesName) {
  const PostalDirectory directory = FixtureDirectory();
  const struct {
    std::string_view text;  // UTF-8
    std::string_view county;
  } cases[] = {
      {"石狩郡当別町ビトエ", "石狩郡"},
      {"北佐久郡軽井沢町", "北佐久郡"},
      {"上川郡美瑛町", ""},        // a county no entry names
      {"大和郡山市北郡山町", ""},  // a city
      {"当別町ビトエ", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const std::string text = Sj(c.text);
    EXPECT_EQ(Utf8(text.substr(0, directory.CountyAtStart(text))), c.county);
  }
}

}  // namespace
}  // namespace ruvo::postal
