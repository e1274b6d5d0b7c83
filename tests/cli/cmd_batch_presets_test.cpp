// Shops' and carriers' order files as their platforms document them, each
// with its whole published header and a few realistic orders (addresses
// split over columns, orders of several item rows, gifts whose buyer is not
// the recipient), printed by ruvo-slip batch into a PDF and read back page
// by page: the recipient's name, the joined address, the postal code and
// the registered sender at the layout's places.
#include <map>
#include <nlohmann/json.hpp>

#include "cli/slip_cli_fixture.h"
#include "postal/zip_dictionary_fixture.h"

namespace ruvo::test {
namespace {

using Values = std::map<std::string, std::string>;

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::string_view::npos; start = at + 1)
    parts.emplace_back(text.substr(start, at - start));
  parts.emplace_back(text.substr(start));
  return parts;
}

// One record of `header` (comma-separated names) with `values` in their
// columns and the rest empty; quoted where a comma file needs it.
std::string Record(const std::string& header, const Values& values, char separator) {
  std::string line;
  std::size_t used = 0;
  for (const std::string& name : Split(header, ',')) {
    if (!line.empty() || name != Split(header, ',').front()) line += separator;
    const auto found = values.find(name);
    if (found == values.end()) continue;
    ++used;
    const std::string& value = found->second;
    if (separator == ',' && value.find_first_of(",\"\n") != std::string::npos) {
      std::string quoted = "\"";
      for (const char c : value)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
      line += quoted + "\"";
    } else {
      line += value;
    }
  }
  if (used != values.size()) throw std::logic_error("a value names no column of the header");
  return line + "\r\n";
}

std::string FileOf(const std::string& header, const std::vector<Values>& rows, char separator) {
  std::string text = separator == ',' ? header : header;
  if (separator != ',') std::replace(text.begin(), text.end(), ',', separator);
  text += "\r\n";
  for (const Values& row : rows)
    text += Record(header, row, separator);
  return text;
}

// What a page must show; empty: that line is blank.
struct Page {
  std::string name;
  std::string address1;
  std::string address2;
  std::string zip;  // the seven digits
  std::string goods3 = {};
};

struct PresetCase {
  const char* preset;  // as the report names it
  std::string bytes;   // the file as downloaded
  const char* fileName;
  std::vector<Page> pages;
};

// The text of the line whose words stand at height `y` (dots at 360 dpi)
// from `x` on, its words joined without the blanks between them.
std::string LineAt(const std::vector<PdfWord>& words, double x, double y, double toX = 1e9) {
  std::vector<const PdfWord*> line;
  for (const PdfWord& word : words) {
    const double wordX = word.xMin * 360 / 72;
    if (std::abs(word.yMin * 360 / 72 - y) <= 3 && wordX >= x - 1 && wordX < toX)
      line.push_back(&word);
  }
  std::sort(line.begin(), line.end(),
            [](const PdfWord* a, const PdfWord* b) { return a->xMin < b->xMin; });
  std::string text;
  for (const PdfWord* word : line)
    text += word->text;
  return text;
}

std::string WithoutBlanks(std::string text) {
  std::erase(text, ' ');
  return text;
}

