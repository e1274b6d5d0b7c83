#include "numedit/num_edit_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "num_fake_services.h"
#include "numedit/num_edit_presets.h"
#include "support/test_text.h"

namespace ruvo {
namespace {

using test::Sj;

class NumEditModelTest : public ::testing::Test {
 protected:
  NumEditModelTest() {
    model.SetOnChange([this] { ++changes; });
  }

  // Sets the value without counting it as a change under test.
  void Start(std::string_view text) {
    model.SetText(text);
    changes = 0;
  }

  void Type(std::string_view chars) {
    for (char c : chars)
      model.KeyPress(static_cast<unsigned char>(c));
  }

  test::FakeClipboard clipboard;
  test::FakeBeeper beeper;
  test::FakeWidthTest widthTest;
  NumEditModel model{clipboard, beeper, widthTest};
  int changes = 0;
};

TEST_F(NumEditModelTest, QuantityBoxStopsAtThreeDigitsWithoutASound) {
  model.Apply(num_presets::OvNumEdit_KOSUU().properties);
  EXPECT_EQ(model.ValueText(), "999");
  Start("");
  Type("1234");
  EXPECT_EQ(model.ValueText(), "123");
  Type(".");
  EXPECT_EQ(model.ValueText(), "123");
  EXPECT_EQ(beeper.beeps, 0);
  EXPECT_EQ(changes, 3);
}

struct TypingCase {
  std::string keys;
  std::string expected;
  int beeps;
};

TEST_F(NumEditModelTest, TypingBuildsTheValueAtItsRightEnd) {
  const std::vector<TypingCase> cases = {
      {"005", "5", 0},
      {".", "0.", 0},
      {".5", "0.5", 0},
      {"1.2345", "1.234", 1},  // a fourth decimal
      {"1..", "1.", 1},        // a second point
      {"-", "-", 0},
      {"-.", "-0.", 0},
      {"-0", "-0", 0},
      {"-05", "-5", 0},
      {"12-", "-12", 0},
      {"12--", "12", 0},
      {"123456789", "123456789", 0},
      {"1234567890", "123456789", 1},    // one past IntegerLength
      {"-1234567890", "-123456789", 1},  // the sign is not counted
      {"123456789.123", "123456789.123", 0},
      {"1a", "1", 1},
      {"\x1a", "", 1},  // Ctrl+Z is an ordinary refused character
  };
  for (const TypingCase& c : cases) {
    SCOPED_TRACE(c.keys);
    Start("");
    beeper.beeps = 0;
    Type(c.keys);
    EXPECT_EQ(model.ValueText(), c.expected);
    EXPECT_EQ(beeper.beeps, c.beeps);
  }
}

TEST_F(NumEditModelTest, LengthTestRunsBeforeLeadingZerosAreStripped) {
  model.Value().SetIntegerLength(1);
  Start("0");
  Type("5");
  EXPECT_EQ(model.ValueText(), "0");
  EXPECT_EQ(beeper.beeps, 1);
}

TEST_F(NumEditModelTest, MinusRefusedWhenNegativesAreOff) {
  model.Value().SetMinus(false);
  Start("12");
  Type("-");
  EXPECT_EQ(model.ValueText(), "12");
  EXPECT_EQ(beeper.beeps, 1);
  EXPECT_EQ(changes, 0);
}

TEST_F(NumEditModelTest, PointRefusedWithoutDecimalsEvenOverASelection) {
  model.Value().SetDecimalLength(0);
  Start("12");
  model.SelectAll();
  Type(".");
  EXPECT_EQ(model.ValueText(), "12");  // refused before the selection is cleared
  EXPECT_EQ(beeper.beeps, 1);
}

TEST_F(NumEditModelTest, BackspaceRemovesTheLastCharacterAndALonePoint) {
  const std::vector<TypingCase> cases = {
      {"12.5", "12", 0}, {"-5", "-", 0}, {"10", "1", 0}, {"0.", "0", 0}, {"7", "", 0},
  };
  for (const TypingCase& c : cases) {
    SCOPED_TRACE(c.keys);
    Start(c.keys);
    model.KeyDown(NumKey::kBackspace, kNoModifier);
    EXPECT_EQ(model.ValueText(), c.expected);
    EXPECT_EQ(changes, 1);
  }
}

TEST_F(NumEditModelTest, BackspaceOnASelectionClearsTheWholeValue) {
  Start("12.5");
  model.SelectAll();
  model.KeyDown(NumKey::kBackspace, kNoModifier);
  EXPECT_EQ(model.ValueText(), "");
  EXPECT_FALSE(model.Selected());
  EXPECT_EQ(model.UndoText(), "12.5");
  EXPECT_EQ(changes, 1);  // Clear only, no second store
}

struct OverSelectionCase {
  char typed;
  std::string expected;
};

TEST_F(NumEditModelTest, MinusAndPointReplaceASelectedValue) {
  const std::vector<OverSelectionCase> cases = {{'-', "-"}, {'.', "0."}, {'8', "8"}};
  for (const OverSelectionCase& c : cases) {
    SCOPED_TRACE(c.typed);
    Start("-12");
    model.SelectAll();
    model.KeyPress(static_cast<unsigned char>(c.typed));
    EXPECT_EQ(model.ValueText(), c.expected);
    EXPECT_EQ(changes, 2);  // the Clear and the insertion each raise it
    EXPECT_EQ(model.UndoText(), "");
  }
}

TEST_F(NumEditModelTest, SelectAllCoversTheShownTextWithMarksAndCommas) {
  model.Value().SetLeftMark(Sj("￥"));
  Start("1234");
  model.SelectAll();
  EXPECT_EQ(model.SelLength(), static_cast<int>(Sj("￥1,234").size()));
}

TEST_F(NumEditModelTest, BackspaceOnEmptyValueDoesNothing) {
  model.KeyDown(NumKey::kDelete, kNoModifier);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(beeper.beeps, 0);
  EXPECT_FALSE(model.CanUndo());
}

TEST_F(NumEditModelTest, LoneMinusIsEmptiedOnExitWithoutOnChange) {
  Start("-5");
  model.KeyDown(NumKey::kBackspace, kNoModifier);
  changes = 0;
  model.ExitFocus();
  EXPECT_EQ(model.ValueText(), "");
  EXPECT_EQ(model.DisplayText(), "");
  EXPECT_EQ(model.UndoText(), "-5");  // no undo snapshot either
  EXPECT_EQ(changes, 0);
}

TEST_F(NumEditModelTest, LoneMinusSurvivesExitWithMinusOnly) {
  model.Behaviour().options.Include(eoMinusOnly);
  Start("-");
  model.ExitFocus();
  EXPECT_EQ(model.ValueText(), "-");
}

TEST_F(NumEditModelTest, TypingOverSelectionRaisesOnChangeTwiceAndUndoGivesEmpty) {
  Start("123");
  model.EnterFocus();  // AutoSelect
  ASSERT_TRUE(model.Selected());
  Type("7");
  EXPECT_EQ(model.ValueText(), "7");
  EXPECT_EQ(changes, 2);
  EXPECT_FALSE(model.Selected());
  model.EditMenuClick(0);
  EXPECT_EQ(model.ValueText(), "");
}

TEST_F(NumEditModelTest, SecondUndoRestoresTheStateBeforeTheFirst) {
  Start("12");
  Type("3");
  model.Undo();
  EXPECT_EQ(model.ValueText(), "12");
  EXPECT_EQ(model.SelLength(), 2);  // Undo selects the restored value
  model.Undo();
  EXPECT_EQ(model.ValueText(), "123");
  EXPECT_EQ(model.DisplayText(), "123");
  EXPECT_EQ(changes, 3);
}

TEST_F(NumEditModelTest, UndoWithoutSnapshotDoesNothing) {
  Start("5");
  model.Undo();
  EXPECT_EQ(model.ValueText(), "5");
  EXPECT_EQ(changes, 0);
}

TEST_F(NumEditModelTest, WritingTextTakesNoSnapshotAndKeepsSelection) {
  Start("12");
  model.SelectAll();
  model.SetText("3456");
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(model.CanUndo());
  EXPECT_EQ(model.SelLength(), 2);
}

TEST_F(NumEditModelTest, InputStopRefusesWhatWouldNotFit) {
  widthTest.maxBytes = 3;
  Start("123");
  Type("4");
  EXPECT_EQ(model.ValueText(), "1234");  // the option is off: the limits alone count
  model.Behaviour().options.Include(eoORInputStop);
  Start("123");
  beeper.beeps = 0;
  Type("4");
  Type(".");
  Type("-");
  EXPECT_EQ(model.ValueText(), "123");
  EXPECT_EQ(beeper.beeps, 3);
  Start("-12");
  Type("-");  // taking the sign off needs no width test
  EXPECT_EQ(model.ValueText(), "12");
}

TEST_F(NumEditModelTest, PasteAppendsThroughTheParseRules) {
  model.Value().SetIntegerLength(3);
  Start("123");
  clipboard.SetText("4");
  model.KeyDown(NumKey::kV, kCtrl);
  EXPECT_EQ(model.ValueText(), "");  // the integer part grew too long
  EXPECT_EQ(model.UndoText(), "123");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(beeper.beeps, 0);
}

TEST_F(NumEditModelTest, PasteReplacesASelectedValue) {
  Start("55");
  model.SelectAll();
  clipboard.SetText(Sj("１，０００"));
  model.PasteFromClipboard();
  EXPECT_EQ(model.ValueText(), "1000");
  EXPECT_FALSE(model.Selected());
  EXPECT_EQ(changes, 1);
}

TEST_F(NumEditModelTest, PasteWithoutTextDoesNothing) {
  Start("5");
  model.PasteFromClipboard();
  EXPECT_EQ(changes, 0);
  EXPECT_FALSE(model.CanUndo());
  clipboard.SetText(std::string("\x82", 1));  // a lone lead byte appends nothing
  model.PasteFromClipboard();
  EXPECT_EQ(model.ValueText(), "5");
  EXPECT_EQ(changes, 1);
}

TEST_F(NumEditModelTest, CopyPutsValueOrShownText) {
  model.Value().SetDecimalFixed(true);
  model.Value().SetLeftMark(Sj("￥"));
  Start("1234.5");
  model.SelectAll();
  model.KeyDown(NumKey::kC, kCtrl);
  EXPECT_EQ(clipboard.text, "1234.5");
  model.Behaviour().imageCopy = true;
  model.CopyToClipboard();
  EXPECT_EQ(clipboard.text, Sj("￥1,234.500"));
}

TEST_F(NumEditModelTest, CopyAndCutWithoutSelectionChangeNothing) {
  Start("12");
  model.KeyDown(NumKey::kC, kCtrl);
  model.KeyDown(NumKey::kX, kCtrl);
  EXPECT_FALSE(clipboard.hasText);
  EXPECT_EQ(model.ValueText(), "12");
  EXPECT_EQ(changes, 0);
}

TEST_F(NumEditModelTest, CutRaisesOnChangeTwice) {
  Start("12");
  model.SelectAll();
  model.KeyDown(NumKey::kX, kCtrl);
  EXPECT_EQ(clipboard.text, "12");
  EXPECT_EQ(model.ValueText(), "");
  EXPECT_EQ(changes, 2);
}

TEST_F(NumEditModelTest, ReadOnlyRefusesChangesSilentlyButSelectsAndCopies) {
  Start("12");
  model.Behaviour().readOnly = true;
  Type("3-.");
  EXPECT_EQ(model.KeyDown(NumKey::kBackspace, kNoModifier), KeyDownResult{});
  EXPECT_EQ(model.KeyDown(NumKey::kV, kCtrl), KeyDownResult{});
  EXPECT_EQ(model.ValueText(), "12");
  EXPECT_EQ(beeper.beeps, 0);
  model.KeyDown(NumKey::kA, kCtrl);
  model.KeyDown(NumKey::kC, kCtrl);
  EXPECT_EQ(clipboard.text, "12");
  model.KeyDown(NumKey::kX, kCtrl);
  EXPECT_EQ(model.ValueText(), "12");
  EXPECT_EQ(changes, 0);
}

TEST_F(NumEditModelTest, ReadOnlyMenuOffersOnlyCopyAndSelectAll) {
  Start("12");
  Type("3");
  clipboard.SetText("4");
  model.Behaviour().readOnly = true;
  model.SelectAll();
  const std::vector<bool> selected = {false, false, false, true, false, false, false, false};
  for (int tag = 0; tag < NumEditModel::kEditMenuSize; ++tag) {
    SCOPED_TRACE(tag);
    EXPECT_EQ(model.EditMenuEnabled(tag), selected[static_cast<std::size_t>(tag)]);
  }
  model.ClearSelection();
  EXPECT_TRUE(model.EditMenuEnabled(7));
  model.EditMenuClick(0);  // disabled: no undo
  EXPECT_EQ(model.ValueText(), "123");
}

TEST_F(NumEditModelTest, MenuEntriesFollowSelectionUndoAndClipboard) {
  EXPECT_FALSE(model.EditMenuEnabled(7));  // nothing to select
  Start("12");
  const std::vector<bool> fresh = {false, false, false, false, false, false, false, true};
  for (int tag = 0; tag < NumEditModel::kEditMenuSize; ++tag) {
    SCOPED_TRACE(tag);
    EXPECT_EQ(model.EditMenuEnabled(tag), fresh[static_cast<std::size_t>(tag)]);
  }
  clipboard.SetText("");
  model.SelectAll();
  const std::vector<bool> selected = {false, false, true, true, true, true, false, false};
  for (int tag = 0; tag < NumEditModel::kEditMenuSize; ++tag) {
    SCOPED_TRACE(tag);
    EXPECT_EQ(model.EditMenuEnabled(tag), selected[static_cast<std::size_t>(tag)]);
  }
  model.EditMenuClick(5);  // Delete
  EXPECT_EQ(model.ValueText(), "");
  EXPECT_TRUE(model.EditMenuEnabled(0));
}

TEST_F(NumEditModelTest, MenuCaptionsAreTheSystemTexts) {
  const auto& entries = NumEditModel::EditMenuEntries();
  EXPECT_EQ(std::string(entries[0].caption), Sj("元に戻す(&U)"));
  EXPECT_EQ(std::string(entries[1].caption), "-");
  EXPECT_EQ(std::string(entries[2].caption), Sj("切り取り(&T)"));
  EXPECT_EQ(std::string(entries[3].caption), Sj("コピー(&C)"));
  EXPECT_EQ(std::string(entries[4].caption), Sj("貼り付け(&P)"));
  EXPECT_EQ(std::string(entries[5].caption), Sj("削除(&D)"));
  EXPECT_EQ(std::string(entries[7].caption), Sj("すべて選択(&A)"));
}

struct KeyCase {
  NumKey key;
  NumModifiers modifiers;
  bool consumed;
  bool selectedAfter;  // starting from a selected value
};

TEST_F(NumEditModelTest, KeyDownMatchesModifiersExactly) {
  const std::vector<KeyCase> cases = {
      {NumKey::kLeft, kShift, true, true},           {NumKey::kRight, kShift, true, true},
      {NumKey::kLeft, kNoModifier, true, false},     {NumKey::kHome, kNoModifier, true, false},
      {NumKey::kPageDown, kNoModifier, true, false}, {NumKey::kUp, kNoModifier, true, false},
      {NumKey::kLeft, kShift | kCtrl, false, true},  // Shift only means no Ctrl
      {NumKey::kA, kCtrl | kAlt, false, true},       {NumKey::kHome, kShift, false, true},
      {NumKey::kOther, kNoModifier, false, true},    {NumKey::kA, kNoModifier, false, true},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.key) * 10 + c.modifiers);
    Start("12");
    model.SelectAll();
    EXPECT_EQ(model.KeyDown(c.key, c.modifiers).consumed, c.consumed);
    EXPECT_EQ(model.Selected(), c.selectedAfter);
    EXPECT_EQ(model.ValueText(), "12");
  }
}

