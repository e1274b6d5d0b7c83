#include "batch/order_columns.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace ruvo::batch {
namespace {

using test::Sj;

// The first column a field's source takes; -1 for none.
int ColumnOf(const OrderColumns& columns, OrderField field) {
  const FieldSource* source = columns.SourceOf(field);
  return source == nullptr ? -1 : source->parts.at(0).column;
}

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
      EXPECT_EQ(ColumnOf(columns, field), index);
    EXPECT_EQ(ColumnOf(columns, OrderField::kTel), -1);
  }
}

TEST(ResolveOrderColumns, ColumnMapGoesBeforeTheBuiltInNames) {
  ColumnMap map;
  map.columns = {{ComparableHeader(Sj("注文者")), OrderField::kName},
                 {ComparableHeader(Sj("氏名")), std::nullopt}};
  const OrderColumns columns =
      ResolveOrderColumns(Header({"郵便番号", "住所", "氏名", "注文者"}), map);
  EXPECT_TRUE(columns.problems.empty());
  EXPECT_EQ(ColumnOf(columns, OrderField::kName), 3);
  EXPECT_EQ(columns.ColumnsOf(*columns.SourceOf(OrderField::kName)), Sj("注文者"));
}

TEST(ResolveOrderColumns, HeaderProblemsNameTheirColumn) {
  const struct {
    const char* name;
    std::vector<std::string> header;
    std::vector<std::pair<std::string, std::string_view>> problems;  // column in UTF-8, reason
  } cases[] = {
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

// A column no field uses is left unused and named, never a problem: a
// shop's export has dozens.
TEST(ResolveOrderColumns, ColumnsNoFieldUsesAreLeftUnused) {
  const OrderColumns columns =
      ResolveOrderColumns(Header({"郵便番号", "のし", "住所1", "", "氏名", "ステータス"}), {});
  EXPECT_TRUE(columns.problems.empty());
  EXPECT_EQ(columns.unused, (std::vector<int>{1, 5}));  // the blank header aside
}

}  // namespace
}  // namespace ruvo::batch