// Rakuten RMS 楽天ペイ受注 (全カラムダウンロード): a gift of two items to one
// place and an order whose long address goes on to line 2.
PresetCase Rakuten() {
  const std::string header =
      "注文番号,ステータス,サブステータスID,サブステータス,注文日時,注文日,注文時間,"
      "キャンセル期限日,注文確認日時,注文確定日時,発送指示日時,発送完了報告日時,支払方法名,"
      "クレジットカード支払い方法,クレジットカード支払い回数,配送方法,配送区分,注文種別,"
      "複数送付先フラグ,送付先一致フラグ,離島フラグ,楽天確認中フラグ,警告表示タイプ,"
      "楽天会員フラグ,購入履歴修正有無フラグ,商品合計金額,消費税合計,送料合計,代引料合計,"
      "請求金額,合計金額,ポイント利用額,クーポン利用総額,店舗発行クーポン利用額,"
      "楽天発行クーポン利用額,注文者郵便番号1,注文者郵便番号2,注文者住所都道府県,"
      "注文者住所郡市区,注文者住所それ以降の住所,注文者姓,注文者名,注文者姓カナ,注文者名カナ,"
      "注文者電話番号1,注文者電話番号2,注文者電話番号3,注文者メールアドレス,注文者性別,"
      "申込番号,申込お届け回数,送付先ID,送付先送料,送付先代引料,送付先消費税合計,"
      "送付先商品合計金額,送付先合計金額,のし,送付先郵便番号1,送付先郵便番号2,"
      "送付先住所都道府県,送付先住所郡市区,送付先住所それ以降の住所,送付先姓,送付先名,"
      "送付先姓カナ,送付先名カナ,送付先電話番号1,送付先電話番号2,送付先電話番号3,商品明細ID,"
      "商品ID,商品名,商品番号,商品管理番号,単価,個数,送料込別,税込別,代引手数料込別,ポイント倍率,"
      "納期情報,在庫タイプ,ラッピングタイトル1,ラッピング名1,ラッピング料金1,ラッピング税込別1,"
      "ラッピング種類1,ラッピングタイトル2,ラッピング名2,ラッピング料金2,ラッピング税込別2,"
      "ラッピング種類2,お届け時間帯,お届け日指定,担当者,ひとことメモ,"
      "メール差込文 (お客様へのメッセージ),ギフト配送希望,利用端末,メールキャリアコード,"
      "あす楽希望フラグ,医薬品受注フラグ,楽天スーパーDEAL商品受注フラグ,"
      "メンバーシッププログラム受注タイプ";
  const Values gift = {{"注文番号", "123456-20261208-0000001"},
                       {"注文者郵便番号1", "530"},
                       {"注文者郵便番号2", "0001"},
                       {"注文者住所都道府県", "大阪府"},
                       {"注文者住所郡市区", "大阪市北区"},
                       {"注文者住所それ以降の住所", "梅田1-1-1"},
                       {"注文者姓", "鈴木"},
                       {"注文者名", "一郎"},
                       {"送付先一致フラグ", "0"},
                       {"ギフト配送希望", "1"},
                       {"のし", "御歳暮"},
                       {"送付先ID", "1"},
                       {"送付先郵便番号1", "105"},
                       {"送付先郵便番号2", "0011"},
                       {"送付先住所都道府県", "東京都"},
                       {"送付先住所郡市区", "港区"},
                       {"送付先住所それ以降の住所", "芝公園4-2-8"},
                       {"送付先姓", "山田"},
                       {"送付先名", "花子"},
                       {"送付先電話番号1", "03"},
                       {"送付先電話番号2", "1234"},
                       {"送付先電話番号3", "5678"},
                       {"お届け時間帯", "1416"},
                       {"お届け日指定", "2026-12-12"}};
  Values item1 = gift;
  item1.insert({{"商品名", "【送料無料】紀州南高梅 はちみつ梅 500g"}, {"個数", "2"}});
  Values item2 = gift;
  item2.insert({{"商品名", "今治タオル ギフトセット"}, {"個数", "1"}});
  const Values own = {{"注文番号", "123456-20261208-0000002"},
                      {"注文者姓", "佐藤"},
                      {"注文者名", "恵"},
                      {"送付先一致フラグ", "1"},
                      {"送付先ID", "1"},
                      {"送付先郵便番号1", "170"},
                      {"送付先郵便番号2", "0013"},
                      {"送付先住所都道府県", "東京都"},
                      {"送付先住所郡市区", "豊島区"},
                      {"送付先住所それ以降の住所", "東池袋1-2-3 グランドメゾン池袋 1005号室"},
                      {"送付先姓", "佐藤"},
                      {"送付先名", "恵"},
                      {"商品名", "国産黒毛和牛 切り落とし 1kg"},
                      {"個数", "1"},
                      {"お届け時間帯", "0"}};
  return {"楽天市場 受注データ(楽天ペイ)",
          Sj(FileOf(header, {item1, item2, own}, ',')),
          "rakuten.csv",
          {{"山田花子", "東京都港区芝公園4-2-8", "", "1050011"},
           {"佐藤恵", "東京都豊島区東池袋1-2-3", "グランドメゾン池袋1005号室", "1700013"}}};
}

// Yahoo!ショッピング 注文データ: a template of the order API's fields, the
// buyer (Bill…) apart from the recipient (Ship…), a postal code without its
// hyphen.
PresetCase Yahoo() {
  const std::string header =
      "Id,OrderTime,OrderStatus,BillFirstName,BillLastName,BillZipCode,BillPrefecture,BillCity,"
      "BillAddress1,BillAddress2,BillPhoneNumber,BillMailAddress,ShipFirstName,ShipLastName,"
      "ShipZipCode,ShipPrefecture,ShipCity,ShipAddress1,ShipAddress2,ShipPhoneNumber,"
      "ShipRequestDate,ShipRequestTime,ShipMethodName,ShipNotes,PayMethodName,TotalPrice";
  return {"Yahoo!ショッピング 注文データ",
          Sj(FileOf(header,
                    {{{"Id", "store-10000123"},
                      {"BillLastName", "高橋"},
                      {"BillFirstName", "由美"},
                      {"BillZipCode", "980-0021"},
                      {"BillPrefecture", "宮城県"},
                      {"BillCity", "仙台市青葉区"},
                      {"BillAddress1", "中央1-1-1"},
                      {"ShipLastName", "高橋"},
                      {"ShipFirstName", "健太"},
                      {"ShipZipCode", "1000013"},
                      {"ShipPrefecture", "東京都"},
                      {"ShipCity", "千代田区"},
                      {"ShipAddress1", "霞が関1-3-1"},
                      {"ShipPhoneNumber", "09012345678"},
                      {"ShipRequestDate", "2026/12/15"},
                      {"ShipRequestTime", "16時～18時"}}},
                    ',')),
          "yahoo_order.csv",
          {{"高橋健太", "東京都千代田区霞が関1-3-1", "", "1000013"}}};
}

