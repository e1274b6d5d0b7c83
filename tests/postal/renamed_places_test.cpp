#include "postal/renamed_places.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "postal/address_spelling.h"
#include "test_text.h"

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

TEST(RenamedPlaces, HamamatsusNewWardsStandForTheOldOnes) {
  const struct {
    std::string_view form;  // UTF-8
    std::vector<std::string_view> others;
  } cases[] = {
      {"浜松市中央区元城町",
       {"浜松市中区元城町", "浜松市東区元城町", "浜松市西区元城町", "浜松市南区元城町",
        "浜松市北区元城町"}},
      {"浜松市浜名区小林", {"浜松市北区小林", "浜松市浜北区小林"}},
      {"浜松市北区初生町", {"浜松市中央区初生町", "浜松市浜名区初生町"}},  // split in two
      {"浜松市天竜区二俣町", {}},                                          // kept its name
      {"浜松市中", {}},                                                    // no ward
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.form);
    std::vector<std::string> expected;
    for (const std::string_view other : c.others)
      expected.push_back(Utf8(Sj(other)));
    std::vector<std::string> forms;
    for (const std::string& form : FormsUnderOtherNames(Sj(c.form)))
      forms.push_back(Utf8(form));
    std::sort(expected.begin(), expected.end());
    std::sort(forms.begin(), forms.end());
    EXPECT_EQ(forms, expected);
  }
}

}  // namespace
}  // namespace ruvo::postal
