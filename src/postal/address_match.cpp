#include "postal/address_match.h"

#include <algorithm>
#include <string>
#include <tuple>

#include "postal/address_spelling.h"
#include "postal/renamed_places.h"

namespace ruvo::postal {
namespace {

using Place = PostalDirectory::Place;

// One way of reading the address: city, town and the rest, comparable,
// after `skipped` bytes of it (a county) were read.
struct Form {
  std::string text;
  std::size_t skipped = 0;
  bool operator==(const Form&) const = default;
};

// The address as places are compared with it.
struct AddressReading {
  bool blank = true;
  std::uint8_t prefecture = 0;  // as written; 0 for none
  std::string county;           // comparable; empty for none
  // Without prefecture and county and with Kyoto's streets left out; then
  // the same under a renamed place's other names; then what may stand in
  // keys of entries that could not be taken apart as well.
  std::vector<Form> forms;
  std::string withStreets;  // without prefecture and county, streets and all
};

// Adds `form` unless it is there already.
void AddForm(std::vector<Form>& forms, Form form) {
  if (!form.text.empty() && std::find(forms.begin(), forms.end(), form) == forms.end()) {
    forms.push_back(std::move(form));
  }
}

AddressReading ReadAddress(const PostalDirectory& directory, std::string_view address) {
  AddressReading reading;
  const std::string comparable = ComparableAddress(address);
  reading.blank = comparable.empty();
  std::string_view rest = comparable;
  reading.prefecture = PrefectureNumberAt(rest);
  rest.remove_prefix(PrefectureSizeAt(rest));
  const std::size_t county = directory.CountyAtStart(rest);
  reading.county = rest.substr(0, county);
  const std::string_view withCounty = rest;
  rest.remove_prefix(county);
  if (withCounty.empty()) return reading;  // a prefecture alone
  reading.withStreets = rest;
  AddForm(reading.forms, {DropKyotoStreets(rest), county});
  for (std::string& other : FormsUnderOtherNames(DropKyotoStreets(rest)))
    AddForm(reading.forms, {std::move(other), county});
  // Keys that hold what is left out above: streets where the dictionary
  // names no city before them, a city's name that begins with what another
  // entry names as its county.
  AddForm(reading.forms, {std::string(rest), county});
  AddForm(reading.forms, {DropKyotoStreets(withCounty), 0});
  AddForm(reading.forms, {std::string(withCounty), 0});
  return reading;
}

// Whether the prefecture and county the address names, if any, are the
// place's.
bool LiesIn(const Place& place, const AddressReading& reading) {
  const bool prefecture =
      reading.prefecture == 0 || place.prefecture == 0 || reading.prefecture == place.prefecture;
  const bool county =
      reading.county.empty() || place.county.empty() || reading.county == place.county;
  return prefecture && county;
}

// How precisely a place that begins an address names it: a large office
// before the building's floor before the building before the town, a
// longer key before a shorter.
struct Score {
  static constexpr int kOffice = 3;
  int level = -1;  // -1 no place; 0 city or town; 1 the building; 2 the building's floor
  std::size_t length = 0;

  bool Found() const { return level >= 0; }
  friend bool operator<(const Score& a, const Score& b) {
    return std::tie(a.level, a.length) < std::tie(b.level, b.length);
  }
};

// Whether another code's place names the address more precisely than the
// code's own. A large office lies in some area's town, building and floor,
// and its code stands for it there: only another town outranks it.
bool Outranks(const Score& other, const Score& own) {
  if (own.level == Score::kOffice) return other.level == 0 && other.length > own.length;
  return own < other;
}

// Where a form names a building and the floor after it. The floors of one
// building lie side by side in the directory and share the building's
// text, so the form is searched once for all of them.
class BuildingSearch {
 public:
  explicit BuildingSearch(std::string_view form) : form_(form) {}

  // Whether the form names `building` from `from` on, and the floor after it.
  std::pair<bool, WrittenFloor> Find(std::string_view building, std::size_t from) {
    if (building.data() != building_.data() || building.size() != building_.size() ||
        from != from_) {
      building_ = building;
      from_ = from;
      const std::size_t at = form_.find(building, from);
      named_ = at != std::string_view::npos;
      floor_ = named_ ? FloorWrittenIn(form_.substr(at + building.size())) : WrittenFloor{};
    }
    return {named_, floor_};
  }