// Amazon 注文レポート (未出荷注文, Japanese marketplace, 34 columns,
// tab-separated text): one order of four items, a gift.
PresetCase Amazon() {
  const std::string header =
      "order-id,order-item-id,purchase-date,payments-date,reporting-date,promise-date,"
      "days-past-promise,buyer-email,buyer-name,buyer-phone-number,sku,product-name,"
      "quantity-purchased,quantity-shipped,quantity-to-ship,ship-service-level,recipient-name,"
      "ship-address-1,ship-address-2,ship-address-3,ship-city,ship-state,ship-postal-code,"
      "ship-country,payment-method,cod-collectible-amount,already-paid,payment-method-fee,"
      "scheduled-delivery-start-date,scheduled-delivery-end-date,points-granted,is-prime,"
      "verge-of-cancellation,verge-of-lateShipment";
  std::vector<Values> rows;
  const char* items[] = {"有機栽培 煎茶 100g", "抹茶チョコレート 12個入", "ほうじ茶 ティーバッグ",
                         "湯呑み 2客セット"};
  int number = 0;
  for (const char* item : items) {
    rows.push_back({{"order-id", "503-1234567-1234567"},
                    {"order-item-id", "1234567890" + std::to_string(++number)},
                    {"purchase-date", "2026-12-08T09:15:00+09:00"},
                    {"buyer-name", "田中 由美"},
                    {"product-name", item},
                    {"quantity-purchased", "1"},
                    {"quantity-to-ship", "1"},
                    {"recipient-name", "田中 健太"},
                    {"ship-address-1", "北飯岡1-2-3"},
                    {"ship-address-2", "メゾン北飯岡 201"},
                    {"ship-city", "盛岡市"},
                    {"ship-state", "岩手県"},
                    {"ship-postal-code", "020-0857"},
                    {"ship-country", "JP"},
                    {"scheduled-delivery-start-date", "2026-12-12T14:00:00+09:00"}});
  }
  return {"Amazon 注文レポート",
          Sj(FileOf(header, rows, '\t')),
          "amazon_orders.txt",
          {{"田中健太", "岩手県盛岡市北飯岡1-2-3", "メゾン北飯岡201", "0200857",
            "ほうじ茶ティーバッグ他1点"}}};
}

// Shopify 注文エクスポート: UTF-8, English headers, the addresses on the
// order's first row only, an apostrophe before the postal code and the
// phone, the name given name first.
PresetCase Shopify() {
  const std::string header =
      "Name,Email,Financial Status,Paid at,Fulfillment Status,Fulfilled at,Accepts Marketing,"
      "Currency,Subtotal,Shipping,Taxes,Total,Discount Code,Discount Amount,Shipping Method,"
      "Created at,Lineitem quantity,Lineitem name,Lineitem price,Lineitem compare at price,"
      "Lineitem sku,Lineitem requires shipping,Lineitem taxable,Lineitem fulfillment status,"
      "Billing Name,Billing Street,Billing Address1,Billing Address2,Billing Company,Billing City,"
      "Billing Zip,Billing Province,Billing Country,Billing Phone,Shipping Name,Shipping Street,"
      "Shipping Address1,Shipping Address2,Shipping Company,Shipping City,Shipping Zip,"
      "Shipping Province,Shipping Country,Shipping Phone,Notes,Note Attributes,Cancelled at,"
      "Payment Method,Payment Reference,Refunded Amount,Vendor,Outstanding Balance,Employee,"
      "Location,Device ID,Id,Tags,Risk Level,Source,Lineitem discount,Tax 1 Name,Tax 1 Value,"
      "Tax 2 Name,Tax 2 Value,Tax 3 Name,Tax 3 Value,Tax 4 Name,Tax 4 Value,Tax 5 Name,"
      "Tax 5 Value,Phone,Receipt Number,Duties,Billing Province Name,Shipping Province Name,"
      "Payment ID,Payment Terms Name,Next Payment Due At";
  return {"Shopify 注文エクスポート",
          FileOf(header,
                 {{{"Name", "#1001"},
                   {"Email", "yumi@example.jp"},
                   {"Created at", "2026-12-08 10:00:00 +0900"},
                   {"Lineitem quantity", "1"},
                   {"Lineitem name", "ハンドドリップコーヒー 10袋"},
                   {"Billing Name", "由美 伊藤"},
                   {"Billing Zip", "'460-0008"},
                   {"Billing Province", "JP-23"},
                   {"Shipping Name", "翔太 伊藤"},
                   {"Shipping Address1", "芝4-1-1"},
                   {"Shipping City", "港区"},
                   {"Shipping Zip", "'1050014"},
                   {"Shipping Province", "JP-13"},
                   {"Shipping Country", "JP"},
                   {"Shipping Phone", "'+81 90-1234-5678"},
                   {"Shipping Province Name", "東京都"}},
                  {{"Name", "#1001"},
                   {"Email", "yumi@example.jp"},
                   {"Lineitem quantity", "2"},
                   {"Lineitem name", "ドリップバッグ用スタンド"}}},
                 ','),
          "orders_export.csv",
          {{"伊藤翔太", "東京都港区芝4-1-1", "", "1050014"}}};
}

