#include "journal/slip_number.h"

#include "journal/journal_fixture.h"
#include "journal/slip_number_ledger.h"

namespace ruvo::journal {
namespace {

using test::Sj;

TEST(SlipNumberTest, ValidNumbersAreTakenAsTheirDigits) {
  const struct {
    const char* written;  // UTF-8, as the user types it
    SlipNumberRule rule;
    const char* digits;
  } cases[] = {
      {"123456789013", SlipNumberRule::kModulus7, "123456789013"},  // 12345678901 mod 7 = 3
      {"1234-5678-9013", SlipNumberRule::kModulus7, "123456789013"},
      {"１２３４ ５６７８ ９０１３", SlipNumberRule::kModulus7, "123456789013"},
      {"000000000000", SlipNumberRule::kModulus7, "000000000000"},
      {"999999999994", SlipNumberRule::kModulus7, "999999999994"},  // the last of the range
      {"0042", SlipNumberRule::kPlain, "0042"},
      {"12345678901234567890", SlipNumberRule::kPlain, "12345678901234567890"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.written);
    EXPECT_EQ(CheckedSlipNumber(Sj(c.written), c.rule), c.digits);
  }
}

TEST(SlipNumberTest, InvalidNumbersAreRefusedWithTheReason) {
  const struct {
    const char* written;
    SlipNumberRule rule;
    const char* reason;
  } cases[] = {
      // the check digit of 12345678901 is 3
      {"123456789012", SlipNumberRule::kModulus7, "伝票番号の最後の 1 桁が合いません"},
      {"123456789014", SlipNumberRule::kModulus7, "伝票番号の最後の 1 桁が合いません"},
      // eleven and thirteen digits
      {"12345678901", SlipNumberRule::kModulus7, "伝票番号は 12 桁で書いてください"},
      {"1234567890134", SlipNumberRule::kModulus7, "伝票番号は 12 桁で書いてください"},
      // no digits, or a letter among them
      {"", SlipNumberRule::kPlain, "伝票番号は数字で書いてください"},
      {"12345678901A", SlipNumberRule::kModulus7, "伝票番号は数字で書いてください"},
      // one digit past the plain limit
      {"123456789012345678901", SlipNumberRule::kPlain, "伝票番号は 20 桁までです"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.written);
    const std::string message =
        test::MessageOf<SlipNumberError>([&] { CheckedSlipNumber(Sj(c.written), c.rule); });
    EXPECT_EQ(test::Utf8(message).rfind(c.reason, 0), 0u) << test::Utf8(message);
  }
}

TEST(SlipNumberTest, NextNumberCountsTheBodyAndComputesItsCheckDigit) {
  const struct {
    const char* number;
    SlipNumberRule rule;
    const char* next;
  } cases[] = {
      {"123456789013", SlipNumberRule::kModulus7, "123456789024"},
      {"400000000002", SlipNumberRule::kModulus7, "400000000013"},
      {"000000000066", SlipNumberRule::kModulus7, "000000000070"},  // 6 → 7: check digit 0
      {"099999999993", SlipNumberRule::kModulus7, "100000000004"},  // a carry over every digit
      {"0099", SlipNumberRule::kPlain, "0100"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.number);
    EXPECT_EQ(NextSlipNumber(c.number, c.rule), c.next);
  }
  EXPECT_THROW(NextSlipNumber("999999999994", SlipNumberRule::kModulus7), SlipNumberError);
  EXPECT_THROW(NextSlipNumber("9999", SlipNumberRule::kPlain), SlipNumberError);
}

class LedgerTest : public test::JournalTest {
 protected:
  RecordResult RecordJob(int paperMode, int slips) {
    std::vector<PrintedSlip> job;
    for (int i = 0; i < slips; ++i) {
      job.push_back(test::PrintedFromWindow(test::SlipTo("客" + std::to_string(i))));
      job.back().setup.paperMode = paperMode;
    }
    return RecordPrintedSlips(journal(), std::move(job));
  }
};

// Each slip of the paper mode takes the next form's number, a batch's in
// turn; the other paper mode, without a ledger, numbers none; a jam is
// mended by correcting the next number.
TEST_F(LedgerTest, SlipsTakeTheirFormsNumbersInTurn) {
  EXPECT_FALSE(ReadSlipNumberLedger(journal(), 0));
  SetSlipNumberLedger(journal(), 0, Sj("1234-5678-9013"), SlipNumberRule::kModulus7);
  EXPECT_EQ(RecordJob(0, 3).slipNumbers,
            (std::vector<std::string>{"123456789013", "123456789024", "123456789035"}));
  EXPECT_EQ(RecordJob(1, 1).slipNumbers, std::vector<std::string>{""});
  EXPECT_EQ(ReadSlipNumberLedger(journal(), 0)->nextNumber, "123456789046");

  SetSlipNumberLedger(journal(), 0, "123456789050", SlipNumberRule::kModulus7);  // one form jammed
  const RecordResult after = RecordJob(0, 1);
  EXPECT_EQ(after.slipNumbers, std::vector<std::string>{"123456789050"});
  EXPECT_EQ(FindSlip(journal(), after.ids[0])->slipNumber, "123456789050");

  EXPECT_THROW(SetSlipNumberLedger(journal(), 0, "123456789052", SlipNumberRule::kModulus7),
               SlipNumberError);
  EXPECT_EQ(ReadSlipNumberLedger(journal(), 0)->nextNumber, "123456789061");
  StopSlipNumberLedger(journal(), 0);
  EXPECT_EQ(RecordJob(0, 1).slipNumbers, std::vector<std::string>{""});
}

// The last number of a stock's width is printed, then the ledger stops.
TEST_F(LedgerTest, LastNumberIsTakenAndTheLedgerStops) {
  SetSlipNumberLedger(journal(), 0, "998", SlipNumberRule::kPlain);
  EXPECT_EQ(RecordJob(0, 3).slipNumbers, (std::vector<std::string>{"998", "999", ""}));
  EXPECT_FALSE(ReadSlipNumberLedger(journal(), 0));
}

}  // namespace
}  // namespace ruvo::journal
