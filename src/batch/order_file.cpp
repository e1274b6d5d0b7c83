#include "batch/order_file.h"

#include <algorithm>
#include <system_error>
#include <unordered_map>

#include "batch/order_presets.h"
#include "settings/file_store.h"
#include "transfer/cp932_codec.h"

namespace ruvo::batch {
namespace {

// Between an order number and a destination in an order's key: no text
// holds it.
constexpr char kKeySeparator = '\x1F';

BatchProblem FileProblem(std::string_view reason, int row = 0) {
  return {{}, row, {}, std::string(reason)};
}

std::vector<std::string> HeaderOf(const CsvRecord& record, CsvEncoding encoding) {
  std::vector<std::string> header;
  header.reserve(record.fields.size());
  for (const std::string& field : record.fields)
    header.push_back(FieldToCp932(field, encoding).bytes);
  return header;
}

// A path as problems name it: the file system's names are UTF-8.
std::string FileNameOf(const std::filesystem::path& path) {
  return Utf8ToCp932(path.string()).bytes;
}

void NameFile(std::vector<BatchProblem>& problems, const std::string& fileName) {
  for (BatchProblem& problem : problems)
    problem.file = fileName;
}

// A header too wide to be an order file's: nothing after it is read.
struct HeaderRefused {};

// The rows of an order file gathered into orders as they are read, the
// first record its header.
class OrderReader {
 public:
  OrderReader(const OrderFileOptions& options, OrderFile& file) : options_(options), file_(file) {}

  void Take(const CsvRecord& record) {
    if (!columns_) {
      TakeHeader(record);
      return;
    }
    if (IsBlankRecord(record)) return;
    ++file_.rowCount;
    Gather(ReadRowTexts(record, *columns_, options_.context.encoding));
  }

  bool SawHeader() const { return columns_.has_value(); }

  // Every order checked, in the order of its first row.
  void Finish() {
    if (!columns_) return;
    file_.orders.reserve(drafts_.size());
    for (std::size_t i = 0; i < drafts_.size(); ++i) {
      file_.orders.push_back(BuildOrder(std::move(drafts_[i]), *columns_, options_.context));
      if (options_.progress && !options_.progress(ReadStep::kChecking, i + 1, drafts_.size()))
        throw ReadCancelled();
    }
    drafts_.clear();
  }

 private:
  void TakeHeader(const CsvRecord& record) {
    if (record.fieldCount > kMaxCsvFields) {
      file_.problems.push_back(
          FileProblem(reason::TooManyColumns(kMaxCsvFields, record.fieldCount), record.row));
      throw HeaderRefused{};
    }
    columns_ = ResolveOrderColumns(HeaderOf(record, options_.context.encoding), options_.columnMap);
    const OrderColumns& columns = *columns_;
    file_.problems.insert(file_.problems.end(), columns.problems.begin(), columns.problems.end());
    if (columns.preset != nullptr) file_.preset = columns.preset->name;
    for (std::size_t slot = 0; slot < kOrderFieldCount; ++slot) {
      for (const FieldSource& source : columns.sources[slot])
        file_.sources.emplace_back(static_cast<OrderField>(slot), columns.SourceText(source));
    }
    for (const int column : columns.unused)
      file_.unusedColumns.push_back(columns.header[static_cast<std::size_t>(column)]);
  }

  static bool HasNoRecipient(const RowTexts& row) {
    return row[OrderField::kZip].empty() && row[OrderField::kAddress1].empty() &&
           row[OrderField::kName].empty();
  }

  // The same order number (and destination) joins its order wherever it
  // stands; without one, a row without recipient goes with the order above.
  void Gather(RowTexts row) {
    const std::string& number = row[OrderField::kOrderNumber];
    std::string key;
    if (!number.empty()) key = number + kKeySeparator + row[OrderField::kDestination];
    if (!key.empty()) {
      if (const auto found = byKey_.find(key); found != byKey_.end()) {
        Join(found->second, std::move(row));
        return;
      }
      byKey_.emplace(std::move(key), drafts_.size());
    } else if (HasNoRecipient(row) && !drafts_.empty()) {
      Join(last_, std::move(row));
      return;
    }
    last_ = drafts_.size();
    drafts_.emplace_back(std::move(row));
  }

  void Join(std::size_t draft, RowTexts row) {
    drafts_[draft].Add(std::move(row));
    last_ = draft;
  }

