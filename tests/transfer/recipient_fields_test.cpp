#include "transfer/recipient_fields.h"

#include <gtest/gtest.h>

#include "test_text.h"

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

TEST(PostalCodeFieldText, KeepsKanaOnlyInHalfWidth) {
  EXPECT_EQ(PostalCodeFieldText(Sj("〒１０５")), Sj("〒") + "105");
  EXPECT_EQ(TelephoneFieldText(Sj("０３（代）")), Sj("03(代)"));
}

}  // namespace
}  // namespace ruvo
