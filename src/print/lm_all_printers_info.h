#pragma once
// A snapshot of the installed printers in the system's order, hidden ones
// included, with each printer's name, queue name and attribute bits. Taken once and
// compared with a later one to notice that the printers changed.

#include <cstdint>
#include <string>
#include <vector>

#include "print/print_service.h"

namespace ruvo {

class TLmAllPrintersInfo {
 public:
  // Enumerates the service's printers now.
  explicit TLmAllPrintersInfo(const PrintService& service);
  explicit TLmAllPrintersInfo(std::vector<PrinterEntry> entries);

  int Count() const { return static_cast<int>(entries_.size()); }
  // Positions run from 0 to Count() - 1; others throw std::out_of_range.
  const std::string& GetName(int position) const;
  std::uint32_t GetAttributes(int position) const;
  const PrinterEntry& GetEntry(int position) const;
  bool IsVisible(int position) const;

  // Same count and, position by position, the same names, queues and
  // visibility:
  // the same printers under the same numbers. The other attribute bits are
  // states the print service changes by itself (CUPS stops a queue whose
  // printer is switched off or whose backend fails, and starts it again),
  // and such a state must not take away the user's selection.
  bool IsEqual(const TLmAllPrintersInfo& other) const;

  // Position of the entry whose visible count is `number`, or -1.
  int PositionOfNumber(int number) const;
  // Hidden entries before `position`.
  int HiddenBefore(int position) const;
  // First position named exactly `name` (bytes, case counts), or -1.
  int FindName(const std::string& name) const;
  // The position of the queue so named, or -1.
  int FindQueue(const std::string& queue) const;
  bool HasVisiblePrinter() const;

 private:
  std::vector<PrinterEntry> entries_;
};

}  // namespace ruvo