TEST_F(NumEditModelTest, ShiftArrowSelectsFromNothing) {
  Start("12");
  model.KeyDown(NumKey::kLeft, kShift);
  EXPECT_EQ(model.SelLength(), 2);
}

TEST_F(NumEditModelTest, ArrowsMoveTheFocusOnlyWhenAllowed) {
  EXPECT_EQ(model.KeyDown(NumKey::kUp, kNoModifier), (KeyDownResult{true, FocusMove::kNone}));
  model.Behaviour().arrowFocusMove = true;
  EXPECT_EQ(model.KeyDown(NumKey::kUp, kNoModifier), (KeyDownResult{true, FocusMove::kPrevious}));
  EXPECT_EQ(model.KeyDown(NumKey::kDown, kNoModifier), (KeyDownResult{true, FocusMove::kNext}));
  model.Behaviour().options.Exclude(eoArrowDown);
  EXPECT_EQ(model.KeyDown(NumKey::kDown, kNoModifier), (KeyDownResult{true, FocusMove::kNone}));
  model.Behaviour().readOnly = true;  // focus moves still work
  EXPECT_EQ(model.KeyDown(NumKey::kUp, kNoModifier), (KeyDownResult{true, FocusMove::kPrevious}));
}

TEST_F(NumEditModelTest, EnterBeepsOrMovesToTheNextControl) {
  EXPECT_EQ(model.KeyPress(13), FocusMove::kNone);
  EXPECT_EQ(beeper.beeps, 1);
  model.Behaviour().errorBeep = false;
  model.KeyPress(13);
  EXPECT_EQ(beeper.beeps, 1);
  model.Behaviour().enterFocusMove = true;
  EXPECT_EQ(model.KeyPress(13), FocusMove::kNext);
}

