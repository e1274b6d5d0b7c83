#include "print/printer_notices.h"

#include <initializer_list>

namespace ruvo {
namespace {

// "プリンタの構成が変わったため、「"
constexpr std::string_view kPrintersChanged =
    "\x83\x76\x83\x8A\x83\x93\x83\x5E\x82\xCC\x8D\x5C\x90\xAC\x82\xAA\x95\xCF\x82\xED\x82\xC1"
    "\x82\xBD\x82\xBD\x82\xDF\x81\x41\x81\x75";
// "プリンタの構成が変わりました。既定のプリンタがないため、プリンタは選択されていません。"
constexpr std::string_view kPrintersChangedNoneSelected =
    "\x83\x76\x83\x8A\x83\x93\x83\x5E\x82\xCC\x8D\x5C\x90\xAC\x82\xAA\x95\xCF\x82\xED\x82\xE8"
    "\x82\xDC\x82\xB5\x82\xBD\x81\x42\x8A\xF9\x92\xE8\x82\xCC\x83\x76\x83\x8A\x83\x93\x83\x5E"
    "\x82\xAA\x82\xC8\x82\xA2\x82\xBD\x82\xDF\x81\x41\x83\x76\x83\x8A\x83\x93\x83\x5E\x82\xCD"
    "\x91\x49\x91\xF0\x82\xB3\x82\xEA\x82\xC4\x82\xA2\x82\xDC\x82\xB9\x82\xF1\x81\x42";
// "登録されたプリンタ「"
constexpr std::string_view kRegisteredPrinter =
    "\x93\x6F\x98\x5E\x82\xB3\x82\xEA\x82\xBD\x83\x76\x83\x8A\x83\x93\x83\x5E\x81\x75";
// "」が見つかりません。「"
constexpr std::string_view kIsMissing =
    "\x81\x76\x82\xAA\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x81\x42\x81\x75";
// "プリンタ名が登録されていないため、「"
constexpr std::string_view kNoRegisteredName =
    "\x83\x76\x83\x8A\x83\x93\x83\x5E\x96\xBC\x82\xAA\x93\x6F\x98\x5E\x82\xB3\x82\xEA\x82\xC4"
    "\x82\xA2\x82\xC8\x82\xA2\x82\xBD\x82\xDF\x81\x41\x81\x75";
// "」を選択しました。"
constexpr std::string_view kIsSelected =
    "\x81\x76\x82\xF0\x91\x49\x91\xF0\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81\x42";

std::string Joined(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view part : parts)
    text += part;
  return text;
}

}  // namespace

std::string PrintersChangedNotice(std::string_view selected) {
  if (selected.empty()) return std::string(kPrintersChangedNoneSelected);
  return Joined({kPrintersChanged, selected, kIsSelected});
}

std::string RegisteredPrinterMissingNotice(std::string_view registered, std::string_view selected) {
  return Joined({kRegisteredPrinter, registered, kIsMissing, selected, kIsSelected});
}

std::string UnnamedRegistrationNotice(std::string_view selected) {
  return Joined({kNoRegisteredName, selected, kIsSelected});
}

}  // namespace ruvo
