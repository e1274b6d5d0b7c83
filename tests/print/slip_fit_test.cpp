#include "print/slip_fit.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "print/fake_text_measurer.h"
#include "print/known_slip.h"
#include "print/lm_d97_dot.h"
#include "print/slip_layout.h"
#include "print/slip_proof.h"

namespace ruvo {
namespace {

using test::Sj;

const SlipPrintValues k360Dpi{"360", "360", "12", "-8"};

std::vector<std::string> NamesOf(const std::vector<FieldOverflow>& overflows) {
  std::vector<std::string> names;
  for (const auto& overflow : overflows)
    names.emplace_back(overflow.name);
  return names;
}

// The dates, the quantity's digits and the time-slot mark are the
// program's own; only what was typed can outgrow its box.
TEST(SlipFitTest, MeasuresTypedTextsAloneAndInLayoutOrder) {
  test::FakeTextMeasurer measurer;
  measurer.stretch = 100;
  const auto names = NamesOf(MeasureOverflows(test::KnownSlip(), k360Dpi, measurer));
  ASSERT_EQ(names.size(), 28u);  // every typed field of the slip, the sender's two lines
  EXPECT_EQ(names.front(), "wished month");
  EXPECT_EQ(names[9], "tel");
  EXPECT_EQ(names.back(), "sender name");
  for (const char* own : {"year", "quantity 1", "slot 12-14"}) {
    EXPECT_EQ(std::find(names.begin(), names.end(), own), names.end()) << own;
  }
}

TEST(SlipFitTest, OverflowRoundsUpToATenthBeyondHalfAMillimetre) {
  SlipRecord slip = test::KnownSlip();
  slip.recipientName = Sj("山");  // one em: far inside the box
  test::FakeTextMeasurer measurer;
  const double box = 1049 * 25.4 / 360;  // the name's box at 360 dpi
  const double oneEm = 11 * 25.4 / 72;
  const struct {
    double over;
    std::vector<double> reported;
  } rows[] = {{0.49, {}}, {0.51, {0.6}}, {1.0, {1.0}}, {1.01, {1.1}}, {11.95, {12}}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.over);
    measurer.extraMm = box - oneEm + row.over;
    measurer.stretch = 1;
    std::vector<double> reported;
    for (const auto& overflow : MeasureOverflows(slip, k360Dpi, measurer)) {
      if (overflow.name == "name") reported.push_back(overflow.mm);
    }
    ASSERT_EQ(reported.size(), row.reported.size());
    if (!reported.empty()) {
      EXPECT_NEAR(reported[0], row.reported[0], 1e-9);
    }
  }
}

// At 110 % across, the name's box is 81.4 mm; the finer axis of a 360 × 180
// dpi printer is the one a page is painted at.
TEST(SlipFitTest, BoxesStretchWithTheScaleAndTextsAreMeasuredAtTheFinerResolution) {
  SlipRecord slip = test::KnownSlip();
  slip.recipientName = test::FortyByteName();
  const test::FakeTextMeasurer measurer;
  EXPECT_TRUE(MeasureOverflows(slip, {"360", "180", "", "", "1100", ""}, measurer).empty());
  EXPECT_TRUE(
      std::all_of(measurer.dpis.begin(), measurer.dpis.end(), [](int dpi) { return dpi == 360; }));
  EXPECT_EQ(MeasureOverflows(slip, {"180", "360", "", "", "", "1100"}, measurer).size(), 1u);
}

TEST(SlipFitTest, WarningNamesTheFieldAndTheMillimetres) {
  EXPECT_EQ(OverflowWarning({"name", Sj("おなまえ"), 12}),
            Sj("おなまえが枠に収まりません (12 mm はみ出します)"));
  EXPECT_EQ(OverflowWarning({"goods 2", Sj("品名2"), 3.6}),
            Sj("品名2が枠に収まりません (3.6 mm はみ出します)"));
}

// The proof is the slip as F11 prints it with the outlines over it; what
// does not fit is red, with its warning under its box.
TEST(SlipProofTest, SlipTextsThenTheirOutlinesOverflowInRed) {
  SlipRecord slip = test::KnownSlip();
  slip.recipientName = test::FortyByteName();
  const DrawList texts = SLIP97_Prn(slip, k360Dpi);
  const std::string caption = Sj("おなまえ");
  const FieldOverflow name{"name", caption, 3.6};
  const DrawList proof = SlipProof(slip, k360Dpi, {&name, 1});
  ASSERT_GT(proof.size(), texts.size());
  std::size_t frames = 0;
  for (std::size_t i = 0; i < proof.size(); ++i) {
    const DrawOp& op = proof[i];
    if (i < texts.size()) {
      DrawOp black = op;
      black.ink = DrawInk::kBlack;
      EXPECT_EQ(black, texts[i]);
      EXPECT_EQ(op.ink, op.text == slip.recipientName ? DrawInk::kRed : DrawInk::kBlack);
    } else if (op.shape == DrawShape::kFrame) {
      ++frames;
      // The name's box: 220, 330, 466 × 25 units.
      const bool nameBox = op.x == 495 - 8 && op.y == 743 + 12;
      EXPECT_EQ(op.ink, nameBox ? DrawInk::kRed : DrawInk::kGrey);
      if (nameBox) {
        EXPECT_EQ(op.x2, 1544 - 8);
      }
    }
  }
  // Every field the slip shows: the one-line sender address is not one.
  EXPECT_EQ(frames, SlipLayout().size() - 1);
  EXPECT_EQ(proof.back().text, OverflowWarning(name));
  EXPECT_EQ(proof.back().ink, DrawInk::kRed);
}

}  // namespace
}  // namespace ruvo