TEST_F(NumEditModelTest, ControlCharactersOfKeyDownWorkAreSilent) {
  for (unsigned ch : {1u, 3u, 8u, 22u, 24u})
    model.KeyPress(ch);
  EXPECT_EQ(beeper.beeps, 0);
  model.KeyPress(0);
  model.KeyPress(',');
  model.KeyPress(0x8143);  // a full-width comma is not translated
  EXPECT_EQ(beeper.beeps, 3);
}

TEST_F(NumEditModelTest, DoubleClickSelectionSurvivesTheFollowingButtonDown) {
  Start("12");
  model.DoubleClick();
  EXPECT_FALSE(model.TakesFocusOnLeftButton());
  model.LeftButtonDown();
  EXPECT_TRUE(model.Selected());
  EXPECT_TRUE(model.TakesFocusOnLeftButton());
  model.LeftButtonDown();
  EXPECT_FALSE(model.Selected());
}

TEST_F(NumEditModelTest, DragSelectsOnlyOverTheNumber) {
  Start("12");
  model.LeftButtonDrag(9, 10, 20);
  EXPECT_FALSE(model.Selected());
  model.LeftButtonDrag(20, 10, 20);
  EXPECT_TRUE(model.Selected());
}

TEST_F(NumEditModelTest, SelectAllOnEmptyValueSelectsNothing) {
  model.EnterFocus();
  EXPECT_FALSE(model.Selected());
  model.Behaviour().autoSelect = false;
  Start("5");
  model.EnterFocus();
  EXPECT_FALSE(model.Selected());
}

TEST_F(NumEditModelTest, ExitKeepsSelectionWithoutHideSelection) {
  Start("5");
  model.SelectAll();
  model.Behaviour().hideSelection = false;
  model.ExitFocus();
  EXPECT_TRUE(model.Selected());
}

TEST(ImeCharToInputCharTest, TranslatesFullWidthNumberCharacters) {
  EXPECT_EQ(ImeCharToInputChar(0x8254), unsigned('5'));  // ５
  EXPECT_EQ(ImeCharToInputChar(0x824F), unsigned('0'));  // ０
  EXPECT_EQ(ImeCharToInputChar(0x8258), unsigned('9'));  // ９
  EXPECT_EQ(ImeCharToInputChar(0x817C), unsigned('-'));  // －
  EXPECT_EQ(ImeCharToInputChar(0x8144), unsigned('.'));  // ．
  EXPECT_EQ(ImeCharToInputChar(0x8143), 0x8143u);        // ， stays and is refused
  EXPECT_EQ(ImeCharToInputChar(0x824E), 0x824Eu);        // one before ０
  EXPECT_EQ(ImeCharToInputChar(0x8259), 0x8259u);        // one past ９
}

}  // namespace
}  // namespace ruvo
