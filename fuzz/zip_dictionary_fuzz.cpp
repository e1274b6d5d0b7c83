// Feeds arbitrary bytes to the postal-code dictionary reader, as either
// dictionary, and checks what the postal-code check relies on: every entry
// read is found under its code, and the entry's own address agrees with its
// code. The bytes also go to the line parser undecoded, as text that is no
// sound CP932.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "postal/address_spelling.h"
#include "postal/postal_check.h"
#include "postal/postal_directory.h"
#include "postal/zip_dictionary_reader.h"

namespace {

using namespace ruvo::postal;

// Entries checked per input, so that long inputs stay fast.
constexpr std::size_t kCheckedEntries = 64;

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckEntries(std::string_view text, ZipDictionaryKind kind) {
  PostalDirectoryBuilder builder;
  std::vector<ZipRecord> records;
  ParseZipDictionary(text, kind, [&](const ZipRecord& record) {
    records.push_back(record);
    builder.Add(record.code, record.address, record.office);
  });
  const PostalDirectory directory = builder.Build();
  for (std::size_t i = 0; i < records.size() && i < kCheckedEntries; ++i) {
    const ZipRecord& record = records[i];
    if (ComparableAddress(record.address).empty()) continue;  // blanks alone are left out
    Check(!directory.Find(record.code).empty());
    Check(CheckPostalAddress(directory, DigitsOf(record.code), record.address) ==
          ZipVerdict::Match);
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
