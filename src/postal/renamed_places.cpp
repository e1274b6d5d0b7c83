#include "postal/renamed_places.h"

namespace ruvo::postal {
namespace {

constexpr std::string_view kHamamatsu2024 =
    "Hamamatsu, 1 Jan 2024: seven wards became three; Japan Post kept every postal code";

constexpr RenamedPlace kRenamedPlaces[] = {
    // 浜松市中区 → 浜松市中央区
    {"\x95\x6C\x8F\xBC\x8E\x73\x92\x86\x8B\xE6", "\x95\x6C\x8F\xBC\x8E\x73\x92\x86\x89\x9B\x8B\xE6",
     kHamamatsu2024},
    // 浜松市東区 → 浜松市中央区
    {"\x95\x6C\x8F\xBC\x8E\x73\x93\x8C\x8B\xE6", "\x95\x6C\x8F\xBC\x8E\x73\x92\x86\x89\x9B\x8B\xE6",
     kHamamatsu2024},
    // 浜松市西区 → 浜松市中央区
    {"\x95\x6C\x8F\xBC\x8E\x73\x90\xBC\x8B\xE6", "\x95\x6C\x8F\xBC\x8E\x73\x92\x86\x89\x9B\x8B\xE6",
     kHamamatsu2024},
    // 浜松市南区 → 浜松市中央区
    {"\x95\x6C\x8F\xBC\x8E\x73\x93\xEC\x8B\xE6", "\x95\x6C\x8F\xBC\x8E\x73\x92\x86\x89\x9B\x8B\xE6",
     kHamamatsu2024},
    // 浜松市北区 → 浜松市中央区: 三方原, 初生町, 根洗町 and the towns around them
    {"\x95\x6C\x8F\xBC\x8E\x73\x96\x6B\x8B\xE6", "\x95\x6C\x8F\xBC\x8E\x73\x92\x86\x89\x9B\x8B\xE6",
     kHamamatsu2024},
    // 浜松市北区 → 浜松市浜名区: 細江町, 引佐町, 三ヶ日町, 都田町 and the rest
    {"\x95\x6C\x8F\xBC\x8E\x73\x96\x6B\x8B\xE6", "\x95\x6C\x8F\xBC\x8E\x73\x95\x6C\x96\xBC\x8B\xE6",
     kHamamatsu2024},
    // 浜松市浜北区 → 浜松市浜名区
    {"\x95\x6C\x8F\xBC\x8E\x73\x95\x6C\x96\x6B\x8B\xE6",
     "\x95\x6C\x8F\xBC\x8E\x73\x95\x6C\x96\xBC\x8B\xE6", kHamamatsu2024},
};

}  // namespace

std::span<const RenamedPlace> RenamedPlaces() {
  return kRenamedPlaces;
}

std::vector<std::string> FormsUnderOtherNames(std::string_view form) {
  std::vector<std::string> forms;
  const auto rename = [&](std::string_view from, std::string_view to) {
    if (form.starts_with(from))
      forms.push_back(std::string(to) + std::string(form.substr(from.size())));
  };
  for (const RenamedPlace& row : kRenamedPlaces) {
    rename(row.after, row.before);
    rename(row.before, row.after);
  }
  return forms;
}

}  // namespace ruvo::postal
