#pragma once
// The one JSON object ruvo-slip batch writes, whatever happened: what the
// order file held and what of it printed, or why nothing could be read.

#include <cstddef>
#include <optional>
#include <string>

#include "batch/order_file.h"
#include "cli/cli_io.h"

namespace ruvo::cli {

struct BatchReport {
  const batch::OrderFile* file = nullptr;  // null when the file could not be read
  std::size_t printed = 0;
  std::size_t recorded = 0;
  // The resolution the slips were laid out at and where it came from
  // ("option", "printer", "default"); none when nothing was laid out.
  std::optional<std::pair<std::string, std::string>> dpi;
  std::string dpiSource;
  std::string error;  // CP932, Japanese: why the batch stopped; empty when it did not
};

// {"rows", "printed", "skipped", "encoding", "problems", "orders", "warnings",
// "preset", "separator", "fields", "ignored", "dpi", "dpi_source", "error",
// "recorded"}, ending in a line break.
std::string BatchReportJson(const Context& ctx, const BatchReport& report);

}  // namespace ruvo::cli
