#include "batch/order_columns.h"

#include <algorithm>

#include "transfer/half_width.h"
#include "transfer/sjis.h"
#include "transfer/text_ops.h"

namespace ruvo::batch {
namespace {

struct HeaderName {
  OrderField field;
  std::string_view name;  // CP932; ComparableHeader leaves it as it is
};

// The built-in header names; a field's first is its own name.
constexpr HeaderName kHeaderNames[] = {
    {OrderField::kZip, "\x97\x58\x95\xD6\x94\xD4\x8D\x86"},  // 郵便番号
    {OrderField::kZip,
     "\x91\x97\x95\x74\x90\xE6\x97\x58\x95\xD6\x94\xD4\x8D\x86"},  // 送付先郵便番号
    {OrderField::kZip,
     "\x82\xA8\x93\xCD\x82\xAF\x90\xE6\x97\x58\x95\xD6\x94\xD4\x8D\x86"},  // お届け先郵便番号
    {OrderField::kZip, "\x81\xA7"},                                        // 〒
    {OrderField::kZip, "zip"},                                             // zip
    {OrderField::kZip, "zipcode"},                                         // zipcode
    {OrderField::kZip, "postal_code"},                                     // postal_code
    {OrderField::kAddress1,
     "\x8F\x5A\x8F\x8A"
     "1"},                                                                // 住所1
    {OrderField::kAddress1, "\x8F\x5A\x8F\x8A"},                          // 住所
    {OrderField::kAddress1, "\x91\x97\x95\x74\x90\xE6\x8F\x5A\x8F\x8A"},  // 送付先住所
    {OrderField::kAddress1,
     "\x91\x97\x95\x74\x90\xE6\x8F\x5A\x8F\x8A"
     "1"},  // 送付先住所1
    {OrderField::kAddress1, "\x82\xA8\x93\xCD\x82\xAF\x90\xE6\x8F\x5A\x8F\x8A"},  // お届け先住所
    {OrderField::kAddress1,
     "\x82\xA8\x93\xCD\x82\xAF\x90\xE6\x8F\x5A\x8F\x8A"
     "1"},                                // お届け先住所1
    {OrderField::kAddress1, "address1"},  // address1
    {OrderField::kAddress1, "address"},   // address
    {OrderField::kAddress2,
     "\x8F\x5A\x8F\x8A"
     "2"},  // 住所2
    {OrderField::kAddress2,
     "\x91\x97\x95\x74\x90\xE6\x8F\x5A\x8F\x8A"
     "2"},  // 送付先住所2
    {OrderField::kAddress2,
     "\x82\xA8\x93\xCD\x82\xAF\x90\xE6\x8F\x5A\x8F\x8A"
     "2"},                                // お届け先住所2
    {OrderField::kAddress2, "address2"},  // address2
    {OrderField::kAddress3,
     "\x8F\x5A\x8F\x8A"
     "3"},  // 住所3
    {OrderField::kAddress3,
     "\x91\x97\x95\x74\x90\xE6\x8F\x5A\x8F\x8A"
     "3"},  // 送付先住所3
    {OrderField::kAddress3,
     "\x82\xA8\x93\xCD\x82\xAF\x90\xE6\x8F\x5A\x8F\x8A"
     "3"},                                                                    // お届け先住所3
    {OrderField::kAddress3, "address3"},                                      // address3
    {OrderField::kName, "\x8E\x81\x96\xBC"},                                  // 氏名
    {OrderField::kName, "\x82\xA8\x93\xCD\x82\xAF\x90\xE6\x96\xBC"},          // お届け先名
    {OrderField::kName, "\x91\x97\x95\x74\x90\xE6\x8E\x81\x96\xBC"},          // 送付先氏名
    {OrderField::kName, "\x91\x97\x95\x74\x90\xE6\x96\xBC"},                  // 送付先名
    {OrderField::kName, "\x82\xA8\x93\xCD\x82\xAF\x90\xE6\x8E\x81\x96\xBC"},  // お届け先氏名
    {OrderField::kName, "\x82\xA8\x96\xBC\x91\x4F"},                          // お名前
    {OrderField::kName, "name"},                                              // name
    {OrderField::kTel, "\x93\x64\x98\x62\x94\xD4\x8D\x86"},                   // 電話番号
    {OrderField::kTel,
     "\x91\x97\x95\x74\x90\xE6\x93\x64\x98\x62\x94\xD4\x8D\x86"},  // 送付先電話番号
    {OrderField::kTel,
     "\x82\xA8\x93\xCD\x82\xAF\x90\xE6\x93\x64\x98\x62\x94\xD4\x8D\x86"},  // お届け先電話番号
    {OrderField::kTel, "\x93\x64\x98\x62"},                                // 電話
    {OrderField::kTel, "tel"},                                             // tel
    {OrderField::kTel, "phone"},                                           // phone
    {OrderField::kGoods1,
     "\x95\x69\x96\xBC"
     "1"},                                      // 品名1
    {OrderField::kGoods1, "\x95\x69\x96\xBC"},  // 品名
    {OrderField::kGoods1, "goods1"},            // goods1
    {OrderField::kGoods1, "goods"},             // goods
    {OrderField::kGoods2,
     "\x95\x69\x96\xBC"
     "2"},                            // 品名2
    {OrderField::kGoods2, "goods2"},  // goods2
    {OrderField::kGoods3,
     "\x95\x69\x96\xBC"
     "3"},                                                                  // 品名3
    {OrderField::kGoods3, "goods3"},                                        // goods3
    {OrderField::kQuantity, "\x8C\xC2\x90\x94"},                            // 個数
    {OrderField::kQuantity, "\x90\x94\x97\xCA"},                            // 数量
    {OrderField::kQuantity, "quantity"},                                    // quantity
    {OrderField::kQuantity, "qty"},                                         // qty
    {OrderField::kWishedMonth, "\x8A\xF3\x96\x5D\x8C\x8E"},                 // 希望月
    {OrderField::kWishedMonth, "wish_month"},                               // wish_month
    {OrderField::kWishedDay, "\x8A\xF3\x96\x5D\x93\xFA(\x93\xFA)"},         // 希望日(日)
    {OrderField::kWishedDay, "wish_day"},                                   // wish_day
    {OrderField::kWishedDate, "\x8A\xF3\x96\x5D\x93\xFA"},                  // 希望日
    {OrderField::kWishedDate, "\x94\x7A\x92\x42\x8A\xF3\x96\x5D\x93\xFA"},  // 配達希望日
    {OrderField::kWishedDate, "\x82\xA8\x93\xCD\x82\xAF\x8A\xF3\x96\x5D\x93\xFA"},  // お届け希望日
    {OrderField::kWishedDate, "\x94\x7A\x92\x42\x8E\x77\x92\xE8\x93\xFA"},        // 配達指定日
    {OrderField::kWishedDate, "wish_date"},                                       // wish_date
    {OrderField::kTimeSlot, "\x8E\x9E\x8A\xD4\x91\xD1"},                          // 時間帯
    {OrderField::kTimeSlot, "\x94\x7A\x92\x42\x8E\x9E\x8A\xD4\x91\xD1"},          // 配達時間帯
    {OrderField::kTimeSlot, "\x8A\xF3\x96\x5D\x8E\x9E\x8A\xD4\x91\xD1"},          // 希望時間帯
    {OrderField::kTimeSlot, "\x82\xA8\x93\xCD\x82\xAF\x8E\x9E\x8A\xD4\x91\xD1"},  // お届け時間帯
    {OrderField::kTimeSlot, "time_slot"},                                         // time_slot
    {OrderField::kTimeSlot, "time"},                                              // time
    {OrderField::kSender, "\x88\xCB\x97\x8A\x8E\xE5"},                            // 依頼主
    {OrderField::kSender, "\x82\xB2\x88\xCB\x97\x8A\x8E\xE5"},                    // ご依頼主
    {OrderField::kSender, "\x88\xCB\x97\x8A\x8E\xE5\x94\xD4\x8D\x86"},            // 依頼主番号
    {OrderField::kSender, "sender"},                                              // sender
    {OrderField::kOrderNumber, "\x92\x8D\x95\xB6\x94\xD4\x8D\x86"},               // 注文番号
    {OrderField::kOrderNumber, "\x8E\xF3\x92\x8D\x94\xD4\x8D\x86"},               // 受注番号
    {OrderField::kOrderNumber,
     "\x92\x8D\x95\xB6"
     "id"},  // 注文id: 注文ID as headers are compared, letters half-width, lower case
    {OrderField::kOrderNumber, "\x83\x49\x81\x5B\x83\x5F\x81\x5B\x94\xD4\x8D\x86"},  // オーダー番号
    {OrderField::kOrderNumber, "order_number"},                                      // order_number
    {OrderField::kOrderNumber, "order_id"},                                          // order_id
};

// What a column map names a column that is to stay unused.
constexpr std::string_view kUnusedColumn = "-";

// The columns every slip needs: where it goes and to whom.
constexpr OrderField kRequiredFields[] = {OrderField::kZip, OrderField::kAddress1,
                                          OrderField::kName};

// Splits at LF, CRLF or CR.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t pos = 0; pos <= text.size(); ++pos) {
    if (pos < text.size() && text[pos] != '\n' && text[pos] != '\r') continue;
    lines.push_back(text.substr(start, pos - start));
    if (pos + 1 < text.size() && text[pos] == '\r' && text[pos + 1] == '\n') ++pos;
    start = pos + 1;
  }
  return lines;
}

