#pragma once
// A shop's order file read whole and checked before anything prints: its
// encoding, its header, and every row as a slip with its problems.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_problem.h"
#include "batch/csv_encoding.h"
#include "batch/order_columns.h"
#include "batch/order_rows.h"

namespace ruvo::batch {

// The column map a working folder keeps for the window, which has no --map:
// "ruvo_csvmap.txt", in the encoding of an order file.
inline constexpr std::string_view kColumnMapFileName = "ruvo_csvmap.txt";

struct OrderFile {
  CsvEncoding encoding = CsvEncoding::kCp932;
  std::vector<OrderRow> rows;  // the data rows in file order; blank rows left out
  // The file's and the header's problems (an empty or binary file, a quote
  // out of place, an unknown or missing column) and the column map's: while
  // there is one, no slip of the file prints.
  std::vector<BatchProblem> problems;

  std::size_t InvalidRowCount() const;
  // The file's problems, then each row's in row order.
  std::vector<BatchProblem> AllProblems() const;
  // The slips of the rows without problems; none while the file has one.
  std::vector<const SlipRecord*> PrintableSlips() const;
};

struct OrderFileOptions {
  std::string fileName;                 // CP932, as problems name the order file
  std::optional<CsvEncoding> encoding;  // the file's bytes decide when unset
  ColumnMap columnMap;
  OrderContext context;  // its encoding is set from the file's
};

// Reads `bytes` as an order file: the first record is the header.
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

// Reads and checks the order file. A file that cannot be read (the order
// file, a column map named explicitly) throws settings::FileReadError.
OrderFile LoadOrderFile(const OrderFileSource& source);

}  // namespace ruvo::batch