std::string FutureshopHeader() {
  std::string header =
      "レコードナンバー,受注コード,注文日時,請求合計金額,総合計金額,商品合計金額,消費税合計,"
      "包装手数料,送料,決済手数料,クール便手数料,その他手数料,決済方法,決済管理No,コンビニ区分,"
      "コンビニ支払番号,購入経路区分,通信欄,お客様へのご連絡事項,ショップメモ,処理状況区分,"
      "入金フラグ,入金確認日,メール送信日（注文確認）,メール送信回数（入金確認）,"
      "メール送信日（入金確認）,手続きフラグ,手続き日,会員ID,氏名（姓）,氏名（名）,"
      "フリガナ（姓）,フリガナ（名）,メールアドレス（メイン）,メールアドレス（サブ）,"
      "メールアドレス（モバイル）,郵便番号,地域区分,都道府県区分,住所1,住所2,住所3,"
      "電話番号（メイン）,電話番号（サブ）,携帯電話番号,FAX番号,性別区分,生年月日,ニックネーム,"
      "会社名,会社名（フリガナ）,部署名,部署名（フリガナ）,電話番号（会社）,電話番号（FAX）,"
      "メルマガ受信可否フラグ,HTMLメール受信可否フラグ,モバイルメルマガ受信可否フラグ";
  for (int i = 1; i <= 10; ++i)
    header += ",アンケート回答内容" + std::string(i < 10 ? "0" : "") + std::to_string(i);
  header +=
      ",複数お届け先フラグ,お届け先氏名（姓）,お届け先氏名（名）,お届け先フリガナ（姓）,"
      "お届け先フリガナ（名）,お届け先郵便番号,お届け先地域区分,お届け先都道府県区分,"
      "お届け先住所１,お届け先住所２,お届け先住所３,お届け先電話番号,包装名,お届け先別商品合計,"
      "お届け先別消費税,お届け先別基本送料,お届け先別クール便手数料,お届け先別包装手数料,"
      "お届け先別決済手数料,お届け先別明細番号,お店から後ほど連絡,クール便使用フラグ,送り状番号,"
      "着予定,お届け希望日,お届け希望時間,詳細指定事項欄,発送フラグ,発送日,"
      "メール送信回数（発送通知）,メール送信日（発送通知）,商品番号,枝番号,商品名,項目選択肢,"
      "バリエーション名,オプション価格選択肢コード,オプション価格,販売単価,購入数量,消費税種類,"
      "消費税,ポイント利用の有無,ポイント利用条件,ポイント利用額,ポイントステータス,最終更新日";
  const char* digits[] = {"１",   "２",   "３",   "４",   "５",   "６",   "７",
                          "８",   "９",   "１０", "１１", "１２", "１３", "１４",
                          "１５", "１６", "１７", "１８", "１９", "２０"};
  for (const char* digit : digits)
    header += std::string(",追加属性項目") + digit;
  return header + ",F-REGI取引番号,F-REGI承認番号,JANコード";
}

