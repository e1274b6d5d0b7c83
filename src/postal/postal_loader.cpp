#include "postal/postal_loader.h"

#include <chrono>
#include <cstdio>
#include <exception>
#include <optional>
#include <system_error>

#include "postal/imported_rows.h"
#include "postal/postal_database.h"
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
// "以前の版で取り込んだ郵便番号データ（ruvo_zipcode.idx）を新しい形式に移せないため、そのまま使います:
// "
constexpr std::string_view kOldIndexNotMoved =
    "\x88\xC8\x91O\x82\xCC\x94\xC5\x82\xC5\x8E\xE6\x82\xE8\x8D\x9E\x82\xF1\x82\xBE\x97X"
    "\x95\xD6\x94\xD4\x8D\x86\x83"
    "f\x81\x5B\x83\x5E\x81iruvo_zipcode.idx\x81j\x82\xF0\x90V"
    "\x82\xB5\x82\xA2\x8C\x60\x8E\xAE\x82\xC9\x88\xDA\x82\xB9\x82\xC8\x82\xA2\x82\xBD"
    "\x82\xDF\x81"
    "A\x82\xBB\x82\xCC\x82\xDC\x82\xDC\x8Eg\x82\xA2\x82\xDC\x82\xB7: ";

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

// The compiled index of `source` (a dictionary's areas file, a database) in
// `cacheFolder`, named `kind` and the hash of its path (FNV-1a).
std::filesystem::path CachedIndexFile(const std::filesystem::path& cacheFolder,
                                      std::string_view kind, const std::filesystem::path& source) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(source, error);
  std::uint64_t hash = 14695981039346656037u;
  for (const char c : (error ? source : absolute).string()) {
    hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
  }
  char name[48];
  std::snprintf(name, sizeof name, "%.*s-%016llx.idx", static_cast<int>(kind.size()), kind.data(),
                static_cast<unsigned long long>(hash));
  return cacheFolder / "ruvo" / name;
}

// The directory of the compiled index `cached` when it was made from
// `sources` and is sound.
std::optional<PostalDirectory> ReadCachedIndex(const std::filesystem::path& cached,
                                               const std::string& sources) {
  if (PostalIndexCodec::SourcesOf(cached) != sources) return std::nullopt;
  try {
    return PostalIndexCodec::Read(cached).directory;
  } catch (const std::exception&) {
    return std::nullopt;  // damaged: compiled again
  }
}

void WriteCachedIndex(const std::filesystem::path& cached, const PostalDirectory& directory,
                      const std::string& sources) {
  try {
    std::filesystem::create_directories(cached.parent_path());
    settings::PlatformFileReplacer().Replace(cached, PostalIndexCodec::Encode(directory, sources));
  } catch (const std::exception&) {
    // A cache that cannot be written costs time, nothing else.
  }
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
  const std::filesystem::path cached =
      CachedIndexFile(source.cacheFolder, "zipcode", source.dictionary.areas);
  const std::string sources = SourcesOf(source.dictionary);
  if (std::optional<PostalDirectory> read = ReadCachedIndex(cached, sources)) {
    return {std::move(*read), {}, {}};
  }
  LoadedPostalDirectory compiled = CompileDictionary(source.dictionary);
  if (compiled.problem.empty()) WriteCachedIndex(cached, compiled.directory, sources);
  return compiled;
}

std::uint8_t PrefectureOfEntry(const DirectoryEntry& entry) {
  return entry.parts.prefecture == 0 ? 0 : PrefectureNumberAt(entry.address);
}

// The imported entries, and the dictionary's of the kinds and prefectures
// no import holds.
PostalDirectory ImportedDirectory(const ImportedEntries& imported, const PostalSource& source) {
  PostalDirectoryBuilder builder;
  for (const DirectoryEntry& entry : imported.entries)
    builder.Add(entry);
  const auto uncovered = [&](const DirectoryEntry& entry) {
    return !imported.covered[entry.office.empty() ? 0 : 1][PrefectureOfEntry(entry)];
  };
  if (!imported.oldIndex.empty()) {
    // What the user had before stands in for the dictionary.
    for (const DirectoryEntry& entry : imported.oldIndex) {
      if (uncovered(entry)) builder.Add(entry);
    }
    return builder.Build();
  }
  const LoadedPostalDirectory dictionary = LoadDictionary(source);
  const PostalDirectory& filler = dictionary.directory;
  for (std::size_t i = 0; i < filler.EntryCount(); ++i) {
    const DirectoryEntry entry = filler.EntryAt(i);
    if (uncovered(entry)) builder.Add(entry);
  }
  return builder.Build();
}

