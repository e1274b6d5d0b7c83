#pragma once
// The postal-code directory: which addresses a code stands for, and the
// places an address may name.
//
// Built once from the dictionaries (or read back from a compiled index) and
// read-only afterwards, so any number of threads may read one directory at
// the same time. Texts are CP932.
//
// Memory: every text lies in one string; an entry is 44 bytes and one
// 4-byte cell of the key order. Debian's dictionaries keep about 11 MiB
// (bench/postal_bench.cpp measures it).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "postal/address_parts.h"
#include "postal/postal_code.h"

namespace ruvo::postal {

// One entry as the dictionaries and Japan Post's files give it.
struct DirectoryEntry {
  PostalCode code;
  std::string address;  // as shown: "東京都千代田区霞が関霞が関ビル１２階"
  std::string office;   // a large office's name; empty for an area
  AddressParts parts;   // where the address's parts end
};

class PostalDirectory {
 public:
  struct Entry {
    std::string_view address;  // as the dictionary writes it
    std::string_view office;   // a large office's name; empty for an area
  };

  // An entry as the address check reads it; comparable texts
  // (ComparableAddress) without prefecture and county.
  struct Place {
    PostalCode code;
    std::string_view key;       // city and town, Kyoto's streets left out: "千代田区霞ケ関"
    std::size_t citySize = 0;   // of `key`: "千代田区"
    std::string_view county;    // "石狩郡"; empty for none
    std::string_view building;  // "霞ケ関ビル"; empty unless `floor` is kNoFloor
    std::uint8_t floor = kNoFloor;
    std::uint8_t prefecture = 0;  // 1 + index in PrefectureNames(); 0 for none
    bool office = false;
    bool streets = false;          // the town is shown with Kyoto's streets, which `key` leaves out
    std::string_view fromCity;     // the address as shown, from its city on
    std::size_t shownTownEnd = 0;  // of `fromCity`: its city and town
  };

  // A directory that knows no code (no dictionary).
  PostalDirectory() = default;

  bool Empty() const { return items_.empty(); }
  std::size_t EntryCount() const { return items_.size(); }

  // The code's entries: the areas in the order they were added, then the
  // offices'. Empty for a code the directory does not know.
  std::vector<Entry> Find(PostalCode code) const;

  // The entries of `code` as a range of entry numbers, for PlaceAt.
  std::pair<std::size_t, std::size_t> EntriesOf(PostalCode code) const;
  Place PlaceAt(std::size_t entry) const;
  // The entry as it was added (EntryAt of a rebuilt directory is the same).
  DirectoryEntry EntryAt(std::size_t entry) const;

  // Appends to `entries` the number of every entry whose Place key `text`
  // (comparable, without prefecture and county) begins with, shortest key
  // first.
  void EntriesBeginning(std::string_view text, std::vector<std::uint32_t>& entries) const;

  // The size of the county that `text` (comparable, without prefecture)
  // begins with, when an entry names that county ("石狩郡当別町" → 6); 0 for
  // none. A city whose name holds 郡 ("大和郡山市") is no county.
  std::size_t CountyAtStart(std::string_view text) const;

 private:
  friend class PostalDirectoryBuilder;
  friend class PostalIndexCodec;

  // Texts are offsets into text_.
  struct Item {
    std::uint32_t code;
    std::uint32_t address;
    std::uint32_t office;
    std::uint32_t key;
    std::uint32_t building;
    std::uint16_t addressSize;
    std::uint16_t officeSize;
    std::uint16_t keySize;
    std::uint16_t buildingSize;
    std::uint16_t citySize;  // of the key
    std::uint16_t county;    // 1 + index into counties_; 0 for none
    // The parts of the shown address (AddressParts), so that an entry can be
    // added again as it was.
    std::uint16_t partCounty;
    std::uint16_t partCity;
    std::uint16_t partTown;
    std::uint16_t partBuilding;
    std::uint8_t partPrefecture;
    std::uint8_t prefecture;
    std::uint8_t floor;
    std::uint8_t flags;  // kStreetsLeftOut
  };
  static constexpr std::uint8_t kStreetsLeftOut = 1;

  struct Span {
    std::uint32_t offset;
    std::uint32_t size;
  };

  struct KeyLess;
  struct CountyLess;

  std::string_view Text(std::uint32_t offset, std::size_t size) const;
  std::string_view Key(std::uint32_t entry) const;
  std::string_view County(const Item& item) const;
  // Keeps the first of entries equal in code, address and office.
  void RemoveRepeatedEntries();
  // Puts `names` (numbered from 1 in this order) into counties_, in byte
  // order, and renumbers the entries' counties.
  void SortCounties(const std::vector<std::string>& names);
  // Fills keyOrder_.
  void SortKeys();
  // Gives each large office the key of the area's town its address begins
  // with, where there is one: senders leave out of an office's address what
  // the area's town has not ("大字", "第" of "南矢幅第１３地割").
  void KeyOfficesByTheirTowns();
  // Whether every offset and number stays within the directory, as one read
  // from a damaged file may not.
  bool Sound() const;

  std::string text_;
  std::vector<Item> items_;  // by code; order of adding within one code
  // Every entry's number, in byte order of the keys.
  std::vector<std::uint32_t> keyOrder_;
  // The counties the entries name, in byte order.
  std::vector<Span> counties_;
};

// Collects the entries, then builds the directory.
class PostalDirectoryBuilder {
 public:
  // Room for the entries of `textBytes` more of dictionary text, so that
  // the arrays need not grow, and copy, while entries are added.
  void Reserve(std::size_t textBytes);
  // Adds one entry. An address of nothing but blanks is left out, as it
  // would match every address, and so are parts that do not fit the address.
  // Throws std::length_error for a text longer than 65535 bytes or a
  // directory beyond 4 GiB of text.
  void Add(const DirectoryEntry& entry);
  // The directory, each entry once (two sources may repeat one); the
  // builder is empty afterwards.
  PostalDirectory Build();

 private:
  std::uint32_t Append(std::string_view text);
  std::uint16_t CountyNumber(const std::string& county);

  PostalDirectory directory_;
  std::vector<std::string> countyNames_;  // in order of their numbers
  std::unordered_map<std::string, std::size_t> countyNumbers_;
  std::unordered_map<std::string, std::uint32_t> buildingTexts_;  // offsets in the text
};

}  // namespace ruvo::postal
