#pragma once
// Where the postal-code directory comes from, and loading it without
// holding up the window.
//
// In this order: a dictionary named for the process (ruvo-slip's --dict, the
// environment variable RUVO_ZIP_DICT) alone; else Japan Post's files imported
// into the working folder's "ruvo_postal.db" (postal_import.h), with the
// dictionary for the kind of entries (areas, offices) and the prefectures no
// import holds; else the dictionary named by the key "ZipDict" of section
// "rv_RezovodPrn" in the settings file "ruvo_Rezovod.ini" of the working
// folder (read only; the program never writes it), else Debian's
// /usr/share/skk/SKK-JISYO.zipcode. The large-office dictionary is read from
// the same folder when it is there.
//
// What is read is compiled once into an index in the user's cache folder
// (XDG_CACHE_HOME, else ~/.cache), which loads in about a millisecond, and
// compiled again when its source changes: a dictionary into
// "ruvo/zipcode-<hash of its path>.idx", again when its files change (size
// or time of modification); the imported data into "ruvo/postal-<hash of the
// database's path>.idx", again when an import or the dictionary changes.
//
// A folder that still has "ruvo_zipcode.idx", the whole directory as the
// program before wrote it at an import, has it moved into the database once
// at its first load; its entries then stand in for the dictionary wherever
// no new import holds the kind and prefecture. The file itself is left
// alone, never read again. Where the database cannot be written it is read
// as before, and the user is told.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "postal/postal_directory.h"

namespace ruvo::postal {

inline constexpr char kZipDictionaryVariable[] = "RUVO_ZIP_DICT";
inline constexpr std::string_view kZipDictionaryKey = "ZipDict";
inline constexpr std::string_view kDebianZipDictionary = "/usr/share/skk/SKK-JISYO.zipcode";
inline constexpr std::string_view kOfficeDictionaryName = "SKK-JISYO.office.zipcode";
// The directory imported by the program before ruvo_postal.db.
inline constexpr std::string_view kOldImportedIndexName = "ruvo_zipcode.idx";

// Dictionaries smaller than this compile in about the time their index
// takes to read, so they are compiled every time and leave nothing in the
// cache folder. Debian's are 4 MiB.
inline constexpr std::uintmax_t kCacheWorthyBytes = std::uintmax_t{256} << 10;

struct ZipDictionaryFiles {
  std::filesystem::path areas;
  std::filesystem::path offices;  // beside `areas`; read when it exists
  bool operator==(const ZipDictionaryFiles&) const = default;
};

// The areas dictionary `areas` and the office dictionary beside it.
ZipDictionaryFiles ZipDictionaryFilesFor(const std::filesystem::path& areas);

// The dictionary for the working folder `directory`: `environment` (the
// variable's value; null or empty when unset), else the setting (CP932, a
// relative path taken from `directory`), else Debian's.
ZipDictionaryFiles ResolveZipDictionary(
    const std::filesystem::path& directory,
    const char* environment = std::getenv(kZipDictionaryVariable));

// The user's cache folder: `xdgCacheHome` when it is an absolute path, else
// `home`/.cache; empty when neither tells (no cache then).
std::filesystem::path UserCacheFolder(const char* xdgCacheHome, const char* home);

struct PostalSource {
  std::filesystem::path database;                // the imported data; empty for none
  ZipDictionaryFiles dictionary;                 // for what is not imported
  std::filesystem::path cacheFolder;             // empty: everything is compiled every time
  std::uintmax_t cacheFrom = kCacheWorthyBytes;  // a dictionary's size worth its index
  std::filesystem::path oldIndex = {};           // moved into `database` once; empty: none
  bool operator==(const PostalSource&) const = default;
};

// The source for working folder `folder`: `dictionary` (--dict, or the
// variable's value; empty when neither) alone, else the folder's imported
// data before its dictionary (ResolveZipDictionary).
PostalSource ResolvePostalSource(const std::filesystem::path& folder, const std::string& dictionary,
                                 const std::filesystem::path& cacheFolder);

struct LoadedPostalDirectory {
  PostalDirectory directory;  // empty when no source could be read
  std::string problem;        // why not, CP932: "<file>: <reason>"; empty when read
  // CP932, for the user though the directory was read: the imported data
  // could not be read (or was damaged and set aside) and the dictionary
  // stands in for it, or it is still the old index's.
  std::string notice;
};

// Moves the old index `source.oldIndex` into `source.database` unless one
// was moved in before. Returns the old index's directory when it could not
// be moved in (the database cannot be written), for the caller to read;
// nullopt otherwise. `notice` (CP932) says why the old index was read as it
// is, could not be read at all, or the database was set aside.
std::optional<PostalDirectory> MoveOldIndexIntoDatabase(const PostalSource& source,
                                                        std::string& notice);

// Reads the imported data when there is any, else the dictionary, each from
// its compiled index when that is up to date, compiling it otherwise. Never
// throws: a missing, unreadable or codeless areas dictionary gives an empty
// directory and the problem; a missing or unreadable offices dictionary is
// left out quietly, since the areas cover almost every slip; a cache that
// cannot be written is not used.
LoadedPostalDirectory LoadPostalDirectory(const PostalSource& source);
// The dictionary alone, compiled in memory.
LoadedPostalDirectory LoadPostalDirectory(const ZipDictionaryFiles& files);

// Loads the directory once, on a worker thread, and hands it to any thread.
// The window starts it after it is shown and asks for the directory when it
// first needs it.
class PostalDirectoryLoader {
 public:
  explicit PostalDirectoryLoader(PostalSource source);
  // The dictionary alone, compiled in memory.
  explicit PostalDirectoryLoader(ZipDictionaryFiles files);
  // Waits for a load still running.
  ~PostalDirectoryLoader() = default;
  PostalDirectoryLoader(const PostalDirectoryLoader&) = delete;
  PostalDirectoryLoader& operator=(const PostalDirectoryLoader&) = delete;

  const PostalSource& Source() const { return source_; }
  // Starts the load on a worker thread unless it has started; returns at once.
  void StartInBackground();
  // True once Get() returns without waiting.
  bool Ready() const;
  // The loaded directory, starting the load if needed and waiting for it.
  // The reference stays valid as long as the loader, until Replace.
  const LoadedPostalDirectory& Get();
  // Puts `loaded` in place of the directory (after an import), once a load
  // still running has ended.
  void Replace(LoadedPostalDirectory loaded);

 private:
  std::shared_future<LoadedPostalDirectory> Started();

  const PostalSource source_;
  mutable std::mutex mutex_;
  std::shared_future<LoadedPostalDirectory> load_;
};

}  // namespace ruvo::postal
