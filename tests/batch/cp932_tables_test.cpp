// This library's CP932 texts and tables are bytes in hex with their text in
// UTF-8 in a comment; a typo in the hex must not hide behind a right-looking
// comment.

#include <gtest/gtest.h>

#include "support/cp932_rows.h"

namespace ruvo {
namespace {

TEST(Cp932Tables, EveryBatchRowSaysInItsCommentWhatItHolds) {
  test::ExpectRowsAsCommented(
      {"batch/batch_problem.h", "batch/batch_problem.cpp", "batch/order_values.cpp"});
}

}  // namespace
}  // namespace ruvo
