#pragma once
// The status-bar texts that tell the user which printer the next slip goes
// to when that printer is not the one the user chose or registered. Texts
// and printer names are CP932.

#include <string>
#include <string_view>

namespace ruvo {

// The printers changed and the selection fell back to the system default:
// "プリンタの構成が変わったため、「Y」を選択しました。", or, without a
// default printer, "プリンタの構成が変わりました。既定のプリンタがないため、
// プリンタは選択されていません。" for an empty `selected`.
std::string PrintersChangedNotice(std::string_view selected);

// A paper mode's registered printer name names no visible printer:
// "登録されたプリンタ「X」が見つかりません。「Y」を選択しました。"
std::string RegisteredPrinterMissingNotice(std::string_view registered, std::string_view selected);

// A paper mode's registration holds no printer name, so its number chose:
// "プリンタ名が登録されていないため、「Y」を選択しました。"
std::string UnnamedRegistrationNotice(std::string_view selected);

}  // namespace ruvo