// futureshop 受注データ: the buyer's 郵便番号 and 住所 beside the recipient's
// お届け先 columns (full-width brackets and digits), one order sent to two
// places (お届け先別明細番号).
PresetCase Futureshop() {
  const Values buyer = {{"受注コード", "FS0001234"}, {"氏名（姓）", "小林"},
                        {"氏名（名）", "直子"},      {"郵便番号", "060-0000"},
                        {"都道府県区分", "北海道"},  {"住所1", "札幌市中央区"},
                        {"住所2", "北1条西2-1"},     {"複数お届け先フラグ", "1"}};
  Values first = buyer;
  first.insert({{"お届け先氏名（姓）", "小林"},
                {"お届け先氏名（名）", "健一"},
                {"お届け先郵便番号", "430-0946"},
                {"お届け先都道府県区分", "静岡県"},
                {"お届け先住所１", "浜松市中区元城町"},
                {"お届け先住所２", "103-2"},
                {"お届け先電話番号", "053-457-0000"},
                {"お届け先別明細番号", "1"},
                {"お届け希望日", "2026/12/20"},
                {"お届け希望時間", "14～16時"},
                {"商品名", "静岡茶 詰め合わせ"},
                {"購入数量", "1"}});
  Values second = buyer;
  second.insert({{"お届け先氏名（姓）", "森"},
                 {"お届け先氏名（名）", "さくら"},
                 {"お届け先郵便番号", "389-0102"},
                 {"お届け先都道府県区分", "長野県"},
                 {"お届け先住所１", "北佐久郡軽井沢町軽井沢"},
                 {"お届け先住所２", "1323-45"},
                 {"お届け先別明細番号", "2"},
                 {"商品名", "静岡茶 詰め合わせ"},
                 {"購入数量", "1"}});
  return {"futureshop 受注データ",
          Sj(FileOf(FutureshopHeader(), {first, second}, ',')),
          "futureshop.csv",
          {{"小林健一", "静岡県浜松市中区元城町103-2", "", "4300946"},
           {"森さくら", "長野県北佐久郡軽井沢町軽井沢1323-45", "", "3890102"}}};
}

// Next Engine 受注CSV【汎用】 (37 columns): 受注… the buyer, 発送… the
// recipient, an honorific after the name, two item rows.
PresetCase NextEngine() {
  const std::string header =
      "店舗伝票番号,受注日,受注郵便番号,受注住所1,受注住所2,受注名,受注名カナ,受注電話番号,"
      "受注メールアドレス,発送郵便番号,発送先住所1,発送先住所2,発送先名,発送先カナ,発送電話番号,"
      "支払方法,発送方法,商品計,税金,発送料,手数料,ポイント,その他費用,合計金額,ギフトフラグ,"
      "時間帯指定,日付指定,作業者欄,備考,商品名,商品コード,商品価格,受注数量,商品オプション,"
      "出荷済フラグ,顧客区分,顧客コード";
  const Values order = {{"店舗伝票番号", "NE-20261208-01"},
                        {"受注日", "2026/12/08 10:21:00"},
                        {"受注郵便番号", "4530000"},
                        {"受注住所1", "愛知県名古屋市中村区"},
                        {"受注名", "中村 一郎"},
                        {"発送郵便番号", "1000013"},
                        {"発送先住所1", "東京都千代田区"},
                        {"発送先住所2", "霞が関1-3-1"},
                        {"発送先名", "中村 美咲 様"},
                        {"発送電話番号", "03-3581-0000"},
                        {"ギフトフラグ", "1"},
                        {"時間帯指定", "18-20"},
                        {"日付指定", "2026/12/24"}};
  Values item1 = order;
  item1.insert({{"商品名", "クリスマスケーキ 5号"}, {"受注数量", "1"}});
  Values item2 = order;
  item2.insert({{"商品名", "キャンドルセット"}, {"受注数量", "2"}});
  return {"ネクストエンジン 受注CSV(汎用)",
          Sj(FileOf(header, {item1, item2}, ',')),
          "ne_orders.csv",
          {{"中村美咲", "東京都千代田区", "霞が関1-3-1", "1000013"}}};
}

