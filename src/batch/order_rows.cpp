#include "batch/order_rows.h"

#include "batch/order_values.h"
#include "settings/file_errors.h"
#include "slip/quantity.h"
#include "slip/slip_fields.h"
#include "transfer/address_split.h"
#include "transfer/recipient_fields.h"
#include "transfer/text_ops.h"

namespace ruvo::batch {
namespace {

// What the window lets the user enter into `field`.
constexpr std::size_t EntryLimit(SlipField field) {
  return SlipFieldOf(field).entryBytes;
}

constexpr std::pair<OrderField, SlipField> kGoodsFields[] = {
    {OrderField::kGoods1, SlipField::kGoods1},
    {OrderField::kGoods2, SlipField::kGoods2},
    {OrderField::kGoods3, SlipField::kGoods3},
};

// The column a slip field's text comes from, by the layout's name of the
// field; the postal code's boxes all come from its column and every sender
// field from the sender's.
constexpr struct {
  std::string_view layoutName;
  OrderField column;
} kFitColumns[] = {
    {"wished month", OrderField::kWishedMonth},
    {"wished day", OrderField::kWishedDay},
    {"tel", OrderField::kTel},
    {"address 1", OrderField::kAddress1},
    {"address 2", OrderField::kAddress2},
    {"address 3", OrderField::kAddress3},
    {"goods 1", OrderField::kGoods1},
    {"goods 2", OrderField::kGoods2},
    {"goods 3", OrderField::kGoods3},
    {"name", OrderField::kName},
};

OrderField FitColumn(std::string_view layoutName) {
  for (const auto& row : kFitColumns) {
    if (row.layoutName == layoutName) return row.column;
  }
  return layoutName.starts_with("zip") ? OrderField::kZip : OrderField::kSender;
}

class RowReader {
 public:
  RowReader(const CsvRecord& record, const OrderColumns& columns, const OrderContext& context)
      : record_(record), columns_(columns), context_(context) {
    row_.row = record.row;
    row_.slip.slipDate = context.slipDate;
  }

  OrderRow Read() {
    CheckWidth();
    ReadRecipient();
    ReadGoods();
    ReadDates();
    ReadSender();
    row_.orderNumber = Text(OrderField::kOrderNumber);
    CheckFit();
    return std::move(row_);
  }

 private:
  // The field's text as CP932, control bytes folded, blanks at both ends
  // removed; empty when the file has no such column or the row no such field.
  std::string Text(OrderField field) {
    const int index = columns_.IndexOf(field);
    if (index < 0 || static_cast<std::size_t>(index) >= record_.fields.size()) return {};
    const Cp932Text text =
        FieldToCp932(record_.fields[static_cast<std::size_t>(index)], context_.encoding);
    if (text.replaced > 0) Problem(field, reason::kNotInCp932);
    return std::string(TrimBlanks(FoldControls(text.bytes)));
  }

  // Text(field), with a problem when it is longer than `limit` bytes.
  std::string Limited(OrderField field, std::size_t limit) {
    std::string text = Text(field);
    if (text.size() > limit) Problem(field, reason::TooLong(limit, text.size()));
    return text;
  }

  // Text(field), with a problem when it is empty though its column is there
  // (a missing column is the header's problem).
  std::string Required(OrderField field, std::size_t limit = std::string::npos) {
    std::string text = Limited(field, limit);
    if (text.empty() && columns_.IndexOf(field) >= 0) Problem(field, reason::kEmpty);
    return text;
  }

  void Problem(OrderField field, std::string_view reason) {
    std::string column = columns_.header[static_cast<std::size_t>(field)];
    if (column.empty()) column = OrderFieldName(field);
    row_.problems.push_back({{}, record_.row, std::move(column), std::string(reason)});
  }

  // More fields than the header has columns means a comma too many or a
  // quote missing: every value after it may be in the wrong column.
  void CheckWidth() {
    for (std::size_t i = columns_.width; i < record_.fields.size(); ++i) {
      if (!TrimBlanks(record_.fields[i]).empty()) {
        row_.problems.push_back({{}, record_.row, {}, std::string(reason::kExtraFields)});
        return;
      }
    }
  }

  void ReadRecipient() {
    SlipRecord& slip = row_.slip;
    slip.recipientZip =
        SlipPostalCode(Required(OrderField::kZip, EntryLimit(SlipField::kRecipientZip)));
    if (!slip.recipientZip.empty() && !IsSlipPostalCode(slip.recipientZip)) {
      Problem(OrderField::kZip, reason::kBadZip);
    }
    const std::string address1 = Required(OrderField::kAddress1);
    std::tie(slip.recipientAddress1, slip.recipientAddress2) =
        SplitLongAddress(address1, Text(OrderField::kAddress2));
    slip.recipientAddress3 = Text(OrderField::kAddress3);
    slip.recipientName = Required(OrderField::kName, EntryLimit(SlipField::kRecipientName));
    slip.recipientTel = FieldTextAsHeld(SlipField::kRecipientTel, Text(OrderField::kTel));
    CheckPostalCode(address1);
  }

