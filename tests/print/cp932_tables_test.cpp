// This library's CP932 texts and tables are bytes in hex with their text in
// UTF-8 in a comment; a typo in the hex must not hide behind a right-looking
// comment.

#include <gtest/gtest.h>

#include "support/cp932_rows.h"

namespace ruvo {
namespace {

TEST(Cp932Tables, EveryPrintRowSaysInItsCommentWhatItHolds) {
  test::ExpectRowsAsCommented({"print/lm_printer_errors.cpp", "print/printer_notices.cpp",
                               "print/slip_layout.cpp", "print/slip_fit.cpp",
                               "print/test_sheet.cpp"});
}

}  // namespace
}  // namespace ruvo
