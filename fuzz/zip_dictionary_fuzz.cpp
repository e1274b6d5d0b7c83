// Feeds arbitrary bytes to the postal-code dictionary reader, as either
// dictionary, and checks what the postal-code check relies on: every entry
// read is found under its code, and, where no entry is a building's floor,
// a town's or a large office's own address agrees with its code. The bytes also go to the line
// parser undecoded, as text that is no sound CP932.

#include <algorithm>
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
  const std::size_t city = parts.prefecture + parts.county;
  std::string key = ComparableAddress(address.substr(city, parts.city + parts.town));
  if (PrefectureSizeAt(ComparableAddress(address.substr(0, city))) == 0) {
    key.erase(0, PrefectureSizeAt(key));
  }
  return !key.empty();
}

void CheckEntries(std::string_view text, ZipDictionaryKind kind) {
  const bool areas = kind == ZipDictionaryKind::Areas;
  const std::vector<DirectoryEntry> entries =
      ZipDictionaryEntries(areas ? text : std::string_view(), areas ? std::string_view() : text);
  PostalDirectoryBuilder builder;
  for (const DirectoryEntry& entry : entries)
    builder.Add(entry);
  const PostalDirectory directory = builder.Build();
  // A building's floor written in a town's entry is that floor's address.
  const bool buildings = std::any_of(entries.begin(), entries.end(), [](const auto& entry) {
    return entry.parts.floor != kNoFloor;
  });
  for (std::size_t i = 0; i < entries.size() && i < kCheckedEntries; ++i) {
    const DirectoryEntry& entry = entries[i];
    if (!Kept(entry)) continue;
    Check(!directory.Find(entry.code).empty());
    const bool plainTown =
        entry.parts.floor == kNoFloor && entry.parts.End() == entry.address.size();
    if (!buildings && (!entry.office.empty() || plainTown)) {
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
