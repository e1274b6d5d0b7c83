// This library's CP932 texts and tables are bytes in hex with their text in
// UTF-8 in a comment; a typo in the hex must not hide behind a right-looking
// comment.

#include <gtest/gtest.h>

#include "support/cp932_rows.h"
#include "support/test_text.h"

namespace ruvo {
namespace {

TEST(Cp932Tables, EveryBatchRowSaysInItsCommentWhatItHolds) {
  for (const char* file : {"batch/batch_problem.h", "batch/batch_problem.cpp",
                           "batch/order_columns.cpp", "batch/order_values.cpp"}) {
    const std::vector<test::HexRow> rows = test::HexRows(std::string(RUVO_SOURCE_DIR) + "/" + file);
    EXPECT_FALSE(rows.empty()) << file;
    for (const test::HexRow& row : rows) {
      SCOPED_TRACE(std::string(file) + ":" + std::to_string(row.line));
      EXPECT_EQ(test::Utf8(row.bytes), row.comment);
    }
  }
}

}  // namespace
}  // namespace ruvo
