#include "postal/postal_code.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace ruvo::postal {
namespace {

using test::Sj;

TEST(PostalCode, ReadsBothWidthsWithOrWithoutHyphen) {
  const struct {
    std::string_view text;  // UTF-8
    std::uint32_t value;
  } cases[] = {
      {"1050011", 1050011},
      {"105-0011", 1050011},
      {"１０５－００１１", 1050011},
      {"１０５-0011", 1050011},         // widths mixed, as a half-converted field
      {"0010000", 10000},               // leading zeros
      {" 105-0011\t", 1050011},         // blanks around
      {"　１０５００１１　", 1050011},  // full-width blanks around
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const auto code = ParsePostalCode(Sj(c.text));
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(code->value, c.value);
  }
}

TEST(PostalCode, RefusesWhatIsNoSevenDigitCode) {
  const std::string_view cases[] = {
      "",            // nothing
      "105001",      // six digits
      "10500111",    // eight digits
      "105-001",     // six digits with hyphen
      "1050-011",    // hyphen after the fourth digit
      "105--0011",   // two hyphens
      "-1050011",    // hyphen in front
      "1050011-",    // hyphen behind
      "105 0011",    // blank inside
      "〒105-0011",  // the postal mark belongs to the label, not the code
      "105ー0011",   // long vowel mark, no hyphen
  };
  for (const std::string_view text : cases) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(ParsePostalCode(Sj(text)).has_value());
  }
}

}  // namespace
}  // namespace ruvo::postal
