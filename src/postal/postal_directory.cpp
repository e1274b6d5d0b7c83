#include "postal/postal_directory.h"

#include <algorithm>

#include "transfer/sjis.h"

namespace ruvo::postal {
namespace {

constexpr std::string_view kCountyMark = "\x8C\x53";  // 郡
constexpr std::string_view kIslandMark = "\x93\x87";  // 島

}  // namespace

std::string_view PostalDirectory::Text(std::uint32_t offset, std::size_t size) const {
  return std::string_view(text_).substr(offset, size);
}

std::string_view PostalDirectory::Key(std::uint32_t entry) const {
  const Item& item = items_[entry];
  return Text(item.key, item.keySize);
}

std::string_view PostalDirectory::County(const Item& item) const {
  if (item.county == 0) return {};
  const Span& county = counties_[item.county - 1u];
  return Text(county.offset, county.size);
}

std::pair<std::size_t, std::size_t> PostalDirectory::EntriesOf(PostalCode code) const {
  struct CodeLess {
    bool operator()(const Item& item, std::uint32_t value) const { return item.code < value; }
    bool operator()(std::uint32_t value, const Item& item) const { return value < item.code; }
  };
  const auto [first, last] = std::equal_range(items_.begin(), items_.end(), code.value, CodeLess{});
  return {static_cast<std::size_t>(first - items_.begin()),
          static_cast<std::size_t>(last - items_.begin())};
}

std::vector<PostalDirectory::Entry> PostalDirectory::Find(PostalCode code) const {
  std::vector<Entry> entries;
  const auto [first, last] = EntriesOf(code);
  for (std::size_t i = first; i < last; ++i) {
    const Item& item = items_[i];
    entries.push_back({Text(item.address, item.addressSize), Text(item.office, item.officeSize)});
  }
  return entries;
}

PostalDirectory::Place PostalDirectory::PlaceAt(std::size_t entry) const {
  const Item& item = items_[entry];
  Place place;
  place.code = {item.code};
  place.key = Text(item.key, item.keySize);
  place.citySize = item.citySize;
  place.county = County(item);
  place.building = Text(item.building, item.buildingSize);
  place.floor = item.floor;
  place.prefecture = item.prefecture;
  place.office = item.officeSize > 0;
  place.streets = (item.flags & kStreetsLeftOut) != 0;
  const std::size_t city = std::size_t{item.partPrefecture} + item.partCounty;
  place.fromCity = Text(item.address, item.addressSize).substr(city);
  place.shownTownEnd = std::size_t{item.partCity} + item.partTown;
  return place;
}

DirectoryEntry PostalDirectory::EntryAt(std::size_t entry) const {
  const Item& item = items_[entry];
  DirectoryEntry added;
  added.code = {item.code};
  added.address = Text(item.address, item.addressSize);
  added.office = Text(item.office, item.officeSize);
  added.parts = {item.partPrefecture, item.partCounty,   item.partCity,
                 item.partTown,       item.partBuilding, item.floor};
  return added;
}

// Compares key cells with plain texts.
struct PostalDirectory::KeyLess {
  const PostalDirectory& directory;
  bool operator()(std::uint32_t entry, std::string_view text) const {
    return directory.Key(entry) < text;
  }
  bool operator()(std::string_view text, std::uint32_t entry) const {
    return text < directory.Key(entry);
  }
};

// Compares counties with plain texts.
struct PostalDirectory::CountyLess {
  const PostalDirectory& directory;
  bool operator()(const Span& county, std::string_view text) const {
    return directory.Text(county.offset, county.size) < text;
  }
  bool operator()(std::string_view text, const Span& county) const {
    return text < directory.Text(county.offset, county.size);
  }
};

void PostalDirectory::EntriesBeginning(std::string_view text,
                                       std::vector<std::uint32_t>& entries) const {
  // The keys that begin with the text read so far lie between `first` and
  // `last`; each character read narrows them, and none left ends the search.
  auto first = keyOrder_.begin();
  auto last = keyOrder_.end();
  for (std::size_t end = 0; end < text.size();) {
    end += sjis::CharLengthAt(text, end);
    const std::string_view read = text.substr(0, end);
    first = std::lower_bound(first, last, read, KeyLess{*this});
    last = std::partition_point(first, last,
                                [&](std::uint32_t entry) { return Key(entry).starts_with(read); });
    if (first == last) return;
    for (auto cell = first; cell != last && Key(*cell).size() == read.size(); ++cell)
      entries.push_back(*cell);
  }
}

std::size_t PostalDirectory::CountyAtStart(std::string_view text) const {
  // A county before an island, as CountySize takes them.
  for (const std::string_view mark : {kCountyMark, kIslandMark}) {
    std::size_t characters = 0;
    for (std::size_t pos = 0; pos < text.size() && characters < kLongestCountyCharacters;
         pos += sjis::CharLengthAt(text, pos), ++characters) {
      if (pos == 0 || !text.substr(pos).starts_with(mark)) continue;
      const std::string_view county = text.substr(0, pos + mark.size());
      if (std::binary_search(counties_.begin(), counties_.end(), county, CountyLess{*this})) {
        return county.size();
      }
    }
  }
  return 0;
}

}  // namespace ruvo::postal