BatchProblem HeaderProblem(std::string column, std::string_view reason) {
  return {{}, 1, std::move(column), std::string(reason)};
}

}  // namespace

std::string_view OrderFieldName(OrderField field) {
  const auto* row = std::find_if(std::begin(kHeaderNames), std::end(kHeaderNames),
                                 [&](const HeaderName& name) { return name.field == field; });
  return row->name;
}

std::string ComparableHeader(std::string_view header) {
  std::string text = ToHalfWidth(TrimBlanks(header));
  for (std::size_t pos = 0; pos < text.size(); pos += sjis::CharLengthAt(text, pos)) {
    if (text[pos] >= 'A' && text[pos] <= 'Z') text[pos] = static_cast<char>(text[pos] - 'A' + 'a');
  }
  return text;
}

std::optional<OrderField> BuiltInField(std::string_view header) {
  const std::string comparable = ComparableHeader(header);
  for (const HeaderName& row : kHeaderNames) {
    if (row.name == comparable) return row.field;
  }
  return std::nullopt;
}

ParsedColumnMap ParseColumnMap(std::string_view text) {
  ParsedColumnMap parsed;
  int number = 0;
  for (const std::string_view line : Lines(text)) {
    ++number;
    const std::string_view content = TrimBlanks(line);
    if (content.empty() || content.starts_with('#')) continue;
    // A field's name holds no "=", a shop's header might.
    const std::size_t equals = content.rfind('=');
    if (equals == std::string_view::npos || TrimBlanks(content.substr(0, equals)).empty()) {
      parsed.problems.push_back(
          {{}, number, std::string(content), std::string(reason::kMapNoEquals)});
      continue;
    }
    const std::string column = ComparableHeader(content.substr(0, equals));
    const std::string_view target = TrimBlanks(content.substr(equals + 1));
    if (target == kUnusedColumn) {
      parsed.map[column] = std::nullopt;
    } else if (const auto field = BuiltInField(target)) {
      parsed.map[column] = field;
    } else {
      parsed.problems.push_back(
          {{}, number, std::string(target), std::string(reason::kMapUnknownField)});
    }
  }
  return parsed;
}

