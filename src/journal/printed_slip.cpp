#include "journal/printed_slip.h"

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

}  // namespace ruvo::journal
