#pragma once
// The texts that tell the user about the printer a slip goes to when it is
// not simply the one registered: a registration without a printer name, and
// a registered printer, paper or source that is not there. Texts and names
// are CP932.

#include <string>
#include <string_view>

namespace ruvo {

// A paper mode's registration holds no printer name, so its number chose:
// "プリンタ名が登録されていないため、「Y」を選択しました。"
std::string UnnamedRegistrationNotice(std::string_view selected);

// The registered printer is not among the visible printers:
// "登録されたプリンタ「X」が見つかりません。「セットするプリンタを登録」で
// プリンタを選んでください。"
std::string RegisteredPrinterMissingNotice(std::string_view registered);

// The registered printer is there but no longer offers the registered paper
// size (or paper source):
// "プリンタ「X」に、登録された用紙「A5」がありません。「セットするプリンタを
// 登録」で選び直してください。" (給紙方法 for a source).
std::string RegisteredPaperMissingNotice(std::string_view printer, std::string_view paper);
std::string RegisteredBinMissingNotice(std::string_view printer, std::string_view bin);

// Why a slip is not printed: "印刷できません。" and the notice.
std::string CannotPrintText(std::string_view notice);

}  // namespace ruvo
