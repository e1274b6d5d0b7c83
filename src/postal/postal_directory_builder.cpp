// Building the directory: the comparable keys of every entry, the entries
// in the order of their codes, each once, and the keys in byte order.
#include <algorithm>
#include <limits>
#include <stdexcept>

#include "postal/address_spelling.h"
#include "postal/postal_directory.h"

namespace ruvo::postal {
namespace {

std::uint16_t ShortSize(std::size_t size) {
  if (size > std::numeric_limits<std::uint16_t>::max()) {
    throw std::length_error("postal directory: entry longer than 65535 bytes");
  }
  return static_cast<std::uint16_t>(size);
}

// The entry's key: city and town comparable, Kyoto's streets left out.
// `citySize` receives the size of the city in it, 0 when the two cannot be
// told apart in it (a word of SpellingWords across them); `streets` whether
// streets were left out. A city that begins with a prefecture's name the
// parts missed (blanks within it) loses it where it stands `first`, as an
// address does when read; `prefecture` receives its number.
std::string KeyOf(std::string_view city, std::string_view town, bool first, std::size_t& citySize,
                  bool& streets, std::uint8_t& prefecture) {
  std::string comparableCity = ComparableAddress(city);
  std::string whole = ComparableAddress(std::string(city) + std::string(town));
  if (const std::size_t written = first ? PrefectureSizeAt(whole) : 0; written > 0) {
    prefecture = PrefectureNumberAt(whole);
    whole.erase(0, written);
    comparableCity.erase(0, std::min(written, comparableCity.size()));
  }
  citySize = whole.starts_with(comparableCity) ? comparableCity.size() : 0;
  std::string key = DropKyotoStreets(whole);
  streets = key != whole && key.starts_with(whole.substr(0, citySize));
  return streets ? key : whole;
}

}  // namespace

void PostalDirectoryBuilder::Reserve(std::size_t textBytes) {
  directory_.text_.reserve(directory_.text_.size() + textBytes * 2);
  // Debian's lines average a little over 30 bytes an entry.
  directory_.items_.reserve(directory_.items_.size() + textBytes / 32);
}

std::uint32_t PostalDirectoryBuilder::Append(std::string_view text) {
  std::string& all = directory_.text_;
  if (text.size() > std::numeric_limits<std::uint32_t>::max() - all.size()) {
    throw std::length_error("postal directory: more than 4 GiB of text");
  }
  const auto offset = static_cast<std::uint32_t>(all.size());
  all += text;
  return offset;
}

std::uint16_t PostalDirectoryBuilder::CountyNumber(const std::string& county) {
  if (county.empty()) return 0;
  const auto [known, added] = countyNumbers_.try_emplace(county, countyNames_.size() + 1);
  if (added) countyNames_.push_back(county);
  return ShortSize(known->second);
}

void PostalDirectoryBuilder::Add(const DirectoryEntry& entry) {
  const AddressParts& parts = entry.parts;
  const std::string_view address = entry.address;
  if (parts.End() > address.size() || parts.prefecture > 255) return;
  const std::size_t cityAt = parts.prefecture + parts.county;
  const std::size_t townAt = cityAt + parts.city;
  const std::size_t buildingAt = townAt + parts.town;
  // Prefecture and county as an address is read: comparable, so that
  // blanks within them change nothing.
  const std::string head = ComparableAddress(address.substr(0, cityAt));
  std::uint8_t prefecture = PrefectureNumberAt(head);
  const std::string county = head.substr(PrefectureSizeAt(head));
  std::size_t citySize = 0;
  bool streets = false;
  const std::string key =
      KeyOf(address.substr(cityAt, parts.city), address.substr(townAt, parts.town), head.empty(),
            citySize, streets, prefecture);
  if (key.empty()) return;  // blanks alone, or a prefecture alone, would match too much
  const std::string building = ComparableAddress(address.substr(buildingAt, parts.building));

  PostalDirectory::Item item{};
  item.code = entry.code.value;
  item.addressSize = ShortSize(address.size());
  item.officeSize = ShortSize(entry.office.size());
  item.keySize = ShortSize(key.size());
  item.buildingSize = ShortSize(building.size());
  item.citySize = ShortSize(citySize);
  item.county = CountyNumber(county);
  item.partPrefecture = static_cast<std::uint8_t>(parts.prefecture);
  item.partCounty = ShortSize(parts.county);
  item.partCity = ShortSize(parts.city);
  item.partTown = ShortSize(parts.town);
  item.partBuilding = ShortSize(parts.building);
  item.prefecture = prefecture;
  item.floor = building.empty() ? kNoFloor : parts.floor;
  item.flags = streets ? PostalDirectory::kStreetsLeftOut : 0;
  item.address = Append(address);
  item.office = Append(entry.office);
  // Most addresses hold their key as it is: share the text.
  const std::size_t keyAt = address.find(key, cityAt);
  item.key = keyAt != std::string_view::npos ? item.address + static_cast<std::uint32_t>(keyAt)
                                             : Append(key);
  // A building's floors share its text.
  const auto [shared, added] = buildingTexts_.try_emplace(building, 0);
  if (added) shared->second = Append(building);
  item.building = shared->second;
  directory_.items_.push_back(item);
}

PostalDirectory PostalDirectoryBuilder::Build() {
  PostalDirectory directory = std::exchange(directory_, PostalDirectory{});
  std::vector<std::string> counties = std::exchange(countyNames_, {});
  countyNumbers_.clear();
  buildingTexts_.clear();
  auto& items = directory.items_;
  std::stable_sort(items.begin(), items.end(),
                   [](const auto& a, const auto& b) { return a.code < b.code; });
  directory.RemoveRepeatedEntries();
  directory.SortCounties(counties);
  directory.text_.shrink_to_fit();
  items.shrink_to_fit();
  directory.SortKeys();
  directory.KeyOfficesByTheirTowns();
  return directory;
}

void PostalDirectory::KeyOfficesByTheirTowns() {
  bool keyed = false;
  std::vector<std::uint32_t> found;
  for (Item& office : items_) {
    if (office.officeSize == 0) continue;
    const std::size_t city = std::size_t{office.partPrefecture} + office.partCounty;
    const std::string address =
        DropKyotoStreets(ComparableAddress(Text(office.address, office.addressSize).substr(city)));
    found.clear();
    EntriesBeginning(address, found);
    // The longest area's town in the office's prefecture; `found` is
    // shortest first.
    for (auto entry = found.rbegin(); entry != found.rend(); ++entry) {
      const Item& area = items_[*entry];
      const bool town = area.officeSize == 0 && area.keySize > area.citySize;
      const bool prefecture = area.prefecture == office.prefecture || area.prefecture == 0;
      if (!town || !prefecture) continue;
      keyed = keyed || office.key != area.key || office.keySize != area.keySize;
      office.key = area.key;
      office.keySize = area.keySize;
      office.citySize = area.citySize;
      break;
    }
  }
  if (keyed) SortKeys();
}

void PostalDirectory::SortKeys() {
  // Sorting the keys themselves spares a lookup of the item in every one of
  // the few million comparisons.
  std::vector<std::pair<std::string_view, std::uint32_t>> keys;
  keys.reserve(items_.size());
  for (std::size_t i = 0; i < items_.size(); ++i) {
    keys.emplace_back(Key(static_cast<std::uint32_t>(i)), static_cast<std::uint32_t>(i));
  }
  std::sort(keys.begin(), keys.end());
  keyOrder_.clear();
  keyOrder_.reserve(keys.size());
  for (const auto& key : keys)
    keyOrder_.push_back(key.second);
}

void PostalDirectory::SortCounties(const std::vector<std::string>& names) {
  std::vector<std::uint32_t> order(names.size());
  for (std::size_t i = 0; i < order.size(); ++i)
    order[i] = static_cast<std::uint32_t>(i);
  std::sort(order.begin(), order.end(),
            [&](std::uint32_t a, std::uint32_t b) { return names[a] < names[b]; });
  std::vector<std::uint16_t> renumbered(names.size() + 1, 0);
  counties_.clear();
  for (std::size_t rank = 0; rank < order.size(); ++rank) {
    const std::string& name = names[order[rank]];
    counties_.push_back(
        {static_cast<std::uint32_t>(text_.size()), static_cast<std::uint32_t>(name.size())});
    text_ += name;
    renumbered[order[rank] + 1] = static_cast<std::uint16_t>(rank + 1);
  }
  for (Item& item : items_)
    item.county = renumbered[item.county];
}

void PostalDirectory::RemoveRepeatedEntries() {
  const auto sameEntry = [this](const Item& a, const Item& b) {
    return a.code == b.code && Text(a.address, a.addressSize) == Text(b.address, b.addressSize) &&
           Text(a.office, a.officeSize) == Text(b.office, b.officeSize);
  };
  std::vector<Item> kept;
  kept.reserve(items_.size());
  for (const Item& item : items_) {
    // Earlier entries of the same code are the last ones kept.
    bool repeated = false;
    for (auto k = kept.rbegin(); k != kept.rend() && k->code == item.code; ++k)
      repeated = repeated || sameEntry(*k, item);
    if (!repeated) kept.push_back(item);
  }
  items_ = std::move(kept);
}

}  // namespace ruvo::postal
