#include "slip/quantity.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace ruvo {
namespace {

using test::Sj;

TEST(QuantityBoxText, HoldsWhatTheNumericBoxReads) {
  const struct {
    const char* text;
    const char* held;
  } cases[] = {
      {"7", "7"},     {"007", "7"},   {"１２", "12"},
      {"12個", "12"}, {"999", "999"}, {"1000", ""},  // more digits than the box has
      {"1.5", "1"},   {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(QuantityBoxText(Sj(c.text)), c.held);
  }
}

TEST(OrderQuantity, ReadsTheDigitsShopsWrite) {
  const struct {
    const char* text;
    const char* quantity;
  } cases[] = {
      {"", "1"},  // a new slip's quantity
      {"3", "3"},     {"００７", "7"}, {" 1 2 ", "12"}, {"0007", "7"},
      {"999", "999"}, {"1個", "1"},    {"２個口", "2"}, {"3 口", "3"},  // the unit of parcels
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(OrderQuantity(Sj(c.text)), std::optional<std::string>(c.quantity));
  }
}

TEST(OrderQuantity, RefusesWhatIsNoQuantity) {
  for (const char* text : {
           "0",     // no parcel at all
           "000",   // likewise
           "1000",  // more than the box holds
           "3箱",   // a word beside the number that counts no parcels
           "個",    // a unit without a number
           "二",    // a number in words
           "-1",    // a sign
       }) {
    SCOPED_TRACE(text);
    EXPECT_EQ(OrderQuantity(Sj(text)), std::nullopt);
  }
}

}  // namespace
}  // namespace ruvo