 private:
  std::string_view form_;
  std::string_view building_;
  std::size_t from_ = 0;
  bool named_ = false;
  WrittenFloor floor_;
};

// 0 when `form` does not name the place's building, or names another
// floor; 1 when it names the building but no floor (any floor's code will
// do), or when the place is the building's code for floors without their
// own; 2 when it names the floor the place's code is for.
int BuildingLevel(const Place& place, BuildingSearch& search) {
  if (place.floor == kNoFloor) return 0;
  // The building's name may hold its town's ("霞が関ビル"), so it is looked
  // for from the town on.
  const auto [named, written] = search.Find(place.building, place.citySize);
  if (!named) return 0;
  const bool floorWritten = written.basement || written.number != 0;
  if (place.floor == kAnyFloor) return written.basement ? 2 : 1;
  if (!floorWritten) return 1;
  return !written.basement && written.number == place.floor ? 2 : 0;
}

// The score, its length in bytes of the address after its prefecture, so
// that places found in different forms compare.
Score ScoreOf(const Place& place, const Form& form, const AddressReading& reading,
              BuildingSearch& search) {
  Score score{place.office ? Score::kOffice : BuildingLevel(place, search),
              form.skipped + place.key.size()};
  const std::size_t county = reading.county.size();
  if (place.office) {
    // An office's whole address, block number and all, as the dictionary
    // writes it: longer than any area's key it begins with.
    const std::string whole = ComparableAddress(place.fromCity);
    if (form.text.starts_with(whole))
      score.length = std::max(score.length, form.skipped + whole.size());
    if (reading.withStreets.starts_with(whole))
      score.length = std::max(score.length, county + whole.size());
  } else if (place.streets) {
    // The street written as the dictionary writes it names the code: "釜座通
    // 夷川下る大黒町" is 604-0014's, "河原町通三条下る大黒町" 604-8031's.
    const std::string streets = ComparableAddress(place.fromCity.substr(0, place.shownTownEnd));
    if (reading.withStreets.starts_with(streets)) score.length = county + streets.size();
  }
  return score;
}

// What the places that begin an address say about one code.
struct Tally {
  Score own;                   // the best of the code's places
  Score town;                  // the best of other codes' towns and buildings
  bool otherCity = false;      // another code's city alone begins the address
  bool ownCity = false;        // a city of the code's begins the address
  bool ownPrefecture = false;  // a place of the code's lies in the prefecture written
};

void TallyForm(const PostalDirectory& directory, PostalCode code, const Form& form,
               const AddressReading& reading, Tally& tally) {
  std::vector<std::uint32_t> entries;
  directory.EntriesBeginning(form.text, entries);
  BuildingSearch search(form.text);
  for (const std::uint32_t entry : entries) {
    const Place place = directory.PlaceAt(entry);
    // Other codes' offices never outrank the code's places.
    if ((place.office && place.code != code) || !LiesIn(place, reading)) continue;
    const Score score = ScoreOf(place, form, reading, search);
    if (place.code == code) {
      tally.own = std::max(tally.own, score);
    } else if (score.level > 0 || place.key.size() > place.citySize) {
      tally.town = std::max(tally.town, score);
    } else {
      tally.otherCity = true;
    }
  }
}

void TallyOwnPlaces(const PostalDirectory& directory, PostalCode code,
                    const AddressReading& reading, Tally& tally) {
  const auto [first, last] = directory.EntriesOf(code);
  for (std::size_t entry = first; entry < last; ++entry) {
    const Place place = directory.PlaceAt(entry);
    if (reading.prefecture == 0 || place.prefecture == 0 ||
        place.prefecture == reading.prefecture) {
      tally.ownPrefecture = true;
    }
    if (!LiesIn(place, reading) || place.citySize == 0) continue;
    const std::string_view city = place.key.substr(0, place.citySize);
    for (const Form& form : reading.forms)
      tally.ownCity = tally.ownCity || form.text.starts_with(city);
  }
}

}  // namespace

ZipVerdict JudgeAddress(const PostalDirectory& directory, PostalCode code,
                        std::string_view address) {
  const auto [first, last] = directory.EntriesOf(code);
  if (first == last) return ZipVerdict::Unknown;
  const AddressReading reading = ReadAddress(directory, address);
  if (reading.blank) return ZipVerdict::Unknown;
  Tally tally;
  for (const Form& form : reading.forms)
    TallyForm(directory, code, form, reading, tally);
  if (tally.own.Found() && !Outranks(tally.town, tally.own)) return ZipVerdict::Match;
  if (tally.town.Found()) return ZipVerdict::Mismatch;
  TallyOwnPlaces(directory, code, reading, tally);
  if (tally.ownCity) return ZipVerdict::Unknown;
  if (tally.otherCity || !tally.ownPrefecture) return ZipVerdict::Mismatch;
  return ZipVerdict::Unknown;
}

}  // namespace ruvo::postal
