#include "postal/postal_directory.h"

#include <algorithm>
#include <limits>
#include <set>
#include <stdexcept>
#include <utility>

#include "postal/address_spelling.h"
#include "transfer/classify.h"
#include "transfer/sjis.h"

namespace ruvo::postal {
namespace {

std::uint16_t ShortSize(std::string_view text) {
  if (text.size() > std::numeric_limits<std::uint16_t>::max()) {
    throw std::length_error("postal directory: entry longer than 65535 bytes");
  }
  return static_cast<std::uint16_t>(text.size());
}

std::uint8_t PrefectureSize(std::string_view key) {
  for (const std::string_view prefecture : PrefectureNames()) {
    if (key.starts_with(prefecture)) return static_cast<std::uint8_t>(prefecture.size());
  }
  return 0;
}

// A large office's key ends before its block number: "北海道札幌市北区北二十四条西６丁目１番１号"
// → "北海道札幌市北区北24条西". One that would end right after the prefecture is
// the whole address, as it would else match the whole prefecture.
std::string OfficeKey(std::string_view address) {
  std::string key = ComparableAddressBeforeDigits(address);
  return PrefectureSize(key) < key.size() ? key : ComparableAddress(address);
}

}  // namespace

std::string_view PostalDirectory::Text(std::uint32_t offset, std::size_t size) const {
  return std::string_view(text_).substr(offset, size);
}

std::string_view PostalDirectory::Key(std::uint32_t cell) const {
  const Item& item = items_[cell / 2];
  const std::string_view key = Text(item.key, item.keySize);
  return cell % 2 == 0 ? key : key.substr(item.prefectureSize);
}

std::pair<std::size_t, std::size_t> PostalDirectory::CodeRange(PostalCode code) const {
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
  const auto [first, last] = CodeRange(code);
  for (std::size_t i = first; i < last; ++i) {
    const Item& item = items_[i];
    entries.push_back({Text(item.address, item.addressSize), Text(item.office, item.officeSize)});
  }
  return entries;
}

// Compares key cells with plain texts.
struct PostalDirectory::KeyLess {
  const PostalDirectory& directory;
  bool operator()(std::uint32_t cell, std::string_view text) const {
    return directory.Key(cell) < text;
  }
  bool operator()(std::string_view text, std::uint32_t cell) const {
    return text < directory.Key(cell);
  }
};

std::size_t PostalDirectory::LongestKeyOf(PostalCode code, std::string_view wanted) const {
  std::size_t longest = 0;
  const auto [first, last] = CodeRange(code);
  for (std::size_t i = first; i < last; ++i) {
    const auto cell = static_cast<std::uint32_t>(i * 2);
    for (const std::string_view key : {Key(cell), Key(cell + 1)}) {
      if (!key.empty() && wanted.starts_with(key)) longest = std::max(longest, key.size());
    }
    // An office's whole address, block number and all, as the dictionary
    // writes it: longer than any area address it begins with.
    const Item& item = items_[i];
    if (item.officeSize == 0) continue;
    const std::string whole = ComparableAddress(Text(item.address, item.addressSize));
    if (wanted.starts_with(whole)) longest = std::max(longest, whole.size());
  }
  return longest;
}

bool PostalDirectory::AreaKeyLongerThan(std::size_t length, std::string_view wanted) const {
  for (std::size_t end = wanted.size(); end > length; --end) {
    const auto [first, last] =
        std::equal_range(keyOrder_.begin(), keyOrder_.end(), wanted.substr(0, end), KeyLess{*this});
    for (auto cell = first; cell != last; ++cell) {
      if (items_[*cell / 2].officeSize == 0) return true;
    }
  }
  return false;
}

bool PostalDirectory::IsAddressOf(PostalCode code, std::string_view address) const {
  const std::string wanted = ComparableAddress(address);
  const std::size_t own = LongestKeyOf(code, wanted);
  return own > 0 && !AreaKeyLongerThan(own, wanted);
}

std::vector<PostalCode> PostalDirectory::CodesOfAddress(std::string_view address) const {
  const std::string wanted = ComparableAddress(address);
  std::vector<std::size_t> ends;  // after each character, the longest last
  for (std::size_t pos = 0; pos < wanted.size();) {
    pos += sjis::CharLengthAt(wanted, pos);
    ends.push_back(pos);
  }
  std::vector<PostalCode> codes;
  for (auto end = ends.rbegin(); end != ends.rend(); ++end) {
    const auto [first, last] =
        std::equal_range(keyOrder_.begin(), keyOrder_.end(),
                         std::string_view(wanted).substr(0, *end), KeyLess{*this});
    std::vector<PostalCode> found;
    for (auto cell = first; cell != last; ++cell)
      found.push_back({items_[*cell / 2].code});
    std::sort(found.begin(), found.end());
    for (const PostalCode code : found) {
      if (std::find(codes.begin(), codes.end(), code) == codes.end()) codes.push_back(code);
    }
  }
  return codes;
}

std::vector<PostalCode> PostalDirectory::CodesStartingWith(std::string_view prefix,
                                                           std::size_t limit) const {
  const std::string wanted = ComparableAddress(prefix);
  std::vector<PostalCode> codes;
  std::set<std::uint32_t> seen;
  auto cell = std::lower_bound(keyOrder_.begin(), keyOrder_.end(), std::string_view(wanted),
                               KeyLess{*this});
  for (; cell != keyOrder_.end() && codes.size() < limit && Key(*cell).starts_with(wanted);
       ++cell) {
    const std::uint32_t code = items_[*cell / 2].code;
    if (seen.insert(code).second) codes.push_back({code});
  }
  return codes;
}

void PostalDirectoryBuilder::Reserve(std::size_t textBytes) {
  directory_.text_.reserve(directory_.text_.size() + textBytes);
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

void PostalDirectoryBuilder::Add(PostalCode code, std::string_view address,
                                 std::string_view office) {
  std::string key = office.empty() ? ComparableAddress(address) : OfficeKey(address);
  if (key.empty()) return;
  const std::uint8_t prefectureSize = PrefectureSize(key);
  PostalDirectory::Item item{};
  item.code = code.value;
  item.addressSize = ShortSize(address);
  item.officeSize = ShortSize(office);
  item.keySize = ShortSize(key);
  item.prefectureSize = prefectureSize;
  item.address = Append(address);
  item.office = Append(office);
  // Most addresses are their own key: share the text.
  item.key = address.starts_with(key) ? item.address : Append(key);
  directory_.items_.push_back(item);
}

PostalDirectory PostalDirectoryBuilder::Build() {
  PostalDirectory directory = std::exchange(directory_, PostalDirectory{});
  auto& items = directory.items_;
  std::stable_sort(items.begin(), items.end(),
                   [](const auto& a, const auto& b) { return a.code < b.code; });
  directory.RemoveRepeatedEntries();
  directory.text_.shrink_to_fit();
  items.shrink_to_fit();
  directory.SortKeys();
  return directory;
}

void PostalDirectory::SortKeys() {
  // Sorting the keys themselves spares a lookup of the item in every one of
  // the few million comparisons.
  std::vector<std::pair<std::string_view, std::uint32_t>> keys;
  keys.reserve(items_.size() * 2);
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const auto cell = static_cast<std::uint32_t>(i * 2);
    keys.emplace_back(Key(cell), cell);
    if (items_[i].prefectureSize < items_[i].keySize) keys.emplace_back(Key(cell + 1), cell + 1);
  }
  std::sort(keys.begin(), keys.end());
  keyOrder_.clear();
  keyOrder_.reserve(keys.size());
  for (const auto& key : keys)
    keyOrder_.push_back(key.second);
}

void PostalDirectory::RemoveRepeatedEntries() {
  const auto sameEntry = [this](const Item& a, const Item& b) {
    return a.code == b.code && Text(a.address, a.addressSize) == Text(b.address, b.addressSize) &&
           Text(a.office, a.officeSize) == Text(b.office, b.officeSize);
  };
  std::vector<Item> kept;
  kept.reserve(items_.size());
  for (std::size_t i = 0; i < items_.size(); ++i) {
    // Earlier entries of the same code are the last ones kept.
    bool repeated = false;
    for (auto k = kept.rbegin(); k != kept.rend() && k->code == items_[i].code; ++k)
      repeated = repeated || sameEntry(*k, items_[i]);
    if (!repeated) kept.push_back(items_[i]);
  }
  items_ = std::move(kept);
}

}  // namespace ruvo::postal
