#include "batch/order_presets.h"

#include <algorithm>
#include <stdexcept>

#include "transfer/cp932_codec.h"

namespace ruvo::batch {
namespace {

// A preset as written here, in UTF-8: its name, the headers that tell its
// files apart, and its column map. Each follows the platform's or the
// carrier's published column list (named above it); headers that vary
// between versions of a list have alternatives ("|").
struct PresetText {
  std::string_view name;
  std::initializer_list<std::string_view> signature;
  std::string_view map;
  bool givenNameFirst = false;
};

// clang-format off
const PresetText kPresetTexts[] = {
    // 楽天ペイ受注 (RMS 受注・問合せ管理, 全カラムダウンロード): the field names
    // of the RMS WEB SERVICE 楽天ペイ受注API (getOrder) as the download writes
    // them. One row an item; an order to several places has one 送付先ID each.
    {"楽天市場 受注データ(楽天ペイ)",
     {"注文番号", "送付先郵便番号1", "送付先住所郡市区", "送付先姓"},
     R"(郵便番号 = 送付先郵便番号1 + "-" + 送付先郵便番号2
        住所1 = 送付先住所都道府県 + 送付先住所郡市区 + 送付先住所それ以降の住所
        氏名 = 送付先姓 + " " + 送付先名
        電話番号 = 送付先電話番号1 + "-" + 送付先電話番号2 + "-" + 送付先電話番号3
        商品名 = 商品名
        希望日 = お届け日指定
        時間帯 = お届け時間帯
        注文番号 = 注文番号
        お届け先番号 = 送付先ID
        ご注文者 = 注文者姓 + " " + 注文者名)"},
    // RMS 受注管理 通常購入データ (before 楽天ペイ): full-width digits and
    // "：" in its headers.
    {"楽天市場 通常購入データ(旧形式)",
     {"受注番号", "送付先郵便番号１", "送付先名字"},
     R"(郵便番号 = 送付先郵便番号１ + "-" + 送付先郵便番号２
        住所1 = 送付先住所：都道府県 + 送付先住所：都市区 + 送付先住所：町以降
        氏名 = 送付先名字 + " " + 送付先名前
        電話番号 = 送付先電話番号１ + "-" + 送付先電話番号２ + "-" + 送付先電話番号３
        商品名 = 商品名
        希望日 = お届け日指定
        時間帯 = お届け時間帯
        注文番号 = 受注番号
        ご注文者 = 注文者名字 + " " + 注文者名前)"},
    // Yahoo!ショッピング ストアクリエイターPro 注文データ: the download
    // template's fields are those of the 注文詳細API (Ship… the recipient,
    // Bill… the buyer).
    {"Yahoo!ショッピング 注文データ",
     {"ShipZipCode", "ShipPrefecture", "ShipCity"},
     R"(郵便番号 = ShipZipCode
        住所1 = ShipPrefecture + ShipCity + ShipAddress1
        住所2 = ShipAddress2
        氏名 = ShipLastName + " " + ShipFirstName | ShipName
        電話番号 = ShipPhoneNumber
        商品名 = Title
        希望日 = ShipRequestDate
        時間帯 = ShipRequestTime
        注文番号 = Id | OrderId
        ご注文者 = BillLastName + " " + BillFirstName | BillName)"},
    // Amazon セラーセントラル 注文レポート (未出荷注文, tab-separated text):
    // the order report attributes of the Selling Partner API with the
    // Japanese marketplace's columns. One row an item. The scheduled order
    // report names the お届け日時指定便's window delivery-start-date.
    {"Amazon 注文レポート",
     {"order-id", "recipient-name", "ship-postal-code"},
     R"(郵便番号 = ship-postal-code
        住所1 = ship-state + ship-city + ship-address-1
        住所2 = ship-address-2
        住所3 = ship-address-3
        氏名 = recipient-name
        電話番号 = ship-phone-number
        商品名 = product-name
        希望日 = scheduled-delivery-start-date | delivery-start-date
        注文番号 = order-id
        ご注文者 = buyer-name)"},
    // Shopify 注文のエクスポート: the column names of Shopify's order CSV
    // (help.shopify.com), English in a Japanese store too. Only an order's
    // first row holds its addresses; the prefecture is a code (JP-13) where
    // Shipping Province Name is missing.
    {"Shopify 注文エクスポート",
     {"Name", "Lineitem name", "Shipping Zip"},
     R"(郵便番号 = Shipping Zip
        住所1 = Shipping Province Name + Shipping City + Shipping Address1 | Shipping Province + Shipping City + Shipping Address1
        住所2 = Shipping Address2
        住所3 = Shipping Company
        氏名 = Shipping Name
        電話番号 = Shipping Phone
        商品名 = Lineitem name
        注文番号 = Name
        ご注文者 = Billing Name)",
     true},
    // futureshop 受注データ (受注データ取得項目設定): the buyer under 氏名,
    // 郵便番号 and 住所1–3, the recipient under お届け先…; one order to several
    // places has one お届け先別明細番号 each.
    {"futureshop 受注データ",
     {"受注コード", "お届け先氏名（姓）", "お届け先郵便番号"},
     R"(郵便番号 = お届け先郵便番号
        住所1 = お届け先都道府県区分 + " " + お届け先住所１ + " " + お届け先住所２
        住所2 = お届け先住所３
        氏名 = お届け先氏名（姓） + " " + お届け先氏名（名）
        電話番号 = お届け先電話番号
        商品名 = 商品名
        希望日 = お届け希望日
        時間帯 = お届け希望時間
        注文番号 = 受注コード
        お届け先番号 = お届け先別明細番号
        ご注文者 = 氏名（姓） + " " + 氏名（名）)"},
    // Next Engine 受注CSV【汎用】 (manual ID 5552): 受注… the buyer, 発送… the
    // recipient, one row an item.
    {"ネクストエンジン 受注CSV(汎用)",
     {"店舗伝票番号", "発送先名", "発送郵便番号"},
     R"(郵便番号 = 発送郵便番号
        住所1 = 発送先住所1
        住所2 = 発送先住所2
        氏名 = 発送先名
        電話番号 = 発送電話番号
        商品名 = 商品名
        希望日 = 日付指定
        時間帯 = 時間帯指定
        注文番号 = 店舗伝票番号
        ご注文者 = 受注名)"},
    // ヤマト運輸 B2クラウド 送り状発行データ (外部データ取込, 42 columns and
    // more): the ご依頼主 columns are left, the registered sender prints.
    // The carriers' 品名 columns are already a label's goods lines: each is
    // a line of the slip ("品名1 = 品名１" names the column's field), not an
    // item to be counted into "他N点".
    {"ヤマト運輸 B2クラウド 送り状データ",
     {"お届け先アパートマンション名", "お届け先名", "配達時間帯"},
     R"(郵便番号 = お届け先郵便番号
        住所1 = お届け先住所
        住所2 = お届け先アパートマンション名
        住所3 = お届け先会社・部門１ + " " + お届け先会社・部門２
        氏名 = お届け先名
        電話番号 = お届け先電話番号
        品名1 = 品名１
        品名2 = 品名２
        個数 = 発行枚数
        希望日 = お届け予定日 | お届け予定（指定）日
        時間帯 = 配達時間帯
        注文番号 = お客様管理番号)"},
    // 佐川急便 e飛伝III 出荷データ (標準_飛脚宅急便_CSV_ヘッダ有り, 74 columns):
    // five 品名 lines for the slip's three, the last three sharing one.
    {"佐川急便 e飛伝III 出荷データ",
     {"お届け先コード取得区分", "お届け先名称１", "お客様管理番号"},
     R"(郵便番号 = お届け先郵便番号
        住所1 = お届け先住所１
        住所2 = お届け先住所２
        住所3 = お届け先住所３
        氏名 = お届け先名称１ + " " + お届け先名称２
        電話番号 = お届け先電話番号
        品名1 = 品名１
        品名2 = 品名２
        品名3 = 品名３ + " " + 品名４ + " " + 品名５
        個数 = 出荷個数
        希望日 = 配達日
        時間帯 = 配達指定時間帯
        注文番号 = お客様管理番号)"},
    // 佐川急便 e飛伝II 出荷データ (出荷データCSV入力項目レイアウト, 42 columns).
    {"佐川急便 e飛伝II 出荷データ",
     {"お届け先名称１", "お客様管理ナンバー"},
     R"(郵便番号 = お届け先郵便番号
        住所1 = お届け先住所１
        住所2 = お届け先住所２
        住所3 = お届け先住所３
        氏名 = お届け先名称１ + " " + お届け先名称２
        電話番号 = お届け先電話番号
        品名1 = 品名１
        品名2 = 品名２
        品名3 = 品名３ + " " + 品名４ + " " + 品名５
        個数 = 出荷個数
        希望日 = 配達日
        時間帯 = 配達指定時間帯
        注文番号 = お客様管理ナンバー)"},
    // 日本郵便 クリックポスト まとめ申込: eight columns, one label a row.
    {"日本郵便 クリックポスト まとめ申込",
     {"お届け先氏名", "お届け先敬称", "内容品"},
     R"(郵便番号 = お届け先郵便番号
        住所1 = お届け先住所1行目
        住所2 = お届け先住所2行目
        住所3 = お届け先住所3行目 + " " + お届け先住所4行目
        氏名 = お届け先氏名
        商品名 = 内容品)"},
};
// clang-format on

std::string Cp932(std::string_view utf8) {
  return Utf8ToCp932(utf8).bytes;
}

// A table's map that does not read is a fault of this file, caught by the
// presets' own test before any shop's file is read.
OrderPreset PresetOf(const PresetText& text) {
  OrderPreset preset;
  preset.name = Cp932(text.name);
  for (const std::string_view header : text.signature)
    preset.signature.push_back(ComparableHeader(Cp932(header)));
  ParsedColumnMap parsed = ParseColumnMap(Cp932(text.map));
  if (!parsed.problems.empty())
    throw std::logic_error("the preset's map does not read: " + std::string(text.name));
  preset.map = std::move(parsed.map);
  preset.givenNameFirst = text.givenNameFirst;
  return preset;
}

}  // namespace

std::span<const OrderPreset> OrderPresets() {
  static const std::vector<OrderPreset> presets = [] {
    std::vector<OrderPreset> all;
    for (const PresetText& text : kPresetTexts)
      all.push_back(PresetOf(text));
    return all;
  }();
  return presets;
}

const OrderPreset* OrderPresetOf(const std::vector<std::string>& comparableHeader) {
  const auto has = [&](const std::string& name) {
    return std::find(comparableHeader.begin(), comparableHeader.end(), name) !=
           comparableHeader.end();
  };
  for (const OrderPreset& preset : OrderPresets()) {
    if (std::all_of(preset.signature.begin(), preset.signature.end(), has)) return &preset;
  }
  return nullptr;
}

}  // namespace ruvo::batch