// ヤマト運輸 B2クラウド 送り状発行データ (the 42 columns in common use): a
// slot code, 発行枚数 as the parcels, the shop's own ご依頼主 columns (the
// registered sender prints instead).
PresetCase B2() {
  const std::string header =
      "お客様管理番号,送り状種類,クール区分,伝票番号,出荷予定日,お届け予定日,配達時間帯,"
      "お届け先コード,お届け先電話番号,お届け先電話番号枝番,お届け先郵便番号,お届け先住所,"
      "お届け先アパートマンション名,お届け先会社・部門１,お届け先会社・部門２,お届け先名,"
      "お届け先名(ｶﾅ),敬称,ご依頼主コード,ご依頼主電話番号,ご依頼主電話番号枝番,ご依頼主郵便番号,"
      "ご依頼主住所,ご依頼主アパートマンション,ご依頼主名,ご依頼主名(ｶﾅ),品名コード１,品名１,"
      "品名コード２,品名２,荷扱い１,荷扱い２,記事,ｺﾚｸﾄ代金引換額（税込),内消費税額等,止置き,"
      "営業所コード,発行枚数,個数口表示フラグ,請求先顧客コード,請求先分類コード,運賃管理番号";
  return {"ヤマト運輸 B2クラウド 送り状データ",
          Sj(FileOf(header,
                    {{{"お客様管理番号", "B2-0001"},
                      {"送り状種類", "0"},
                      {"出荷予定日", "2026/12/09"},
                      {"お届け予定日", "2026/12/11"},
                      {"配達時間帯", "1618"},
                      {"お届け先電話番号", "03-3433-5111"},
                      {"お届け先郵便番号", "105-0011"},
                      {"お届け先住所", "東京都港区芝公園4-2-8"},
                      {"お届け先アパートマンション名", "東京タワービル3F"},
                      {"お届け先名", "山田 太郎"},
                      {"敬称", "様"},
                      {"ご依頼主電話番号", "06-0000-0000"},
                      {"ご依頼主郵便番号", "530-0001"},
                      {"ご依頼主住所", "大阪府大阪市北区梅田1-1-1"},
                      {"ご依頼主名", "ルヴォ商店"},
                      {"品名１", "りんご 5kg"},
                      {"発行枚数", "2"}}},
                    ',')),
          "b2.csv",
          {{"山田太郎", "東京都港区芝公園4-2-8", "東京タワービル3F", "1050011"}}};
}

// 佐川急便 e飛伝II 出荷データ (42 columns): the address in three 16-character
// slots, the name in two, a date of eight digits and a slot code.
PresetCase EHiden2() {
  const std::string header =
      "住所録コード,お届け先電話番号,お届け先郵便番号,お届け先住所１,お届け先住所２,"
      "お届け先住所３,お届け先名称１,お届け先名称２,お客様管理ナンバー,お客様コード,部署・担当者,"
      "荷送人電話番号,ご依頼主電話番号,ご依頼主郵便番号,ご依頼主住所１,ご依頼主住所２,"
      "ご依頼主名称１,ご依頼主名称２,荷姿コード,品名１,品名２,品名３,品名４,品名５,出荷個数,"
      "便種（スピードで選択）,便種（商品）,配達日,配達指定時間帯,配達指定時間（時分）,代引金額,"
      "消費税,決済種別,保険金額,保険金額印字,指定シール１,指定シール２,指定シール３,営業店止め,"
      "ＳＲＣ区分,営業店コード,元着区分";
  return {"佐川急便 e飛伝II 出荷データ",
          Sj(FileOf(header,
                    {{{"お届け先電話番号", "03-3581-0000"},
                      {"お届け先郵便番号", "100-0013"},
                      {"お届け先住所１", "東京都千代田区"},
                      {"お届け先住所２", "霞が関1-3-1"},
                      {"お届け先名称１", "株式会社サンプル"},
                      {"お届け先名称２", "総務部 田中様"},
                      {"お客様管理ナンバー", "SG-0001"},
                      {"ご依頼主名称１", "ルヴォ商店"},
                      {"品名１", "事務用品"},
                      {"出荷個数", "1"},
                      {"便種（スピードで選択）", "000"},
                      {"便種（商品）", "001"},
                      {"配達日", "20261210"},
                      {"配達指定時間帯", "12"},
                      {"元着区分", "1"}}},
                    ',')),
          "ehiden.csv",
          {{"株式会社サンプル総務部田中", "東京都千代田区", "霞が関1-3-1", "1000013"}}};
}

