#include "print/printer_notices.h"

#include <initializer_list>

namespace ruvo {
namespace {

// "登録されたプリンタ「"
constexpr std::string_view kRegisteredPrinter =
    "\x93\x6F\x98\x5E\x82\xB3\x82\xEA\x82\xBD\x83\x76\x83\x8A\x83\x93\x83\x5E\x81\x75";
// "」が見つかりません。"
constexpr std::string_view kIsNotFound =
    "\x81\x76\x82\xAA\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x81\x42";
// "「セットするプリンタを登録」でプリンタを選んでください。"
constexpr std::string_view kChoosePrinter =
    "\x81\x75\x83\x5A\x83\x62\x83\x67\x82\xB7\x82\xE9\x83\x76\x83\x8A\x83\x93\x83\x5E\x82"
    "\xF0\x93\x6F\x98\x5E\x81\x76\x82\xC5\x83\x76\x83\x8A\x83\x93\x83\x5E\x82\xF0\x91\x49"
    "\x82\xF1\x82\xC5\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81\x42";
// "プリンタ名が登録されていないため、「"
constexpr std::string_view kNoRegisteredName =
    "\x83\x76\x83\x8A\x83\x93\x83\x5E\x96\xBC\x82\xAA\x93\x6F\x98\x5E\x82\xB3\x82\xEA\x82\xC4"
    "\x82\xA2\x82\xC8\x82\xA2\x82\xBD\x82\xDF\x81\x41\x81\x75";
// "」を選択しました。"
constexpr std::string_view kIsSelected =
    "\x81\x76\x82\xF0\x91\x49\x91\xF0\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81\x42";
// "プリンタ「"
constexpr std::string_view kPrinterOpen = "\x83\x76\x83\x8A\x83\x93\x83\x5E\x81\x75";
// "」に、登録された用紙「"
constexpr std::string_view kRegisteredPaper =
    "\x81\x76\x82\xC9\x81\x41\x93\x6F\x98\x5E\x82\xB3\x82\xEA\x82\xBD\x97\x70\x8E\x86\x81"
    "\x75";
// "」に、登録された給紙方法「"
constexpr std::string_view kRegisteredBin =
    "\x81\x76\x82\xC9\x81\x41\x93\x6F\x98\x5E\x82\xB3\x82\xEA\x82\xBD\x8B\x8B\x8E\x86\x95"
    "\xFB\x96\x40\x81\x75";
// "」がありません。"
constexpr std::string_view kIsNotOffered =
    "\x81\x76\x82\xAA\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x81\x42";
// "「セットするプリンタを登録」で選び直してください。"
constexpr std::string_view kChooseAgain =
    "\x81\x75\x83\x5A\x83\x62\x83\x67\x82\xB7\x82\xE9\x83\x76\x83\x8A\x83\x93\x83\x5E\x82"
    "\xF0\x93\x6F\x98\x5E\x81\x76\x82\xC5\x91\x49\x82\xD1\x92\xBC\x82\xB5\x82\xC4\x82\xAD"
    "\x82\xBE\x82\xB3\x82\xA2\x81\x42";
// "印刷できません。"
constexpr std::string_view kCannotPrint =
    "\x88\xF3\x8D\xFC\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x81\x42";

std::string Joined(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view part : parts)
    text += part;
  return text;
}

}  // namespace

std::string UnnamedRegistrationNotice(std::string_view selected) {
  return Joined({kNoRegisteredName, selected, kIsSelected});
}

std::string RegisteredPrinterMissingNotice(std::string_view registered) {
  return Joined({kRegisteredPrinter, registered, kIsNotFound, kChoosePrinter});
}

std::string RegisteredPaperMissingNotice(std::string_view printer, std::string_view paper) {
  return Joined({kPrinterOpen, printer, kRegisteredPaper, paper, kIsNotOffered, kChooseAgain});
}

std::string RegisteredBinMissingNotice(std::string_view printer, std::string_view bin) {
  return Joined({kPrinterOpen, printer, kRegisteredBin, bin, kIsNotOffered, kChooseAgain});
}

std::string CannotPrintText(std::string_view notice) {
  return Joined({kCannotPrint, notice});
}

}  // namespace ruvo