  // A code the directory knows must lead to the address; an unknown code
  // or none to compare with passes, as it does in the window.
  void CheckPostalCode(const std::string& address1) {
    if (context_.postal == nullptr || !IsSlipPostalCode(row_.slip.recipientZip)) return;
    row_.verdict = postal::CheckPostalAddress(*context_.postal, row_.slip.recipientZip, address1);
    if (row_.verdict != postal::ZipVerdict::Mismatch) return;
    Problem(OrderField::kZip, std::string(reason::kZipMismatch) +
                                  postal::ZipStatusText(*context_.postal, row_.slip.recipientZip));
  }

  void ReadGoods() {
    for (std::size_t line = 0; line < row_.slip.goods.size(); ++line) {
      const auto [column, field] = kGoodsFields[line];
      row_.slip.goods[line] = Limited(column, EntryLimit(field));
    }
    // A quantity that is none stays as written, so that the row shows it.
    const std::string quantity = Text(OrderField::kQuantity);
    if (const auto boxText = OrderQuantity(quantity)) {
      row_.slip.quantity = *boxText;
    } else {
      row_.slip.quantity = quantity;
      Problem(OrderField::kQuantity, reason::kBadQuantity);
    }
    if (const auto slot = TimeSlotNumber(Text(OrderField::kTimeSlot))) {
      if (*slot > 0) row_.slip.timeSlots[static_cast<std::size_t>(*slot - 1)] = true;
    } else {
      Problem(OrderField::kTimeSlot, reason::kBadSlot);
    }
  }

  // One wished date goes before a month and a day given apart.
  void ReadDates() {
    const std::string date = Text(OrderField::kWishedDate);
    if (!date.empty()) {
      if (const auto wished = WishedDateOf(date)) {
        row_.slip.wishedMonth = wished->month;
        row_.slip.wishedDay = wished->day;
      } else {
        Problem(OrderField::kWishedDate, reason::kBadDate);
      }
      return;
    }
    row_.slip.wishedMonth = Limited(OrderField::kWishedMonth, EntryLimit(SlipField::kWishedMonth));
    row_.slip.wishedDay = Limited(OrderField::kWishedDay, EntryLimit(SlipField::kWishedDay));
  }

  void ReadSender() {
    const auto slot = SenderSlot(Text(OrderField::kSender), context_.selectedSender);
    if (!slot) {
      Problem(OrderField::kSender, reason::kBadSender);
      return;
    }
    row_.senderSlot = *slot;
    const auto index = static_cast<std::size_t>(*slot);
    const auto& sender = context_.senders.senders[index];
    if (!sender) {
      Problem(OrderField::kSender,
              std::string(reason::kSenderUnreadable) + context_.senders.errors[index]);
      return;
    }
    SlipRecord& slip = row_.slip;
    slip.senderZip = sender->zip;
    slip.senderAddress1 = sender->address1;
    slip.senderAddress2 = sender->address2;
    slip.senderName = sender->name;
    slip.senderTel = sender->tel;
  }

  // The slip is complete: each text is measured against its box.
  void CheckFit() {
    if (context_.measurer == nullptr) return;
    for (const FieldOverflow& overflow :
         MeasureOverflows(row_.slip, context_.fitValues, *context_.measurer)) {
      Problem(FitColumn(overflow.name), OverflowWarning(overflow));
    }
  }

  const CsvRecord& record_;
  const OrderColumns& columns_;
  const OrderContext& context_;
  OrderRow row_;
};

}  // namespace

SenderBook SenderBook::Load(const std::filesystem::path& directory) {
  SenderBook book;
  for (int slot = 0; slot < settings::kSenderSlotCount; ++slot) {
    const auto index = static_cast<std::size_t>(slot);
    try {
      book.senders[index] = settings::LoadSender(directory, slot);
    } catch (const settings::FileReadError& error) {
      book.errors[index] = error.what();
    }
  }
  return book;
}

bool IsBlankRecord(const CsvRecord& record) {
  for (const std::string& field : record.fields) {
    if (!TrimBlanks(field).empty()) return false;
  }
  return true;
}

OrderRow ReadOrderRow(const CsvRecord& record, const OrderColumns& columns,
                      const OrderContext& context) {
  return RowReader(record, columns, context).Read();
}

}  // namespace ruvo::batch
