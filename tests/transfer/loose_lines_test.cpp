#include "transfer/loose_lines.h"

#include <gtest/gtest.h>

#include "test_text.h"

namespace ruvo {
namespace {

using test::Sj;

struct Line {
  std::string_view text;
  std::size_t line;
  bool named = false, addressLike = false, afterAddress = false;
};

constexpr bool kNamed = true;
constexpr bool kRun = true;  // after the address's block number

TEST(ReadLooseLines, FindsNameReadingAndBuildingByWhereTheyStand) {
  const struct {
    std::string_view name;
    std::vector<Line> lines;
    std::optional<std::size_t> nameIndex;
    std::vector<std::size_t> address;
  } cases[] = {
      {"a reading before the name",
       {{"フジタ マナブ", 5, false, false, kRun}, {"藤田 学様", 6, kNamed, false, kRun}},
       1,
       {}},
      {"a half-width reading after the name", {{"田中 花子", 2}, {"ﾀﾅｶ ﾊﾅｺ", 3}}, 0, {}},
      {"a building, then the name without honorific",
       {{"キャッスル御池", 4, false, false, kRun}, {"中村 奈々", 5, false, false, kRun}},
       1,
       {0}},
      {"a katakana building is no reading of a name in two parts",
       {{"セントラル", 4, false, false, kRun}, {"林 蓮様", 5, kNamed, false, kRun}},
       1,
       {0}},
      {"the only line after the address is the name", {{"前田 綾", 4, false, false, kRun}}, 0, {}},
      {"the name first: the line after the address is a building",
       {{"岡 蓮", 2}, {"キャッスル西院", 6, false, false, kRun}},
       0,
       {1}},
      {"a line with the look of an address is never the name",
       {{"ララスクエア宇都宮", 4, false, true, kRun}, {"藤田 学", 5, false, false, kRun}},
       1,
       {0}},
      {"a name in katakana without a reading", {{"スミス ジョン", 4}}, 0, {}},
      {"a line after the name is no building",
       {{"キャッスル御池", 4, false, false, kRun},
        {"中村 奈々様", 5, kNamed, false, kRun},
        {"ルヴォ商店", 6, false, false, kRun}},
       1,
       {0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<LooseLine> lines;
    for (const Line& line : c.lines)
      lines.push_back({Sj(line.text), line.line, line.named, line.addressLike, line.afterAddress});
    const LooseReading reading = ReadLooseLines(lines);
    EXPECT_EQ(reading.name, c.nameIndex);
    EXPECT_EQ(reading.address, c.address);
  }
}

}  // namespace
}  // namespace ruvo
