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

}  // namespace ruvo
