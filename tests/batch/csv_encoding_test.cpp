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
      // Broken sequences beyond a few in eight make the file no UTF-8.
      {"UTF-8 with a CP932 word", "郵便番号," + test::Sj("氏名"), CsvEncoding::kCp932},
      {"UTF-8 cut inside its last character", "郵便番号\xE7\x95", CsvEncoding::kCp932},
      // A byte damaged among many good characters leaves it UTF-8: the
      // field holding it is reported, the rest reads.
      {"UTF-8 with one damaged byte",
       "郵便番号,住所1,氏名\r\n105-0011,東京都港区芝公園,山田\xE5\xB1"
       "\r\n",
       CsvEncoding::kUtf8},
      {"UTF-16LE mark",
       std::string("\xFF\xFE"
                   "a\0",
                   4),
       CsvEncoding::kUtf16Le},
      {"UTF-16BE mark",
       std::string("\xFE\xFF\0"
                   "a",
                   4),
       CsvEncoding::kUtf16Be},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DetectCsvEncoding(c.bytes), c.encoding);
  }
}

}  // namespace
}  // namespace ruvo::batch
