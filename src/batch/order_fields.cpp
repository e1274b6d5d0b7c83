#include "batch/order_fields.h"

#include <algorithm>
#include <vector>

#include "transfer/cp932_codec.h"
#include "transfer/half_width.h"
#include "transfer/sjis.h"
#include "transfer/text_ops.h"

namespace ruvo::batch {
namespace {

using enum OrderField;
constexpr HeaderRank kPlain = HeaderRank::kPlain;
constexpr HeaderRank kRecipient = HeaderRank::kRecipient;

struct HeaderName {
  OrderField field;
  HeaderRank rank;
  std::string_view name;  // UTF-8, as a file writes it; compared as ComparableHeader
};

// The built-in header names; a field's first is its own name, which a map
// writes and a problem of a missing column shows. A recipient's name (お届け先…,
// 送付先…, 配送先…, shipping …) ranks above a plain one, which a shop's system
// may use for the buyer. Buyers' names (注文者…, 請求先…, billing …) name no
// field of the slip. 送付先名 is no name here: Rakuten writes the given name
// alone under it.
constexpr HeaderName kHeaderNames[] = {
    {kZip, kPlain, "郵便番号"},
    {kZip, kPlain, "〒"},
    {kZip, kPlain, "zip"},
    {kZip, kPlain, "zipcode"},
    {kZip, kPlain, "postal_code"},
    {kZip, kRecipient, "送付先郵便番号"},
    {kZip, kRecipient, "お届け先郵便番号"},
    {kZip, kRecipient, "配送先郵便番号"},
    {kZip, kRecipient, "発送先郵便番号"},
    {kZip, kRecipient, "shipping zip"},
    {kZip, kRecipient, "ship-postal-code"},
    {kAddress1, kPlain, "住所1"},
    {kAddress1, kPlain, "住所"},
    {kAddress1, kPlain, "address1"},
    {kAddress1, kPlain, "address"},
    {kAddress1, kRecipient, "送付先住所"},
    {kAddress1, kRecipient, "送付先住所1"},
    {kAddress1, kRecipient, "お届け先住所"},
    {kAddress1, kRecipient, "お届け先住所1"},
    {kAddress1, kRecipient, "配送先住所"},
    {kAddress1, kRecipient, "配送先住所1"},
    {kAddress1, kRecipient, "発送先住所1"},
    {kAddress1, kRecipient, "shipping address1"},
    {kAddress2, kPlain, "住所2"},
    {kAddress2, kPlain, "address2"},
    {kAddress2, kRecipient, "送付先住所2"},
    {kAddress2, kRecipient, "お届け先住所2"},
    {kAddress2, kRecipient, "配送先住所2"},
    {kAddress2, kRecipient, "発送先住所2"},
    {kAddress2, kRecipient, "shipping address2"},
    {kAddress3, kPlain, "住所3"},
    {kAddress3, kPlain, "address3"},
    {kAddress3, kRecipient, "送付先住所3"},
    {kAddress3, kRecipient, "お届け先住所3"},
    {kAddress3, kRecipient, "配送先住所3"},
    {kName, kPlain, "氏名"},
    {kName, kPlain, "お名前"},
    {kName, kPlain, "name"},
    {kName, kRecipient, "お届け先名"},
    {kName, kRecipient, "お届け先氏名"},
    {kName, kRecipient, "送付先氏名"},
    {kName, kRecipient, "配送先氏名"},
    {kName, kRecipient, "配送先名"},
    {kName, kRecipient, "発送先名"},
    {kName, kRecipient, "shipping name"},
    {kName, kRecipient, "recipient-name"},
    {kTel, kPlain, "電話番号"},
    {kTel, kPlain, "電話"},
    {kTel, kPlain, "tel"},
    {kTel, kPlain, "phone"},
    {kTel, kRecipient, "送付先電話番号"},
    {kTel, kRecipient, "お届け先電話番号"},
    {kTel, kRecipient, "配送先電話番号"},
    {kTel, kRecipient, "発送電話番号"},
    {kTel, kRecipient, "shipping phone"},
    {kGoods1, kPlain, "品名1"},
    {kGoods1, kPlain, "品名"},
    {kGoods1, kPlain, "goods1"},
    {kGoods1, kPlain, "goods"},
    {kGoods2, kPlain, "品名2"},
    {kGoods2, kPlain, "goods2"},
    {kGoods3, kPlain, "品名3"},
    {kGoods3, kPlain, "goods3"},
    // The slip's 個数 is parcels: an export's 数量 or quantity counts items.
    {kQuantity, kPlain, "個数"},
    {kQuantity, kPlain, "個口数"},
    {kQuantity, kPlain, "parcels"},
    {kWishedMonth, kPlain, "希望月"},
    {kWishedMonth, kPlain, "wish_month"},
    {kWishedDay, kPlain, "希望日(日)"},
    {kWishedDay, kPlain, "wish_day"},
    {kWishedDate, kPlain, "希望日"},
    {kWishedDate, kPlain, "配達希望日"},
    {kWishedDate, kPlain, "お届け希望日"},
    {kWishedDate, kPlain, "配達指定日"},
    {kWishedDate, kPlain, "お届け日指定"},
    {kWishedDate, kPlain, "wish_date"},
    {kTimeSlot, kPlain, "時間帯"},
    {kTimeSlot, kPlain, "配達時間帯"},
    {kTimeSlot, kPlain, "希望時間帯"},
    {kTimeSlot, kPlain, "お届け時間帯"},
    {kTimeSlot, kPlain, "お届け希望時間"},
    {kTimeSlot, kPlain, "時間帯指定"},
    {kTimeSlot, kPlain, "time_slot"},
    {kTimeSlot, kPlain, "time"},
    {kSender, kPlain, "依頼主"},
    {kSender, kPlain, "ご依頼主"},
    {kSender, kPlain, "依頼主番号"},
    {kSender, kPlain, "sender"},
    {kOrderNumber, kPlain, "注文番号"},
    {kOrderNumber, kPlain, "受注番号"},
    {kOrderNumber, kPlain, "注文ID"},
    {kOrderNumber, kPlain, "オーダー番号"},
    {kOrderNumber, kPlain, "order_number"},
    {kOrderNumber, kPlain, "order_id"},
    {kItemName, kPlain, "商品名"},
    {kItemName, kPlain, "item_name"},
    {kDestination, kPlain, "お届け先番号"},
    {kDestination, kPlain, "送付先ID"},
    {kBuyer, kPlain, "ご注文者"},
    {kBuyer, kPlain, "注文者"},
    {kBuyer, kPlain, "注文者名"},
    {kBuyer, kPlain, "購入者"},
    {kBuyer, kPlain, "buyer"},
};

struct Cp932Name {
  OrderField field;
  HeaderRank rank;
  std::string name;  // CP932, as ComparableHeader makes it
};

// The table in CP932, made once: the core compares CP932 headers.
const std::vector<Cp932Name>& Names() {
  static const std::vector<Cp932Name> names = [] {
    std::vector<Cp932Name> cp932;
    for (const HeaderName& row : kHeaderNames)
      cp932.push_back({row.field, row.rank, ComparableHeader(Utf8ToCp932(row.name).bytes)});
    return cp932;
  }();
  return names;
}

}  // namespace

std::string_view OrderFieldName(OrderField field) {
  const std::vector<Cp932Name>& names = Names();
  return std::find_if(names.begin(), names.end(),
                      [&](const Cp932Name& name) { return name.field == field; })
      ->name;
}

std::string ComparableHeader(std::string_view header) {
  std::string text = ToHalfWidth(TrimBlanks(header));
  for (std::size_t pos = 0; pos < text.size(); pos += sjis::CharLengthAt(text, pos)) {
    if (text[pos] >= 'A' && text[pos] <= 'Z') text[pos] = static_cast<char>(text[pos] - 'A' + 'a');
  }
  return text;
}

std::optional<BuiltInName> BuiltInNameOf(std::string_view comparableHeader) {
  for (const Cp932Name& row : Names()) {
    if (row.name == comparableHeader) return BuiltInName{row.field, row.rank};
  }
  return std::nullopt;
}

std::optional<OrderField> BuiltInField(std::string_view header) {
  const auto name = BuiltInNameOf(ComparableHeader(header));
  return name ? std::optional(name->field) : std::nullopt;
}

}  // namespace ruvo::batch
