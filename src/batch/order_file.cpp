#include "batch/order_file.h"

#include <algorithm>

#include "settings/file_store.h"
#include "transfer/cp932_codec.h"

namespace ruvo::batch {
namespace {

BatchProblem FileProblem(std::string_view reason, int row = 0) {
  return {{}, row, {}, std::string(reason)};
}

std::vector<std::string> HeaderOf(const CsvRecord& record, CsvEncoding encoding) {
  std::vector<std::string> header;
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

// The rows of an order file as they are read, the first record its header.
class OrderReader {
 public:
  explicit OrderReader(OrderFileOptions& options, OrderFile& file)
      : options_(options), file_(file) {}

  void Take(const CsvRecord& record) {
    if (!columns_) {
      columns_ = ResolveOrderColumns(HeaderOf(record, file_.encoding), options_.columnMap);
      file_.problems.insert(file_.problems.end(), columns_->problems.begin(),
                            columns_->problems.end());
      return;
    }
    if (IsBlankRecord(record)) return;
    file_.rows.push_back(ReadOrderRow(record, *columns_, options_.context));
  }

  bool SawHeader() const { return columns_.has_value(); }

 private:
  OrderFileOptions& options_;
  OrderFile& file_;
  std::optional<OrderColumns> columns_;
};

}  // namespace

std::size_t OrderFile::InvalidRowCount() const {
  return static_cast<std::size_t>(std::count_if(
      rows.begin(), rows.end(), [](const OrderRow& row) { return !row.Printable(); }));
}

std::vector<BatchProblem> OrderFile::AllProblems() const {
  std::vector<BatchProblem> all = problems;
  for (const OrderRow& row : rows)
    all.insert(all.end(), row.problems.begin(), row.problems.end());
  return all;
}

std::vector<const SlipRecord*> OrderFile::PrintableSlips() const {
  std::vector<const SlipRecord*> slips;
  if (!problems.empty()) return slips;
  for (const OrderRow& row : rows) {
    if (row.Printable()) slips.push_back(&row.slip);
  }
  return slips;
}

OrderFile ReadOrderFile(std::string_view bytes, OrderFileOptions options) {
  OrderFile file;
  file.encoding = options.encoding.value_or(DetectCsvEncoding(bytes));
  options.context.encoding = file.encoding;
  // A byte-order mark starts no CP932 text either: it goes whatever the
  // encoding, so that it never sticks to the first header.
  bytes = WithoutUtf8Bom(bytes);
  if (LooksBinary(bytes)) {
    file.problems.push_back(FileProblem(reason::kBinary));
  } else {
    OrderReader reader(options, file);
    try {
      ReadCsvRecords(bytes, [&](const CsvRecord& record) { reader.Take(record); });
    } catch (const CsvSyntaxError& error) {
      file.problems.push_back(FileProblem(
          error.unterminated() ? reason::kUnclosedQuote : reason::kMisplacedQuote, error.row()));
    }
    if (!reader.SawHeader()) {
      file.problems.push_back(FileProblem(reason::kEmptyFile));
    } else if (file.rows.empty() && file.problems.empty()) {
      file.problems.push_back(FileProblem(reason::kNoRows));
    }
  }
  NameFile(file.problems, options.fileName);
  for (OrderRow& row : file.rows)
    NameFile(row.problems, options.fileName);
  return file;
}

ParsedColumnMap ReadColumnMapText(std::string_view bytes, const std::string& fileName) {
  const CsvEncoding encoding = DetectCsvEncoding(bytes);
  ParsedColumnMap parsed = ParseColumnMap(FieldToCp932(WithoutUtf8Bom(bytes), encoding).bytes);
  NameFile(parsed.problems, fileName);
  return parsed;
}

OrderFile LoadOrderFile(const OrderFileSource& source) {
  const std::string bytes = settings::ReadWholeFile(source.orderFile);
  OrderFileOptions options;
  options.fileName = FileNameOf(source.orderFile);
  options.encoding = source.encoding;
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
