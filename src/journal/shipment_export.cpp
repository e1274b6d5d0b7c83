#include "journal/shipment_export.h"

#include "batch/order_columns.h"
#include "journal/csv_text.h"
#include "journal/journal_texts.h"

namespace ruvo::journal {
namespace {

using batch::OrderField;

constexpr OrderField kRecipientFields[] = {
    OrderField::kZip,  OrderField::kAddress1, OrderField::kAddress2, OrderField::kAddress3,
    OrderField::kName, OrderField::kTel,      OrderField::kGoods1,
};

std::vector<std::string> Header() {
  std::vector<std::string> header{std::string(text::kOrderNumber), std::string(text::kSlipNumber),
                                  std::string(text::kShippingDate), std::string(text::kPrintedAt)};
  for (const OrderField field : kRecipientFields)
    header.emplace_back(batch::OrderFieldName(field));
  return header;
}

std::vector<std::string> Line(const PrintedSlip& printed) {
  const SlipRecord& slip = printed.slip;
  return {printed.orderNumber,         printed.slipNumber,     DateText(slip.slipDate),
          WallText(printed.printedAt), slip.recipientZip,      slip.recipientAddress1,
          slip.recipientAddress2,      slip.recipientAddress3, slip.recipientName,
          slip.recipientTel,           slip.goods[0]};
}

}  // namespace

std::string ShipmentsCsv(const std::vector<PrintedSlip>& slips, batch::CsvEncoding encoding) {
  std::string csv = CsvLine(Header());
  for (const PrintedSlip& slip : slips)
    csv += CsvLine(Line(slip));
  return EncodedCsv(csv, encoding);
}

}  // namespace ruvo::journal
