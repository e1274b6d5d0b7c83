// This library's CP932 texts and tables are bytes in hex with their text in
// UTF-8 in a comment; a typo in the hex must not hide behind a right-looking
// comment.

#include <gtest/gtest.h>

#include "support/cp932_rows.h"

namespace ruvo {
namespace {

TEST(Cp932Tables, EverySettingsRowSaysInItsCommentWhatItHolds) {
  test::ExpectRowsAsCommented(
      {"settings/file_errors.cpp", "settings/settings_names.h", "settings/sender_file.h"});
}

}  // namespace
}  // namespace ruvo
