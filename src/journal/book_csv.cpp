#include "journal/book_csv.h"

#include <array>

#include "batch/csv_records.h"
#include "batch/order_columns.h"
#include "batch/order_rows.h"
#include "batch/order_values.h"
#include "journal/csv_text.h"
#include "transfer/recipient_fields.h"
#include "transfer/text_ops.h"

namespace ruvo::journal {
namespace {

using batch::BatchProblem;
using batch::OrderField;

// The book's columns, in the order of an order file's, with the window's
// byte limit of each field (none: the field takes what the slip prints).
constexpr struct {
  OrderField field;
  std::string Recipient::*member;
  std::size_t maxBytes;
} kBookColumns[] = {
    {OrderField::kZip, &Recipient::zip, 16},  // Edit_Zip
    {OrderField::kAddress1, &Recipient::address1, std::string::npos},
    {OrderField::kAddress2, &Recipient::address2, std::string::npos},
    {OrderField::kAddress3, &Recipient::address3, std::string::npos},
    {OrderField::kName, &Recipient::name, 80},  // Edit_Custo1
    {OrderField::kTel, &Recipient::tel, std::string::npos},
};
constexpr std::size_t kBookColumnCount = std::size(kBookColumns);
constexpr std::size_t kNameColumn = 4;
static_assert(kBookColumns[kNameColumn].field == OrderField::kName);

using ColumnIndexes = std::array<int, kBookColumnCount>;  // -1: the file has none

class RecipientsReader {
 public:
  RecipientsReader(batch::CsvEncoding encoding, std::string fileName)
      : encoding_(encoding), fileName_(std::move(fileName)) {
    columns_.fill(-1);
  }

  void Take(const batch::CsvRecord& record) {
    if (!headerRead_) {
      ReadHeader(record);
      headerRead_ = true;
    } else if (!batch::IsBlankRecord(record)) {
      ++rows_;
      ReadRow(record);
    }
  }

  void Problem(int row, std::string column, std::string_view reason) {
    problems_.push_back({fileName_, row, std::move(column), std::string(reason)});
  }

  RecipientsFile Finish() {
    if (!headerRead_ && problems_.empty()) Problem(0, {}, batch::reason::kEmptyFile);
    return {encoding_, rows_, std::move(recipients_), std::move(problems_)};
  }

 private:
  void ReadHeader(const batch::CsvRecord& record) {
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
      const Cp932Text header = batch::FieldToCp932(record.fields[i], encoding_);
      const std::optional<OrderField> field = batch::BuiltInField(header.bytes);
      for (std::size_t column = 0; field && column < kBookColumnCount; ++column) {
        if (kBookColumns[column].field != *field) continue;
        if (columns_[column] >= 0)
          Problem(record.row, header.bytes, batch::reason::kDuplicateColumn);
        if (columns_[column] < 0) columns_[column] = static_cast<int>(i);
      }
    }
    if (columns_[kNameColumn] < 0) {
      Problem(record.row, std::string(batch::OrderFieldName(OrderField::kName)),
              batch::reason::kMissingColumn);
    }
  }

  void ReadRow(const batch::CsvRecord& record) {
    Recipient recipient;
    const std::size_t problemsBefore = problems_.size();
    for (std::size_t column = 0; column < kBookColumnCount; ++column) {
      const int index = columns_[column];
      if (index < 0 || static_cast<std::size_t>(index) >= record.fields.size()) continue;
      recipient.*kBookColumns[column].member =
          Field(record, record.fields[static_cast<std::size_t>(index)], column);
    }
    if (TrimBlanks(recipient.name).empty() && columns_[kNameColumn] >= 0)
      Problem(record.row, ColumnName(kNameColumn), batch::reason::kEmpty);
    if (problems_.size() > problemsBefore || columns_[kNameColumn] < 0) return;
    recipient.zip = batch::SlipPostalCode(recipient.zip);
    recipient.tel = FieldTextAsHeld(SlipField::kRecipientTel, recipient.tel);
    recipients_.push_back(std::move(recipient));
  }

  std::string Field(const batch::CsvRecord& record, const std::string& raw, std::size_t column) {
    const Cp932Text text = batch::FieldToCp932(raw, encoding_);
    if (text.replaced > 0) Problem(record.row, ColumnName(column), batch::reason::kNotInCp932);
    std::string value(TrimBlanks(batch::FoldControls(text.bytes)));
    const std::size_t limit = kBookColumns[column].maxBytes;
    if (value.size() > limit)
      Problem(record.row, ColumnName(column), batch::reason::TooLong(limit, value.size()));
    return value;
  }

  std::string ColumnName(std::size_t column) const {
    return std::string(batch::OrderFieldName(kBookColumns[column].field));
  }

  batch::CsvEncoding encoding_;
  std::string fileName_;
  ColumnIndexes columns_{};
  bool headerRead_ = false;
  std::size_t rows_ = 0;
  std::vector<Recipient> recipients_;
  std::vector<BatchProblem> problems_;
};

}  // namespace

std::string RecipientsCsv(const std::vector<Recipient>& recipients, batch::CsvEncoding encoding) {
  std::vector<std::string> header;
  for (const auto& column : kBookColumns)
    header.emplace_back(batch::OrderFieldName(column.field));
  std::string csv = CsvLine(header);
  for (const Recipient& recipient : recipients) {
    std::vector<std::string> fields;
    for (const auto& column : kBookColumns)
      fields.push_back(recipient.*column.member);
    csv += CsvLine(fields);
  }
  return EncodedCsv(csv, encoding);
}

RecipientsFile ReadRecipientsCsv(std::string_view bytes, std::optional<batch::CsvEncoding> encoding,
                                 const std::string& fileName) {
  const batch::CsvEncoding used = encoding.value_or(batch::DetectCsvEncoding(bytes));
  RecipientsReader reader(used, fileName);
  if (batch::LooksBinary(bytes)) {
    reader.Problem(0, {}, batch::reason::kBinary);
    return reader.Finish();
  }
  try {
    batch::ReadCsvRecords(batch::WithoutUtf8Bom(bytes),
                          [&](const batch::CsvRecord& record) { reader.Take(record); });
  } catch (const batch::CsvSyntaxError& error) {
    reader.Problem(
        error.row(), {},
        error.unterminated() ? batch::reason::kUnclosedQuote : batch::reason::kMisplacedQuote);
  }
  return reader.Finish();
}

}  // namespace ruvo::journal
