#include "settings/text_encoding.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/test_text.h"

namespace ruvo::settings {
namespace {

using test::Sj;

struct EncodingCase {
  const char* name;
  std::string content;
  std::optional<std::string_view> encoding;
};

TEST(TextEncoding, TellsUtf8AndUtf16FromShiftJis) {
  const EncodingCase cases[] = {
      {"settings saved as UTF-8 by an editor", "[rv_RezovodPrn]\r\nE_CUS=山田太郎\r\n", kUtf8Name},
      {"UTF-8 with a byte-order mark, ASCII after it", "\xEF\xBB\xBF[rv_RezovodPrn]\r\n",
       kUtf8Name},
      {"UTF-16 with its mark", std::string("\xFF\xFE[\0s\0]\0", 8), kUtf16Name},
      {"the same settings in Shift-JIS", Sj("[rv_RezovodPrn]\r\nE_CUS=山田太郎\r\n"), std::nullopt},
      {"ASCII only reads the same either way", "[rv_RezovodPrn]\r\nKOSUU=1\r\n", std::nullopt},
      {"an accented letter alone is no sign", "E_CUS=Jos\xC3\xA9\r\n", std::nullopt},
      // "ﾃｽ" is C3 BD in CP932, which is also "ý" in UTF-8.
      {"half-width katakana that look like UTF-8", Sj("E_CUS=ﾃｽ\r\n"), std::nullopt},
      {"Shift-JIS kana among UTF-8", "E_CUS=山田\r\n" + Sj("E_AD1=あ\r\n"), std::nullopt},
      {"overlong form of a slash", "E_CUS=\xE0\x80\xAF\r\n", std::nullopt},
      {"UTF-8 cut inside its last character", "E_CUS=\xE5\xB1", std::nullopt},
      {"empty file", "", std::nullopt},
  };
  for (const EncodingCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ForeignEncodingOf(c.content), c.encoding);
  }
}

}  // namespace
}  // namespace ruvo::settings
