#include "journal/search_keys.h"

#include "transfer/cp932_codec.h"
#include "transfer/half_width.h"
#include "transfer/sjis.h"

namespace ruvo::journal {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// A number as a user types a telephone number or postal code: digits with
// hyphens between them.
bool IsNumberWord(std::string_view halfWidth) {
  return halfWidth.find_first_of("0123456789") != std::string_view::npos &&
         halfWidth.find_first_not_of("0123456789-") == std::string_view::npos;
}

std::string LikeEscaped(std::string_view key) {
  std::string escaped;
  for (const char c : key) {
    if (c == '%' || c == '_' || c == '\\') escaped += '\\';
    escaped += c;
  }
  return escaped;
}

}  // namespace

std::string SearchKey(std::string_view cp932) {
  const std::string half = ToHalfWidth(cp932);
  std::string key;
  key.reserve(half.size());
  for (std::size_t pos = 0; pos < half.size();) {
    const std::size_t length = sjis::CharLengthAt(half, pos);
    const char c = half[pos];
    if (length == 1 && c >= 'A' && c <= 'Z') {
      key += static_cast<char>(c - 'A' + 'a');
    } else if (length > 1 || !IsBlank(c)) {
      key.append(half, pos, length);
    }
    pos += length;
  }
  return Cp932ToUtf8(key);
}

std::string DigitsOf(std::string_view cp932) {
  const std::string half = ToHalfWidth(cp932);
  std::string digits;
  for (std::size_t pos = 0; pos < half.size();) {
    const std::size_t length = sjis::CharLengthAt(half, pos);
    if (length == 1 && half[pos] >= '0' && half[pos] <= '9') digits += half[pos];
    pos += length;
  }
  return digits;
}

SlipKeys KeysOf(const SlipRecord& slip) {
  return {SearchKey(slip.recipientName),
          SearchKey(slip.recipientAddress1 + slip.recipientAddress2 + slip.recipientAddress3),
          SearchKey(slip.goods[0] + "\n" + slip.goods[1] + "\n" + slip.goods[2]),
          DigitsOf(slip.recipientTel), DigitsOf(slip.recipientZip)};
}

std::vector<SearchWord> SearchWords(std::string_view cp932) {
  const std::string half = ToHalfWidth(cp932);
  std::vector<SearchWord> words;
  std::size_t start = 0;
  for (std::size_t pos = 0; pos <= half.size();) {
    const std::size_t length = pos < half.size() ? sjis::CharLengthAt(half, pos) : 1;
    if (pos == half.size() || (length == 1 && IsBlank(half[pos]))) {
      const std::string_view word = std::string_view(half).substr(start, pos - start);
      if (!word.empty())
        words.push_back({SearchKey(word), IsNumberWord(word) ? DigitsOf(word) : std::string()});
      start = pos + 1;
    }
    pos += length;
  }
  return words;
}

std::string LikeAnywhere(std::string_view key) {
  return "%" + LikeEscaped(key) + "%";
}

std::string LikeStart(std::string_view key) {
  return LikeEscaped(key) + "%";
}

}  // namespace ruvo::journal
