#include "slip/error_texts.h"

#include <cerrno>
#include <initializer_list>
#include <string_view>

#include "print/lm_printer_errors.h"
#include "print/print_job.h"
#include "print/slip_units.h"
#include "settings/file_errors.h"
#include "slip/printer_in_force.h"
#include "transfer/cp932_codec.h"
#include "transfer/user_message_error.h"

namespace ruvo {
namespace {

// The texts below are written in UTF-8 and converted once they are joined.
std::string Sjis(std::string_view utf8) {
  return Utf8ToCp932(utf8).bytes;
}

std::string Joined(std::initializer_list<std::string_view> utf8Parts) {
  std::string text;
  for (const std::string_view part : utf8Parts)
    text += part;
  return Sjis(text);
}

struct ErrorReasonText {
  int number;
  std::string_view japanese;
};

// The reasons a file operation gives, by the platform's error number.
constexpr ErrorReasonText kFileReasons[] = {
    {ENOENT, "ファイルがありません"},
    {EACCES, "アクセスが許可されていません"},
    {EPERM, "操作が許可されていません"},
    {EISDIR, "ファイルではなくフォルダです"},
    {ENOTDIR, "フォルダではありません"},
    {ENOSPC, "ディスクの空きがありません"},
    {EDQUOT, "ディスクの使用量の上限に達しました"},
    {EROFS, "読み取り専用のディスクです"},
    {EIO, "入出力エラーが起きました"},
    {ENAMETOOLONG, "ファイル名が長すぎます"},
    {EMFILE, "開いているファイルが多すぎます"},
    {ETXTBSY, "ほかのプログラムが使っています"},
    {EBUSY, "ほかのプログラムが使っています"},
    {EFBIG, "ファイルが大きすぎます"},
    {ELOOP, "リンクが循環しています"},
    {ENXIO, "デバイスがありません"},
    {EINVAL, "この種類のファイルには書き込めません"},
    {EBADF, "ファイルを書き込み用に開けません"},
    {EPIPE, "書き込み先が閉じられました"},
    {EOPNOTSUPP, "このディスクではできない操作です"},
};

// Reasons of the program's own, by the start of their English text.
constexpr struct {
  std::string_view english;
  std::string_view japanese;
} kOwnReasons[] = {
    {"Not a regular file", "通常のファイルではありません"},
    {"the value holds a line break", "値に改行が含まれています"},
    {"a field holds a line break", "欄に改行が含まれています"},
    {"larger than 64 MiB", "64 MiB を超えています"},
};

// A file error's reason in Japanese: by its number, or by its English text
// when it was passed on as text (a read error reported by a write); the
// text itself when neither is known.
std::string FileReason(int number, const std::string& reason) {
  for (const ErrorReasonText& row : kFileReasons) {
    const bool sameText = number == 0 && reason.starts_with(settings::ErrorReason(row.number));
    if (row.number == number || sameText) return Sjis(row.japanese);
  }
  for (const auto& row : kOwnReasons) {
    if (reason.starts_with(row.english)) return Sjis(row.japanese);
  }
  return reason;
}

// A file as messages name it: its name as the user gave it, folder included.
std::string FileText(const std::filesystem::path& file) {
  return settings::PathText(file);
}

std::string FileErrorText(const std::filesystem::path& file, std::string_view verb, int number,
                          const std::string& reason) {
  return Sjis("「") + FileText(file) + Sjis(verb) + FileReason(number, reason) + Sjis("。");
}

// The printer layer's family, by its classes.
std::string PrinterLayerText(const ELmPrinter& error) {
  if (dynamic_cast<const ELmPrinterNoPrinter*>(&error) != nullptr)
    return Joined({"使えるプリンタがありません。プリンタを追加してください。"});
  if (dynamic_cast<const ELmPrinterNoDefault*>(&error) != nullptr)
    return std::string(error.what()) + Sjis("。");
  if (dynamic_cast<const ELMPrinterRangeError*>(&error) != nullptr)
    return Joined({"その番号のプリンタはありません。"});
  if (dynamic_cast<const ELmPrinterIllegalIndex*>(&error) != nullptr)
    return Joined({"選ばれているプリンタは使えません。"});
  return Joined({"プリンタの用紙サイズか給紙方法が分かりません。"});
}

std::string PrintServiceText(const EPrinter& error) {
  if (dynamic_cast<const ENoPrinterInForce*>(&error) != nullptr) return error.what();
  if (const auto* gone = dynamic_cast<const EPrinterNotFound*>(&error)) {
    return Sjis("プリンタ「") + gone->Printer() + Sjis("」が見つかりません。");
  }
  if (dynamic_cast<const EPrintServiceDown*>(&error) != nullptr) {
    return Joined({"印刷サービス (CUPS) が応答しません。しばらくしてからもう一度試してください。"});
  }
  if (const auto* refused = dynamic_cast<const EPrintJobRefused*>(&error)) {
    return Sjis("プリンタ「") + refused->Printer() +
           Sjis("」が印刷を受け付けませんでした。送り状は印刷されていません。");
  }
  return Sjis("印刷できませんでした (") + error.what() + Sjis(")。");
}

}  // namespace

std::string JapaneseErrorText(const std::exception& error) {
  if (dynamic_cast<const UserMessageError*>(&error) != nullptr) return error.what();
  if (const auto* read = dynamic_cast<const settings::FileReadError*>(&error)) {
    return FileErrorText(read->file(), "」を読めません: ", read->errorNumber(), read->reason());
  }
  if (const auto* write = dynamic_cast<const settings::FileWriteError*>(&error)) {
    return FileErrorText(write->file(), "」に書き込めません: ", write->errorNumber(),
                         write->reason());
  }
  if (const auto* layer = dynamic_cast<const ELmPrinter*>(&error)) return PrinterLayerText(*layer);
  if (const auto* service = dynamic_cast<const EPrinter*>(&error))
    return PrintServiceText(*service);
  if (const auto* conversion = dynamic_cast<const ConversionError*>(&error)) {
    return Sjis("「") + conversion->text() + Sjis("」は整数ではありません。");
  }
  if (dynamic_cast<const SlipPositionError*>(&error) != nullptr) {
    return Sjis("余白が大きすぎるため、送り状を印刷できません (") + error.what() + Sjis(")。");
  }
  if (dynamic_cast<const SlipScaleError*>(&error) != nullptr) {
    return Sjis("用紙の倍率は ") + PerMilleAsPercentText(kMinScalePerMille) + Sjis(" % から ") +
           PerMilleAsPercentText(kMaxScalePerMille) + Sjis(" % の範囲で登録してください (") +
           error.what() + Sjis(")。");
  }
  if (dynamic_cast<const PrintJobError*>(&error) != nullptr) {
    return Sjis("プリンタの解像度と倍率では送り状を印刷できません (") + error.what() + Sjis(")。");
  }
  if (dynamic_cast<const CodecError*>(&error) != nullptr) {
    return Sjis("文字コードを変換できません (") + error.what() + Sjis(")。");
  }
  return Sjis("エラーが発生しました (") + error.what() + Sjis(")。");
}

}  // namespace ruvo
