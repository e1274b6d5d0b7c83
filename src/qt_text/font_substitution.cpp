#include "qt_text/font_substitution.h"

#include <array>
#include <string_view>

#include "qt_text/qt_text.h"

namespace ruvo {

namespace {

struct FontSubstitute {
  std::u16string_view face;       // the face the program names
  std::u16string_view installed;  // the installed family drawn instead
};

constexpr std::array kFontSubstitutes{
    FontSubstitute{u"ＭＳ Ｐ明朝", u"IPAPMincho"},          // proportional Mincho
    FontSubstitute{u"ＭＳ 明朝", u"IPAMincho"},             // fixed-pitch Mincho
    FontSubstitute{u"ＭＳ Ｐゴシック", u"IPAPGothic"},      // proportional Gothic
    FontSubstitute{u"ＭＳ ゴシック", u"IPAGothic"},         // fixed-pitch Gothic
    FontSubstitute{u"Lucida Sans Unicode", u"DejaVu Sans"}  // digits, dates, marks
};

}  // namespace

QString SubstituteFontFamily(std::string_view faceCp932) {
  const QString face = Cp932ToQString(faceCp932);
  for (const auto& row : kFontSubstitutes) {
    if (face == QStringView(row.face)) return QStringView(row.installed).toString();
  }
  return face;
}

}  // namespace ruvo
