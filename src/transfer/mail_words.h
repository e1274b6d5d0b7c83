#pragma once
// The words of order mails, as shop systems and marketplaces write them: the
// headings of their sections and the labels of their lines.
//
// Words are looked up by key (MailKey): blanks out, full-width letters,
// digits and signs as ASCII, ASCII letters in lower case, so that
// "ＴＥＬ", "Tel" and "TEL" are all "tel" and "お名前　（カナ）" is "お名前(カナ)".

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ruvo {

// The two parties of an order mail.
enum class SectionKind {
  kRecipient,  // お届け先, 配送先, 送付先, shipping address …
  kOrderer,    // ご注文者, ご購入者, ご請求先, billing address …
};

// What the value after a label is.
enum class LabelKind {
  kName,        // お名前, 氏名, 宛名 …
  kKana,        // フリガナ, お名前(カナ) …: the reading, which the slip does not print
  kPostalCode,  // 郵便番号, 〒 …
  kAddress,     // 住所, ご住所, 都道府県, 番地, 建物名 …
  kTelephone,   // 電話番号, TEL, 携帯 …
  kFax,         // FAX番号, ファックス …
  kMail,        // メールアドレス, E-mail …
  kCompany,     // 会社名, 部署名 …
  kCountry,     // 国 …
  kRecipient,   // お届け先, 送付先 … used as a label: the value tells what it is
};

// The key of a word or label (see above).
std::string MailKey(std::string_view text);

// The kind of a known label by its key. A label naming a reading
// ("お名前(フリガナ)", "会社名(カナ)") is kKana whatever it reads.
std::optional<LabelKind> KnownLabelKind(std::string_view key);

// The party a heading names, by its key: a heading word, then optionally
// one of "情報", "住所", "の住所", "様" … and a number ("お届け先2" of a
// second parcel). "配送先情報", "ご注文者情報", "shippingaddress".
std::optional<SectionKind> HeadingKindOf(std::string_view key);

// "日本", "Japan", "JP": a country line, which no slip for Japan needs.
bool IsCountryKey(std::string_view key);

// A company's legal form in the key: "株式会社", "(株)", "㈱", "inc." …
bool HasCompanyWord(std::string_view key);

// The recipient section saying it is the orderer: "ご注文者と同じ", "同上".
bool SaysSameAsOrderer(std::string_view key);

// The length in bytes of an honorific ending `text` ("様", "さま", "殿",
// "御中"), or 0.
std::size_t HonorificLengthAtEnd(std::string_view text);

}  // namespace ruvo