// The imported data from its compiled index while that is up to date,
// compiled and its index written otherwise; nullopt when the database holds
// none (or cannot be used: `notice` says why).
std::optional<PostalDirectory> LoadImported(const PostalSource& source, std::string& notice) {
  PostalDatabase database(source.database);
  std::optional<PostalDirectory> loaded;
  try {
    loaded = database.Guarded([&]() -> std::optional<PostalDirectory> {
      store::Database* db = database.ForReading();
      if (db == nullptr) return std::nullopt;
      ImportedEntries imported;
      std::string sources;
      std::filesystem::path cached;
      {
        // The stamp and the rows of one state of the database.
        const store::ReadTransaction snapshot(*db);
        const std::string stamp = ImportStamp(*db);
        if (stamp.empty()) return std::nullopt;
        sources =
            "database\t" + source.database.string() + '\n' + stamp + SourcesOf(source.dictionary);
        if (!source.cacheFolder.empty()) {
          cached = CachedIndexFile(source.cacheFolder, "postal", source.database);
          if (std::optional<PostalDirectory> read = ReadCachedIndex(cached, sources)) return read;
        }
        database.CheckWhole();
        imported = ReadImportedEntries(*db);
      }
      PostalDirectory directory = ImportedDirectory(imported, source);
      if (!cached.empty()) WriteCachedIndex(cached, directory, sources);
      return directory;
    });
  } catch (const PostalDatabaseError& error) {
    notice = std::string(kImportedIndexUnusable) + error.what();
  }
  if (const std::optional<std::filesystem::path> aside = database.TakeSetAside()) {
    notice = SetAsideNotice(*aside);
  }
  return loaded;
}

std::int64_t SecondsSinceEpoch(std::filesystem::file_time_type when) {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::file_clock::to_sys(when).time_since_epoch())
      .count();
}

OldIndexFile DescribedOldIndex(const std::filesystem::path& file) {
  OldIndexFile described;
  described.name = file.filename().string();
  std::error_code error;
  described.size = std::filesystem::file_size(file, error);
  if (error) described.size = 0;
  const auto modified = std::filesystem::last_write_time(file, error);
  if (!error) described.modified = SecondsSinceEpoch(modified);
  described.movedAt = std::chrono::duration_cast<std::chrono::seconds>(
                          std::chrono::system_clock::now().time_since_epoch())
                          .count();
  return described;
}

}  // namespace

std::optional<PostalDirectory> MoveOldIndexIntoDatabase(const PostalSource& source,
                                                        std::string& notice) {
  std::error_code missing;
  if (source.oldIndex.empty() || source.database.empty() ||
      !std::filesystem::exists(source.oldIndex, missing)) {
    return std::nullopt;
  }
  const auto readOld = [&]() -> std::optional<PostalDirectory> {
    try {
      return PostalIndexCodec::Read(source.oldIndex).directory;
    } catch (const std::exception& e) {
      // Left as it is, for whoever looks into it.
      notice = std::string(kImportedIndexUnusable) + e.what();
      return std::nullopt;
    }
  };
  PostalDatabase database(source.database);
  bool read = false;
  std::optional<PostalDirectory> old;
  try {
    database.Guarded([&] {
      if (store::Database* db = database.ForReading(); db != nullptr && HasOldIndex(*db)) return;
      read = true;
      old = readOld();
      if (old) MoveOldIndexIn(database.ForWriting(), DescribedOldIndex(source.oldIndex), *old);
    });
  } catch (const PostalDatabaseError& error) {
    // A folder whose database cannot be written goes on with what it had.
    if (!read) old = readOld();
    if (old) notice = std::string(kOldIndexNotMoved) + error.what();
    return old;
  }
  if (const std::optional<std::filesystem::path> aside = database.TakeSetAside()) {
    notice = SetAsideNotice(*aside);
  }
  return std::nullopt;
}

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
  return {folder / kPostalDatabaseName, ResolveZipDictionary(folder, nullptr), cacheFolder,
          kCacheWorthyBytes, folder / kOldImportedIndexName};
}

LoadedPostalDirectory LoadPostalDirectory(const PostalSource& source) {
  std::string notice;
  if (!source.database.empty()) {
    if (std::optional<PostalDirectory> old = MoveOldIndexIntoDatabase(source, notice)) {
      return {std::move(*old), {}, std::move(notice)};
    }
    std::string unread;
    if (std::optional<PostalDirectory> imported = LoadImported(source, unread)) {
      return {std::move(*imported), {}, notice.empty() ? std::move(unread) : std::move(notice)};
    }
    if (notice.empty()) notice = std::move(unread);
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
