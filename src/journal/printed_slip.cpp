#include "journal/printed_slip.h"

#include "settings/file_errors.h"

namespace ruvo::journal {
namespace {

constexpr struct {
  SlipOrigin origin;
  std::string_view name;
} kOrigins[] = {
    {SlipOrigin::kWindow, "window"},
    {SlipOrigin::kBatch, "batch"},
    {SlipOrigin::kCommandLine, "cli"},
};

}  // namespace

std::string_view OriginName(SlipOrigin origin) {
  for (const auto& row : kOrigins) {
    if (row.origin == origin) return row.name;
  }
  return {};
}

std::optional<SlipOrigin> OriginNamed(std::string_view name) {
  for (const auto& row : kOrigins) {
    if (row.name == name) return row.origin;
  }
  return std::nullopt;
}

std::vector<PrintedSlip> BatchOrdersPrinted(const std::filesystem::path& file,
                                            const std::vector<const batch::Order*>& orders,
                                            const PrintSetup& setup) {
  const std::string fileText = settings::PathText(std::filesystem::absolute(file));
  std::vector<PrintedSlip> slips;
  for (const batch::Order* order : orders) {
    PrintedSlip& slip = slips.emplace_back();
    slip.origin = SlipOrigin::kBatch;
    slip.batchFile = fileText;
    slip.batchRow = order->row;
    slip.orderNumber = order->orderNumber;
    slip.setup = setup;
    slip.slip = order->slip;
  }
  return slips;
}

}  // namespace ruvo::journal
