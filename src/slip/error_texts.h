#pragma once
// What the window's error box says for an error of the core: the core keeps
// its typed errors with the platform's English texts (the command-line tool
// and the logs of a support case show those), and the window tells the user
// the same in Japanese, naming the file or printer concerned.

#include <exception>
#include <string>

namespace ruvo {

// The error's Japanese text, CP932, ending in "。":
//   FileReadError  "「my0.txt」を読めません: ファイルがありません。"
//   FileWriteError "「ruvo_q710.ini」に書き込めません: ディスクの空きがありません。"
//   EPrinterNotFound "プリンタ「Slip」が見つかりません。"
// and so on for the printer layer's errors, the print service, the print
// values and the text converter. An error the table does not know keeps
// its own text after a Japanese lead ("エラーが発生しました (…)。"); a core
// error whose text is Japanese already (ENoPrinterInForce) stays as it is.
std::string JapaneseErrorText(const std::exception& error);

}  // namespace ruvo