// Rakuten RMS 通常購入データ, the download before 楽天ペイ: full-width digits
// and "：" in its headers, the time wished as text.
PresetCase RakutenLegacy() {
  const std::string header =
      "受注番号,受注ステータス,カード決済ステータス,入金日,配送日,お届け時間帯,お届け日指定,担当者,"
      "ひとことメモ,"
      "メール差込文(お客様へのメッセージ),初期購入合計金額,利用端末,メールキャリアコード,"
      "ギフトチェック（0:なし/1:あり）,コメント,"
      "注文日時,複数送付先フラグ,警告表示フラグ,楽天会員フラグ,合計,消費税(-99999=無効値),送料(-"
      "99999=無効値),"
      "代引料(-99999=無効値),請求金額(-99999=無効値),合計金額(-99999=無効値),同梱ID,同梱ステータス,"
      "同梱商品合計金額,同梱送料合計,同梱代引料合計,同梱消費税合計,同梱請求金額,同梱合計金額,"
      "同梱楽天バンク決済振替手数料,"
      "同梱ポイント利用合計,メールフラグ,注文日,注文時間,モバイルキャリア決済番号,"
      "購入履歴修正可否タイプ,購入履歴修正アイコンフラグ,"
      "購入履歴修正催促メールフラグ,送付先一致フラグ,ポイント利用有無,注文者郵便番号１,"
      "注文者郵便番号２,注文者住所：都道府県,"
      "注文者住所：都市区,注文者住所：町以降,注文者名字,注文者名前,注文者名字フリガナ,"
      "注文者名前フリガナ,注文者電話番号１,注文者電話番号２,"
      "注文者電話番号３,メールアドレス,注文者性別,注文者誕生日,決済方法,クレジットカード種類,"
      "クレジットカード番号,クレジットカード名義人,"
      "クレジットカード有効期限,クレジットカード分割選択,クレジットカード分割備考,配送方法,"
      "配送区分,ポイント利用額,ポイント利用条件,"
      "ポイントステータス,楽天バンク決済ステータス,楽天バンク振替手数料負担区分,"
      "楽天バンク決済手数料,ラッピングタイトル(包装紙),"
      "ラッピング名(包装紙),ラッピング料金(包装紙),税込別(包装紙),ラッピングタイトル(リボン),"
      "ラッピング名(リボン),"
      "ラッピング料金(リボン),税込別(リボン),送付先送料,送付先代引料,送付先消費税,お荷物伝票番号,"
      "送付先商品合計金額,のし,"
      "送付先郵便番号１,送付先郵便番号２,送付先住所：都道府県,送付先住所：都市区,"
      "送付先住所：町以降,送付先名字,送付先名前,"
      "送付先名字フリガナ,送付先名前フリガナ,送付先電話番号１,送付先電話番号２,送付先電話番号３,"
      "商品ID,商品名,商品番号,商品URL,単価,"
      "個数,送料込別,税込別,代引手数料込別,項目・選択肢,ポイント倍率,ポイントタイプ,"
      "レコードナンバー,納期情報,在庫タイプ,"
      "ラッピング種類(包装紙),ラッピング種類(リボン),あす楽希望,クーポン利用額,"
      "店舗発行クーポン利用額,楽天発行クーポン利用額,"
      "同梱注文クーポン利用額,配送会社,薬事フラグ,楽天スーパーDEAL,メンバーシッププログラム";
  return {"楽天市場 通常購入データ(旧形式)",
          Sj(FileOf(header,
                    {{{"受注番号", "123456-20190401-00000001"},
                      {"注文者名字", "渡辺"},
                      {"注文者名前", "修"},
                      {"送付先一致フラグ", "0"},
                      {"送付先郵便番号１", "105"},
                      {"送付先郵便番号２", "0014"},
                      {"送付先住所：都道府県", "東京都"},
                      {"送付先住所：都市区", "港区"},
                      {"送付先住所：町以降", "芝3-2-1"},
                      {"送付先名字", "渡辺"},
                      {"送付先名前", "真由美"},
                      {"商品名", "信州りんご 5kg"},
                      {"個数", "1"},
                      {"お届け時間帯", "12時～14時"},
                      {"お届け日指定", "2019/04/05"}}},
                    ',')),
          "rakuten_old.csv",
          {{"渡辺真由美", "東京都港区芝3-2-1", "", "1050014"}}};
}

// 佐川急便 e飛伝III 出荷データ (標準_飛脚宅急便_CSV_ヘッダ有り, 74 columns).
PresetCase EHiden3() {
  const std::string header =
      "お届け先コード取得区分,お届け先コード,お届け先電話番号,お届け先郵便番号,お届け先住所１,"
      "お届け先住所２,お届け先住所３,お届け先名称１,"
      "お届け先名称２,お客様管理番号,お客様コード,部署ご担当者コード取得区分,部署ご担当者コード,"
      "部署ご担当者名称,荷送人電話番号,"
      "ご依頼主コード取得区分,ご依頼主コード,ご依頼主電話番号,ご依頼主郵便番号,ご依頼主住所１,"
      "ご依頼主住所２,ご依頼主名称１,ご依頼主名称２,"
      "荷姿,品名１,品名２,品名３,品名４,品名５,荷札荷姿,荷札品名１,荷札品名２,荷札品名３,"
      "荷札品名４,荷札品名５,荷札品名６,荷札品名７,"
      "荷札品名８,荷札品名９,荷札品名１０,荷札品名１１,出荷個数,スピード指定,クール便指定,配達日,"
      "配達指定時間帯,配達指定時間（時分）,"
      "代引金額,消費税,決済種別,保険金額,指定シール１,指定シール２,指定シール３,営業所受取,SRC区分,"
      "営業所受取営業所コード,元着区分,"
      "メールアドレス,ご不在時連絡先,出荷日,お問い合せ送り状No.,出荷場印字区分,集約解除指定,編集01,"
      "編集02,編集03,編集04,"
      "編集05,編集06,編集07,編集08,編集09,編集10";
  return {"佐川急便 e飛伝III 出荷データ",
          Sj(FileOf(header,
                    {{{"お届け先コード取得区分", "0"},
                      {"お届け先電話番号", "019-000-0000"},
                      {"お届け先郵便番号", "020-0857"},
                      {"お届け先住所１", "岩手県盛岡市北飯岡"},
                      {"お届け先住所２", "1-2-3"},
                      {"お届け先名称１", "佐々木 健"},
                      {"お客様管理番号", "SG3-0001"},
                      {"品名１", "南部鉄器 急須"},
                      {"出荷個数", "２個口"},
                      {"配達日", "20261214"},
                      {"配達指定時間帯", "16"},
                      {"元着区分", "1"}}},
                    ',')),
          "ehiden3.csv",
          {{"佐々木健", "岩手県盛岡市北飯岡", "1-2-3", "0200857"}}};
}

