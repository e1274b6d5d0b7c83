#pragma once
// A shop's order file read whole and checked before anything prints: its
// encoding and separator, its header (a platform's preset, a column map or
// the built-in names), and its rows gathered into orders, each a slip with
// its problems.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "batch/batch_problem.h"
#include "batch/column_map.h"
#include "batch/csv_encoding.h"
#include "batch/order_columns.h"
#include "batch/order_slip.h"

namespace ruvo::batch {

// The column map a working folder keeps for the window and the command:
// "ruvo_csvmap.txt", in the encoding of an order file.
inline constexpr std::string_view kColumnMapFileName = "ruvo_csvmap.txt";

// The largest order file read: a busy shop's day is a few MiB.
inline constexpr std::size_t kMaxOrderFileBytes = std::size_t{16} << 20;

struct OrderFile {
  bool read = false;  // whether its bytes were read: false for a file too large
  CsvEncoding encoding = CsvEncoding::kCp932;  // as read; meaningless unless `read`
  char separator = ',';
  std::size_t rowCount = 0;   // the data rows read, blank rows left out
  std::vector<Order> orders;  // in the order of their first rows
  std::string preset;         // CP932: the platform the header is one of; empty for none
  // Each field the file gives and its source, as a map writes it
  // ("郵便番号", "送付先郵便番号1 + "-" + 送付先郵便番号2"), in field order.
  std::vector<std::pair<OrderField, std::string>> sources;
  std::vector<std::string> unusedColumns;  // CP932: the headers no field uses
  // The file's and the header's problems (an empty, binary or too large
  // file, a quote out of place, a missing column) and the column map's:
  // while there is one, no slip of the file prints.
  std::vector<BatchProblem> problems;

  std::size_t InvalidOrderCount() const;
  // The file's problems, then each order's in row order.
  std::vector<BatchProblem> AllProblems() const;
  std::vector<BatchProblem> AllWarnings() const;
  // The orders without problems; none while the file has one.
  std::vector<const Order*> PrintableOrders() const;
  std::vector<const SlipRecord*> PrintableSlips() const;
};

// What a reading is doing when it tells its progress.
enum class ReadStep {
  kReading,   // `done` and `total` count the file's bytes
  kChecking,  // they count the orders
};
// Told as the file is read; false stops the reading (ReadCancelled).
using ReadProgress = std::function<bool(ReadStep step, std::size_t done, std::size_t total)>;

// The reading was stopped by its progress.
class ReadCancelled : public std::runtime_error {
 public:
  ReadCancelled() : std::runtime_error("the order file's reading was cancelled") {}
};

struct OrderFileOptions {
  std::string fileName;                 // CP932, as problems name the order file
  std::optional<CsvEncoding> encoding;  // the file's bytes decide when unset
  ColumnMap columnMap;
  OrderContext context;  // its encoding is set from the file's
  ReadProgress progress = {};
};

// Reads `bytes` as an order file: the first record is the header. Rows of
// one order (the same order number, and the same destination where the
// file names one; or, without an order number, rows whose postal code,
// address and name are empty under a row that has them) make one order.
OrderFile ReadOrderFile(std::string_view bytes, OrderFileOptions options);

// Reads a column map file (UTF-8 or CP932, as its bytes say); its problems
// name `fileName`.
ParsedColumnMap ReadColumnMapText(std::string_view bytes, const std::string& fileName);

// What a batch is read from: the order file, an optional column map (else the
// working folder's, when there is one), the encoding when it is not to be
// detected, and the working folder's senders.
struct OrderFileSource {
  std::filesystem::path orderFile;
  std::optional<std::filesystem::path> columnMap;
  std::optional<CsvEncoding> encoding;
  std::filesystem::path workingFolder;
  int selectedSender = 0;
  const postal::PostalDirectory* postal = nullptr;
  std::chrono::year_month_day slipDate{};
  const TextMeasurer* measurer = nullptr;  // as OrderContext's
  SlipPrintValues fitValues{};
};

// Reads and checks the order file; a file over kMaxOrderFileBytes is a
// problem of the file. A file that cannot be read (the order file, a column
// map named explicitly) throws settings::FileReadError.
OrderFile LoadOrderFile(const OrderFileSource& source, const ReadProgress& progress = {});

}  // namespace ruvo::batch
