#include "slip/saved_slip.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace ruvo {
namespace {

using test::Sj;

// A distinct value in every saved field, so a swapped pair shows.
settings::SavedSlip DistinctSavedSlip() {
  settings::SavedSlip saved;
  saved.zip = Sj("１０５－００１１");
  saved.address1 = Sj("東京都港区芝公園");
  saved.address2 = Sj("１－２－３");
  saved.customer = Sj("山田太郎");
  saved.tel = Sj("０３－１２３４－５６７８");
  saved.goods1 = "g1";
  saved.goods2 = "g2";
  saved.goods3 = "g3";
  saved.quantity = "007";
  saved.deliveryMonth = "12";
  saved.deliveryDay = "24";
  saved.sender = {Sj("１５０－０００２"), "sa1", "sa2", "sn", Sj("０３")};
  return saved;
}

TEST(RestoreSavedSlip, HoldsTheFieldsAsTheControlsKeepThem) {
  SlipRecord slip;
  RestoreSavedSlip(slip, DistinctSavedSlip());
  EXPECT_EQ(slip.recipientZip, "105-0011");
  EXPECT_EQ(slip.recipientTel, "03-1234-5678");
  EXPECT_EQ(slip.quantity, "7");
  // The sender's fields have no conversion.
  EXPECT_EQ(slip.senderZip, Sj("１５０－０００２"));
  EXPECT_EQ(slip.senderTel, Sj("０３"));
}

TEST(RestoreSavedSlip, LeavesWhatTheSettingsDoNotKeep) {
  SlipRecord slip;
  slip.recipientAddress3 = "kept";
  slip.printDate = false;
  slip.printSender = false;
  slip.timeSlots[2] = true;
  slip.slipDate = std::chrono::year(2011) / 1 / 5;
  RestoreSavedSlip(slip, DistinctSavedSlip());
  EXPECT_EQ(slip.recipientAddress3, "kept");
  EXPECT_FALSE(slip.printDate);
  EXPECT_FALSE(slip.printSender);
  EXPECT_TRUE(slip.timeSlots[2]);
  EXPECT_EQ(slip.slipDate, std::chrono::year(2011) / 1 / 5);
}

TEST(SavedSlipOf, GivesBackEveryFieldInItsOwnKey) {
  settings::SavedSlip saved = DistinctSavedSlip();
  // Values the controls hold unchanged, so the round trip is exact.
  saved.zip = "105-0011";
  saved.tel = "03";
  saved.quantity = "7";
  SlipRecord slip;
  RestoreSavedSlip(slip, saved);
  EXPECT_EQ(SavedSlipOf(slip), saved);
}

}  // namespace
}  // namespace ruvo
