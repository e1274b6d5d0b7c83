#pragma once
// Test helpers for pasted mails: UTF-8 text in, the memo's CP932 lines and
// the recipient fields out, readable in failure messages.

#include <ostream>
#include <string>
#include <string_view>

#include "support/test_text.h"
#include "transfer/memo_lines.h"
#include "transfer/recipient_fields.h"
#include "transfer/shop_mails.h"

namespace ruvo::test {

// UTF-8 text → the memo's CP932 lines, split at "\n" as the memo splits a paste.
inline MemoLines MemoOf(std::string_view utf8) {
  MemoLines lines;
  const std::string text = Sj(utf8);
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

// The recipient fields as UTF-8.
struct Fields {
  std::string zip, add1, add2, name, tel;
  bool operator==(const Fields&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Fields& f) {
  return os << "{zip=" << f.zip << " add1=" << f.add1 << " add2=" << f.add2 << " name=" << f.name
            << " tel=" << f.tel << "}";
}

inline Fields FieldsOf(const RecipientFields& f) {
  return {Utf8(f.zip), Utf8(f.add1), Utf8(f.add2), Utf8(f.name), Utf8(f.tel)};
}

inline Fields FieldsOf(const ClerkFields& f) {
  return {std::string(f.zip), std::string(f.add1), std::string(f.add2), std::string(f.name),
          std::string(f.tel)};
}

// A shop's whole mail: the text before, the recipient's section, the rest.
inline std::string WholeMail(const ShopMail& mail) {
  return std::string(mail.before) + std::string(mail.section) + std::string(mail.after);
}

}  // namespace ruvo::test
