#include "journal/reprint.h"

#include "journal/journal_fixture.h"
#include "print/lm_d97_dot.h"

namespace ruvo::journal {
namespace {

using test::Sj;

// Reprinted with its own date, a slip is drawn exactly as the first time:
// every value, switch and time slot came back from the journal.
class ReprintTest : public test::JournalTest {};

TEST_F(ReprintTest, DrawsTheSlipAsFirstPrinted) {
  SlipRecord slip = test::SlipTo("髙橋〓子 様");
  slip.recipientAddress3 = Sj("ｶﾌﾞｼｷｶﾞｲｼｬ ﾙｳﾞｫ");
  slip.goods = {Sj("書籍"), Sj("文具"), Sj("ＣＤ")};
  slip.senderAddress2 = Sj("渋谷ビル");
  slip.timeSlots = {false, false, false, true, true};
  const SlipPrintValues values{"360", "180", "12", "-8"};
  const std::optional<PrintedSlip> recorded = FindSlip(journal(), Record(slip));
  ASSERT_TRUE(recorded);
  const auto today = std::chrono::year(2026) / 4 / 2;
  EXPECT_EQ(SLIP97_Prn(SlipToReprint(*recorded, ReprintDate::kOriginal, today), values),
            SLIP97_Prn(slip, values));

  SlipRecord datedToday = slip;
  datedToday.slipDate = today;
  EXPECT_EQ(SLIP97_Prn(SlipToReprint(*recorded, ReprintDate::kToday, today), values),
            SLIP97_Prn(datedToday, values));
}

}  // namespace
}  // namespace ruvo::journal
