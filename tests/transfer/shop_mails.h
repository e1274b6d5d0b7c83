#pragma once
// Order mails of shop systems, written from their public default templates
// with made-up orders: the orderer 山田 太郎 in 東京都港区, a gift to someone
// else. Each mail is the text before the recipient's section, the section
// as a shop owner copies it (heading and labels), and the text after it.
//
// Templates: EC-CUBE 2.13 data/Smarty/templates/{default,mobile}/
// mail_templates/order_mail.tpl, EC-CUBE 3.0 and 4.3 src/Eccube/Resource/
// template/default/Mail/order.twig, Welcart functions/emails.php
// (uesces_get_mail_addressform, JP form, 【配送先】), WooCommerce
// emails/plain/email-addresses.php with the JP address format of
// class-wc-countries.php, Zen Cart Japanese includes/classes/order.php
// (address format 6, furigana on), XOOPS bmcart ThankYouForOrder.tpl,
// Shopify's JP address format ({country}_〒{zip}{province}{city}…) in an
// order confirmation, and a marketplace's "[送付先] … (TEL)" mail.

#include <string_view>

namespace ruvo::test {

// The recipient fields a clerk types from the mail, UTF-8.
struct ClerkFields {
  std::string_view zip, add1, add2, name, tel;
};

struct ShopMail {
  std::string_view system;
  std::string_view before;   // greeting, order, orderer's section …
  std::string_view section;  // the recipient's section
  std::string_view after;    // what follows it
  std::string_view heading;  // the heading the transfer names
  ClerkFields fields;
};

// The same long address in every mail that keeps the building after the
// block number: 23 full-width characters with the room.
inline constexpr ClerkFields kSatoMegumi = {"444-3505", "愛知県岡崎市本宿町字大木戸1-2",
                                            "ハイツ岡崎101号室", "佐藤 恵", "0564-48-1234"};
inline constexpr ClerkFields kSuzukiIchiro = {"530-0001", "大阪府大阪市北区梅田1-2-3",
                                              "梅田スカイビル12F", "鈴木 一郎", "06-5403-9856"};

inline constexpr std::string_view kEcCubeOrderer = R"(山田 太郎 様

この度はご注文いただき誠にありがとうございます。

************************************************
　ご請求金額
************************************************

ご注文番号：1024
お支払い合計：￥5,940
お支払い方法：代金引換

************************************************
　ご注文者情報
************************************************
　お名前　：山田 太郎　様
　郵便番号：〒105-0011
　住所　　：東京都港区芝公園4-2-8
　電話番号：03-3433-5111
　FAX番号 ：

　メールアドレス：taro@example.jp

************************************************
　配送情報
************************************************

)";

inline constexpr std::string_view kEcCubeItems = R"(
商品コード: A-100
商品名: 有機りんご 5kg
単価：￥5,400
数量：1

============================================
ご使用ポイント 0 pt
)";

inline constexpr ShopMail kShopMails[] = {
    {"EC-CUBE 2.13 PC", kEcCubeOrderer, R"(◎お届け先

　お名前　：佐藤 恵　様
　郵便番号：〒444-3505
　住所　　：愛知県岡崎市本宿町字大木戸1-2ハイツ岡崎101号室
　電話番号：0564-48-1234
　FAX番号 ：　

　お届け日：指定なし
　お届け時間：指定なし
)",
     kEcCubeItems, "お届け先", kSatoMegumi},
    {"EC-CUBE 2.13 mobile", R"(山田 太郎 様

■ご請求金額
ご注文番号：1025
お支払い合計：￥5,940

■ご注文者情報
　お名前　：山田 太郎　様
　郵便番号：〒105-0011
　住所　　：東京都港区芝公園4-2-8
　電話番号：03-3433-5111
　FAX番号 ：

■配送情報

)",
     R"(◎お届け先

　お名前　：鈴木 一郎　様
　郵便番号：〒530-0001
　住所　　：大阪府大阪市北区梅田1-2-3梅田スカイビル12F
　電話番号：06-5403-9856
　FAX番号 ：　

　お届け日：2024/12/24
)",
     R"(
商品コード：A-100
商品名：有機りんご 5kg
数量：1
)",
     "お届け先", kSuzukiIchiro},
    {"EC-CUBE 3.0",
     kEcCubeOrderer,
     R"(◎お届け先

お名前　：佐藤恵　様
郵便番号：〒444-3505
住所　　：愛知県岡崎市本宿町字大木戸1-2ハイツ岡崎101号室
電話番号：0564-48-1234
FAX番号 ：--

お届け日：指定なし
)",
     kEcCubeItems,
     "お届け先",
     {"444-3505", "愛知県岡崎市本宿町字大木戸1-2", "ハイツ岡崎101号室", "佐藤恵", "0564-48-1234"}},
    {"EC-CUBE 4.3",
     R"(山田 太郎 様

************************************************
　ご注文者情報
************************************************
お名前：山田 太郎 様
お名前(カナ)：ヤマダ タロウ 様
郵便番号：〒1050011
住所：東京都港区芝公園4-2-8
電話番号：0334335111
メールアドレス：taro@example.jp

************************************************
　配送情報
************************************************

)",
     R"(◎お届け先

