#include "settings/app_settings.h"

#include <string_view>
#include <vector>

#include "settings/profile_file.h"
#include "settings/settings_names.h"

namespace ruvo::settings {
namespace {

// A text key of the slip and its default.
template <typename Record>
struct TextKey {
  std::string_view key;
  std::string Record::*field;
  std::string_view fallback;
};

// Recipient, goods, quantity and delivery date, in the order they are read
// and written.
constexpr TextKey<SavedSlip> kSlipKeys[] = {
    {"E_ZIP", &SavedSlip::zip, ""},               // recipient postal code
    {"E_AD1", &SavedSlip::address1, ""},          // address line 1
    {"E_AD2", &SavedSlip::address2, ""},          // address line 2
    {"E_CUS", &SavedSlip::customer, ""},          // recipient name
    {"E_TEL", &SavedSlip::tel, ""},               // recipient telephone
    {"E_G1", &SavedSlip::goods1, ""},             // goods line 1
    {"E_G2", &SavedSlip::goods2, ""},             // goods line 2
    {"E_G3", &SavedSlip::goods3, ""},             // goods line 3
    {"KOSUU", &SavedSlip::quantity, "1"},         // number of parcels
    {"de_date1", &SavedSlip::deliveryMonth, ""},  // wished delivery month
    {"de_date2", &SavedSlip::deliveryDay, ""},    // wished delivery day
};

// The sender fields, in the order they are read and written (name first,
// unlike the sender file).
constexpr TextKey<SenderFields> kSenderKeys[] = {
    {"OP023My", &SenderFields::name, ""},          // sender name
    {"OP023MyZip", &SenderFields::zip, ""},        // sender postal code
    {"OP023MyADD1", &SenderFields::address1, ""},  // sender address line 1
    {"OP023MyADD2", &SenderFields::address2, ""},  // sender address line 2
    {"OP023MyTEL", &SenderFields::tel, ""},        // sender telephone
};

std::filesystem::path SettingsFile(const std::filesystem::path& directory) {
  return FileIn(directory, kSettingsFileName);
}

int ReadInteger(const std::filesystem::path& file, std::string_view key, int fallback) {
  return ReadProfileInteger(file, kSettingsSection, key, fallback);
}

template <typename Record, std::size_t N>
void ReadTexts(const std::filesystem::path& file, const TextKey<Record> (&keys)[N],
               Record& record) {
  for (const TextKey<Record>& row : keys) {
    record.*row.field = ReadProfileText(file, kSettingsSection, row.key, row.fallback);
  }
}

template <typename Record, std::size_t N>
void AddTexts(const TextKey<Record> (&keys)[N], const Record& record,
              std::vector<ProfileSetting>& settings) {
  for (const TextKey<Record>& row : keys) {
    settings.push_back({kSettingsSection, row.key, record.*row.field});
  }
}

template <typename Record, std::size_t N>
void KeepUntouched(const TextKey<Record> (&keys)[N], const Record& now, const Record& shown,
                   const Record& read, Record& kept) {
  for (const TextKey<Record>& row : keys) {
    if (now.*row.field == shown.*row.field) kept.*row.field = read.*row.field;
  }
}

ProfileSetting IntegerSetting(std::string_view key, int value) {
  return {kSettingsSection, key, std::to_string(value)};
}

}  // namespace

SavedSlip KeepUntouchedFields(const SavedSlip& now, const SavedSlip& shown, const SavedSlip& read) {
  SavedSlip kept = now;
  KeepUntouched(kSlipKeys, now, shown, read, kept);
  KeepUntouched(kSenderKeys, now.sender, shown.sender, read.sender, kept.sender);
  return kept;
}

StartupSettings ReadStartupSettings(const std::filesystem::path& directory) {
  const std::filesystem::path file = SettingsFile(directory);
  StartupSettings settings;
  settings.printerNumber = ReadInteger(file, "Rezovodprnno", -1);
  settings.marginTop = ReadInteger(file, "rv_RezovodPrn_Top", 0);
  settings.marginLeft = ReadInteger(file, "rv_RezovodPrn_Left", 0);
  settings.saved.senderTab = ReadInteger(file, "Tab_My", 0);
  settings.saved.fontIndex = ReadInteger(file, "Addr_Font", 1);
  ReadTexts(file, kSenderKeys, settings.saved.slip.sender);
  ReadTexts(file, kSlipKeys, settings.saved.slip);
  settings.saved.paperMode = ReadInteger(file, "ComboBox_SEL", 0);
  return settings;
}

void WriteExitSettings(const std::filesystem::path& directory, const ExitSettings& settings,
                       FileReplacer& replacer) {
  std::vector<ProfileSetting> keys{IntegerSetting("Addr_Font", settings.fontIndex)};
  AddTexts(kSlipKeys, settings.slip, keys);
  AddTexts(kSenderKeys, settings.slip.sender, keys);
  keys.push_back(IntegerSetting("ComboBox_SEL", settings.paperMode));
  keys.push_back(IntegerSetting("Tab_My", settings.senderTab));
  WriteProfileTexts(SettingsFile(directory), keys, replacer);
}

int ReadPrinterNumber(const std::filesystem::path& directory) {
  return ReadInteger(SettingsFile(directory), "Rezovodprnno", -1);
}

void WritePrinterNumber(const std::filesystem::path& directory, int printerNumber,
                        FileReplacer& replacer) {
  WriteProfileInteger(SettingsFile(directory), kSettingsSection, "Rezovodprnno", printerNumber,
                      replacer);
}

}  // namespace ruvo::settings
