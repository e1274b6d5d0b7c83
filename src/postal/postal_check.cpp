#include "postal/postal_check.h"

#include <optional>

#include "postal/address_spelling.h"
#include "transfer/address_split.h"

namespace ruvo::postal {
namespace {

constexpr std::string_view kPostalMark = "\x81\xA7";     // 〒
constexpr std::string_view kOpenBracket = "\x81\x69";    // （
constexpr std::string_view kCloseBracket = "\x81\x6A";   // ）
constexpr std::string_view kMore = " \x82\xD9\x82\xA9";  // " ほか"
constexpr std::string_view kEntries = "\x8C\x8F";        // 件
// " は郵便番号辞書にありません"
constexpr std::string_view kNotInDictionary =
    " \x82\xCD\x97\x58\x95\xD6\x94\xD4\x8D\x86\x8E\xAB\x8F\x91\x82\xC9\x82\xA0\x82\xE8\x82\xDC"
    "\x82\xB9\x82\xF1";
// "警告:郵便番号と住所が一致しません。　"
constexpr std::string_view kMismatchWarning =
    "\x8C\x78\x8D\x90:\x97\x58\x95\xD6\x94\xD4\x8D\x86\x82\xC6\x8F\x5A\x8F\x8A\x82\xAA\x88\xEA"
    "\x92\x76\x82\xB5\x82\xDC\x82\xB9\x82\xF1\x81\x42\x81\x40";
// "郵便番号辞書を読めないため、郵便番号と住所の照合はしません: "
constexpr std::string_view kUnavailableNotice =
    "\x97\x58\x95\xD6\x94\xD4\x8D\x86\x8E\xAB\x8F\x91\x82\xF0\x93\xC7\x82\xDF\x82\xC8\x82\xA2"
    "\x82\xBD\x82\xDF\x81\x41\x97\x58\x95\xD6\x94\xD4\x8D\x86\x82\xC6\x8F\x5A\x8F\x8A\x82\xCC"
    "\x8F\xC6\x8D\x87\x82\xCD\x82\xB5\x82\xDC\x82\xB9\x82\xF1: ";

struct VerdictName {
  ZipVerdict verdict;
  std::string_view name;
};

constexpr VerdictName kVerdictNames[] = {
    {ZipVerdict::Match, "match"},        // code and address agree
    {ZipVerdict::Mismatch, "mismatch"},  // they disagree
    {ZipVerdict::Unknown, "unknown"},    // nothing to compare
};

bool IsBlank(std::string_view text) {
  return ComparableAddress(text).empty();
}

// "〒105-0011 東京都港区芝公園" for a known code.
std::string NamedAddress(PostalCode code, const std::vector<PostalDirectory::Entry>& entries) {
  const PostalDirectory::Entry& first = entries.front();
  std::string text =
      std::string(kPostalMark) + HyphenatedOf(code) + " " + std::string(first.address);
  if (!first.office.empty()) {
    text += kOpenBracket;
    text += first.office;
    text += kCloseBracket;
  }
  if (entries.size() > 1) {
    text += kMore;
    text += std::to_string(entries.size() - 1);
    text += kEntries;
  }
  return text;
}

}  // namespace

std::string_view ZipVerdictName(ZipVerdict verdict) {
  for (const auto& row : kVerdictNames) {
    if (row.verdict == verdict) return row.name;
  }
  return "unknown";
}

std::string WholeAddress(std::string_view line1, std::string_view line2, std::string_view line3) {
  return JoinAddressLines({std::string(line1), std::string(line2), std::string(line3)});
}

ZipVerdict CheckPostalAddress(const PostalDirectory& directory, std::string_view code,
                              std::string_view address) {
  const std::optional<PostalCode> parsed = ParsePostalCode(code);
  return parsed ? JudgeAddress(directory, *parsed, address) : ZipVerdict::Unknown;
}

std::string ZipStatusText(const PostalDirectory& directory, std::string_view code) {
  const std::optional<PostalCode> parsed = ParsePostalCode(code);
  if (!parsed || directory.Empty()) return {};
  const std::vector<PostalDirectory::Entry> entries = directory.Find(*parsed);
  if (entries.empty()) {
    return std::string(kPostalMark) + HyphenatedOf(*parsed) + std::string(kNotInDictionary);
  }
  return NamedAddress(*parsed, entries);
}

std::string ZipWarningText(const PostalDirectory& directory, std::string_view code,
                           std::string_view address) {
  if (CheckPostalAddress(directory, code, address) != ZipVerdict::Mismatch) return {};
  return std::string(kMismatchWarning) + ZipStatusText(directory, code);
}

std::string AddressToComplete(const PostalDirectory& directory, std::string_view code,
                              std::string_view address1) {
  const std::optional<PostalCode> parsed = ParsePostalCode(code);
  if (!parsed || !IsBlank(address1)) return {};
  const std::vector<PostalDirectory::Entry> entries = directory.Find(*parsed);
  return entries.empty() ? std::string() : std::string(entries.front().address);
}

std::string ZipDictionaryUnavailableNotice(std::string_view problem) {
  return std::string(kUnavailableNotice) + std::string(problem);
}

}  // namespace ruvo::postal
