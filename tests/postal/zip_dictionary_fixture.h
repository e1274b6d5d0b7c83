#pragma once
// Small postal-code dictionaries in the format of Debian's skkdic-extra, as
// EUC-JIS-2004 bytes, for the postal tests and the fuzzer's first inputs.

#include <iconv.h>

#include <stdexcept>
#include <string>
#include <string_view>

#include "postal/postal_directory.h"
#include "postal/zip_dictionary_entries.h"
#include "postal/zip_dictionary_reader.h"

namespace ruvo::test {

// UTF-8 → EUC-JIS-2004, as the dictionaries are stored. Only for texts that
// EUC-JIS-2004 holds.
inline std::string EucJis(std::string_view utf8) {
  const iconv_t cd = iconv_open("EUC-JISX0213", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no EUC-JISX0213 encoder");
  std::string out(utf8.size() * 2 + 16, '\0');
  char* src = const_cast<char*>(utf8.data());
  std::size_t left = utf8.size();
  char* dst = out.data();
  std::size_t room = out.size();
  const std::size_t rc = iconv(cd, &src, &left, &dst, &room);
  iconv(cd, nullptr, nullptr, &dst, &room);  // a held-back base character
  iconv_close(cd);
  if (rc == static_cast<std::size_t>(-1)) throw std::runtime_error("not EUC-JIS-2004 text");
  out.resize(out.size() - room);
  return out;
}

// Areas: comments, a code with two addresses, spelling variants, numbered
// districts, and "𩸽" and "鷗", which code page 932 cannot hold; then real
// entries of Debian's dictionary for each way of writing an address: cities'
// codes for the towns not listed, counties, 大字, the floors of buildings,
// Kyoto's streets, Hamamatsu's wards before 2024, and the notes the
// dictionary kept from Japan Post's files.
inline constexpr std::string_view kAreasUtf8 =
    ";; -*- coding: euc-jis-2004 -*-\n"
    ";; okuri-nasi entries.\n"
    "0010024 /北海道札幌市北区北二十四条西/\n"
    "0028089 /北海道石狩郡当別町ビトエ/北海道石狩郡当別町ビトエ中島/\n"
    "0295506 /岩手県和賀郡西和賀町湯之沢/\n"
    "0600000 /北海道札幌市中央区/\n"
    "1000013 /東京都千代田区霞が関/\n"
    "1050011 /東京都港区芝公園/\n"
    "1050014 /東京都港区芝/\n"
    "9071801 /沖縄県八重山郡与那国町𩸽鷗/\n"
    "0010000 /北海道札幌市北区/\n"
    "0200000 /岩手県盛岡市/\n"
    "0200857 /岩手県盛岡市北飯岡/\n"
    "0283600 /岩手県紫波郡矢巾町/\n"
    "0283615 /岩手県紫波郡矢巾町南矢幅/\n"
    "0610200 /北海道石狩郡当別町/\n"
    "1000000 /東京都千代田区/\n"
    "1006012 /東京都千代田区霞が関霞が関ビル１２階/\n"
    "1006013 /東京都千代田区霞が関霞が関ビル１３階/\n"
    "1006090 /東京都千代田区霞が関霞が関ビル/東京都千代田区霞が関霞が関ビル地階/\n"
    "1700013 /東京都豊島区東池袋/\n"
    "1706001 /東京都豊島区東池袋サンシャイン６０　１階/\n"
    "1706090 /東京都豊島区東池袋サンシャイン６０/東京都豊島区東池袋サンシャイン６０地階/\n"
    "3890100 /長野県北佐久郡軽井沢町/\n"
    "3890102 /長野県北佐久郡軽井沢町軽井沢/長野県北佐久郡軽井沢町軽井沢大字/\n"
    "4090142 /山梨県北都留郡小菅村小菅村の次に１〜６６３番地がくる場合/\n"
    "4300946 /静岡県浜松市中区元城町/\n"
    "4311305 /静岡県浜松市北区細江町気賀/\n"
    "4320000 /静岡県浜松市中区/静岡県浜松市東区/静岡県浜松市西区/静岡県浜松市南区/静岡県浜松市北区/"
    "静岡県浜松市天竜区/\n"
    "4338112 /静岡県浜松市北区初生町/\n"
    "4340000 /静岡県浜松市浜北区/\n"
    "4340031 /静岡県浜松市浜北区小林/\n"
    "4530000 /愛知県名古屋市中村区/\n"
    "4500002 /愛知県名古屋市中村区名駅/\n"
    "4506212 /愛知県名古屋市中村区名駅ミッドランドスクエア高層棟）（１２階/\n"
    "4506290 /愛知県名古屋市中村区名駅ミッドランドスクエア/"
    "愛知県名古屋市中村区名駅ミッドランドスクエア地階/\n"
    "6040000 /京都府京都市中京区/\n"
    "6040014 /京都府京都市中京区釜座通夷川下る大黒町/京都府京都市中京区釜座通二条上る大黒町/"
    "京都府京都市中京区夷川通釜座東入大黒町/京都府京都市中京区夷川通釜座西入大黒町/\n"
    "6048005 /京都府京都市中京区恵比須町/\n"
    "6048031 /京都府京都市中京区河原町通三条下る大黒町/京都府京都市中京区三条通河原町東入大黒町/"
    "京都府京都市中京区三条通河原町西入大黒町/京都府京都市中京区河原町通六角上る大黒町/"
    "京都府京都市中京区西木屋町通三条下る大黒町/京都府京都市中京区西木屋町通六角上る大黒町/\n"
    "7660000 /香川県仲多度郡琴平町/香川県仲多度郡まんのう町/\n"
    "7660001 /香川県仲多度郡琴平町琴平町の次に４２７番地以降がくる場合/"
    "香川県仲多度郡琴平町琴平町の次に４２７番地以降がくる場合川西/\n";

// Large offices: name, " @ ", address with its block number.
inline constexpr std::string_view kOfficesUtf8 =
    ";; offices\n"
    "0018612 /札幌市北区役所 @ 北海道札幌市北区北二十四条西６丁目１番１号/\n"
    "1008994 /東京中央郵便局 @ 東京都千代田区丸の内２丁目７−２/\n"
    "0208585 /公益財団法人　岩手県予防医学協会 @ 岩手県盛岡市北飯岡四丁目８番５０号/\n"
    "0283692 /矢巾町役場 @ 岩手県紫波郡矢巾町大字南矢幅第１３地割１２３/\n"
    "1006051 /株式会社　ＪＴＢ法人東京　霞が関営業部 @ "
    "東京都千代田区霞が関３−２−５霞が関ビル２３階/\n";

// The fixture dictionaries as CP932 text, as the loader decodes them.
inline std::string AreasText() {
  return postal::DecodeZipDictionary(EucJis(kAreasUtf8));
}
inline std::string OfficesText() {
  return postal::DecodeZipDictionary(EucJis(kOfficesUtf8));
}

// The directory of both fixture dictionaries.
inline postal::PostalDirectory FixtureDirectory() {
  return postal::DirectoryOfZipDictionaries(AreasText(), OfficesText());
}

}  // namespace ruvo::test
