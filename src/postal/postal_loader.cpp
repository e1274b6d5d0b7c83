#include "postal/postal_loader.h"

#include <chrono>
#include <exception>

#include "postal/zip_dictionary_reader.h"
#include "settings/file_errors.h"
#include "settings/profile_file.h"
#include "settings/settings_names.h"
#include "transfer/cp932_codec.h"

namespace ruvo::postal {
namespace {

constexpr std::string_view kNoCodes = ": no postal codes in it";

std::string PathText(const std::filesystem::path& file) {
  return Utf8ToCp932(file.string()).bytes;
}

// Adds the file's entries to `builder`; the number of entries added.
std::size_t AddDictionary(PostalDirectoryBuilder& builder, const std::filesystem::path& file,
                          ZipDictionaryKind kind) {
  const std::string text = ReadZipDictionaryFile(file);
  builder.Reserve(text.size());
  std::size_t added = 0;
  ParseZipDictionary(text, kind, [&](const ZipRecord& record) {
    builder.Add(record.code, record.address, record.office);
    ++added;
  });
  return added;
}

void AddOfficesIfThere(PostalDirectoryBuilder& builder, const std::filesystem::path& file) {
  try {
    if (std::filesystem::exists(file)) AddDictionary(builder, file, ZipDictionaryKind::Offices);
  } catch (const std::exception&) {
    // Left out: the areas are in the builder already and cover almost every slip.
  }
}

}  // namespace

ZipDictionaryFiles ZipDictionaryFilesFor(const std::filesystem::path& areas) {
  return {areas, areas.parent_path() / kOfficeDictionaryName};
}

ZipDictionaryFiles ResolveZipDictionary(const std::filesystem::path& directory,
                                        const char* environment) {
  if (environment != nullptr && *environment != '\0') return ZipDictionaryFilesFor(environment);
  const std::string setting =
      settings::ReadProfileText(settings::FileIn(directory, settings::kSettingsFileName),
                                settings::kSettingsSection, kZipDictionaryKey, "");
  if (!setting.empty()) return ZipDictionaryFilesFor(directory / Cp932ToUtf8(setting));
  return ZipDictionaryFilesFor(std::filesystem::path(kDebianZipDictionary));
}

LoadedPostalDirectory LoadPostalDirectory(const ZipDictionaryFiles& files) {
  try {
    PostalDirectoryBuilder builder;
    if (AddDictionary(builder, files.areas, ZipDictionaryKind::Areas) == 0) {
      return {{}, PathText(files.areas) + std::string(kNoCodes)};
    }
    AddOfficesIfThere(builder, files.offices);
    return {builder.Build(), {}};
  } catch (const settings::FileReadError& e) {
    return {{}, PathText(files.areas) + ": " + e.reason()};
  } catch (const std::exception& e) {
    return {{}, PathText(files.areas) + ": " + e.what()};
  }
}

PostalDirectoryLoader::PostalDirectoryLoader(ZipDictionaryFiles files) : files_(std::move(files)) {}

std::shared_future<LoadedPostalDirectory> PostalDirectoryLoader::Started() {
  std::lock_guard lock(mutex_);
  if (!load_.valid()) {
    load_ = std::async(std::launch::async, LoadPostalDirectory, files_).share();
  }
  return load_;
}

void PostalDirectoryLoader::StartInBackground() {
  Started();
}

bool PostalDirectoryLoader::Ready() const {
  std::lock_guard lock(mutex_);
  return load_.valid() && load_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

const LoadedPostalDirectory& PostalDirectoryLoader::Get() {
  // The shared state, and so the result, lives as long as load_ does.
  const std::shared_future<LoadedPostalDirectory> load = Started();
  return load.get();
}

}  // namespace ruvo::postal
