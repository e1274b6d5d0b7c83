#include "transfer/recipient_fields.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace ruvo {
namespace {

using test::Sj;

TEST(AsHeldByWindow, ConvertsOnlyPostalCodeAndTelephone) {
  const RecipientFields written{Sj("１０５－００１１"), Sj("東京都港区１－２"), Sj("ビル３Ｆ"),
                                Sj("ヤマダ"), Sj("０３－１２３４－５６７８")};
  const RecipientFields held = AsHeldByWindow(written);
  EXPECT_EQ(held.zip, "105-0011");
  EXPECT_EQ(held.tel, "03-1234-5678");
  EXPECT_EQ(held.add1, written.add1);
  EXPECT_EQ(held.add2, written.add2);
  EXPECT_EQ(held.name, written.name);
}

TEST(FieldTextAsHeld, ConvertsTheHalfWidthFieldsAndLeavesMarksAndKanji) {
  EXPECT_EQ(FieldTextAsHeld(SlipField::kRecipientZip, Sj("〒１０５")), Sj("〒") + "105");
  EXPECT_EQ(FieldTextAsHeld(SlipField::kRecipientTel, Sj("０３（代）")), Sj("03(代)"));
  EXPECT_EQ(FieldTextAsHeld(SlipField::kSenderZip, Sj("１５０")), Sj("１５０"));
}

TEST(AddressLengthWarning, WarnsOnlyAboveFortyBytes) {
  const std::string warning = "警告:おところ①の文字数が多すぎます。　おところ②へ分割してください";
  struct Case {
    std::string add1;
    std::string expected;
  };
  const Case cases[] = {
      {"", ""},
      {std::string(40, 'a'), ""},
      {std::string(41, 'a'), warning},
      {Sj("東京都港区芝公園一丁目二番三号ハイツ芝公"), ""},         // 20 full-width: 40 bytes
      {Sj("東京都港区芝公園一丁目二番三号ハイツ芝公園"), warning},  // 21 full-width: 42 bytes
      {Sj("東京都港区芝公園一丁目二番三号ハイツ芝公") + "1", warning},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(test::Utf8(c.add1));
    EXPECT_EQ(test::Utf8(AddressLengthWarning(c.add1)), c.expected);
  }
}

}  // namespace
}  // namespace ruvo
