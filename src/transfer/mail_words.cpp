#include "transfer/mail_words.h"

#include <array>
#include <span>

#include "transfer/char_kinds.h"
#include "transfer/half_width.h"
#include "transfer/pattern_set.h"
#include "transfer/sjis.h"

namespace ruvo {

namespace {

struct LabelWord {
  std::string_view key;
  LabelKind kind;
};

// Labels of the lines of recipient and orderer blocks, as keys. Labels of
// other lines (ご注文番号, 商品名, お届け日 …) are not listed: a line with
// any other label carries nothing for the slip.
constexpr std::array<LabelWord, 149> kLabels = {{
    {"\x82\xA8\x96\xBC\x91\x4F", LabelKind::kName},                          // お名前
    {"\x82\xA8\x82\xC8\x82\xDC\x82\xA6", LabelKind::kName},                  // おなまえ
    {"\x8C\xE4\x96\xBC\x91\x4F", LabelKind::kName},                          // 御名前
    {"\x96\xBC\x91\x4F", LabelKind::kName},                                  // 名前
    {"\x8E\x81\x96\xBC", LabelKind::kName},                                  // 氏名
    {"\x82\xB2\x8E\x81\x96\xBC", LabelKind::kName},                          // ご氏名
    {"\x8C\xE4\x8E\x81\x96\xBC", LabelKind::kName},                          // 御氏名
    {"\x88\xB6\x96\xBC", LabelKind::kName},                                  // 宛名
    {"\x82\xA8\x96\xBC\x91\x4F(\x8A\xBF\x8E\x9A)", LabelKind::kName},        // お名前(漢字)
    {"\x8E\x81\x96\xBC(\x8A\xBF\x8E\x9A)", LabelKind::kName},                // 氏名(漢字)
    {"\x82\xA8\x93\xCD\x82\xAF\x90\xE6\x8E\x81\x96\xBC", LabelKind::kName},  // お届け先氏名
    {"\x82\xA8\x93\xCD\x82\xAF\x90\xE6\x96\xBC", LabelKind::kName},          // お届け先名
    {"\x82\xA8\x93\xCD\x82\xAF\x90\xE6\x82\xA8\x96\xBC\x91\x4F",
     LabelKind::kName},                                              // お届け先お名前
    {"\x91\x97\x95\x74\x90\xE6\x8E\x81\x96\xBC", LabelKind::kName},  // 送付先氏名
    {"\x91\x97\x95\x74\x90\xE6\x96\xBC", LabelKind::kName},          // 送付先名
    {"\x91\x97\x95\x74\x90\xE6\x82\xA8\x96\xBC\x91\x4F", LabelKind::kName},  // 送付先お名前
    {"\x94\x7A\x91\x97\x90\xE6\x8E\x81\x96\xBC", LabelKind::kName},          // 配送先氏名
    {"\x94\x7A\x91\x97\x90\xE6\x96\xBC", LabelKind::kName},                  // 配送先名
    {"\x94\x7A\x91\x97\x90\xE6\x82\xA8\x96\xBC\x91\x4F", LabelKind::kName},  // 配送先お名前
    {"\x8E\xF3\x8E\xE6\x90\x6C", LabelKind::kName},                          // 受取人
    {"\x8E\xF3\x8E\xE6\x90\x6C\x96\xBC", LabelKind::kName},                  // 受取人名
    {"\x8E\xF3\x8E\xE6\x90\x6C\x8E\x81\x96\xBC", LabelKind::kName},          // 受取人氏名
    {"\x82\xA8\x8E\xF3\x8E\xE6\x90\x6C", LabelKind::kName},                  // お受取人
    {"\x82\xA8\x8E\xF3\x8E\xE6\x90\x6C\x96\xBC", LabelKind::kName},          // お受取人名
    {"\x82\xB2\x8D\x77\x93\xFC\x8E\xD2", LabelKind::kName},                  // ご購入者
    {"\x82\xB2\x8D\x77\x93\xFC\x8E\xD2\x96\xBC", LabelKind::kName},          // ご購入者名
    {"\x8D\x77\x93\xFC\x8E\xD2", LabelKind::kName},                          // 購入者
    {"\x8D\x77\x93\xFC\x8E\xD2\x96\xBC", LabelKind::kName},                  // 購入者名
    {"\x82\xB2\x92\x8D\x95\xB6\x8E\xD2", LabelKind::kName},                  // ご注文者
    {"\x82\xB2\x92\x8D\x95\xB6\x8E\xD2\x96\xBC", LabelKind::kName},          // ご注文者名
    {"\x92\x8D\x95\xB6\x8E\xD2", LabelKind::kName},                          // 注文者
    {"\x92\x8D\x95\xB6\x8E\xD2\x96\xBC", LabelKind::kName},                  // 注文者名
    {"\x82\xB2\x88\xCB\x97\x8A\x8E\xE5", LabelKind::kName},                  // ご依頼主
    {"\x88\xCB\x97\x8A\x8E\xE5", LabelKind::kName},                          // 依頼主
    {"\x82\xA8\x8B\x71\x97\x6C\x96\xBC", LabelKind::kName},                  // お客様名
    {"name", LabelKind::kName},                                              // name
    {"fullname", LabelKind::kName},                                          // fullname
    {"\x83\x74\x83\x8A\x83\x4B\x83\x69", LabelKind::kKana},                  // フリガナ
    {"\x82\xD3\x82\xE8\x82\xAA\x82\xC8", LabelKind::kKana},                  // ふりがな
    {"\x83\x4A\x83\x69", LabelKind::kKana},                                  // カナ
    {"\x82\xA9\x82\xC8", LabelKind::kKana},                                  // かな
    {"\x82\xE6\x82\xDD\x82\xAA\x82\xC8", LabelKind::kKana},                  // よみがな
    {"\x83\x88\x83\x7E\x83\x4B\x83\x69", LabelKind::kKana},                  // ヨミガナ
    {"furigana", LabelKind::kKana},                                          // furigana
    {"kana", LabelKind::kKana},                                              // kana
    {"\x97\x58\x95\xD6\x94\xD4\x8D\x86", LabelKind::kPostalCode},            // 郵便番号
    {"\x81\xA7", LabelKind::kPostalCode},                                    // 〒
    {"\x82\xE4\x82\xA4\x82\xD1\x82\xF1\x82\xCE\x82\xF1\x82\xB2\x82\xA4",
     LabelKind::kPostalCode},                      // ゆうびんばんごう
    {"\x97\x58\x95\xD6", LabelKind::kPostalCode},  // 郵便
    {"zip", LabelKind::kPostalCode},               // zip
    {"zipcode", LabelKind::kPostalCode},           // zipcode
    {"zip/postalcode", LabelKind::kPostalCode},    // zip/postalcode
    {"postalcode", LabelKind::kPostalCode},        // postalcode
    {"postcode", LabelKind::kPostalCode},          // postcode
    {"\x82\xA8\x93\xCD\x82\xAF\x90\xE6\x97\x58\x95\xD6\x94\xD4\x8D\x86",
     LabelKind::kPostalCode},  // お届け先郵便番号
    {"\x91\x97\x95\x74\x90\xE6\x97\x58\x95\xD6\x94\xD4\x8D\x86",
     LabelKind::kPostalCode},  // 送付先郵便番号
    {"\x94\x7A\x91\x97\x90\xE6\x97\x58\x95\xD6\x94\xD4\x8D\x86",
     LabelKind::kPostalCode},                           // 配送先郵便番号
    {"\x8F\x5A\x8F\x8A", LabelKind::kAddress},          // 住所
    {"\x82\xB2\x8F\x5A\x8F\x8A", LabelKind::kAddress},  // ご住所
    {"\x8F\x5A\x8F\x8A"
     "1",
     LabelKind::kAddress},  // 住所1
    {"\x8F\x5A\x8F\x8A"
     "2",
     LabelKind::kAddress},                                      // 住所2
    {"\x82\xA8\x82\xC6\x82\xB1\x82\xEB", LabelKind::kAddress},  // おところ
    {"\x82\xA8\x82\xC6\x82\xB1\x82\xEB"
     "1",
     LabelKind::kAddress},  // おところ1
    {"\x82\xA8\x82\xC6\x82\xB1\x82\xEB"
     "2",
     LabelKind::kAddress},                                                      // おところ2
    {"\x8F\x8A\x8D\xDD\x92\x6E", LabelKind::kAddress},                          // 所在地
    {"\x82\xA8\x93\xCD\x82\xAF\x90\xE6\x8F\x5A\x8F\x8A", LabelKind::kAddress},  // お届け先住所
    {"\x82\xA8\x93\xCD\x82\xAF\x90\xE6\x82\xB2\x8F\x5A\x8F\x8A",
     LabelKind::kAddress},                                              // お届け先ご住所
    {"\x91\x97\x95\x74\x90\xE6\x8F\x5A\x8F\x8A", LabelKind::kAddress},  // 送付先住所
    {"\x94\x7A\x91\x97\x90\xE6\x8F\x5A\x8F\x8A", LabelKind::kAddress},  // 配送先住所
    {"\x93\x73\x93\xB9\x95\x7B\x8C\xA7", LabelKind::kAddress},          // 都道府県
    {"\x8E\x73\x8B\xE6\x92\xAC\x91\xBA", LabelKind::kAddress},          // 市区町村
    {"\x8E\x73\x8B\xE6\x92\xAC\x91\xBA\x96\xBC", LabelKind::kAddress},  // 市区町村名
    {"\x94\xD4\x92\x6E", LabelKind::kAddress},                          // 番地
    {"\x92\xAC\x96\xBC\x94\xD4\x92\x6E", LabelKind::kAddress},          // 町名番地
    {"\x92\xAC\x96\xBC\x81\x45\x94\xD4\x92\x6E", LabelKind::kAddress},  // 町名・番地
    {"\x92\xAC\x88\xE6", LabelKind::kAddress},                          // 町域
    {"\x8C\x9A\x95\xA8\x96\xBC", LabelKind::kAddress},                  // 建物名
    {"\x8C\x9A\x95\xA8\x96\xBC\x81\x45\x95\x94\x89\xAE\x94\xD4\x8D\x86",
     LabelKind::kAddress},  // 建物名・部屋番号
    {"\x83\x7D\x83\x93\x83\x56\x83\x87\x83\x93\x96\xBC", LabelKind::kAddress},  // マンション名
    {"\x83\x72\x83\x8B\x96\xBC", LabelKind::kAddress},                          // ビル名
    {"\x95\x94\x89\xAE\x94\xD4\x8D\x86", LabelKind::kAddress},                  // 部屋番号
    {"address", LabelKind::kAddress},                                           // address
    {"address1", LabelKind::kAddress},                                          // address1
    {"address2", LabelKind::kAddress},                                          // address2
    {"city", LabelKind::kAddress},                                              // city
    {"state", LabelKind::kAddress},                                             // state
    {"\x93\x64\x98\x62\x94\xD4\x8D\x86", LabelKind::kTelephone},                // 電話番号
    {"\x82\xA8\x93\x64\x98\x62\x94\xD4\x8D\x86", LabelKind::kTelephone},        // お電話番号
    {"\x93\x64\x98\x62", LabelKind::kTelephone},                                // 電話
    {"\x82\xA8\x93\x64\x98\x62", LabelKind::kTelephone},                        // お電話
    {"\x82\xC5\x82\xF1\x82\xED", LabelKind::kTelephone},                        // でんわ
    {"\x82\xA8\x82\xC5\x82\xF1\x82\xED", LabelKind::kTelephone},                // おでんわ
    {"tel", LabelKind::kTelephone},                                             // tel
    {"\x87\x84", LabelKind::kTelephone},                                        // ℡
    {"telephone", LabelKind::kTelephone},                                       // telephone
    {"phone", LabelKind::kTelephone},                                           // phone
    {"phonenumber", LabelKind::kTelephone},                                     // phonenumber
    {"\x8C\x67\x91\xD1\x93\x64\x98\x62", LabelKind::kTelephone},                // 携帯電話
    {"\x8C\x67\x91\xD1\x93\x64\x98\x62\x94\xD4\x8D\x86", LabelKind::kTelephone},  // 携帯電話番号
    {"\x8C\x67\x91\xD1\x94\xD4\x8D\x86", LabelKind::kTelephone},                  // 携帯番号
    {"\x8C\x67\x91\xD1", LabelKind::kTelephone},                                  // 携帯
    {"\x98\x41\x97\x8D\x90\xE6", LabelKind::kTelephone},                          // 連絡先
    {"\x82\xB2\x98\x41\x97\x8D\x90\xE6", LabelKind::kTelephone},                  // ご連絡先
    {"\x98\x41\x97\x8D\x90\xE6\x93\x64\x98\x62\x94\xD4\x8D\x86",
     LabelKind::kTelephone},  // 連絡先電話番号
    {"\x82\xA8\x93\xCD\x82\xAF\x90\xE6\x93\x64\x98\x62\x94\xD4\x8D\x86",
     LabelKind::kTelephone},  // お届け先電話番号
    {"\x91\x97\x95\x74\x90\xE6\x93\x64\x98\x62\x94\xD4\x8D\x86",
     LabelKind::kTelephone},  // 送付先電話番号
    {"\x94\x7A\x91\x97\x90\xE6\x93\x64\x98\x62\x94\xD4\x8D\x86",
     LabelKind::kTelephone},                                              // 配送先電話番号
    {"\x93\xFA\x92\x86\x98\x41\x97\x8D\x90\xE6", LabelKind::kTelephone},  // 日中連絡先
    {"fax", LabelKind::kFax},                                             // fax
    {"fax\x94\xD4\x8D\x86", LabelKind::kFax},                             // fax番号
    {"\x83\x74\x83\x40\x83\x62\x83\x4E\x83\x58", LabelKind::kFax},        // ファックス
    {"\x83\x74\x83\x40\x83\x62\x83\x4E\x83\x58\x94\xD4\x8D\x86",
     LabelKind::kFax},                                                      // ファックス番号
    {"\x83\x74\x83\x40\x83\x4E\x83\x58", LabelKind::kFax},                  // ファクス
    {"\x83\x74\x83\x40\x83\x4E\x83\x58\x94\xD4\x8D\x86", LabelKind::kFax},  // ファクス番号
    {"\x83\x81\x81\x5B\x83\x8B\x83\x41\x83\x68\x83\x8C\x83\x58",
     LabelKind::kMail},                                            // メールアドレス
    {"\x83\x81\x81\x5B\x83\x8B", LabelKind::kMail},                // メール
    {"mail", LabelKind::kMail},                                    // mail
    {"e-mail", LabelKind::kMail},                                  // e-mail
    {"email", LabelKind::kMail},                                   // email
    {"e-mail\x83\x41\x83\x68\x83\x8C\x83\x58", LabelKind::kMail},  // e-mailアドレス
    {"e\x83\x81\x81\x5B\x83\x8B", LabelKind::kMail},               // eメール
    {"pc\x83\x81\x81\x5B\x83\x8B\x83\x41\x83\x68\x83\x8C\x83\x58",
     LabelKind::kMail},  // pcメールアドレス
    {"\x8C\x67\x91\xD1\x83\x81\x81\x5B\x83\x8B\x83\x41\x83\x68\x83\x8C\x83\x58",
     LabelKind::kMail},                                 // 携帯メールアドレス
    {"mailaddress", LabelKind::kMail},                  // mailaddress
    {"\x89\xEF\x8E\xD0\x96\xBC", LabelKind::kCompany},  // 会社名
    {"\x89\xEF\x8E\xD0", LabelKind::kCompany},          // 会社
    {"\x96\x40\x90\x6C\x96\xBC", LabelKind::kCompany},  // 法人名
    {"\x8A\xE9\x8B\xC6\x96\xBC", LabelKind::kCompany},  // 企業名
    {"\x92\x63\x91\xCC\x96\xBC", LabelKind::kCompany},  // 団体名
    {"\x95\x94\x8F\x90\x96\xBC", LabelKind::kCompany},  // 部署名
    {"\x89\xEF\x8E\xD0\x96\xBC\x81\x45\x95\x94\x8F\x90\x96\xBC",
     LabelKind::kCompany},                                        // 会社名・部署名
    {"\x89\xAE\x8D\x86", LabelKind::kCompany},                    // 屋号
    {"company", LabelKind::kCompany},                             // company
    {"companyname", LabelKind::kCompany},                         // companyname
    {"\x8B\xCE\x96\xB1\x90\xE6", LabelKind::kCompany},            // 勤務先
    {"\x8D\x91", LabelKind::kCountry},                            // 国
    {"\x8D\x91\x96\xBC", LabelKind::kCountry},                    // 国名
    {"\x8D\x91\x81\x45\x92\x6E\x88\xE6", LabelKind::kCountry},    // 国・地域
    {"country", LabelKind::kCountry},                             // country
    {"country/region", LabelKind::kCountry},                      // country/region
    {"\x82\xA8\x93\xCD\x82\xAF\x90\xE6", LabelKind::kRecipient},  // お届け先
    {"\x93\xCD\x82\xAF\x90\xE6", LabelKind::kRecipient},          // 届け先
    {"\x91\x97\x95\x74\x90\xE6", LabelKind::kRecipient},          // 送付先
    {"\x82\xB2\x91\x97\x95\x74\x90\xE6", LabelKind::kRecipient},  // ご送付先
    {"\x91\x97\x82\xE8\x90\xE6", LabelKind::kRecipient},          // 送り先
    {"\x82\xA8\x91\x97\x82\xE8\x90\xE6", LabelKind::kRecipient},  // お送り先
    {"\x94\x7A\x91\x97\x90\xE6", LabelKind::kRecipient},          // 配送先
    {"\x94\xAD\x91\x97\x90\xE6", LabelKind::kRecipient},          // 発送先
    {"\x88\xB6\x90\xE6", LabelKind::kRecipient},                  // 宛先
}};

struct HeadingWord {
  std::string_view key;
  SectionKind kind;
};

// Words that head the recipient's and the orderer's section.
constexpr std::array<HeadingWord, 30> kHeadingWords = {{
    {"\x82\xA8\x93\xCD\x82\xAF\x90\xE6", SectionKind::kRecipient},  // お届け先
    {"\x93\xCD\x82\xAF\x90\xE6", SectionKind::kRecipient},          // 届け先
    {"\x94\x7A\x91\x97\x90\xE6", SectionKind::kRecipient},          // 配送先
    {"\x94\xAD\x91\x97\x90\xE6", SectionKind::kRecipient},          // 発送先
    {"\x91\x97\x95\x74\x90\xE6", SectionKind::kRecipient},          // 送付先
    {"\x82\xB2\x91\x97\x95\x74\x90\xE6", SectionKind::kRecipient},  // ご送付先
    {"\x91\x97\x82\xE8\x90\xE6", SectionKind::kRecipient},          // 送り先
    {"\x82\xA8\x91\x97\x82\xE8\x90\xE6", SectionKind::kRecipient},  // お送り先
    {"\x94\x7A\x92\x42\x90\xE6", SectionKind::kRecipient},          // 配達先
    {"\x94\x5B\x95\x69\x90\xE6", SectionKind::kRecipient},          // 納品先
    {"\x8F\x6F\x89\xD7\x90\xE6", SectionKind::kRecipient},          // 出荷先
    {"\x94\x7A\x91\x97\x8F\xEE\x95\xF1", SectionKind::kRecipient},  // 配送情報
    {"shippingaddress", SectionKind::kRecipient},                   // shippingaddress
    {"shipto", SectionKind::kRecipient},                            // shipto
    {"deliveryaddress", SectionKind::kRecipient},                   // deliveryaddress
    {"\x82\xB2\x92\x8D\x95\xB6\x8E\xD2", SectionKind::kOrderer},    // ご注文者
    {"\x92\x8D\x95\xB6\x8E\xD2", SectionKind::kOrderer},            // 注文者
    {"\x82\xB2\x92\x8D\x95\xB6\x8E\xE5", SectionKind::kOrderer},    // ご注文主
    {"\x92\x8D\x95\xB6\x8E\xE5", SectionKind::kOrderer},            // 注文主
    {"\x82\xB2\x8D\x77\x93\xFC\x8E\xD2", SectionKind::kOrderer},    // ご購入者
    {"\x8D\x77\x93\xFC\x8E\xD2", SectionKind::kOrderer},            // 購入者
    {"\x82\xB2\x90\xBF\x8B\x81\x90\xE6", SectionKind::kOrderer},    // ご請求先
    {"\x90\xBF\x8B\x81\x90\xE6", SectionKind::kOrderer},            // 請求先
    {"\x82\xB2\x88\xCB\x97\x8A\x8E\xE5", SectionKind::kOrderer},    // ご依頼主
    {"\x88\xCB\x97\x8A\x8E\xE5", SectionKind::kOrderer},            // 依頼主
    {"\x82\xA8\x90\x5C\x8D\x9E\x8E\xD2", SectionKind::kOrderer},    // お申込者
    {"\x90\x5C\x8D\x9E\x8E\xD2", SectionKind::kOrderer},            // 申込者
    {"\x82\xA8\x8B\x71\x97\x6C", SectionKind::kOrderer},            // お客様
    {"billingaddress", SectionKind::kOrderer},                      // billingaddress
    {"billto", SectionKind::kOrderer},                              // billto
}};

// What may follow a heading word: "配送先情報", "配送先住所", "ご注文者様".
constexpr std::array<std::string_view, 9> kHeadingSuffixes = {
    "\x8F\xEE\x95\xF1",                  // 情報
    "\x8F\x5A\x8F\x8A",                  // 住所
    "\x82\xB2\x8F\x5A\x8F\x8A",          // ご住所
    "\x82\xCC\x8F\x5A\x8F\x8A",          // の住所
    "\x82\xCC\x82\xB2\x8F\x5A\x8F\x8A",  // のご住所
    "\x82\xCC\x8F\xEE\x95\xF1",          // の情報
    "\x97\x6C",                          // 様
    "\x82\xB3\x82\xDC",                  // さま
    "\x8F\xDA\x8D\xD7",                  // 詳細
};

constexpr std::array<std::string_view, 5> kSameAsOrderer = {
    "\x93\xAF\x82\xB6",  // 同じ
    "\x93\xAF\x8F\xE3",  // 同上
    "\x93\xAF\x88\xEA",  // 同一
    "sameas",            // sameas
    "\x81\x56",          // 〃
};

constexpr std::array<std::string_view, 6> kCountryKeys = {
    "\x93\xFA\x96\x7B",          // 日本
    "\x93\xFA\x96\x7B\x8D\x91",  // 日本国
    "\x82\xC9\x82\xD9\x82\xF1",  // にほん
    "japan",                     // japan
    "jp",                        // jp
    "jpn",                       // jpn
};

constexpr std::array<std::string_view, 20> kCompanyWords = {
    "\x8A\x94\x8E\xAE\x89\xEF\x8E\xD0",                  // 株式会社
    "\x97\x4C\x8C\xC0\x89\xEF\x8E\xD0",                  // 有限会社
    "\x8D\x87\x93\xAF\x89\xEF\x8E\xD0",                  // 合同会社
    "\x8D\x87\x8E\x91\x89\xEF\x8E\xD0",                  // 合資会社
    "\x8D\x87\x96\xBC\x89\xEF\x8E\xD0",                  // 合名会社
    "\x8E\xD0\x92\x63\x96\x40\x90\x6C",                  // 社団法人
    "\x8D\xE0\x92\x63\x96\x40\x90\x6C",                  // 財団法人
    "\x88\xE3\x97\xC3\x96\x40\x90\x6C",                  // 医療法人
    "\x8A\x77\x8D\x5A\x96\x40\x90\x6C",                  // 学校法人
    "\x8E\xD0\x89\xEF\x95\x9F\x8E\x83\x96\x40\x90\x6C",  // 社会福祉法人
    "npo\x96\x40\x90\x6C",                               // npo法人
    "(\x8A\x94)",                                        // (株)
    "(\x97\x4C)",                                        // (有)
    "(\x93\xAF)",                                        // (同)
    "\x87\x8A",                                          // ㈱
    "\x87\x8B",                                          // ㈲
    "inc.",                                              // inc.
    "co.,ltd",                                           // co.,ltd
    "ltd.",                                              // ltd.
    "corp.",                                             // corp.
};

constexpr std::array<std::string_view, 4> kHonorifics = {
    "\x97\x6C",          // 様
    "\x82\xB3\x82\xDC",  // さま
    "\x93\x61",          // 殿
    "\x8C\xE4\x92\x86",  // 御中
};

// Words that make a label one of a reading.
constexpr std::array<std::string_view, 8> kReadingWords = {
    "\x83\x4A\x83\x69",                  // カナ
    "\x82\xA9\x82\xC8",                  // かな
    "\x83\x74\x83\x8A\x83\x4B\x83\x69",  // フリガナ
    "\x82\xD3\x82\xE8\x82\xAA\x82\xC8",  // ふりがな
    "\x82\xE6\x82\xDD\x82\xAA\x82\xC8",  // よみがな
    "\x83\x88\x83\x7E\x83\x4B\x83\x69",  // ヨミガナ
    "kana",                              // kana
    "furigana",                          // furigana
};

constexpr PatternSet kSameAsOrdererSet(kSameAsOrderer);
constexpr PatternSet kCompanyWordSet(kCompanyWords);
constexpr PatternSet kReadingWordSet(kReadingWords);

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// A full-width letter, digit or sign as its ASCII character; "" for any
// other character (katakana keep their width: "フリガナ" stays as written).
std::string_view AsciiOf(std::string_view text, std::size_t pos) {
  const std::string_view half = HalfWidthOf(CodeAt(text, pos));
  const bool ascii = half.size() == 1 && half[0] > ' ' && half[0] < 0x7F;
  return ascii ? half : std::string_view{};
}

bool IsCharBoundary(std::string_view text, std::size_t pos) {
  return sjis::BoundaryAtOrBefore(text, pos) == pos;
}

// `rest` after a heading word: nothing, or a suffix, then digits.
bool IsHeadingTail(std::string_view rest) {
  while (!rest.empty() && rest.back() >= '0' && rest.back() <= '9')
    rest.remove_suffix(1);
  if (rest.empty()) return true;
  for (const std::string_view suffix : kHeadingSuffixes) {
    if (rest == suffix) return true;
  }
  return false;
}

}  // namespace

std::string MailKey(std::string_view text) {
  std::string key;
  key.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size(); pos += sjis::CharLengthAt(text, pos)) {
    const std::size_t length = sjis::CharLengthAt(text, pos);
    if (IsBlankCode(CodeAt(text, pos))) continue;
    const std::string_view ascii = length == 2 ? AsciiOf(text, pos) : text.substr(pos, 1);
    if (ascii.empty()) {
      key.append(text.substr(pos, length));
    } else {
      key += LowerAscii(ascii[0]);
    }
  }
  return key;
}

