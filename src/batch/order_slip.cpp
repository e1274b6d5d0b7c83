#include "batch/order_slip.h"

#include <algorithm>

#include "batch/order_presets.h"
#include "batch/order_values.h"
#include "settings/file_errors.h"
#include "slip/quantity.h"
#include "slip/slip_fields.h"
#include "transfer/address_split.h"
#include "transfer/mail_values.h"

namespace ruvo::batch {
namespace {

using enum OrderField;

// What the window lets the user enter into `field`.
constexpr std::size_t EntryLimit(SlipField field) {
  return SlipFieldOf(field).entryBytes;
}

constexpr std::pair<OrderField, SlipField> kGoodsFields[] = {
    {kGoods1, SlipField::kGoods1},
    {kGoods2, SlipField::kGoods2},
    {kGoods3, SlipField::kGoods3},
};

// The recipient of a row: a later row of an order that names another one
// belongs to another order or is a mistake.
constexpr OrderField kRecipientFields[] = {kZip, kAddress1, kAddress2, kAddress3, kName};

// The field a slip field's text comes from, by the layout's name of the
// field; the postal code's boxes all come from its column and every sender
// field from the sender's.
constexpr struct {
  std::string_view layoutName;
  OrderField column;
} kFitColumns[] = {
    {"wished month", kWishedMonth},
    {"wished day", kWishedDay},
    {"tel", kTel},
    {"address 1", kAddress1},
    {"address 2", kAddress2},
    {"address 3", kAddress3},
    {"goods 1", kGoods1},
    {"goods 2", kGoods2},
    {"goods 3", kGoods3},
    {"name", kName},
};

OrderField FitField(std::string_view layoutName) {
  for (const auto& row : kFitColumns) {
    if (row.layoutName == layoutName) return row.column;
  }
  return layoutName.starts_with("zip") ? kZip : kSender;
}

// Where a field's value came from when it has no column of its own: the
// wished month and day from the date, goods lines from the items.
OrderField StandIn(OrderField field) {
  switch (field) {
    case kWishedMonth:
    case kWishedDay:
      return kWishedDate;
    case kGoods1:
    case kGoods2:
    case kGoods3:
      return kItemName;
    default:
      return field;
  }
}

class OrderBuilder {
 public:
  OrderBuilder(OrderDraft& draft, const OrderColumns& columns, const OrderContext& context)
      : draft_(draft), columns_(columns), context_(context) {
    order_.row = draft.first.row;
    order_.lastRow = draft.lastRow;
    order_.rowCount = draft.rowCount;
    order_.problems = std::move(draft.first.problems);
    order_.slip.slipDate = context.slipDate;
  }

  Order Build() {
    ReadRecipient();
    ReadGoods();
    ReadQuantity();
    ReadTimeSlot();
    ReadDates();
    ReadSender();
    order_.orderNumber = Text(kOrderNumber);
    order_.buyer = Name(Text(kBuyer));
    for (BatchProblem& problem : draft_.laterProblems)
      order_.problems.push_back(std::move(problem));
    std::stable_sort(order_.problems.begin(), order_.problems.end(),
                     [](const BatchProblem& a, const BatchProblem& b) { return a.row < b.row; });
    CheckFit();
    return std::move(order_);
  }

 private:
  const std::string& Text(OrderField field) const { return draft_.first[field]; }

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
    if (text.empty() && columns_.Has(field)) Problem(field, reason::kEmpty);
    return text;
  }

  // The columns a field's value came from, as problems name them.
  std::string ColumnOf(OrderField field) const {
    for (const OrderField source : {field, StandIn(field)}) {
      if (const FieldSource* found = columns_.SourceOf(source)) return columns_.ColumnsOf(*found);
    }
    return std::string(OrderFieldName(field));
  }

  void Problem(OrderField field, std::string_view reason) {
    order_.problems.push_back({{}, order_.row, ColumnOf(field), std::string(reason)});
  }

  // As the window's transfer makes a name: the honorific and a reading in
  // brackets dropped, Shopify's given-name-first order turned.
  std::string Name(std::string_view text) const {
    std::string name = NameOf(text);
    if (columns_.preset != nullptr && columns_.preset->givenNameFirst) name = FamilyNameFirst(name);
    return name;
  }

  void ReadRecipient() {
    SlipRecord& slip = order_.slip;
    slip.recipientZip = SlipPostalCode(Required(kZip, EntryLimit(SlipField::kRecipientZip)));
    if (!slip.recipientZip.empty() && !IsSlipPostalCode(slip.recipientZip)) {
      Problem(kZip, reason::kBadZip);
    }
    std::tie(slip.recipientAddress1, slip.recipientAddress2) =
        SplitLongAddress(TidyAddress(Required(kAddress1)), TidyAddress(Text(kAddress2)));
    slip.recipientAddress3 = TidyAddress(Text(kAddress3));
    slip.recipientName = Name(Text(kName));
    const std::size_t nameLimit = EntryLimit(SlipField::kRecipientName);
    if (slip.recipientName.empty() && columns_.Has(kName)) Problem(kName, reason::kEmpty);
    if (slip.recipientName.size() > nameLimit)
      Problem(kName, reason::TooLong(nameLimit, slip.recipientName.size()));
    if (!Text(kTel).empty()) slip.recipientTel = SlipTelephone(Text(kTel));
    CheckPostalCode();
  }

