#include "transfer/classify.h"

#include <algorithm>
#include <array>

#include "transfer/pattern_set.h"
#include "transfer/sjis.h"
#include "transfer/text_ops.h"

namespace ruvo {

namespace {

// The digits and hyphens of postal codes and telephone numbers, both widths.
// The long vowel mark "ー" and other dashes are not among them.
constexpr std::array<std::string_view, 22> kDigitPatterns = {
    "0",         // 0
    "1",         // 1
    "2",         // 2
    "3",         // 3
    "4",         // 4
    "5",         // 5
    "6",         // 6
    "7",         // 7
    "8",         // 8
    "9",         // 9
    "-",         // -
    "\x82\x4F",  // ０
    "\x82\x50",  // １
    "\x82\x51",  // ２
    "\x82\x52",  // ３
    "\x82\x53",  // ４
    "\x82\x54",  // ５
    "\x82\x55",  // ６
    "\x82\x56",  // ７
    "\x82\x57",  // ８
    "\x82\x58",  // ９
    "\x81\x7C",  // －
};

// Address marks, in this order: digits and hyphen of both widths,
// administrative units, block and building numbers (only the capital "F" of
// floor numbers like "3F"), post office, building words in full-width and
// half-width katakana, schools.
constexpr std::array<std::string_view, 57> kAddressMarks = {
    "0",                                         // 0
    "1",                                         // 1
    "2",                                         // 2
    "3",                                         // 3
    "4",                                         // 4
    "5",                                         // 5
    "6",                                         // 6
    "7",                                         // 7
    "8",                                         // 8
    "9",                                         // 9
    "-",                                         // -
    "\x82\x4F",                                  // ０
    "\x82\x50",                                  // １
    "\x82\x51",                                  // ２
    "\x82\x52",                                  // ３
    "\x82\x53",                                  // ４
    "\x82\x54",                                  // ５
    "\x82\x55",                                  // ６
    "\x82\x56",                                  // ７
    "\x82\x57",                                  // ８
    "\x82\x58",                                  // ９
    "\x81\x7C",                                  // －
    "\x96\x6B\x8A\x43\x93\xB9",                  // 北海道
    "\x93\x73",                                  // 都
    "\x8C\xA7",                                  // 県
    "\x95\x7B",                                  // 府
    "\x8E\x73",                                  // 市
    "\x8B\xE6",                                  // 区
    "\x92\xAC",                                  // 町
    "\x91\xBA",                                  // 村
    "\x8E\x9A",                                  // 字
    "\x94\xD4\x92\x6E",                          // 番地
    "\x92\x9A\x96\xDA",                          // 丁目
    "\x8A\x4B",                                  // 階
    "\x8D\x86",                                  // 号
    "F",                                         // F
    "\x82\x65",                                  // Ｆ
    "\x97\x58\x95\xD6\x8B\xC7",                  // 郵便局
    "\x8B\xC7\x97\xAF",                          // 局留
    "\x8B\xC7\x8E\x7E",                          // 局止
    "\x83\x72\x83\x8B",                          // ビル
    "\xCB\xDE\xD9",                              // ﾋﾞﾙ
    "\x83\x81\x83\x5D\x83\x93",                  // メゾン
    "\xD2\xBF\xDE\xDD",                          // ﾒｿﾞﾝ
    "\x83\x7D\x83\x93\x83\x56\x83\x87\x83\x93",  // マンション
    "\xCF\xDD\xBC\xAE\xDD",                      // ﾏﾝｼｮﾝ
    "\x83\x6E\x83\x43\x83\x63",                  // ハイツ
    "\xCA\xB2\xC2",                              // ﾊｲﾂ
    "\x83\x52\x81\x5B\x83\x7C",                  // コーポ
    "\xBA\xB0\xCE\xDF",                          // ｺｰﾎﾟ
    "\x83\x4A\x81\x5B\x83\x54",                  // カーサ
    "\xB6\xB0\xBB",                              // ｶｰｻ
    "\x8F\xAC\x8A\x77\x8D\x5A",                  // 小学校
    "\x92\x86\x8A\x77",                          // 中学
    "\x92\x86\x8A\x77\x8D\x5A",                  // 中学校
    "\x8D\x82\x8D\x5A",                          // 高校
    "\x8D\x82\x93\x99\x8A\x77\x8D\x5A",          // 高等学校
};

constexpr std::array<std::string_view, 47> kPrefectureNames = {
    "\x96\x6B\x8A\x43\x93\xB9",          // 北海道
    "\x90\xC2\x90\x58\x8C\xA7",          // 青森県
    "\x8A\xE2\x8E\xE8\x8C\xA7",          // 岩手県
    "\x8B\x7B\x8F\xE9\x8C\xA7",          // 宮城県
    "\x8F\x48\x93\x63\x8C\xA7",          // 秋田県
    "\x8E\x52\x8C\x60\x8C\xA7",          // 山形県
    "\x95\x9F\x93\x87\x8C\xA7",          // 福島県
    "\x88\xEF\x8F\xE9\x8C\xA7",          // 茨城県
    "\x93\xC8\x96\xD8\x8C\xA7",          // 栃木県
    "\x8C\x51\x94\x6E\x8C\xA7",          // 群馬県
    "\x8D\xE9\x8B\xCA\x8C\xA7",          // 埼玉県
    "\x90\xE7\x97\x74\x8C\xA7",          // 千葉県
    "\x93\x8C\x8B\x9E\x93\x73",          // 東京都
    "\x90\x5F\x93\xDE\x90\xEC\x8C\xA7",  // 神奈川県
    "\x90\x56\x8A\x83\x8C\xA7",          // 新潟県
    "\x95\x78\x8E\x52\x8C\xA7",          // 富山県
    "\x90\xCE\x90\xEC\x8C\xA7",          // 石川県
    "\x95\x9F\x88\xE4\x8C\xA7",          // 福井県
    "\x8E\x52\x97\x9C\x8C\xA7",          // 山梨県
    "\x92\xB7\x96\xEC\x8C\xA7",          // 長野県
    "\x8A\xF2\x95\x8C\x8C\xA7",          // 岐阜県
    "\x90\xC3\x89\xAA\x8C\xA7",          // 静岡県
    "\x88\xA4\x92\x6D\x8C\xA7",          // 愛知県
    "\x8E\x4F\x8F\x64\x8C\xA7",          // 三重県
    "\x8E\xA0\x89\xEA\x8C\xA7",          // 滋賀県
    "\x8B\x9E\x93\x73\x95\x7B",          // 京都府
    "\x91\xE5\x8D\xE3\x95\x7B",          // 大阪府
    "\x95\xBA\x8C\xC9\x8C\xA7",          // 兵庫県
    "\x93\xDE\x97\xC7\x8C\xA7",          // 奈良県
    "\x98\x61\x89\xCC\x8E\x52\x8C\xA7",  // 和歌山県
    "\x92\xB9\x8E\xE6\x8C\xA7",          // 鳥取県
    "\x93\x87\x8D\xAA\x8C\xA7",          // 島根県
    "\x89\xAA\x8E\x52\x8C\xA7",          // 岡山県
    "\x8D\x4C\x93\x87\x8C\xA7",          // 広島県
    "\x8E\x52\x8C\xFB\x8C\xA7",          // 山口県
    "\x93\xBF\x93\x87\x8C\xA7",          // 徳島県
    "\x8D\x81\x90\xEC\x8C\xA7",          // 香川県
    "\x88\xA4\x95\x51\x8C\xA7",          // 愛媛県
    "\x8D\x82\x92\x6D\x8C\xA7",          // 高知県
    "\x95\x9F\x89\xAA\x8C\xA7",          // 福岡県
    "\x8D\xB2\x89\xEA\x8C\xA7",          // 佐賀県
    "\x92\xB7\x8D\xE8\x8C\xA7",          // 長崎県
    "\x8C\x46\x96\x7B\x8C\xA7",          // 熊本県
    "\x91\xE5\x95\xAA\x8C\xA7",          // 大分県
    "\x8B\x7B\x8D\xE8\x8C\xA7",          // 宮崎県
    "\x8E\xAD\x8E\x99\x93\x87\x8C\xA7",  // 鹿児島県
    "\x89\xAB\x93\xEA\x8C\xA7",          // 沖縄県
};

constexpr std::array<std::string_view, 7> kMailMarks = {
    "@",     // mail address
    ".com",  // commercial domain; also counts as ".co"
    ".jp",   // Japanese domain
    ".co",   // company domain ("co.jp")
    ".org",  // organisations
    ".ne",   // network providers ("ne.jp")
    ".net",  // networks; also counts as ".ne"
};

constexpr PatternSet kDigitSet(kDigitPatterns);
constexpr PatternSet kAddressMarkSet(kAddressMarks);
constexpr PatternSet kMailMarkSet(kMailMarks);

struct VerdictName {
  ZipTelVerdict verdict;
  std::string_view name;
};

constexpr std::array<VerdictName, 3> kVerdictNames = {{
    {ZipTelVerdict::PostalCode, "PostalCode"},  // postal code line
    {ZipTelVerdict::Telephone, "Telephone"},    // telephone number line
    {ZipTelVerdict::Other, "Other"},            // anything else
}};

}  // namespace

std::string_view ZipTelVerdictName(ZipTelVerdict verdict) {
  for (const auto& row : kVerdictNames) {
    if (row.verdict == verdict) return row.name;
  }
  return "Other";
}

ZipTelVerdict ZipTelCheck(std::string_view text) {
  const auto characters = static_cast<std::ptrdiff_t>(sjis::CharCount(Trim(text)));
  const auto digits = static_cast<std::ptrdiff_t>(kDigitSet.CountAll(text));
  const std::ptrdiff_t others = characters - digits;
  if (characters == 8 && others == 0) return ZipTelVerdict::PostalCode;
  if (characters >= 10 && others <= 1) return ZipTelVerdict::Telephone;
  return ZipTelVerdict::Other;
}

std::size_t AddressMarkCount(std::string_view text) {
  return kAddressMarkSet.CountAll(Trim(text));
}

std::span<const std::string_view> PrefectureNames() {
  return kPrefectureNames;
}

bool IsPrefectureLine(std::string_view text) {
  return std::find(kPrefectureNames.begin(), kPrefectureNames.end(), text) !=
         kPrefectureNames.end();
}

std::size_t MailMarkCount(std::string_view text) {
  return kMailMarkSet.CountAll(text);
}

}  // namespace ruvo
