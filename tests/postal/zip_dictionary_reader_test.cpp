#include "postal/zip_dictionary_reader.h"

#include <gtest/gtest.h>

#include "settings/file_errors.h"
#include "support/temp_dir.h"
#include "support/test_text.h"
#include "zip_dictionary_fixture.h"

namespace ruvo::postal {
namespace {

using test::EucJis;
using test::Sj;
using test::Utf8;

// The records as "code address [office]|…" in UTF-8, and the lines skipped.
std::pair<std::string, std::size_t> Parse(std::string_view cp932,
                                          ZipDictionaryKind kind = ZipDictionaryKind::Areas) {
  std::string read;
  const std::size_t skipped = ParseZipDictionary(cp932, kind, [&](const ZipRecord& record) {
    read += (read.empty() ? "" : "|") + DigitsOf(record.code) + " " + Utf8(record.address);
    if (!record.office.empty()) read += " [" + Utf8(record.office) + "]";
  });
  return {read, skipped};
}

TEST(ZipDictionaryReader, ReadsBothDictionaries) {
  const auto [areas, areasSkipped] = Parse(DecodeZipDictionary(EucJis(test::kAreasUtf8)));
  EXPECT_TRUE(areas.starts_with(
      "0010024 北海道札幌市北区北二十四条西|0028089 北海道石狩郡当別町ビトエ|"
      "0028089 北海道石狩郡当別町ビトエ中島|0295506 岩手県和賀郡西和賀町湯之沢|"
      "0600000 北海道札幌市中央区|1000013 東京都千代田区霞が関|1050011 東京都港区芝公園|"
      "1050014 東京都港区芝|9071801 沖縄県八重山郡与那国町〓〓|"))  // 𩸽 and 鷗: no CP932
      << areas;
  EXPECT_EQ(areasSkipped, 0u);
  const auto [offices, officesSkipped] =
      Parse(DecodeZipDictionary(EucJis(test::kOfficesUtf8)), ZipDictionaryKind::Offices);
  EXPECT_TRUE(
      offices.starts_with("0018612 北海道札幌市北区北二十四条西６丁目１番１号 [札幌市北区役所]|"
                          "1008994 東京都千代田区丸の内２丁目７－２ [東京中央郵便局]|"))
      << offices;
  EXPECT_EQ(officesSkipped, 0u);
}

TEST(ZipDictionaryReader, AcceptsTheFormsOfTheFormat) {
  const struct {
    std::string_view line;  // UTF-8
    std::string_view read;
  } cases[] = {
      {"1050011 /東京都港区芝公園/\r", "1050011 東京都港区芝公園"},       // CRLF
      {"1050011  /東京都港区芝公園/", "1050011 東京都港区芝公園"},        // two blanks
      {"1050011 /東京都港区芝公園;旧町名/", "1050011 東京都港区芝公園"},  // annotation
      {";1050011 /東京都港区芝公園/", ""},                                // comment
      {"", ""},                                                           // empty line
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(Parse(Sj(c.line)), std::make_pair(std::string(c.read), std::size_t{0}));
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
      {"１０５００１１ /東京都港区/", ZipDictionaryKind::Areas},    // full-width digits
      {"1050011/東京都港区/", ZipDictionaryKind::Areas},            // no blank
      {"1050011 東京都港区/", ZipDictionaryKind::Areas},            // no opening "/"
      {"1050011 /東京都港区", ZipDictionaryKind::Areas},            // entry not closed
      {"1050011 /東京都港区/余り", ZipDictionaryKind::Areas},       // text after the last "/"
      {"1050011 /東京都港区芝//", ZipDictionaryKind::Areas},        // empty second entry
      {"1050011 /;注釈/", ZipDictionaryKind::Areas},                // annotation alone
      {"1050011 /東京都\t港区/", ZipDictionaryKind::Areas},         // control byte
      {"1050011", ZipDictionaryKind::Areas},                        // code alone
      {"1050011 /" + longEntry + "/", ZipDictionaryKind::Areas},    // entry one byte too long
      {"1008994 /東京中央郵便局/", ZipDictionaryKind::Offices},     // no " @ "
      {"1008994 / @ 東京都千代田区/", ZipDictionaryKind::Offices},  // no name
      {"1008994 /東京中央郵便局 @ /", ZipDictionaryKind::Offices},  // no address
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    // The good lines around the bad one survive it.
    const bool areas = c.kind == ZipDictionaryKind::Areas;
    const std::string good = areas ? " /A/" : " /N @ A/";
    const std::string text = "1000000" + good + "\n" + Sj(c.line) + "\n9999999" + good;
    EXPECT_EQ(
        Parse(text, c.kind),
        std::make_pair(std::string(areas ? "1000000 A|9999999 A" : "1000000 A [N]|9999999 A [N]"),
                       std::size_t{1}));
  }
}

TEST(ZipDictionaryReader, DecodesWhatCp932CannotHoldAsGetaAndDropsDamagedLines) {
  // "か゚" is one EUC-JIS-2004 character, a kana and a combining mark in
  // Unicode; the mark has no CP932 form. FF and a cut-off C5 are no character.
  const std::string text = EucJis("1000001 /東京都か゚/\n") + "1050014 /\xC5\xEC\xFF/\n" +
                           EucJis("1000013 /霞が関/\n") + "1000014 /\xC5";
  EXPECT_EQ(Parse(DecodeZipDictionary(text)).first, "1000001 東京都か〓|1000013 霞が関");
}

TEST(ZipDictionaryReader, RefusesFilesThatAreNoDictionary) {
  test::TempDir dir;
  const auto big = dir / "disk.img";
  test::PutFile(big, "x");
  std::filesystem::resize_file(big, kMaxZipDictionaryBytes + 1);
  EXPECT_THROW(ReadZipDictionaryFile(big), settings::FileReadError);
  EXPECT_THROW(ReadZipDictionaryFile(dir.path()), settings::FileReadError);  // a folder
}

}  // namespace
}  // namespace ruvo::postal
