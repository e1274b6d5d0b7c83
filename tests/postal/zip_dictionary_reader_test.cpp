#include "postal/zip_dictionary_reader.h"

#include <gtest/gtest.h>

#include <vector>

#include "settings/file_errors.h"
#include "settings/temp_dir.h"
#include "test_text.h"
#include "zip_dictionary_fixture.h"

namespace ruvo::postal {
namespace {

using test::EucJis;
using test::Sj;
using test::Utf8;

struct Read {
  std::vector<std::string> lines;  // "code address [office]" in UTF-8
  std::size_t skipped = 0;
};

Read Parse(std::string_view cp932, ZipDictionaryKind kind = ZipDictionaryKind::Areas) {
  Read read;
  read.skipped = ParseZipDictionary(cp932, kind, [&](const ZipRecord& record) {
    std::string line = DigitsOf(record.code) + " " + Utf8(record.address);
    if (!record.office.empty()) line += " [" + Utf8(record.office) + "]";
    read.lines.push_back(line);
  });
  return read;
}

TEST(ZipDictionaryReader, ReadsEveryAddressOfTheAreasDictionary) {
  const Read read = Parse(DecodeZipDictionary(EucJis(test::kAreasUtf8)));
  EXPECT_EQ(read.skipped, 0u);
  EXPECT_EQ(read.lines,
            (std::vector<std::string>{
                "0010024 北海道札幌市北区北二十四条西", "0028089 北海道石狩郡当別町ビトエ",
                "0028089 北海道石狩郡当別町ビトエ中島", "0295506 岩手県和賀郡西和賀町湯之沢",
                "0600000 北海道札幌市中央区", "1000013 東京都千代田区霞が関",
                "1050011 東京都港区芝公園", "1050014 東京都港区芝",
                "9071801 沖縄県八重山郡与那国町〓〓",  // 𩸽 and 鷗 are no CP932
            }));
}

TEST(ZipDictionaryReader, SplitsOfficeNameFromAddress) {
  const Read read =
      Parse(DecodeZipDictionary(EucJis(test::kOfficesUtf8)), ZipDictionaryKind::Offices);
  EXPECT_EQ(read.lines, (std::vector<std::string>{
                            "0018612 北海道札幌市北区北二十四条西６丁目１番１号 [札幌市北区役所]",
                            "1008994 東京都千代田区丸の内２丁目７－２ [東京中央郵便局]",
                        }));
}

TEST(ZipDictionaryReader, AcceptsTheFormsDebianMayWrite) {
  const struct {
    std::string_view line;  // UTF-8
    std::string_view read;  // the records, "|" between them
  } cases[] = {
      {"1050011 /東京都港区芝公園/\r", "1050011 東京都港区芝公園"},       // CRLF
      {"1050011  /東京都港区芝公園/", "1050011 東京都港区芝公園"},        // two blanks
      {"1050011 /東京都港区芝公園;旧町名/", "1050011 東京都港区芝公園"},  // annotation
      {"1050011 /東京都港区芝公園/東京都港区芝/",
       "1050011 東京都港区芝公園|1050011 東京都港区芝"},  // two entries
      {";1050011 /東京都港区芝公園/", ""},                // comment
      {"", ""},                                           // empty line
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const Read read = Parse(Sj(c.line));
    std::string joined;
    for (const std::string& line : read.lines)
      joined += (joined.empty() ? "" : "|") + line;
    EXPECT_EQ(joined, c.read);
    EXPECT_EQ(read.skipped, 0u);
  }
}

TEST(ZipDictionaryReader, SkipsMalformedLinesWhole) {
  const std::string longEntry(kMaxZipEntryBytes + 1, 'a');
  const struct {
    std::string line;  // UTF-8
    ZipDictionaryKind kind;
  } cases[] = {
      {"105001 /東京都港区/", ZipDictionaryKind::Areas},            // six digits
      {"10500111 /東京都港区/", ZipDictionaryKind::Areas},          // eight digits
      {"1O50011 /東京都港区/", ZipDictionaryKind::Areas},           // letter O
      {"１０５００１１ /東京都港区/", ZipDictionaryKind::Areas},    // full-width digits
      {"1050011/東京都港区/", ZipDictionaryKind::Areas},            // no blank
      {"1050011 東京都港区/", ZipDictionaryKind::Areas},            // no opening "/"
      {"1050011 /東京都港区", ZipDictionaryKind::Areas},            // entry not closed
      {"1050011 /東京都港区/余り", ZipDictionaryKind::Areas},       // text after the last "/"
      {"1050011 //", ZipDictionaryKind::Areas},                     // empty entry
      {"1050011 /東京都港区芝//", ZipDictionaryKind::Areas},        // empty second entry
      {"1050011 /;注釈/", ZipDictionaryKind::Areas},                // annotation alone
      {"1050011 /東京都\t港区/", ZipDictionaryKind::Areas},         // control byte
      {"1050011", ZipDictionaryKind::Areas},                        // code alone
      {"1050011 /" + longEntry + "/", ZipDictionaryKind::Areas},    // entry too long
      {"1008994 /東京中央郵便局/", ZipDictionaryKind::Offices},     // no " @ "
      {"1008994 / @ 東京都千代田区/", ZipDictionaryKind::Offices},  // no name
      {"1008994 /東京中央郵便局 @ /", ZipDictionaryKind::Offices},  // no address
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    // The good lines around the bad one survive it.
    const std::string_view good = c.kind == ZipDictionaryKind::Areas ? "/A/" : "/N @ A/";
    const std::string text =
        "1000000 " + std::string(good) + "\n" + Sj(c.line) + "\n9999999 " + std::string(good);
    const Read read = Parse(text, c.kind);
    EXPECT_EQ(read.skipped, 1u);
    ASSERT_EQ(read.lines.size(), 2u);
    EXPECT_EQ(read.lines[0].substr(0, 7), "1000000");
    EXPECT_EQ(read.lines[1].substr(0, 7), "9999999");
  }
}

TEST(ZipDictionaryReader, DecodesCharactersCp932CannotHoldAsGeta) {
  // "か゚" is one EUC-JIS-2004 character, a kana and a combining mark in
  // Unicode; the mark has no CP932 form.
  const Read read = Parse(DecodeZipDictionary(EucJis("1000001 /東京都か゚/\n")));
  EXPECT_EQ(read.lines, std::vector<std::string>{"1000001 東京都か〓"});
}

TEST(ZipDictionaryReader, DropsLinesWithBytesThatAreNoCharacter) {
  const std::string text = EucJis("1050011 /東京都港区芝公園/\n") + "1050014 /\xC5\xEC\xFF/\n" +
                           EucJis("1000013 /東京都千代田区霞が関/\n") + "1000014 /\xC5";
  const Read read = Parse(DecodeZipDictionary(text));
  EXPECT_EQ(read.lines,
            (std::vector<std::string>{"1050011 東京都港区芝公園", "1000013 東京都千代田区霞が関"}));
}

TEST(ZipDictionaryReader, ReportsMissingAndOversizedFiles) {
  test::TempDir dir;
  EXPECT_THROW(ReadZipDictionaryFile(dir / "missing"), settings::FileReadError);
  EXPECT_THROW(ReadZipDictionaryFile(dir.path()), settings::FileReadError);  // a folder
  const auto big = dir / "big";
  test::PutFile(big, "x");
  std::filesystem::resize_file(big, kMaxZipDictionaryBytes + 1);
  EXPECT_THROW(ReadZipDictionaryFile(big), settings::FileReadError);
}

}  // namespace
}  // namespace ruvo::postal
