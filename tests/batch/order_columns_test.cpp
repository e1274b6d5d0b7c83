#include "batch/order_columns.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace ruvo::batch {
namespace {

using test::Sj;

std::vector<std::string> Header(std::initializer_list<const char*> utf8) {
  std::vector<std::string> header;
  for (const char* name : utf8)
    header.push_back(Sj(name));
  return header;
}

// Each header as a shop writes it finds its field; the width counts every
// column, used or not.
TEST(ResolveOrderColumns, HeadersAsShopsWriteThem) {
  const struct {
    const char* name;
    std::vector<std::string> header;
    std::vector<std::pair<OrderField, int>> found;
  } cases[] = {
      {"the fields' own names",
       Header({"郵便番号", "住所1", "氏名", "個数"}),
       {{OrderField::kZip, 0},
        {OrderField::kAddress1, 1},
        {OrderField::kName, 2},
        {OrderField::kQuantity, 3}}},
      {"full-width, blanks and letter case",
       Header({"　ＺＩＰ ", "住所１", "お届け先名"}),
       {{OrderField::kZip, 0}, {OrderField::kAddress1, 1}, {OrderField::kName, 2}}},
      {"an empty header leaves its column unused",
       Header({"", "送付先郵便番号", "送付先住所", "送付先氏名"}),
       {{OrderField::kZip, 1}, {OrderField::kAddress1, 2}, {OrderField::kName, 3}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const OrderColumns columns = ResolveOrderColumns(c.header, {});
    EXPECT_TRUE(columns.problems.empty());
    EXPECT_EQ(columns.width, c.header.size());
    for (const auto& [field, index] : c.found)
      EXPECT_EQ(columns.IndexOf(field), index);
    EXPECT_EQ(columns.IndexOf(OrderField::kTel), -1);
  }
}

TEST(ResolveOrderColumns, ColumnMapGoesBeforeTheBuiltInNames) {
  const ColumnMap map = {{ComparableHeader(Sj("注文者")), OrderField::kName},
                         {ComparableHeader(Sj("氏名")), std::nullopt}};
  const OrderColumns columns =
      ResolveOrderColumns(Header({"郵便番号", "住所", "氏名", "注文者"}), map);
  EXPECT_TRUE(columns.problems.empty());
  EXPECT_EQ(columns.IndexOf(OrderField::kName), 3);
  EXPECT_EQ(columns.header[static_cast<std::size_t>(OrderField::kName)], Sj("注文者"));
}

TEST(ResolveOrderColumns, HeaderProblemsNameTheirColumn) {
  const struct {
    const char* name;
    std::vector<std::string> header;
    std::vector<std::pair<std::string, std::string_view>> problems;  // column in UTF-8, reason
  } cases[] = {
      // A column nobody knows: its values would be lost without a word.
      {"unknown column",
       Header({"郵便番号", "住所1", "氏名", "のし"}),
       {{"のし", reason::kUnknownColumn}}},
      // Two columns for one field: which one prints is a guess.
      {"second column for a field",
       Header({"郵便番号", "住所1", "氏名", "お名前"}),
       {{"お名前", reason::kDuplicateColumn}}},
      // The slip cannot go without a postal code, an address and a name.
      {"required columns missing",
       Header({"氏名"}),
       {{"郵便番号", reason::kMissingColumn}, {"住所1", reason::kMissingColumn}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const OrderColumns columns = ResolveOrderColumns(c.header, {});
    std::vector<std::pair<std::string, std::string_view>> problems;
    for (const BatchProblem& problem : columns.problems) {
      EXPECT_EQ(problem.row, 1);
      problems.emplace_back(test::Utf8(problem.column), problem.reason);
    }
    EXPECT_EQ(problems, c.problems);
  }
}

}  // namespace
}  // namespace ruvo::batch