お名前：佐藤 恵 様
お名前(カナ)：サトウ メグミ 様
郵便番号：〒4443505
住所：愛知県岡崎市本宿町字大木戸1-2ハイツ岡崎101号室
電話番号：0564481234

配送方法：サンプル宅配
お届け日：指定なし
)",
     kEcCubeItems,
     "お届け先",
     {"444-3505", "愛知県岡崎市本宿町字大木戸1-2", "ハイツ岡崎101号室", "佐藤 恵", "0564481234"}},
    {"Welcart", R"(【ご注文内容】
******************************************************
会員No : 1001
メールアドレス : taro@example.jp
ご購入者 : 山田 太郎 様
フリガナ : ヤマダ タロウ
郵便番号 : 105-0011
住所 : 東京都港区芝公園4-2-8 
電話番号 : 03-3433-5111
FAX番号 : 
注文番号 : 0000012
商品 :
------------------------------------------------------------------
有機りんご 5kg
単価 ￥5,400 × 1
------------------------------------------------------------------

)",
     R"(【配送先】
******************************************************
宛名 : 佐藤 恵 様
フリガナ : サトウ メグミ
国 : 日本
郵便番号 : 444-3505
住所 : 愛知県岡崎市本宿町字大木戸1-2 ハイツ岡崎101号室
電話番号 : 0564-48-1234
FAX番号 : 
配送方法 : 宅配便
配送希望日 : 指定なし
)",
     R"(
【お支払方法】
******************************************************
代金引換
)",
     "配送先", kSatoMegumi},
    {"WooCommerce", R"(ご注文 #1029 を受け付けました。

[注文 #1029] (2024年12月1日)

有機りんご 5kg × 1 = ¥5,400

==========

合計: ¥5,940

----------------------------------------

請求先住所

105-0011
東京都 港区 芝公園4-2-8
山田 太郎
03-3433-5111
taro@example.jp

)",
     R"(配送先住所

444-3505
愛知県 岡崎市 本宿町字大木戸1-2
ハイツ岡崎101号室
株式会社ルヴォ
佐藤 恵
0564-48-1234
)",
     R"(
----------------------------------------
)",
     "配送先住所", kSatoMegumi},
    {"Zen Cart Japanese",
     R"(注文確認書 from ルヴォ商店

山田 太郎 様

ご注文番号: 1030
請求明細書: https://shop.example.jp/index.php?main_page=account_history_info&order_id=1030

商品
------------------------------------------------------
1 x 有機りんご 5kg = ￥5,400
------------------------------------------------------
合計: ￥5,940

)",
     R"(お届け先
------------------------------------------------------
田中 花子
タナカ ハナコ
750-0025
山口県下関市
竹崎町4-1-1
シーモール専門店街シーモールビル5F
日本
電話番号:083-232-1234
ファックス番号:083-232-1235
)",
     R"(
請求先住所
------------------------------------------------------
山田 太郎
ヤマダ タロウ
105-0011
東京都港区
芝公園4-2-8
日本
電話番号:03-3433-5111
)",
     "お届け先",
     {"750-0025", "山口県下関市竹崎町4-1-1", "シーモール専門店街シーモールビル5F", "田中 花子",
      "083-232-1234"}},
    {"XOOPS bmcart", R"(ルヴォ商店 にてご注文を承りましたので、お知らせいたします。

ご注文番号 : 1031
)",
     "配送先情報 :\n\t氏名 : 鈴木 一郎\n\t郵便番号 : 5300001\n"
     "\t住所 : 大阪府 大阪市北区梅田1-2-3 梅田スカイビル12F\n\t電話番号 : 06-5403-9856\n",
     R"(
ご注文内容 :
商品名                                   価格         数量
--------------------------------------------------------------------
有機りんご 5kg    5400    1
)",
     "配送先情報", kSuzukiIchiro},
    {"Shopify",
     R"(山田 太郎様、ご注文の発送準備を進めております。

注文 #1032
有機りんご 5kg × 1
¥5,400

お客様情報
)",
     R"(配送先住所
日本
〒444-3505愛知県岡崎市本宿町字大木戸1-2ハイツ岡崎101号室
佐藤恵様
+81 90-1234-5678
)",
     R"(請求先住所
日本
〒105-0011東京都港区芝公園4-2-8
山田太郎様
+81 3-3433-5111
配送方法
通常配送
)",
     "配送先住所",
     {"444-3505", "愛知県岡崎市本宿町字大木戸1-2", "ハイツ岡崎101号室", "佐藤恵", "090-1234-5678"}},
    {"marketplace", R"(山田 太郎 様

[受注番号] 123456-20241201-0012345678
[注文者]   山田 太郎 (ヤマダ タロウ) 様
           〒105-0011 東京都港区芝公園4-2-8
           (TEL) 03-3433-5111
[支払方法] 代金引換
==========
)",
     R"([送付先]   鈴木 一郎 (スズキ イチロウ) 様
           〒5300001 大阪府大阪市北区梅田1-2-3 梅田スカイビル12F
           (TEL) 06-5403-9856
)",
     R"([商品]
有機りんご 5kg
価格 5,400(円) x 1(個) = 5,400(円)
)",
     "送付先", kSuzukiIchiro},
};

}  // namespace ruvo::test