  const OrderFileOptions& options_;
  OrderFile& file_;
  std::optional<OrderColumns> columns_;
  std::vector<OrderDraft> drafts_;
  std::unordered_map<std::string, std::size_t> byKey_;
  std::size_t last_ = 0;  // the draft the last row went to
};

void ReadRecords(const DecodedCsv& decoded, const OrderFileOptions& options, OrderFile& file) {
  OrderReader reader(options, file);
  const std::size_t total = decoded.text.size();
  const CsvProgress progress = [&](std::size_t done) {
    if (options.progress && !options.progress(ReadStep::kReading, done, total))
      throw ReadCancelled();
  };
  try {
    ReadCsvRecords(
        decoded.text, [&](const CsvRecord& record) { reader.Take(record); },
        DialectOf(decoded.text), progress);
  } catch (const CsvSyntaxError& error) {
    file.problems.push_back(FileProblem(
        error.unterminated() ? reason::kUnclosedQuote : reason::kMisplacedQuote, error.row()));
  } catch (const HeaderRefused&) {
    return;
  }
  if (!reader.SawHeader()) {
    file.problems.push_back(FileProblem(reason::kEmptyFile));
    return;
  }
  reader.Finish();
  if (file.orders.empty() && file.problems.empty())
    file.problems.push_back(FileProblem(reason::kNoRows));
}

}  // namespace

std::size_t OrderFile::InvalidOrderCount() const {
  return static_cast<std::size_t>(std::count_if(
      orders.begin(), orders.end(), [](const Order& order) { return !order.Printable(); }));
}

std::vector<BatchProblem> OrderFile::AllProblems() const {
  std::vector<BatchProblem> all = problems;
  for (const Order& order : orders)
    all.insert(all.end(), order.problems.begin(), order.problems.end());
  return all;
}

std::vector<BatchProblem> OrderFile::AllWarnings() const {
  std::vector<BatchProblem> all;
  for (const Order& order : orders)
    all.insert(all.end(), order.warnings.begin(), order.warnings.end());
  return all;
}

std::vector<const Order*> OrderFile::PrintableOrders() const {
  std::vector<const Order*> printable;
  if (!problems.empty()) return printable;
  for (const Order& order : orders) {
    if (order.Printable()) printable.push_back(&order);
  }
  return printable;
}

std::vector<const SlipRecord*> OrderFile::PrintableSlips() const {
  std::vector<const SlipRecord*> slips;
  for (const Order* order : PrintableOrders())
    slips.push_back(&order->slip);
  return slips;
}

OrderFile ReadOrderFile(std::string_view bytes, OrderFileOptions options) {
  OrderFile file;
  const DecodedCsv decoded = DecodeCsv(bytes, options.encoding);
  file.read = true;
  file.encoding = decoded.encoding;
  options.context.encoding = decoded.FieldEncoding();
  if (LooksBinary(decoded.text)) {
    file.problems.push_back(FileProblem(reason::kBinary));
  } else {
    file.separator = DialectOf(decoded.text).separator;
    ReadRecords(decoded, options, file);
  }
  NameFile(file.problems, options.fileName);
  for (Order& order : file.orders) {
    NameFile(order.problems, options.fileName);
    NameFile(order.warnings, options.fileName);
  }
  return file;
}

ParsedColumnMap ReadColumnMapText(std::string_view bytes, const std::string& fileName) {
  const DecodedCsv decoded = DecodeCsv(bytes, std::nullopt);
  ParsedColumnMap parsed =
      ParseColumnMap(FieldToCp932(decoded.text, decoded.FieldEncoding()).bytes);
  NameFile(parsed.problems, fileName);
  return parsed;
}

OrderFile LoadOrderFile(const OrderFileSource& source, const ReadProgress& progress) {
  OrderFileOptions options;
  options.fileName = FileNameOf(source.orderFile);
  options.encoding = source.encoding;
  options.progress = progress;
  std::error_code noSize;
  const std::uintmax_t size = std::filesystem::file_size(source.orderFile, noSize);
  if (!noSize && size > kMaxOrderFileBytes) {
    OrderFile file;
    file.problems.push_back({options.fileName, 0, {}, reason::FileTooLarge(kMaxOrderFileBytes)});
    return file;
  }
  const std::string bytes = settings::ReadWholeFile(source.orderFile, kMaxOrderFileBytes);
  options.context.senders = SenderBook::Load(source.workingFolder);
  options.context.selectedSender = source.selectedSender;
  options.context.postal = source.postal;
  options.context.slipDate = source.slipDate;
  options.context.measurer = source.measurer;
  options.context.fitValues = source.fitValues;
  const std::filesystem::path mapFile =
      source.columnMap.value_or(source.workingFolder / kColumnMapFileName);
  const std::optional<std::string> mapBytes =
      source.columnMap ? settings::ReadWholeFile(mapFile) : settings::ReadFileIfExists(mapFile);
  std::vector<BatchProblem> mapProblems;
  if (mapBytes) {
    ParsedColumnMap parsed = ReadColumnMapText(*mapBytes, FileNameOf(mapFile));
    options.columnMap = std::move(parsed.map);
    mapProblems = std::move(parsed.problems);
  }
  OrderFile file = ReadOrderFile(bytes, std::move(options));
  file.problems.insert(file.problems.begin(), mapProblems.begin(), mapProblems.end());
  return file;
}

}  // namespace ruvo::batch
