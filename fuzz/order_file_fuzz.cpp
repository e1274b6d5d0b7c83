// Feeds arbitrary bytes to the order-file reader, as detected and as each
// encoding, and checks what printing a batch relies on: a slip that prints
// holds a postal code for the seven boxes, a quantity of 1 to 999 and an
// address line 1 that fits its 40 bytes; orders come in the order of their
// first rows, each ending at or after its first.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "batch/order_file.h"
#include "batch/order_values.h"

namespace {

using namespace ruvo::batch;

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckFile(const OrderFile& file) {
  int previous = 1;
  for (const Order& order : file.orders) {
    Check(order.row > previous);
    Check(order.lastRow >= order.row);
    previous = order.row;
  }
  for (const ruvo::SlipRecord* slip : file.PrintableSlips()) {
    Check(IsSlipPostalCode(slip->recipientZip));
    Check(!slip->quantity.empty() && slip->quantity.size() <= 3 && slip->quantity != "0");
    Check(slip->recipientAddress1.size() <= 40);
  }
  Check(file.problems.empty() || file.PrintableSlips().empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (const auto encoding :
       {std::optional<CsvEncoding>(), std::optional(CsvEncoding::kUtf8),
        std::optional(CsvEncoding::kCp932), std::optional(CsvEncoding::kUtf16Le)}) {
    OrderFileOptions options;
    options.encoding = encoding;
    options.context.senders.senders[0] = ruvo::settings::SenderFields{};  // rows may print
    CheckFile(ReadOrderFile(bytes, std::move(options)));
  }
  ParseColumnMap(bytes);
  return 0;
}
