#include "journal/journal_search.h"

#include "journal/journal_fixture.h"
#include "journal/search_keys.h"

namespace ruvo::journal {
namespace {

using test::Sj;
using test::SlipTo;
using test::TokyoTime;

TEST(SearchKeyTest, WidthCaseAndBlanksDoNotMatter) {
  const struct {
    const char* text;
    const char* key;
  } cases[] = {
      {"ヤマダ　Taro", "ﾔﾏﾀﾞtaro"}, {"ﾔﾏﾀﾞ taro", "ﾔﾏﾀﾞtaro"}, {"ＡＢＣビル１０１", "abcﾋﾞﾙ101"},
      {"山田\t太郎", "山田太郎"},   {"ソ能表", "ｿ能表"},  // 0x5C second bytes stay whole
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(SearchKey(Sj(c.text)), c.key);
  }
  EXPECT_EQ(DigitsOf(Sj("０３－１２３４－５６７８")), "0312345678");
  EXPECT_EQ(SearchWords(Sj("山田　03-1234 ｶ")),
            (std::vector<SearchWord>{{"山田", ""}, {"03-1234", "031234"}, {"ｶ", ""}}));
}

// Names, places and goods drawn from small lists so that words meet many
// slips; each printed on one of five days.
class SearchTest : public test::JournalTest {
 protected:
  void SetUp() override {
    const char* names[] = {"山田太郎", "山田花子", "佐藤一郎", "ヤマダ商店", "ABC株式会社"};
    const char* goods[] = {"書籍", "文具", "ＣＤ・ＤＶＤ", "果物"};
    const char* places[] = {"東京都港区芝公園4-2-8", "大阪府大阪市北区梅田1-1",
                            "広島県広島市中区白島北町"};
    for (int i = 0; i < 150; ++i) {
      SlipRecord slip = SlipTo(names[i % 5], goods[i % 4], i % 3 == 0 ? "105-0011" : "530-0001");
      slip.recipientAddress1 = Sj(places[i % 3]);
      slip.recipientTel = "0" + std::to_string(3 + i % 7) + "-1234-" + std::to_string(5000 + i);
      now_ = TokyoTime(2026, 3, 10 + static_cast<unsigned>(i % 5), 8 + i % 10, 0);
      Record(slip);
      slips_.push_back(slip);
    }
  }

  // The ids the query finds, by reading every slip as the journal keeps it:
  // what the index and the comparisons must agree with.
  std::vector<std::int64_t> Reference(const SlipQuery& query) const {
    std::vector<std::int64_t> ids;
    for (std::size_t i = slips_.size(); i-- > 0;) {
      const SlipKeys keys = KeysOf(slips_[i]);
      bool found = true;
      for (const SearchWord& word : SearchWords(query.text)) {
        const bool inText = keys.name.find(word.key) != std::string::npos ||
                            keys.address.find(word.key) != std::string::npos ||
                            keys.goods.find(word.key) != std::string::npos;
        const bool inNumbers =
            !word.digits.empty() && (keys.tel.find(word.digits) != std::string::npos ||
                                     keys.zip.find(word.digits) != std::string::npos);
        found = found && (inText || inNumbers);
      }
      found =
          found && (query.tel.empty() || keys.tel.find(DigitsOf(query.tel)) != std::string::npos);
      const unsigned day = 10 + static_cast<unsigned>(i % 5);
      found = found && (!query.from || day >= static_cast<unsigned>(query.from->day()));
      found = found && (!query.to || day <= static_cast<unsigned>(query.to->day()));
      if (found) ids.push_back(static_cast<std::int64_t>(i + 1));
    }
    return ids;
  }

  std::vector<SlipRecord> slips_;
};

TEST_F(SearchTest, FindsWhatReadingEverySlipFinds) {
  const struct {
    const char* name;
    const char* text;
    const char* tel;
    int from;
    int to;
  } cases[] = {
      {"two characters, compared row by row", "山田", "", 0, 0},
      {"three characters, through the index", "山田太", "", 0, 0},
      {"half-width typed, full-width printed", "ﾔﾏﾀﾞ", "", 0, 0},
      {"letters in another case", "abc", "", 0, 0},
      {"goods", "ＣＤ", "", 0, 0},
      {"two words", "山田 梅田", "", 0, 0},
      {"part of a telephone number", "1234-51", "", 0, 0},
      {"a postal code without its hyphen", "5300001", "", 0, 0},
      {"a block number in the address", "4-2-8", "", 0, 0},
      {"a day's range", "書籍", "", 11, 12},
      {"the telephone field alone", "", "04-1234", 0, 0},
      {"nothing", "存在しない名前", "", 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SlipQuery query = test::Searching(c.text);
    query.tel = c.tel;
    if (c.from > 0) query.from = std::chrono::year(2026) / 3 / c.from;
    if (c.to > 0) query.to = std::chrono::year(2026) / 3 / c.to;
    std::vector<std::int64_t> found;
    for (const PrintedSlip& slip : FindSlips(journal(), query).slips)
      found.push_back(slip.id);
    EXPECT_EQ(found, Reference(query));
  }
}

// Pages follow one another without a slip twice or left out.
TEST_F(SearchTest, PagesFollowOneAnother) {
  SlipQuery query = test::Searching("山田");
  query.limit = 7;
  std::vector<std::int64_t> paged;
  for (SlipPage page;; query.offset += query.limit) {
    page = FindSlips(journal(), query);
    for (const PrintedSlip& slip : page.slips)
      paged.push_back(slip.id);
    if (!page.more) break;
  }
  EXPECT_EQ(paged, Reference(test::Searching("山田")));
  query.oldestFirst = true;
  query.offset = 0;
  EXPECT_EQ(FindSlips(journal(), query).slips.front().id, 1);
}

}  // namespace
}  // namespace ruvo::journal
