// The transfer's word tables and texts are CP932 in hex with the word in
// UTF-8 as a comment; a typo in the hex must not hide behind a right-looking
// comment.

#include <gtest/gtest.h>

#include "support/cp932_rows.h"

namespace ruvo {
namespace {

TEST(Cp932Tables, EveryTransferRowSaysInItsCommentWhatItHolds) {
  test::ExpectRowsAsCommented({"transfer/address_split.cpp", "transfer/char_kinds.cpp",
                               "transfer/classify.cpp", "transfer/mail_line.cpp",
                               "transfer/mail_values.cpp", "transfer/mail_words.cpp",
                               "transfer/text_ops.cpp", "transfer/recipient_fields.h",
                               "transfer/transfer.h", "transfer/cp932_codec.h"});
}

}  // namespace
}  // namespace ruvo