  // A code the directory knows must lead to the address, its lines taken
  // together; an unknown code or none to compare with passes, as it does in
  // the window.
  void CheckPostalCode() {
    const SlipRecord& slip = order_.slip;
    if (context_.postal == nullptr || !IsSlipPostalCode(slip.recipientZip)) return;
    order_.verdict = postal::CheckPostalAddress(
        *context_.postal, slip.recipientZip,
        postal::WholeAddress(slip.recipientAddress1, slip.recipientAddress2,
                             slip.recipientAddress3));
    if (order_.verdict != postal::ZipVerdict::Mismatch) return;
    Problem(kZip, std::string(reason::kZipMismatch) +
                      postal::ZipStatusText(*context_.postal, slip.recipientZip));
  }

  // The lines the file gives go first (within the window's limits); else the
  // items' names. A file without item columns gives an order of several
  // rows one item a row in its first goods column.
  void ReadGoods() {
    const bool itemColumns = columns_.Has(kItemName);
    std::vector<std::string> items = draft_.items;
    if (!itemColumns && draft_.rowCount > 1) items = draft_.goodsOfRows;
    const bool linesGiven =
        (itemColumns || draft_.rowCount == 1) &&
        std::any_of(std::begin(kGoodsFields), std::end(kGoodsFields),
                    [&](const auto& goods) { return !Text(goods.first).empty(); });
    if (linesGiven || items.empty()) {
      for (std::size_t line = 0; line < order_.slip.goods.size(); ++line) {
        const auto [column, field] = kGoodsFields[line];
        order_.slip.goods[line] = Limited(column, EntryLimit(field));
      }
      return;
    }
    const auto lines = GoodsLinesOfItems(items);
    std::copy(lines.begin(), lines.end(), order_.slip.goods.begin());
  }

  // Parcels: a quantity that is none stays as written, so that the order
  // shows it.
  void ReadQuantity() {
    const std::string& quantity = Text(kQuantity);
    if (const auto boxText = OrderQuantity(quantity)) {
      order_.slip.quantity = *boxText;
    } else {
      order_.slip.quantity = quantity;
      Problem(kQuantity, reason::kBadQuantity);
    }
  }

  // The box numbers 1 to 5 are ruvo's own columns' way; a platform's file
  // writing "1" means something else (Rakuten's 午前).
  void ReadTimeSlot() {
    order_.timeSlot = Text(kTimeSlot);
    const auto slot = TimeSlotNumber(order_.timeSlot, columns_.preset == nullptr);
    if (!slot) {
      Problem(kTimeSlot, reason::TimeSlotNotOnForm(order_.timeSlot));
    } else if (*slot > 0) {
      order_.slip.timeSlots[static_cast<std::size_t>(*slot - 1)] = true;
    }
  }

  // One wished date goes before a month and a day given apart.
  void ReadDates() {
    const std::string& date = Text(kWishedDate);
    if (!date.empty()) {
      order_.wishedDate = date;
      if (const auto wished = WishedDateOf(date)) {
        order_.slip.wishedMonth = wished->month;
        order_.slip.wishedDay = wished->day;
      } else {
        Problem(kWishedDate, reason::UnreadableDate(date));
      }
      return;
    }
    SlipRecord& slip = order_.slip;
    slip.wishedMonth = Limited(kWishedMonth, EntryLimit(SlipField::kWishedMonth));
    slip.wishedDay = Limited(kWishedDay, EntryLimit(SlipField::kWishedDay));
    if (!slip.wishedMonth.empty() || !slip.wishedDay.empty())
      order_.wishedDate = slip.wishedMonth + "/" + slip.wishedDay;
  }

  void ReadSender() {
    const auto slot = SenderSlot(Text(kSender), context_.selectedSender);
    if (!slot) {
      Problem(kSender, reason::kBadSender);
      return;
    }
    order_.senderSlot = *slot;
    const auto index = static_cast<std::size_t>(*slot);
    const auto& sender = context_.senders.senders[index];
    if (!sender) {
      Problem(kSender, std::string(reason::kSenderUnreadable) + context_.senders.errors[index]);
      return;
    }
    SlipRecord& slip = order_.slip;
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
         MeasureOverflows(order_.slip, context_.fitValues, *context_.measurer)) {
      order_.warnings.push_back(
          {{}, order_.row, ColumnOf(FitField(overflow.name)), OverflowWarning(overflow)});
    }
  }

  OrderDraft& draft_;
  const OrderColumns& columns_;
  const OrderContext& context_;
  Order order_;
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

OrderDraft::OrderDraft(RowTexts row)
    : first(std::move(row)), lastRow(first.row), items(first.items) {
  if (!first[kGoods1].empty()) goodsOfRows.push_back(first[kGoods1]);
}

void OrderDraft::Add(RowTexts row) {
  ++rowCount;
  lastRow = row.row;
  items.insert(items.end(), row.items.begin(), row.items.end());
  if (!row[kGoods1].empty()) goodsOfRows.push_back(row[kGoods1]);
  for (BatchProblem& problem : row.problems)
    laterProblems.push_back(std::move(problem));
  for (const OrderField field : kRecipientFields) {
    if (!row[field].empty() && row[field] != first[field]) {
      laterProblems.push_back({{}, row.row, {}, std::string(reason::kRecipientDiffers)});
      return;
    }
  }
}

Order BuildOrder(OrderDraft draft, const OrderColumns& columns, const OrderContext& context) {
  return OrderBuilder(draft, columns, context).Build();
}

}  // namespace ruvo::batch
