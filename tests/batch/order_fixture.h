#pragma once
// Order files and working folders for the batch tests, the command's tests,
// the dialog's tests and the benchmark: written as readable UTF-8 here.

#include <filesystem>
#include <string>
#include <string_view>

#include "settings/sender_file.h"
#include "support/test_text.h"

namespace ruvo::test {

// The header a shop's system writes, in the built-in Japanese names.
inline constexpr std::string_view kOrderHeader =
    "郵便番号,住所1,住所2,氏名,電話番号,品名1,個数,希望日,時間帯,依頼主\r\n";

// One order row in the columns of kOrderHeader, CRLF-terminated.
inline std::string OrderLine(std::string_view name, std::string_view zip = "105-0011",
                             std::string_view quantity = "1", std::string_view slot = "",
                             std::string_view sender = "") {
  return std::string(zip) + ",東京都港区芝公園4-2-8,,\"" + std::string(name) +
         "\",03-1234-5678,書籍," + std::string(quantity) + ",3/15," + std::string(slot) + "," +
         std::string(sender) + "\r\n";
}

// An order file of `count` rows named 注文者1, 注文者2, … (UTF-8).
inline std::string OrderFileOf(int count) {
  std::string csv(kOrderHeader);
  for (int i = 1; i <= count; ++i)
    csv += OrderLine("注文者" + std::to_string(i));
  return csv;
}

// Senders 1 and 2 (my0.txt, my1.txt) in `folder`; 3 to 10 have no file.
inline void WriteSenders(const std::filesystem::path& folder) {
  settings::RegisterSender(
      folder, 0, {"150-0002", Sj("東京都渋谷区渋谷"), "", Sj("株式会社ルヴォ"), "03-1234-5678"});
  settings::RegisterSender(
      folder, 1,
      {"730-0001", Sj("広島県広島市中区白島北町"), "", Sj("ルヴォ広島"), "082-123-4567"});
}

}  // namespace ruvo::test
