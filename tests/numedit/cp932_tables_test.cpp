// This library's CP932 texts and tables are bytes in hex with their text in
// UTF-8 in a comment; a typo in the hex must not hide behind a right-looking
// comment.

#include <gtest/gtest.h>

#include "support/cp932_rows.h"

namespace ruvo {
namespace {

TEST(Cp932Tables, EveryNumeditRowSaysInItsCommentWhatItHolds) {
  test::ExpectRowsAsCommented({"numedit/num_edit_menu.cpp", "numedit/num_edit_presets.cpp"});
}

}  // namespace
}  // namespace ruvo
