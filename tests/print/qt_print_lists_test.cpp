#include "print/qt_print_lists.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace ruvo {
namespace {

PpdSummary OneSlot(std::string encoding, std::string text) {
  PpdSummary ppd;
  ppd.languageEncoding = std::move(encoding);
  ppd.inputSlots.push_back({"Manual", std::move(text)});
  return ppd;
}

// The source names reach the layer as CP932 whatever character set the
// driver's file uses.
TEST(ListPaperSourcesTest, NamesTheSourcesInCp932FromTheFilesEncoding) {
  struct Case {
    const char* encoding;
    std::string text;
    std::string expected;
  };
  const Case cases[] = {
      {"JIS83-RKSJ", "\x8E\xE8\x8D\xB7\x82\xB5", test::Sj("手差し")},
      {"UTF-8", "手差し", test::Sj("手差し")},
      {"ISOLatin1", "Manual Feed", "Manual Feed"},
      {"ISOLatin1", "2 \xD7 A4 \xB1 1mm", test::Sj("2 × A4 ± 1mm")},  // Latin-1 × and ±
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.encoding);
    const std::vector<PaperSourceEntry> sources = ListPaperSources(OneSlot(c.encoding, c.text));
    ASSERT_EQ(sources.size(), 1u);
    EXPECT_EQ(test::Utf8(sources[0].choice.name), test::Utf8(c.expected));
    EXPECT_EQ(sources[0].choice.code, 4);  // DMBIN_MANUAL
  }
}

}  // namespace
}  // namespace ruvo
