// The journal's texts are CP932 bytes in hex with their text in UTF-8 in a
// comment; a typo in the hex must not hide behind its comment.
#include <gtest/gtest.h>

#include "support/cp932_rows.h"

namespace ruvo {
namespace {

TEST(JournalTextsTest, EveryTextIsTheCp932OfItsComment) {
  test::ExpectRowsAsCommented({"journal/journal_texts.h", "journal/journal_record.cpp"});
}

}  // namespace
}  // namespace ruvo
