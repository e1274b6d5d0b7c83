#include "postal/postal_loader.h"

#include <chrono>
#include <cstdio>
#include <exception>
#include <system_error>

#include "postal/postal_index_file.h"
#include "postal/zip_dictionary_entries.h"
#include "postal/zip_dictionary_reader.h"
#include "settings/file_errors.h"
#include "settings/file_store.h"
#include "settings/profile_file.h"
#include "settings/settings_names.h"
#include "transfer/cp932_codec.h"

namespace ruvo::postal {
namespace {

constexpr std::string_view kNoCodes = ": no postal codes in it";
// "取り込んだ郵便番号データを読めないため、辞書を使います: "
constexpr std::string_view kImportedIndexUnusable =
    "\x8E\xE6\x82\xE8\x8D\x9E\x82\xF1\x82\xBE\x97\x58\x95\xD6\x94\xD4\x8D\x86\x83\x66\x81\x5B"
    "\x83\x5E\x82\xF0\x93\xC7\x82\xDF\x82\xC8\x82\xA2\x82\xBD\x82\xDF\x81\x41\x8E\xAB\x8F\x91"
    "\x82\xF0\x8E\x67\x82\xA2\x82\xDC\x82\xB7: ";

// One line per file: its path, size and time of modification, or "-" when
// it is missing. A dictionary's compiled index holds the lines it was made
// from.
std::string FileLine(std::string_view role, const std::filesystem::path& file) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  const auto modified = std::filesystem::last_write_time(file, error);
  std::string line = std::string(role) + '\t' + file.string() + '\t';
  if (error) return line + "-\n";
  return line + std::to_string(size) + '\t' + std::to_string(modified.time_since_epoch().count()) +
         '\n';
}

std::string SourcesOf(const ZipDictionaryFiles& files) {
  return FileLine("areas", files.areas) + FileLine("offices", files.offices);
}

// The compiled index of `files` in `cacheFolder`, named after the areas
// dictionary's path (FNV-1a).
std::filesystem::path CachedIndexFile(const std::filesystem::path& cacheFolder,
                                      const ZipDictionaryFiles& files) {
  std::error_code error;
  const std::filesystem::path areas = std::filesystem::absolute(files.areas, error);
  std::uint64_t hash = 14695981039346656037u;
  for (const char c : (error ? files.areas : areas).string()) {
    hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
  }
  char name[40];
  std::snprintf(name, sizeof name, "zipcode-%016llx.idx", static_cast<unsigned long long>(hash));
  return cacheFolder / "ruvo" / name;
}

std::string OfficesTextIfThere(const std::filesystem::path& file) {
  try {
    if (std::filesystem::exists(file)) return ReadZipDictionaryFile(file);
  } catch (const std::exception&) {
    // Left out: the areas cover almost every slip.
  }
  return {};
}

LoadedPostalDirectory CompileDictionary(const ZipDictionaryFiles& files) {
  try {
    const std::string areas = ReadZipDictionaryFile(files.areas);
    PostalDirectory directory =
        DirectoryOfZipDictionaries(areas, OfficesTextIfThere(files.offices));
    if (directory.Empty()) return {{}, settings::PathText(files.areas) + std::string(kNoCodes), {}};
    return {std::move(directory), {}, {}};
  } catch (const settings::FileReadError& e) {
    return {{}, settings::PathText(files.areas) + ": " + e.reason(), {}};
  } catch (const std::exception& e) {
    return {{}, settings::PathText(files.areas) + ": " + e.what(), {}};
  }
}

bool WorthCaching(const PostalSource& source) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(source.dictionary.areas, error);
  return !source.cacheFolder.empty() && !error && size >= source.cacheFrom;
}

// The dictionary from its compiled index while that is up to date;
// compiled and its index written otherwise.
LoadedPostalDirectory LoadDictionary(const PostalSource& source) {
  if (!WorthCaching(source)) return CompileDictionary(source.dictionary);
  const std::filesystem::path cached = CachedIndexFile(source.cacheFolder, source.dictionary);
  const std::string sources = SourcesOf(source.dictionary);
  if (PostalIndexCodec::SourcesOf(cached) == sources) {
    try {
      return {PostalIndexCodec::Read(cached).directory, {}, {}};
    } catch (const std::exception&) {
      // Damaged: compiled again below.
    }
  }
  LoadedPostalDirectory compiled = CompileDictionary(source.dictionary);
  if (compiled.problem.empty()) {
    try {
      std::filesystem::create_directories(cached.parent_path());
      settings::PlatformFileReplacer().Replace(
          cached, PostalIndexCodec::Encode(compiled.directory, sources));
    } catch (const std::exception&) {
      // A cache that cannot be written costs time, nothing else.
    }
  }
  return compiled;
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

std::filesystem::path UserCacheFolder(const char* xdgCacheHome, const char* home) {
  if (xdgCacheHome != nullptr && std::filesystem::path(xdgCacheHome).is_absolute()) {
    return xdgCacheHome;
  }
  if (home != nullptr && std::filesystem::path(home).is_absolute()) {
    return std::filesystem::path(home) / ".cache";
  }
  return {};
}

PostalSource ResolvePostalSource(const std::filesystem::path& folder, const std::string& dictionary,
                                 const std::filesystem::path& cacheFolder) {
  if (!dictionary.empty()) return {{}, ZipDictionaryFilesFor(dictionary), cacheFolder};
  return {folder / kImportedIndexName, ResolveZipDictionary(folder, nullptr), cacheFolder};
}

LoadedPostalDirectory LoadPostalDirectory(const PostalSource& source) {
  std::string notice;
  std::error_code missing;
  if (!source.importedIndex.empty() && std::filesystem::exists(source.importedIndex, missing)) {
    try {
      return {PostalIndexCodec::Read(source.importedIndex).directory, {}, {}};
    } catch (const std::exception& e) {
      notice = std::string(kImportedIndexUnusable) + e.what();
    }
  }
  LoadedPostalDirectory loaded = LoadDictionary(source);
  loaded.notice = std::move(notice);
  return loaded;
}

LoadedPostalDirectory LoadPostalDirectory(const ZipDictionaryFiles& files) {
  return CompileDictionary(files);
}

PostalDirectoryLoader::PostalDirectoryLoader(PostalSource source) : source_(std::move(source)) {}

PostalDirectoryLoader::PostalDirectoryLoader(ZipDictionaryFiles files)
    : source_{{}, std::move(files), {}} {}

std::shared_future<LoadedPostalDirectory> PostalDirectoryLoader::Started() {
  std::lock_guard lock(mutex_);
  if (!load_.valid()) {
    load_ = std::async(std::launch::async, [this] { return LoadPostalDirectory(source_); }).share();
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

void PostalDirectoryLoader::Replace(LoadedPostalDirectory loaded) {
  std::shared_future<LoadedPostalDirectory> running;
  {
    std::lock_guard lock(mutex_);
    running = load_;
  }
  if (running.valid()) running.wait();
  std::promise<LoadedPostalDirectory> replaced;
  replaced.set_value(std::move(loaded));
  std::lock_guard lock(mutex_);
  load_ = replaced.get_future().share();
}

}  // namespace ruvo::postal
