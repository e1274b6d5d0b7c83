#include "postal/zip_dictionary_entries.h"

#include <algorithm>
#include <unordered_set>

#include "postal/address_spelling.h"
#include "postal/town_notes.h"
#include "postal/zip_dictionary_reader.h"
#include "transfer/sjis.h"
#include "transfer/text_ops.h"

namespace ruvo::postal {
namespace {

constexpr std::string_view kCityEnds[] = {
    "\x8E\x73",  // 市
    "\x8B\xE6",  // 区
    "\x92\xAC",  // 町
    "\x91\xBA",  // 村
};
constexpr std::string_view kBasement = "\x92\x6E\x8A\x4B";  // 地階

struct Line {
  PostalCode code;
  std::string address;
  std::string office;
};

std::vector<Line> CleanLines(std::string_view text, ZipDictionaryKind kind) {
  std::vector<Line> lines;
  ParseZipDictionary(text, kind, [&](const ZipRecord& record) {
    std::string address = CleanDictionaryAddress(record.address);
    if (!address.empty())
      lines.push_back({record.code, std::move(address), std::string(record.office)});
  });
  return lines;
}

// What the areas dictionary knows: every address, and the buildings with
// floor codes, as their addresses without floor.
class AreaKnowledge {
 public:
  explicit AreaKnowledge(const std::vector<Line>& areas) {
    addresses_.reserve(areas.size());
    for (const Line& line : areas) {
      addresses_.insert(line.address);
      if (line.address.ends_with(kBasement)) {
        buildings_.insert(
            std::string_view(line.address).substr(0, line.address.size() - kBasement.size()));
      }
    }
  }
  bool IsAddress(std::string_view text) const { return addresses_.contains(text); }
  bool IsBuilding(std::string_view text) const { return buildings_.contains(text); }

  // The size of the city `address` begins with, after its prefecture.
  std::size_t CitySize(std::string_view address, std::size_t prefecture) const {
    std::size_t firstEnd = 0;
    for (std::size_t pos = prefecture; pos < address.size();) {
      const std::string_view character = address.substr(pos, sjis::CharLengthAt(address, pos));
      pos += character.size();
      if (std::find(std::begin(kCityEnds), std::end(kCityEnds), character) == std::end(kCityEnds)) {
        continue;
      }
      if (IsAddress(address.substr(0, pos))) return pos - prefecture;
      if (firstEnd == 0) firstEnd = pos;
    }
    return (firstEnd == 0 ? address.size() : firstEnd) - prefecture;
  }

  // The building an entry is in, as its address without floor, and the
  // floor; an empty address for an entry in no such building.
  std::pair<std::string_view, std::uint8_t> BuildingOf(std::string_view address) const {
    if (IsBuilding(address)) return {address, kAnyFloor};
    const FloorSuffix suffix = FloorSuffixOf(address);
    if (suffix.floor == kNoFloor) return {};
    const std::string_view base = address.substr(0, address.size() - suffix.size);
    if (suffix.floor == kAnyFloor) return {IsBuilding(base) ? base : std::string_view(), kAnyFloor};
    // A floor's entry may name more than its building's ("ミッドランドスクエア高層棟１階").
    const std::size_t end = TownEndBefore(address, 0, [&](std::string_view text) {
      return text.size() <= base.size() && IsBuilding(text);
    });
    if (end == 0) return {};
    return {address.substr(0, end), suffix.floor};
  }

 private:
  std::unordered_set<std::string_view> addresses_;
  std::unordered_set<std::string_view> buildings_;
};

AddressParts CityParts(std::string_view address, const AreaKnowledge& known) {
  AddressParts parts;
  parts.prefecture = PrefectureSizeAt(address);
  const std::size_t city = known.CitySize(address, parts.prefecture);
  parts.county = CountySize(address.substr(parts.prefecture, city));
  parts.city = city - parts.county;
  return parts;
}

AddressParts AreaParts(std::string_view address, const AreaKnowledge& known) {
  AddressParts parts = CityParts(address, known);
  const std::size_t cityEnd = parts.End();
  parts.town = address.size() - cityEnd;
  const auto [building, floor] = known.BuildingOf(address);
  if (building.empty()) return parts;
  const std::size_t townEnd = TownEndBefore(
      building, cityEnd, [&](std::string_view text) { return known.IsAddress(text); });
  if (townEnd == 0) return parts;
  parts.town = townEnd - cityEnd;
  parts.building = building.size() - townEnd;
  parts.floor = floor;
  return parts;
}

AddressParts OfficeParts(std::string_view address, const AreaKnowledge& known) {
  AddressParts parts = CityParts(address, known);
  const std::size_t cityEnd = parts.End();
  parts.town = std::max(BlockNumberStart(address), cityEnd) - cityEnd;
  return parts;
}

}  // namespace

std::string CleanDictionaryAddress(std::string_view address) {
  std::string clean(TrimBlanks(WithoutStrayBrackets(WithoutBlockNumberNote(address))));
  return ComparableAddress(clean).empty() ? std::string() : clean;
}

void ForEachZipDictionaryEntry(std::string_view areas, std::string_view offices,
                               const std::function<void(const DirectoryEntry&)>& onEntry) {
  const std::vector<Line> areaLines = CleanLines(areas, ZipDictionaryKind::Areas);
  const AreaKnowledge known(areaLines);
  for (const Line& line : areaLines)
    onEntry({line.code, line.address, {}, AreaParts(line.address, known)});
  for (const Line& line : CleanLines(offices, ZipDictionaryKind::Offices))
    onEntry({line.code, line.address, line.office, OfficeParts(line.address, known)});
}

std::vector<DirectoryEntry> ZipDictionaryEntries(std::string_view areas, std::string_view offices) {
  std::vector<DirectoryEntry> entries;
  ForEachZipDictionaryEntry(areas, offices,
                            [&](const DirectoryEntry& entry) { entries.push_back(entry); });
  return entries;
}

PostalDirectory DirectoryOfZipDictionaries(std::string_view areas, std::string_view offices) {
  PostalDirectoryBuilder builder;
  builder.Reserve(areas.size() + offices.size());
  ForEachZipDictionaryEntry(areas, offices,
                            [&](const DirectoryEntry& entry) { builder.Add(entry); });
  return builder.Build();
}

}  // namespace ruvo::postal