std::optional<LabelKind> KnownLabelKind(std::string_view key) {
  if (kReadingWordSet.Occurring(key) != 0) return LabelKind::kKana;
  for (const LabelWord& label : kLabels) {
    if (label.key == key) return label.kind;
  }
  return std::nullopt;
}

std::optional<SectionKind> HeadingKindOf(std::string_view key) {
  for (const HeadingWord& word : kHeadingWords) {
    if (key.starts_with(word.key) && IsHeadingTail(key.substr(word.key.size()))) return word.kind;
  }
  return std::nullopt;
}

bool IsCountryKey(std::string_view key) {
  for (const std::string_view country : kCountryKeys) {
    if (key == country) return true;
  }
  return false;
}

bool HasCompanyWord(std::string_view key) {
  return kCompanyWordSet.Occurring(key) != 0;
}

bool SaysSameAsOrderer(std::string_view key) {
  return kSameAsOrdererSet.Occurring(key) != 0;
}

std::size_t HonorificLengthAtEnd(std::string_view text) {
  for (const std::string_view honorific : kHonorifics) {
    if (text.size() > honorific.size() && text.ends_with(honorific) &&
        IsCharBoundary(text, text.size() - honorific.size()))
      return honorific.size();
  }
  return 0;
}

}  // namespace ruvo
