#include "settings/app_settings.h"

#include <string_view>
#include <vector>

#include "settings/profile_file.h"
#include "settings/settings_names.h"
#include "slip/slip_fields.h"

namespace ruvo::settings {
namespace {

// A slip field's key (kSlipFields) and where its text is kept.
template <typename Record>
struct TextKey {
  SlipField field;
  std::string Record::*text;

  std::string_view Key() const { return SlipFieldOf(field).settingsKey; }
  std::string_view Fallback() const { return SlipFieldOf(field).initial; }
};

// Recipient, goods, quantity and delivery date, in the order they are read
// and written.
constexpr TextKey<SavedSlip> kSlipKeys[] = {
    {SlipField::kRecipientZip, &SavedSlip::zip},
    {SlipField::kRecipientAddress1, &SavedSlip::address1},
    {SlipField::kRecipientAddress2, &SavedSlip::address2},
    {SlipField::kRecipientName, &SavedSlip::customer},
    {SlipField::kRecipientTel, &SavedSlip::tel},
    {SlipField::kGoods1, &SavedSlip::goods1},
    {SlipField::kGoods2, &SavedSlip::goods2},
    {SlipField::kGoods3, &SavedSlip::goods3},
    {SlipField::kQuantity, &SavedSlip::quantity},
    {SlipField::kWishedMonth, &SavedSlip::deliveryMonth},
    {SlipField::kWishedDay, &SavedSlip::deliveryDay},
};

// The sender fields, in the order they are read and written (name first,
// unlike the sender file).
constexpr TextKey<SenderFields> kSenderKeys[] = {
    {SlipField::kSenderName, &SenderFields::name},
    {SlipField::kSenderZip, &SenderFields::zip},
    {SlipField::kSenderAddress1, &SenderFields::address1},
    {SlipField::kSenderAddress2, &SenderFields::address2},
    {SlipField::kSenderTel, &SenderFields::tel},
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
    record.*row.text = ReadProfileText(file, kSettingsSection, row.Key(), row.Fallback());
  }
}

template <typename Record, std::size_t N>
void AddTexts(const TextKey<Record> (&keys)[N], const Record& record,
              std::vector<ProfileSetting>& settings) {
  for (const TextKey<Record>& row : keys) {
    settings.push_back({kSettingsSection, row.Key(), record.*row.text});
  }
}

template <typename Record, std::size_t N>
void KeepUntouched(const TextKey<Record> (&keys)[N], const Record& now, const Record& shown,
                   const Record& read, Record& kept) {
  for (const TextKey<Record>& row : keys) {
    if (now.*row.text == shown.*row.text) kept.*row.text = read.*row.text;
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
