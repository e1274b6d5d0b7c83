#include "settings/printer_registration.h"

#include <cstdio>
#include <vector>

#include "settings/file_errors.h"
#include "settings/profile_file.h"
#include "settings/settings_names.h"
#include "transfer/cp932_codec.h"

namespace ruvo::settings {
namespace {

// Every key of a registration but the name reads as "0" when it is missing.
constexpr std::string_view kRegistrationDefault = "0";
constexpr std::string_view kPrinterNameKey = "PrnName";
constexpr std::string_view kPrinterQueueKey = "PrnQueue";

// The keys of the values a registration sets, in the order they are read
// and written.
constexpr struct {
  std::string_view key;
  std::string RegisteredPrintValues::*field;
} kValueKeys[] = {
    {"PrnNoIndex", &RegisteredPrintValues::printerNumber},  // printer number
    {"slpPrn_Top", &RegisteredPrintValues::marginTop},      // top margin in printer dots
    {"slpPrn_Left", &RegisteredPrintValues::marginLeft},    // left margin in printer dots
};

// The paper of the registered printer, after the keys above.
constexpr struct {
  std::string_view key;
  std::string RegisteredPrintValues::*field;
} kPaperKeys[] = {
    {"PaperName", &RegisteredPrintValues::paperName},  // paper size as the printer lists it
    {"BinName", &RegisteredPrintValues::binName},      // paper source as the printer lists it
};

// The form's scale, last: written only by the print-position dialog.
constexpr struct {
  std::string_view key;
  std::string RegisteredPrintValues::*field;
} kScaleKeys[] = {
    {"slpPrn_ScaleX", &RegisteredPrintValues::scaleX},  // across, tenths of a percent
    {"slpPrn_ScaleY", &RegisteredPrintValues::scaleY},  // down, along the feed
};

std::filesystem::path RegistrationFile(const std::filesystem::path& directory) {
  return FileIn(directory, kRegistrationFileName);
}

bool IsUnreserved(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
         (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' || byte == '~';
}

// A queue name as the file holds it: empty when the printer's CP932 name
// says it exactly, else its UTF-8 bytes percent-encoded as in a URI, which
// any reader of CP932 lines keeps intact ("Café" → "Caf%C3%A9").
std::string QueueText(const std::string& queue, const std::string& printerName) {
  const Cp932Text shown = Utf8ToCp932(queue);
  if (queue.empty() || (shown.replaced == 0 && shown.bytes == printerName)) return {};
  std::string text;
  for (const char c : queue) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsUnreserved(byte)) {
      text += c;
    } else {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
      text += escaped;
    }
  }
  return text;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The queue name back from the file; a "%" without two hex digits stays.
std::string QueueFromText(std::string_view text) {
  std::string queue;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int high = i + 2 < text.size() && text[i] == '%' ? HexDigit(text[i + 1]) : -1;
    const int low = high >= 0 ? HexDigit(text[i + 2]) : -1;
    if (low >= 0) {
      queue += static_cast<char>(high * 16 + low);
      i += 2;
    } else {
      queue += text[i];
    }
  }
  return queue;
}

}  // namespace

RegisteredPrintValues ReadRegistration(const std::filesystem::path& directory,
                                       std::string_view paperMode) {
  const std::filesystem::path file = RegistrationFile(directory);
  RegisteredPrintValues values;
  for (const auto& row : kValueKeys) {
    values.*row.field = ReadProfileText(file, paperMode, row.key, kRegistrationDefault);
  }
  values.printerName = ReadProfileText(file, paperMode, kPrinterNameKey, "");
  values.printerQueue = QueueFromText(ReadProfileText(file, paperMode, kPrinterQueueKey, ""));
  for (const auto& row : kPaperKeys) {
    values.*row.field = ReadProfileText(file, paperMode, row.key, "");
  }
  for (const auto& row : kScaleKeys) {
    values.*row.field = ReadProfileText(file, paperMode, row.key, "");
  }
  return values;
}

RegisteredPrintValues RegistrationSources(const std::filesystem::path& directory,
                                          std::string_view paperMode) {
  const std::string place =
      " in [" + std::string(paperMode) + "] of " + PathText(RegistrationFile(directory));
  RegisteredPrintValues sources;
  for (const auto& row : kValueKeys) {
    sources.*row.field = std::string(row.key) + place;
  }
  for (const auto& row : kScaleKeys) {
    sources.*row.field = std::string(row.key) + place;
  }
  return sources;
}

void WriteRegistration(const std::filesystem::path& directory, std::string_view paperMode,
                       const PrinterRegistration& registration, FileReplacer& replacer) {
  const RegisteredPrintValues& values = registration.values;
  std::vector<ProfileSetting> keys{{paperMode, kPrinterNameKey, registration.printerName}};
  for (const auto& row : kValueKeys) {
    keys.push_back({paperMode, row.key, values.*row.field});
  }
  keys.push_back(
      {paperMode, kPrinterQueueKey, QueueText(values.printerQueue, registration.printerName)});
  for (const auto& row : kPaperKeys) {
    keys.push_back({paperMode, row.key, values.*row.field});
  }
  WriteProfileTexts(RegistrationFile(directory), keys, replacer);
}

void WriteRegisteredMargins(const std::filesystem::path& directory, std::string_view paperMode,
                            const std::string& marginTop, const std::string& marginLeft,
                            FileReplacer& replacer) {
  RegisteredPrintValues margins;
  margins.marginTop = marginTop;
  margins.marginLeft = marginLeft;
  std::vector<ProfileSetting> keys;
  for (const auto& row : kValueKeys) {
    if (row.field == &RegisteredPrintValues::printerNumber) continue;
    keys.push_back({paperMode, row.key, margins.*row.field});
  }
  WriteProfileTexts(RegistrationFile(directory), keys, replacer);
}

void WriteRegisteredScale(const std::filesystem::path& directory, std::string_view paperMode,
                          const std::string& scaleX, const std::string& scaleY,
                          FileReplacer& replacer) {
  RegisteredPrintValues scale;
  scale.scaleX = scaleX;
  scale.scaleY = scaleY;
  std::vector<ProfileSetting> keys;
  for (const auto& row : kScaleKeys) {
    keys.push_back({paperMode, row.key, scale.*row.field});
  }
  WriteProfileTexts(RegistrationFile(directory), keys, replacer);
}

}  // namespace ruvo::settings
