// Feeds arbitrary bytes to the profile reader and writer and checks what a
// user relies on: a value written reads back, writing it twice changes
// nothing more, and the values of other keys stay as they were.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "settings/profile_lines.h"

namespace {

struct Name {
  std::string_view section;
  std::string_view key;
};

// Names the program uses, in both letter cases, and a Japanese section.
constexpr Name kNames[] = {
    {"rv_RezovodPrn", "Tab_My"},                 // integer key
    {"RV_REZOVODPRN", "E_ZIP"},                  // same section, other case
    {"rv_RezovodPrn", "KOSUU"},                  // text key
    {"\x8E\xE8\x8D\xB7\x82\xB5", "PrnNoIndex"},  // "手差し"
    {"\x98\x41\x91\xB1(\x82\x53\x83\x43\x83\x93\x83\x60)", "slpPrn_Top"},  // "連続(４インチ)"
    {"s", "k"},                                                            // short names
};

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckWrite(std::string_view content, const Name& target) {
  const std::string value = "v=1";
  const std::string written =
      ruvo::settings::WithProfileValue(content, target.section, target.key, value);
  Check(ruvo::settings::FindProfileValue(written, target.section, target.key) == value);
  Check(ruvo::settings::WithProfileValue(written, target.section, target.key, value) == written);
  for (const Name& other : kNames) {
    if (ruvo::settings::ProfileNamesMatch(other.section, target.section) &&
        ruvo::settings::ProfileNamesMatch(other.key, target.key)) {
      continue;
    }
    Check(ruvo::settings::FindProfileValue(content, other.section, other.key) ==
          ruvo::settings::FindProfileValue(written, other.section, other.key));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  for (const Name& name : kNames) {
    const std::optional<std::string_view> value =
        ruvo::settings::FindProfileValue(content, name.section, name.key);
    if (value) static_cast<void>(ruvo::settings::ParseProfileInteger(*value));
  }
  CheckWrite(content, kNames[size % std::size(kNames)]);
  return 0;
}
