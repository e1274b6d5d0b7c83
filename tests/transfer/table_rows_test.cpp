// The transfer's word tables and texts are CP932 in hex with the word in
// UTF-8 as a comment; a typo in the hex must not hide behind a right-looking
// comment.

#include <gtest/gtest.h>

#include "support/cp932_rows.h"
#include "support/test_text.h"

namespace ruvo {
namespace {

TEST(Cp932Tables, EveryTransferRowSaysInItsCommentWhatItHolds) {
  for (const char* file :
       {"address_split.cpp", "char_kinds.cpp", "classify.cpp", "mail_line.cpp", "mail_values.cpp",
        "mail_words.cpp", "text_ops.cpp", "recipient_fields.h", "transfer.h", "cp932_codec.h"}) {
    const std::vector<test::HexRow> rows =
        test::HexRows(std::string(RUVO_SOURCE_DIR) + "/transfer/" + file);
    EXPECT_FALSE(rows.empty()) << file;
    for (const test::HexRow& row : rows) {
      SCOPED_TRACE(std::string(file) + ":" + std::to_string(row.line));
      EXPECT_EQ(test::Utf8(row.bytes), row.comment);
    }
  }
}

}  // namespace
}  // namespace ruvo
