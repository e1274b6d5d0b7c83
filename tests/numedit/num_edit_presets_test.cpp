#include "numedit/num_edit_presets.h"

#include <gtest/gtest.h>

#include "num_fake_services.h"
#include "numedit/num_edit_model.h"
#include "support/test_text.h"

namespace ruvo {
namespace {

class NumEditPresetsTest : public ::testing::Test {
 protected:
  // A box set up from `box`'s settings, its initial text already written.
  NumEditModel& Build(const num_presets::NumEditInstance& box) {
    model.Apply(box.properties);
    return model;
  }
  void Type(std::string_view chars) {
    for (char c : chars)
      model.KeyPress(static_cast<unsigned char>(c));
  }

  test::FakeClipboard clipboard;
  test::FakeBeeper beeper;
  test::FakeWidthTest widthTest;
  NumEditModel model{clipboard, beeper, widthTest};
};

TEST_F(NumEditPresetsTest, MarginBoxesTakeASignAndAPointSilently) {
  Build(num_presets::OvNumEdit_TOP());
  model.SetText("");
  Type("-1.5x");
  EXPECT_EQ(model.ValueText(), "-1.5");
  EXPECT_EQ(beeper.beeps, 0);  // the refused "x" makes no sound
}

TEST_F(NumEditPresetsTest, AmountBoxStartsAtZeroAndTakesSevenDigits) {
  Build(num_presets::OvNumEdit_PriceSub());
  EXPECT_EQ(model.ValueText(), "0");
  Type("12345678");
  EXPECT_EQ(model.ValueText(), "1234567");
}

TEST_F(NumEditPresetsTest, TransferReaderUsesTheDefaultRules) {
  Build(num_presets::OvNumEdit_ZenChk());
  model.SetText(test::Sj("１，２３４．５６７８円"));
  EXPECT_EQ(model.ValueText(), "1234.567");
  model.SetText("1234567890");
  EXPECT_EQ(model.ValueText(), "");
}

TEST_F(NumEditPresetsTest, BoxesUseTheProgramFont) {
  EXPECT_EQ(std::string(num_presets::kFontFace), test::Sj("ＭＳ Ｐゴシック"));
}

}  // namespace
}  // namespace ruvo
