// Feeds arbitrary bytes to the postal-code dictionary reader, as either
// dictionary, and checks what the postal-code check relies on: every entry
// read is found under its code, and the entry's own address agrees with its
// code where the entry is a town's (no building or floor) or a large
// office's. The bytes also go to the line parser undecoded, as text that is
// no sound CP932.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "postal/address_match.h"
#include "postal/address_spelling.h"
#include "postal/postal_directory.h"
#include "postal/zip_dictionary_entries.h"
#include "postal/zip_dictionary_reader.h"

namespace {

using namespace ruvo::postal;

// Entries checked per input, so that long inputs stay fast.
constexpr std::size_t kCheckedEntries = 64;

void Check(bool condition) {
  if (!condition) std::abort();
}

// Whether the directory keeps the entry: its city and town read as
// something (not blanks alone, not a prefecture alone).
bool Kept(const DirectoryEntry& entry) {
  const AddressParts& parts = entry.parts;
  const std::string_view address = entry.address;
  return !ComparableAddress(
              address.substr(parts.prefecture + parts.county, parts.city + parts.town))
              .empty();
}

void CheckEntries(std::string_view text, ZipDictionaryKind kind) {
  const bool areas = kind == ZipDictionaryKind::Areas;
  const std::vector<DirectoryEntry> entries =
      ZipDictionaryEntries(areas ? text : std::string_view(), areas ? std::string_view() : text);
  PostalDirectoryBuilder builder;
  for (const DirectoryEntry& entry : entries)
    builder.Add(entry);
  const PostalDirectory directory = builder.Build();
  for (std::size_t i = 0; i < entries.size() && i < kCheckedEntries; ++i) {
    const DirectoryEntry& entry = entries[i];
    if (!Kept(entry)) continue;
    Check(!directory.Find(entry.code).empty());
    const bool plainTown =
        entry.parts.floor == kNoFloor && entry.parts.End() == entry.address.size();
    if (!entry.office.empty() || plainTown) {
      Check(JudgeAddress(directory, entry.code, entry.address) == ZipVerdict::Match);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const ZipDictionaryKind kind =
      size % 2 == 0 ? ZipDictionaryKind::Areas : ZipDictionaryKind::Offices;
  CheckEntries(DecodeZipDictionary(bytes), kind);
  CheckEntries(bytes, kind);
  return 0;
}
