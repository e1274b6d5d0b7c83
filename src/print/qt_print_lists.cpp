#include "print/qt_print_lists.h"

#include <string_view>

#include "print/paper_codes.h"
#include "transfer/cp932_codec.h"
#include "widgets/qt_text.h"

namespace ruvo {
namespace {

// ISO Latin-1 (and the Windows ANSI set, near enough for tray names) to UTF-8.
std::string Latin1ToUtf8(std::string_view latin1) {
  std::string utf8;
  for (char c : latin1) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8.push_back(c);
    } else {
      utf8.push_back(static_cast<char>(0xC0 | (byte >> 6)));
      utf8.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
    }
  }
  return utf8;
}

// A PPD translation string in CP932, from the file's language encoding.
std::string PpdTextToCp932(const std::string& text, std::string_view encoding) {
  if (encoding == "JIS83-RKSJ") return text;  // Shift-JIS: the core's own bytes
  if (encoding == "UTF-8") return Utf8ToCp932(text).bytes;
  return Utf8ToCp932(Latin1ToUtf8(text)).bytes;
}

}  // namespace

std::vector<PaperSizeEntry> ListPaperSizes(const QPrinterInfo& info) {
  std::vector<PaperSizeEntry> list;
  std::uint16_t nextUserCode = kUserPaperCodeBase;
  for (const QPageSize& size : info.supportedPageSizes()) {
    std::uint16_t code = PaperSizeCode(size.windowsId());
    if (code == 0) code = nextUserCode++;
    list.push_back({{code, QStringToCp932(size.name()).bytes}, size});
  }
  return list;
}

std::vector<PaperSourceEntry> ListPaperSources(const PpdSummary& ppd) {
  std::vector<PaperSourceEntry> list;
  std::uint16_t nextUserCode = kUserPaperCodeBase;
  for (const PpdChoice& slot : ppd.inputSlots) {
    std::uint16_t code = PaperSourceCode(slot.keyword);
    if (code == 0) code = nextUserCode++;
    list.push_back({{code, PpdTextToCp932(slot.text, ppd.languageEncoding)}, slot.keyword});
  }
  return list;
}

QPrinterInfo PrinterInfoFor(const std::string& printerCp932) {
  return QPrinterInfo::printerInfo(Cp932ToQString(printerCp932));
}

}  // namespace ruvo
