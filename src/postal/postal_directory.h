#pragma once
// The postal-code directory: which addresses a code stands for, and which
// codes an address belongs to.
//
// Built once from the dictionaries and read-only afterwards, so any number
// of threads may read one directory at the same time. Texts are CP932.
//
// Memory: every text lies in one string; an entry is 24 bytes and two
// 4-byte index cells. Debian's dictionaries keep about 9 MiB
// (bench/postal_bench.cpp measures it).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "postal/postal_code.h"

namespace ruvo::postal {

class PostalDirectory {
 public:
  struct Entry {
    std::string_view address;  // as the dictionary writes it
    std::string_view office;   // a large office's name; empty for an area
  };

  // A directory that knows no code (no dictionary).
  PostalDirectory() = default;

  bool Empty() const { return items_.empty(); }
  std::size_t EntryCount() const { return items_.size(); }

  // The code's entries: the areas dictionary's in its order, then the
  // offices'. Empty for a code the directory does not know.
  std::vector<Entry> Find(PostalCode code) const;

  // True when `address` begins with one of the code's addresses, with or
  // without its prefecture, both compared as ComparableAddress, and no
  // longer area address of another code begins it too: "港区芝浦1-2" begins
  // with 105-0014's "港区芝", but names 芝浦, whose code is 108-0023. A
  // large office's address counts up to its first digit, since its block
  // number is written in too many ways ("２丁目１番１号", "2-1-1").
  bool IsAddressOf(PostalCode code, std::string_view address) const;

  // The codes whose addresses `address` begins with: those of the longest
  // such address first (the place it names, for whose codes IsAddressOf
  // holds), codes of one address in ascending order, each code once.
  std::vector<PostalCode> CodesOfAddress(std::string_view address) const;

  // The codes of addresses that begin with `prefix` (ComparableAddress, with
  // or without prefecture), in the order of their addresses, at most `limit`
  // codes, each once: "東京都港区芝" gives the codes of 芝, 芝浦, 芝公園 ...
  std::vector<PostalCode> CodesStartingWith(std::string_view prefix, std::size_t limit) const;

 private:
  friend class PostalDirectoryBuilder;

  // Texts are offsets into text_. The key is the entry's comparable address,
  // and its first prefectureSize bytes are the prefecture.
  struct Item {
    std::uint32_t code;
    std::uint32_t address;
    std::uint32_t office;
    std::uint32_t key;
    std::uint16_t addressSize;
    std::uint16_t officeSize;
    std::uint16_t keySize;
    std::uint8_t prefectureSize;
  };

  struct KeyLess;

  std::string_view Text(std::uint32_t offset, std::size_t size) const;
  std::string_view Key(std::uint32_t cell) const;
  // Items with this code, as a range of indexes into items_.
  std::pair<std::size_t, std::size_t> CodeRange(PostalCode code) const;
  // The length of the code's longest key, or office address, that `wanted`
  // (comparable) begins with; 0 for none.
  std::size_t LongestKeyOf(PostalCode code, std::string_view wanted) const;
  // Whether `wanted` begins with an area key of any code longer than `length`.
  bool AreaKeyLongerThan(std::size_t length, std::string_view wanted) const;
  // Keeps the first of entries equal in code, address and office.
  void RemoveRepeatedEntries();
  // Fills keyOrder_.
  void SortKeys();

  std::string text_;
  std::vector<Item> items_;  // by code; dictionary order within one code
  // Every item's key (cell = item × 2) and its key without prefecture (item ×
  // 2 + 1), in byte order of the keys.
  std::vector<std::uint32_t> keyOrder_;
};

// Collects the dictionaries' entries, then builds the directory.
class PostalDirectoryBuilder {
 public:
  // Room for the entries of `textBytes` more of dictionary text, so that
  // the arrays need not grow, and copy, while entries are added.
  void Reserve(std::size_t textBytes);
  // Adds one entry. An address of nothing but blanks is left out, as it
  // would match every address. Throws std::length_error for a text longer
  // than 65535 bytes or a directory beyond 4 GiB of text.
  void Add(PostalCode code, std::string_view address, std::string_view office);
  // The directory, each entry once (a second dictionary may repeat one);
  // the builder is empty afterwards.
  PostalDirectory Build();

 private:
  std::uint32_t Append(std::string_view text);

  PostalDirectory directory_;
};

}  // namespace ruvo::postal
