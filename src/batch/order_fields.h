#pragma once
// The values an order file gives for a slip, and the header names that name
// them without a map. Texts are CP932.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ruvo::batch {

enum class OrderField {
  kZip,
  kAddress1,
  kAddress2,
  kAddress3,
  kName,
  kTel,
  kGoods1,
  kGoods2,
  kGoods3,
  kQuantity,  // the number of parcels, never the items bought
  kWishedMonth,
  kWishedDay,
  kWishedDate,  // month and day in one: "3/15", "2026/03/15", "20260315"
  kTimeSlot,
  kSender,
  kOrderNumber,  // not printed: the journal keeps it with the slip for the shop's back office
  kItemName,     // one item bought, a row's; an order's items become its goods lines
  kDestination,  // not printed: one order's destination when it goes to several
  kBuyer,        // not printed: who ordered, told apart from the recipient of a gift
};
inline constexpr std::size_t kOrderFieldCount = 19;

// The field's own name, its first built-in header name: "郵便番号", "住所1".
std::string_view OrderFieldName(OrderField field);

// A header as it is compared: blanks at both ends removed, full-width
// letters, digits and signs half-width, ASCII letters lower case
// ("　ＺＩＰ " → "zip", "住所１" → "住所1", "氏名（姓）" → "氏名(姓)").
std::string ComparableHeader(std::string_view header);

// How surely a built-in header name means the recipient: a shop's system
// that writes the buyer's 郵便番号 beside the お届け先郵便番号 means the
// latter for the slip.
enum class HeaderRank { kPlain, kRecipient };

struct BuiltInName {
  OrderField field;
  HeaderRank rank;
};

// The field a comparable header names by a built-in name ("送付先郵便番号",
// "shipping zip").
std::optional<BuiltInName> BuiltInNameOf(std::string_view comparableHeader);

// The field a header names by a built-in name, compared as ComparableHeader.
std::optional<OrderField> BuiltInField(std::string_view header);

}  // namespace ruvo::batch
