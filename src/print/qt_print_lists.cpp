#include "print/qt_print_lists.h"

#include "print/paper_codes.h"
#include "widgets/qt_text.h"

namespace ruvo {

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
    list.push_back({{code, Utf8ToCp932(slot.text).bytes}, slot.keyword});
  }
  return list;
}

QPrinterInfo PrinterInfoFor(const std::string& printerCp932) {
  return QPrinterInfo::printerInfo(Cp932ToQString(printerCp932));
}

}  // namespace ruvo
