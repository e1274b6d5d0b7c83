#include "batch/csv_encoding.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace ruvo::batch {
namespace {

TEST(DetectCsvEncoding, TellsUtf8FromCp932ByTheBytes) {
  const struct {
    const char* name;
    std::string bytes;
    CsvEncoding encoding;
  } cases[] = {
      {"byte-order mark",
       "\xEF\xBB\xBF"
       "a,b\r\n",
       CsvEncoding::kUtf8},
      {"well-formed UTF-8 beyond ASCII", "郵便番号,氏名\r\n", CsvEncoding::kUtf8},
      {"CP932 Japanese", test::Sj("郵便番号,氏名\r\n"), CsvEncoding::kCp932},
      // ASCII reads the same either way; CP932 is what the window's files are.
      {"ASCII alone", "zip,name\r\n", CsvEncoding::kCp932},
      {"empty", "", CsvEncoding::kCp932},
      // One broken sequence makes the file no UTF-8, however much else is.
      {"UTF-8 with a stray CP932 byte", "郵便番号," + test::Sj("氏名"), CsvEncoding::kCp932},
      {"UTF-8 cut inside its last character", "郵便番号\xE7\x95", CsvEncoding::kCp932},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DetectCsvEncoding(c.bytes), c.encoding);
  }
}

}  // namespace
}  // namespace ruvo::batch
