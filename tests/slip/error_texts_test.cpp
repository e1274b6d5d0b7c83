#include "slip/error_texts.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <stdexcept>

#include "print/lm_printer_errors.h"
#include "print/print_job.h"
#include "print/slip_units.h"
#include "settings/file_errors.h"
#include "slip/printer_in_force.h"
#include "support/test_text.h"
#include "transfer/user_message_error.h"

namespace ruvo {
namespace {

using test::Sj;

// The window says every error of the core in Japanese, naming the file or
// printer it concerns.
TEST(JapaneseErrorText, SaysTheCoresErrorsInJapanese) {
  struct Case {
    const char* what;
    std::function<void()> raise;
    std::string shown;  // UTF-8
  };
  using settings::FileReadError;
  using settings::FileWriteError;
  const Case cases[] = {
      {"missing sender file", [] { throw FileReadError("my0.txt", ENOENT); },
       "「my0.txt」を読めません: ファイルがありません。"},
      {"disk full", [] { throw FileWriteError("/w/ruvo_q710.ini", ENOSPC); },
       "「/w/ruvo_q710.ini」に書き込めません: ディスクの空きがありません。"},
      // A read error passed on by a write keeps only its English reason.
      {"reason passed on as text",
       [] { throw FileWriteError("a.ini", settings::ErrorReason(EACCES)); },
       "「a.ini」に書き込めません: アクセスが許可されていません。"},
      {"file too large, a limit of the program's",
       [] { throw FileReadError("big.ini", "File too large (more than 16777216 bytes)"); },
       "「big.ini」を読めません: ファイルが大きすぎます。"},
      {"a device where a file should be",
       [] { throw FileReadError("ruvo_q710.ini", "Not a regular file"); },
       "「ruvo_q710.ini」を読めません: 通常のファイルではありません。"},
      {"file name in Japanese", [] { throw FileReadError("送り状/my1.txt", EACCES); },
       "「送り状/my1.txt」を読めません: アクセスが許可されていません。"},
      {"no printer", [] { throw ELmPrinterNoPrinter(); },
       "使えるプリンタがありません。プリンタを追加してください。"},
      {"no default printer, the same words everywhere", [] { throw ELmPrinterNoDefault(); },
       "デフォルト プリンタが存在しません。"},
      {"number out of range", [] { throw ELMPrinterRangeError(); },
       "その番号のプリンタはありません。"},
      {"printer gone", [] { throw EPrinterNotFound("Slip"); },
       "プリンタ「Slip」が見つかりません。"},
      {"print service down",
       [] { throw EPrintServiceDown("/run/cups.sock", "Bad file descriptor"); },
       "印刷サービス (CUPS) が応答しません。しばらくしてからもう一度試してください。"},
      {"job refused", [] { throw EPrintJobRefused("Slip", "the spooler refused the job"); },
       "プリンタ「Slip」が印刷を受け付けませんでした。送り状は印刷されていません。"},
      {"printer in force missing, Japanese already",
       [] {
         throw ENoPrinterInForce(Sj("印刷できません。登録されたプリンタ「X」が見つかりません。"));
       },
       "印刷できません。登録されたプリンタ「X」が見つかりません。"},
      {"margin that is no integer", [] { throw ConversionError("1.5"); },
       "「1.5」は整数ではありません。"},
      {"a message for the user, as it stands",
       [] { throw UserMessageError(Sj("orders.csv: 日本郵便の郵便番号データではありません。")); },
       "orders.csv: 日本郵便の郵便番号データではありません。"},
      {"stored scale out of range", [] { throw SlipScaleError("scale 40"); },
       "用紙の倍率は 50.0 % から 200.0 % の範囲で登録してください (scale 40)。"},
      {"unknown error keeps its text", [] { throw std::runtime_error("odd"); },
       "エラーが発生しました (odd)。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      c.raise();
      ADD_FAILURE() << "nothing raised";
    } catch (const std::exception& error) {
      EXPECT_EQ(test::Utf8(JapaneseErrorText(error)), c.shown);
    }
  }
}

}  // namespace
}  // namespace ruvo