OrderColumns ResolveOrderColumns(const std::vector<std::string>& header, const ColumnMap& map) {
  OrderColumns columns;
  columns.width = header.size();
  columns.index.fill(-1);
  for (std::size_t i = 0; i < header.size(); ++i) {
    const std::string comparable = ComparableHeader(header[i]);
    if (comparable.empty()) continue;
    const auto mapped = map.find(comparable);
    const std::optional<OrderField> field =
        mapped != map.end() ? mapped->second : BuiltInField(comparable);
    if (mapped == map.end() && !field) {
      columns.problems.push_back(HeaderProblem(header[i], reason::kUnknownColumn));
      continue;
    }
    if (!field) continue;
    const auto slot = static_cast<std::size_t>(*field);
    if (columns.index[slot] >= 0) {
      columns.problems.push_back(HeaderProblem(header[i], reason::kDuplicateColumn));
      continue;
    }
    columns.index[slot] = static_cast<int>(i);
    columns.header[slot] = header[i];
  }
  for (const OrderField field : kRequiredFields) {
    if (columns.IndexOf(field) < 0) {
      columns.problems.push_back(
          HeaderProblem(std::string(OrderFieldName(field)), reason::kMissingColumn));
    }
  }
  return columns;
}

}  // namespace ruvo::batch
