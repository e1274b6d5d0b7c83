// This library's CP932 texts and tables are bytes in hex with their text in
// UTF-8 in a comment; a typo in the hex must not hide behind a right-looking
// comment.

#include <gtest/gtest.h>

#include "support/cp932_rows.h"
#include "support/test_text.h"

namespace ruvo {
namespace {

TEST(Cp932Tables, EverySettingsRowSaysInItsCommentWhatItHolds) {
  for (const char* file :
       {"settings/file_errors.cpp", "settings/settings_names.h", "settings/sender_file.h"}) {
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