// 日本郵便 クリックポスト まとめ申込 (8 columns): a code without its hyphen,
// the address over two lines, the honorific in a column of its own.
PresetCase ClickPost() {
  const std::string header =
      "お届け先郵便番号,お届け先氏名,お届け先敬称,お届け先住所1行目,お届け先住所2行目,"
      "お届け先住所3行目,お届け先住所4行目,内容品";
  return {"日本郵便 クリックポスト まとめ申込",
          Sj(FileOf(header,
                    {{{"お届け先郵便番号", "0200857"},
                      {"お届け先氏名", "佐々木 陽菜"},
                      {"お届け先敬称", "様"},
                      {"お届け先住所1行目", "岩手県盛岡市"},
                      {"お届け先住所2行目", "北飯岡1-2-3"},
                      {"内容品", "文庫本"}}},
                    ',')),
          "clickpost.csv",
          {{"佐々木陽菜", "岩手県盛岡市", "北飯岡1-2-3", "0200857"}}};
}

class BatchPresetsTest : public SlipCliTest {};

// Each file as downloaded prints without a map: every order one page, the
// recipient's name (never the buyer's), the address its columns make, the
// postal code (checked against the whole address) and the sender.
TEST_F(BatchPresetsTest, EachPlatformsExportPrintsOnePagePerOrder) {
  const fs::path dict = dir_ / "zipcode.dict";
  std::ofstream(dict, std::ios::binary) << EucJis(kAreasUtf8);
  for (const PresetCase& c :
       {Rakuten(), RakutenLegacy(), Yahoo(), Amazon(), Shopify(), Futureshop(), NextEngine(), B2(),
        EHiden2(), EHiden3(), ClickPost()}) {
    SCOPED_TRACE(c.preset);
    const fs::path file = dir_ / c.fileName;
    const fs::path pdf = dir_ / "slips.pdf";
    std::ofstream(file, std::ios::binary) << c.bytes;
    const RunResult run =
        RunSlip("batch", "'" + file.string() + "' --pdf '" + pdf.string() +
                             "' --dpi 360 --date 2026-12-09 --dict '" + dict.string() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    const nlohmann::json report = nlohmann::json::parse(run.out);
    EXPECT_EQ(report["preset"], c.preset);
    EXPECT_EQ(report["problems"].size(), 0u) << run.out;
    EXPECT_EQ(report["printed"], c.pages.size());
    for (std::size_t i = 0; i < c.pages.size(); ++i) {
      SCOPED_TRACE(i + 1);
      const Page& page = c.pages[i];
      const auto words = WordsOf(pdf, static_cast<int>(i) + 1);
      // 360 dpi: the layout's places times 2.25; name 220,330, address
      // lines 220,180 and 220,230, postal code 300,68 on, sender 220,550.
      EXPECT_EQ(WithoutBlanks(LineAt(words, 495, 743)), page.name);
      EXPECT_EQ(WithoutBlanks(LineAt(words, 495, 405, 1600)), page.address1);
      EXPECT_EQ(WithoutBlanks(LineAt(words, 495, 517.5, 1600)), page.address2);
      EXPECT_EQ(LineAt(words, 675, 153, 1500), page.zip);
      EXPECT_EQ(WithoutBlanks(LineAt(words, 495, 1237.5)), "株式会社ルヴォ");
      if (!page.goods3.empty()) {
        EXPECT_EQ(WithoutBlanks(LineAt(words, 1620, 607.5)), page.goods3);
      }
    }
    EXPECT_TRUE(WordsOf(pdf, static_cast<int>(c.pages.size()) + 1).empty());
  }
}

}  // namespace
}  // namespace ruvo::test
