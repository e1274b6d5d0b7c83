#include "print/qt_print_lists.h"

#include <string_view>

#include "print/paper_codes.h"
#include "qt_text/qt_text.h"
#include "transfer/cp932_codec.h"

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
  const QList<QPageSize> sizes = info.supportedPageSizes();
  std::vector<std::uint16_t> standard;
  for (const QPageSize& size : sizes)
    standard.push_back(PaperSizeCode(size.windowsId()));
  const std::vector<std::uint16_t> codes = DistinctCodes(standard);
  std::vector<PaperSizeEntry> list;
  for (qsizetype i = 0; i < sizes.size(); ++i) {
    const QPageSize& size = sizes[i];
    list.push_back({{codes[static_cast<std::size_t>(i)], QStringToCp932(size.name()).bytes}, size});
  }
  return list;
}

std::vector<PaperSourceEntry> ListPaperSources(const PpdSummary& ppd) {
  std::vector<std::uint16_t> standard;
  for (const PpdChoice& slot : ppd.inputSlots)
    standard.push_back(PaperSourceCode(slot.keyword));
  const std::vector<std::uint16_t> codes = DistinctCodes(standard);
  std::vector<PaperSourceEntry> list;
  for (std::size_t i = 0; i < ppd.inputSlots.size(); ++i) {
    const PpdChoice& slot = ppd.inputSlots[i];
    list.push_back({{codes[i], PpdTextToCp932(slot.text, ppd.languageEncoding)}, slot.keyword});
  }
  return list;
}

QPrinterInfo PrinterInfoFor(const std::string& queue) {
  return QPrinterInfo::printerInfo(QString::fromStdString(queue));
}

}  // namespace ruvo
