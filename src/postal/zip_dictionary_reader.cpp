#include "postal/zip_dictionary_reader.h"

#include <algorithm>
#include <optional>
#include <system_error>
#include <vector>

#include "postal/euc_jis_codec.h"
#include "settings/file_errors.h"
#include "settings/file_store.h"
#include "transfer/cp932_codec.h"

namespace ruvo::postal {
namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";  // U+FFFD
constexpr std::string_view kOfficeSeparator = " @ ";
constexpr std::size_t kCodeDigits = 7;

// Calls `onLine` for each line of `text` without its line break (LF or CRLF).
template <typename OnLine>
void ForEachLine(std::string_view text, OnLine onLine) {
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    onLine(line);
    text.remove_prefix(std::min(end + 1, text.size()));
  }
}

bool HasControlByte(std::string_view line) {
  return std::any_of(line.begin(), line.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

std::optional<PostalCode> LineCode(std::string_view line) {
  if (line.size() < kCodeDigits) return std::nullopt;
  const std::string_view digits = line.substr(0, kCodeDigits);
  if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  return ParsePostalCode(digits);
}

// The entry's record, or std::nullopt when the entry breaks the format.
std::optional<ZipRecord> EntryRecord(PostalCode code, std::string_view entry,
                                     ZipDictionaryKind kind) {
  entry = entry.substr(0, entry.find(';'));  // an annotation follows ";"
  if (entry.empty() || entry.size() > kMaxZipEntryBytes) return std::nullopt;
  if (kind == ZipDictionaryKind::Areas) return ZipRecord{code, entry, {}};
  const std::size_t at = entry.find(kOfficeSeparator);
  if (at == std::string_view::npos || at == 0) return std::nullopt;
  const std::string_view address = entry.substr(at + kOfficeSeparator.size());
  if (address.empty()) return std::nullopt;
  return ZipRecord{code, address, entry.substr(0, at)};
}

// The entries of one line into `records`; false when the line is malformed.
// "/" and "@" never stand inside a CP932 character ("/" is no trail byte, and
// the "@" of " @ " follows a blank, which ends a character), so the line is
// cut at them byte by byte.
bool ParseLine(std::string_view line, ZipDictionaryKind kind, std::vector<ZipRecord>& records) {
  records.clear();
  const std::optional<PostalCode> code = LineCode(line);
  if (!code || HasControlByte(line)) return false;
  std::string_view rest = line.substr(kCodeDigits);
  const std::size_t slash = rest.find_first_not_of(' ');
  if (slash == 0 || slash == std::string_view::npos || rest[slash] != '/') return false;
  rest.remove_prefix(slash + 1);
  if (rest.empty() || !rest.ends_with('/')) return false;
  rest.remove_suffix(1);
  for (std::size_t start = 0; start <= rest.size();) {
    const std::size_t end = std::min(rest.find('/', start), rest.size());
    const std::optional<ZipRecord> record =
        EntryRecord(*code, rest.substr(start, end - start), kind);
    if (!record) return false;
    records.push_back(*record);
    start = end + 1;
  }
  return true;
}

}  // namespace

std::string DecodeZipDictionary(std::string_view euc) {
  std::string utf8 = EucJis2004ToUtf8(euc);
  if (utf8.find(kReplacementUtf8) != std::string::npos) {
    std::string sound;
    sound.reserve(utf8.size());
    ForEachLine(utf8, [&](std::string_view line) {
      if (line.find(kReplacementUtf8) == std::string_view::npos) sound += line;
      sound += '\n';
    });
    utf8 = std::move(sound);
  }
  return Utf8ToCp932(utf8).bytes;
}

std::size_t ParseZipDictionary(std::string_view text, ZipDictionaryKind kind,
                               const std::function<void(const ZipRecord&)>& onRecord) {
  std::size_t skipped = 0;
  std::vector<ZipRecord> records;
  ForEachLine(text, [&](std::string_view line) {
    if (line.empty() || line.starts_with(';')) return;
    if (!ParseLine(line, kind, records)) {
      ++skipped;
      return;
    }
    for (const ZipRecord& record : records)
      onRecord(record);
  });
  return skipped;
}

std::string ReadZipDictionaryFile(const std::filesystem::path& file) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (!error && size > kMaxZipDictionaryBytes) {
    throw settings::FileReadError(file, "larger than 64 MiB, no postal-code dictionary");
  }
  return DecodeZipDictionary(settings::ReadWholeFile(file, kMaxZipDictionaryBytes));
}

}  // namespace ruvo::postal
