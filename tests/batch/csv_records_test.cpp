#include "batch/csv_records.h"

#include <gtest/gtest.h>

namespace ruvo::batch {
namespace {

using Fields = std::vector<std::string>;

struct Row {
  int row;
  Fields fields;
  bool operator==(const Row&) const = default;
};

std::vector<Row> Records(std::string_view csv) {
  std::vector<Row> rows;
  ReadCsvRecords(csv, [&](const CsvRecord& record) {
    rows.push_back({record.row, record.fields});
  });
  return rows;
}

TEST(CsvRecordsTest, ReadsFieldsAndNumbersRowsAsASpreadsheet) {
  const struct {
    const char* name;
    std::string csv;
    std::vector<Row> expected;
  } cases[] = {
      {"crlf", "a,b\r\nc,d\r\n", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
      {"lf and no final break", "a,b\nc,d", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
      {"cr alone", "a\rb\r", {{1, {"a"}}, {2, {"b"}}}},
      {"quoted comma and doubled quote",
       "\"x,y\",\"say \"\"hi\"\"\"\r\n",
       {{1, {"x,y", "say \"hi\""}}}},
      // A line break inside quotes is content and starts no row.
      {"quoted line breaks", "\"1\r\n2\",z\r\nnext\r\n", {{1, {"1\r\n2", "z"}}, {2, {"next"}}}},
      // A blank line is a row of its own; its CRLF counts once.
      {"blank lines", "a\r\n\r\n\r\nb\r\n", {{1, {"a"}}, {4, {"b"}}}},
      {"blank lf lines", "a\n\nb\n", {{1, {"a"}}, {3, {"b"}}}},
      {"empty fields", ",,\r\n\"\"\r\n", {{1, {"", "", ""}}, {2, {""}}}},
      {"blanks are content", " a , b \r\n", {{1, {" a ", " b "}}}},
      // Shift-JIS "ソ" ends in 0x5C and "表" in 0x5C: no escape, no separator.
      {"cp932 trail bytes", "\x83\x5C,\x95\x5C\r\n", {{1, {"\x83\x5C", "\x95\x5C"}}}},
      {"nothing", "", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Records(c.csv), c.expected);
  }
}

TEST(CsvRecordsTest, RecordsLongerThanOnePieceStayWhole) {
  const std::string big(200 * 1024, 'x');
  const auto rows = Records("h\r\n\"" + big + "\"\r\nlast\r\n");
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1].fields[0], big);
  EXPECT_EQ(rows[2], (Row{3, {"last"}}));
}

TEST(CsvRecordsTest, QuoteOutOfPlaceStopsAtItsRow) {
  const struct {
    const char* name;
    std::string csv;
    int row;
    bool unterminated;
  } cases[] = {
      {"quote inside an unquoted field", "a\r\nb\"c\r\nd\r\n", 2, false},
      {"text after the closing quote", "a\r\n\r\n\"b\"c\r\n", 3, false},
      // The row is where the record starts, however many lines it spans.
      {"quoted field never closed", "a\r\n\"b\r\nc\r\nd\r\n", 2, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    int passed = 0;
    try {
      ReadCsvRecords(c.csv, [&](const CsvRecord&) { ++passed; });
      ADD_FAILURE() << "no error";
    } catch (const CsvSyntaxError& error) {
      EXPECT_EQ(error.row(), c.row);
      EXPECT_EQ(error.unterminated(), c.unterminated);
    }
    EXPECT_EQ(passed, 1);  // the records before the faulty one were passed on
  }
}

}  // namespace
}  // namespace ruvo::batch
