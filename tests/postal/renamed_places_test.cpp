#include "postal/renamed_places.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "postal/address_spelling.h"
#include "support/test_text.h"

namespace ruvo::postal {
namespace {

using test::Sj;
using test::Utf8;

bool Holds(const std::vector<std::string>& forms, const std::string& form) {
  return std::find(forms.begin(), forms.end(), form) != forms.end();
}

TEST(RenamedPlaces, EveryRowReadsBothWays) {
  const std::string town = Sj("元城町103");
  for (const RenamedPlace& row : RenamedPlaces()) {
    SCOPED_TRACE(Utf8(row.before) + " -> " + Utf8(row.after));
    EXPECT_EQ(ComparableAddress(row.before), row.before);  // rows are comparable already
    EXPECT_EQ(ComparableAddress(row.after), row.after);
    EXPECT_TRUE(
        Holds(FormsUnderOtherNames(std::string(row.after) + town), std::string(row.before) + town));
    EXPECT_TRUE(
        Holds(FormsUnderOtherNames(std::string(row.before) + town), std::string(row.after) + town));
  }
}

}  // namespace
}  // namespace ruvo::postal
