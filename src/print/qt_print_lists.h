#pragma once
// A queue's paper sizes and sources with their platform codes and what CUPS
// calls them, so that a code chosen from the layer's lists can be turned back
// into the page size and the InputSlot of a job.

#include <QPageSize>
#include <QPrinterInfo>
#include <string>
#include <vector>

#include "print/ppd_summary.h"
#include "print/print_service.h"

namespace ruvo {

// The codes of either list are distinct within it (DistinctCodes), so that a
// code names one paper or tray of the queue, and the same queue lists the
// same codes every time.
struct PaperSizeEntry {
  PaperChoice choice;  // code from the Windows paper id; others 256, 257, ...
  QPageSize size;
};

struct PaperSourceEntry {
  PaperChoice choice;   // code by the InputSlot keyword; others 256, 257, ...
  std::string keyword;  // InputSlot choice to put into the job
};

// Paper sizes as Qt lists them for the queue.
std::vector<PaperSizeEntry> ListPaperSizes(const QPrinterInfo& info);

// Paper sources as the queue's PPD lists them.
std::vector<PaperSourceEntry> ListPaperSources(const PpdSummary& ppd);

// The queue by its name (UTF-8); a null QPrinterInfo when there is none.
QPrinterInfo PrinterInfoFor(const std::string& queue);

}  // namespace ruvo
