#include "batch/order_rows.h"

#include <algorithm>

#include "batch/order_values.h"
#include "transfer/text_ops.h"

namespace ruvo::batch {
namespace {

constexpr OrderField kAddressFields[] = {OrderField::kAddress1, OrderField::kAddress2,
                                         OrderField::kAddress3};

class RowReader {
 public:
  RowReader(const CsvRecord& record, const OrderColumns& columns, CsvEncoding encoding)
      : record_(record), columns_(columns), encoding_(encoding) {
    texts_.row = record.row;
  }

  RowTexts Read() {
    CheckWidth();
    for (std::size_t slot = 0; slot < kOrderFieldCount; ++slot) {
      const auto field = static_cast<OrderField>(slot);
      const auto& sources = columns_.sources[slot];
      if (sources.empty()) continue;
      if (field != OrderField::kItemName) {
        texts_.text[slot] = Joined(sources.front(), IsAddress(field));
        continue;
      }
      for (const FieldSource& source : sources) {
        std::string item = Joined(source, false);
        if (!item.empty()) texts_.items.push_back(std::move(item));
      }
    }
    return std::move(texts_);
  }

 private:
  static bool IsAddress(OrderField field) {
    return std::find(std::begin(kAddressFields), std::end(kAddressFields), field) !=
           std::end(kAddressFields);
  }

  std::string Joined(const FieldSource& source, bool address) {
    std::string joined;
    std::string_view between;  // the literal before the next column with text
    for (const SourcePart& part : source.parts) {
      if (part.column < 0) {
        between = part.literal;
        continue;
      }
      std::string text = Column(static_cast<std::size_t>(part.column));
      if (address) text = PrefectureOfCode(text);
      if (!text.empty()) {
        if (!joined.empty()) joined += between;
        joined += text;
      }
      between = {};
    }
    return joined;
  }

  // The column's text as CP932, control bytes folded, blanks at both ends
  // removed; a column that gives two fields is reported once.
  std::string Column(std::size_t index) {
    if (index >= record_.fields.size()) return {};
    const std::string& field = record_.fields[index];
    const Cp932Text text = FieldToCp932(field, encoding_);
    if (text.replaced > 0 &&
        std::find(reported_.begin(), reported_.end(), index) == reported_.end()) {
      reported_.push_back(index);
      const bool unreadable = encoding_ == CsvEncoding::kUtf8 && HasMalformedUtf8(field);
      texts_.problems.push_back(
          {{},
           record_.row,
           columns_.header[index],
           std::string(unreadable ? reason::kUnreadableBytes : reason::kNotInCp932)});
    }
    return std::string(TrimBlanks(FoldControls(text.bytes)));
  }

  // More fields than the header has columns means a comma too many or a
  // quote missing: every value after it may be in the wrong column.
  void CheckWidth() {
    bool extra = record_.textPastKept;
    for (std::size_t i = columns_.width; i < record_.fields.size() && !extra; ++i)
      extra = !TrimBlanks(record_.fields[i]).empty();
    if (extra) texts_.problems.push_back({{}, record_.row, {}, std::string(reason::kExtraFields)});
  }

  const CsvRecord& record_;
  const OrderColumns& columns_;
  CsvEncoding encoding_;
  RowTexts texts_;
  std::vector<std::size_t> reported_;
};

}  // namespace

bool IsBlankRecord(const CsvRecord& record) {
  if (record.textPastKept) return false;
  return std::all_of(record.fields.begin(), record.fields.end(),
                     [](const std::string& field) { return TrimBlanks(field).empty(); });
}

RowTexts ReadRowTexts(const CsvRecord& record, const OrderColumns& columns, CsvEncoding encoding) {
  return RowReader(record, columns, encoding).Read();
}

}  // namespace ruvo::batch
