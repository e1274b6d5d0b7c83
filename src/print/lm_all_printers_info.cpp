#include "print/lm_all_printers_info.h"

#include <algorithm>
#include <stdexcept>

namespace ruvo {

TLmAllPrintersInfo::TLmAllPrintersInfo(const PrintService& service)
    : entries_(service.EnumeratePrinters()) {}

TLmAllPrintersInfo::TLmAllPrintersInfo(std::vector<PrinterEntry> entries)
    : entries_(std::move(entries)) {}

const PrinterEntry& TLmAllPrintersInfo::GetEntry(int position) const {
  if (position < 0 || position >= Count()) {
    throw std::out_of_range("TLmAllPrintersInfo: position " + std::to_string(position) +
                            " is outside the " + std::to_string(Count()) + " printers");
  }
  return entries_[static_cast<std::size_t>(position)];
}

const std::string& TLmAllPrintersInfo::GetName(int position) const {
  return GetEntry(position).name;
}

std::uint32_t TLmAllPrintersInfo::GetAttributes(int position) const {
  return GetEntry(position).attributes;
}

bool TLmAllPrintersInfo::IsVisible(int position) const {
  return (GetAttributes(position) & kPrinterAttributeHidden) == 0;
}

bool TLmAllPrintersInfo::IsEqual(const TLmAllPrintersInfo& other) const {
  if (Count() != other.Count()) return false;
  for (int position = 0; position < Count(); ++position) {
    if (GetName(position) != other.GetName(position) ||
        GetEntry(position).queue != other.GetEntry(position).queue ||
        IsVisible(position) != other.IsVisible(position)) {
      return false;
    }
  }
  return true;
}

int TLmAllPrintersInfo::PositionOfNumber(int number) const {
  int visibleCount = 0;
  for (int position = 0; position < Count(); ++position) {
    if (!IsVisible(position)) continue;
    if (visibleCount == number) return position;
    ++visibleCount;
  }
  return -1;
}

int TLmAllPrintersInfo::HiddenBefore(int position) const {
  int hidden = 0;
  for (int before = 0; before < position; ++before) {
    if (!IsVisible(before)) ++hidden;
  }
  return hidden;
}

int TLmAllPrintersInfo::FindName(const std::string& name) const {
  auto found = std::find_if(entries_.begin(), entries_.end(),
                            [&](const PrinterEntry& entry) { return entry.name == name; });
  return found == entries_.end() ? -1 : static_cast<int>(found - entries_.begin());
}

int TLmAllPrintersInfo::FindQueue(const std::string& queue) const {
  auto found = std::find_if(entries_.begin(), entries_.end(),
                            [&](const PrinterEntry& entry) { return entry.queue == queue; });
  return found == entries_.end() ? -1 : static_cast<int>(found - entries_.begin());
}

bool TLmAllPrintersInfo::HasVisiblePrinter() const {
  return PositionOfNumber(0) >= 0;
}

}  // namespace ruvo
