#include "qt_text/font_substitution.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>

#include "support/gui_app.h"
#include "support/test_text.h"

namespace ruvo {
namespace {

using test::Sj;

// Each face the program names must land on a font that is really installed:
// a missing font package would silently fall back to some other family and
// move every text on the slip.
TEST(FontSubstitution, EveryNamedFaceResolvesToAnInstalledFamily) {
  test::EnsureGuiApplication();
  const QStringList installed = QFontDatabase::families();
  for (const char* face :
       {"ＭＳ Ｐ明朝", "ＭＳ 明朝", "ＭＳ Ｐゴシック", "ＭＳ ゴシック", "Lucida Sans Unicode"}) {
    SCOPED_TRACE(face);
    const QString family = SubstituteFontFamily(Sj(face));
    EXPECT_TRUE(installed.contains(family)) << family.toStdString();
    EXPECT_EQ(QFontInfo(QFont(family)).family(), family);
  }
}

TEST(FontSubstitution, ProportionalFacesGetProportionalFamilies) {
  EXPECT_EQ(SubstituteFontFamily(Sj("ＭＳ Ｐ明朝")), QStringLiteral("IPAPMincho"));
  EXPECT_EQ(SubstituteFontFamily(Sj("ＭＳ 明朝")), QStringLiteral("IPAMincho"));
  EXPECT_EQ(SubstituteFontFamily(Sj("ＭＳ Ｐゴシック")), QStringLiteral("IPAPGothic"));
}

TEST(FontSubstitution, PassesUnknownFacesOn) {
  EXPECT_EQ(SubstituteFontFamily("Unknown Face"), QStringLiteral("Unknown Face"));
}

}  // namespace
}  // namespace ruvo
