#pragma once
// Small postal-code dictionaries in the format of Debian's skkdic-extra, as
// EUC-JIS-2004 bytes, for the postal tests and the fuzzer's first inputs.

#include <iconv.h>

#include <stdexcept>
#include <string>
#include <string_view>

#include "postal/postal_directory.h"
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
// districts, and "𩸽" and "鷗", which code page 932 cannot hold.
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
    "9071801 /沖縄県八重山郡与那国町𩸽鷗/\n";

// Large offices: name, " @ ", address with its block number.
inline constexpr std::string_view kOfficesUtf8 =
    ";; offices\n"
    "0018612 /札幌市北区役所 @ 北海道札幌市北区北二十四条西６丁目１番１号/\n"
    "1008994 /東京中央郵便局 @ 東京都千代田区丸の内２丁目７−２/\n";

// The directory of both fixture dictionaries.
inline postal::PostalDirectory FixtureDirectory() {
  postal::PostalDirectoryBuilder builder;
  const auto add = [&](const postal::ZipRecord& r) { builder.Add(r.code, r.address, r.office); };
  const auto read = [&](std::string_view utf8, postal::ZipDictionaryKind kind) {
    postal::ParseZipDictionary(postal::DecodeZipDictionary(EucJis(utf8)), kind, add);
  };
  read(kAreasUtf8, postal::ZipDictionaryKind::Areas);
  read(kOfficesUtf8, postal::ZipDictionaryKind::Offices);
  return builder.Build();
}

}  // namespace ruvo::test
