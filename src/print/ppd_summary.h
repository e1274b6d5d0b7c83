#pragma once
// The few facts the printer layer reads from a queue's PPD text: its default
// resolution and its paper sources (InputSlot choices) with the default one.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "print/print_service.h"

namespace ruvo {

struct PpdChoice {
  std::string keyword;  // option keyword, e.g. "Upper"
  // Its translation string, e.g. "Upper Tray", with <hex> substrings turned
  // into their bytes, in the file's language encoding; the keyword if none.
  std::string text;
};

struct PpdSummary {
  std::optional<Resolution> defaultResolution;  // "*DefaultResolution: 360dpi" or "360x180dpi"
  std::vector<PpdChoice> inputSlots;            // in the file's order
  std::string defaultInputSlot;                 // empty when not given
  // "*LanguageEncoding": the translations' character set, e.g. "JIS83-RKSJ"
  // (Shift-JIS) or "UTF-8"; PPD files without it are ISO Latin-1.
  std::string languageEncoding = "ISOLatin1";
};

// Reads the summary from PPD text. Lines it does not know are skipped; a
// malformed value leaves its field empty. Never throws on bad input.
PpdSummary ParsePpdSummary(std::string_view ppd);

// "360dpi" → 360×360, "360x180dpi" → 360×180; anything else, or a value
// outside 1..100000, gives nothing.
std::optional<Resolution> ParsePpdResolution(std::string_view value);

}  // namespace ruvo
