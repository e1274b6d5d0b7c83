#pragma once
// Where the postal-code dictionaries are, and loading them without holding
// up the window.
//
// The dictionary is named by, in this order: the environment variable
// RUVO_ZIP_DICT; the key "ZipDict" of section "rv_RezovodPrn" in the settings
// file "ruvo_Rezovod.ini" of the working folder (read only; the program never
// writes it); Debian's /usr/share/skk/SKK-JISYO.zipcode. The large-office
// dictionary is read from the same folder when it is there.

#include <cstdlib>
#include <filesystem>
#include <future>
#include <mutex>
#include <string>
#include <string_view>

#include "postal/postal_directory.h"

namespace ruvo::postal {

inline constexpr char kZipDictionaryVariable[] = "RUVO_ZIP_DICT";
inline constexpr std::string_view kZipDictionaryKey = "ZipDict";
inline constexpr std::string_view kDebianZipDictionary = "/usr/share/skk/SKK-JISYO.zipcode";
inline constexpr std::string_view kOfficeDictionaryName = "SKK-JISYO.office.zipcode";

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

struct LoadedPostalDirectory {
  PostalDirectory directory;  // empty when the dictionary could not be read
  std::string problem;        // why not, CP932: "<file>: <reason>"; empty when read
};

// Reads the areas dictionary, then the offices one. Never throws: a missing,
// unreadable or codeless areas dictionary gives an empty directory and the
// problem; a missing or unreadable offices dictionary is left out quietly,
// since the areas cover almost every slip.
LoadedPostalDirectory LoadPostalDirectory(const ZipDictionaryFiles& files);

// Loads the directory once, on a worker thread, and hands it to any thread.
// The window starts it after it is shown and asks for the directory when it
// first needs it; loading Debian's dictionaries takes a fraction of a second.
class PostalDirectoryLoader {
 public:
  explicit PostalDirectoryLoader(ZipDictionaryFiles files);
  // Waits for a load still running.
  ~PostalDirectoryLoader() = default;
  PostalDirectoryLoader(const PostalDirectoryLoader&) = delete;
  PostalDirectoryLoader& operator=(const PostalDirectoryLoader&) = delete;

  // Starts the load on a worker thread unless it has started; returns at once.
  void StartInBackground();
  // True once Get() returns without waiting.
  bool Ready() const;
  // The loaded directory, starting the load if needed and waiting for it.
  // The reference stays valid as long as the loader.
  const LoadedPostalDirectory& Get();

 private:
  std::shared_future<LoadedPostalDirectory> Started();

  const ZipDictionaryFiles files_;
  mutable std::mutex mutex_;
  std::shared_future<LoadedPostalDirectory> load_;
};

}  // namespace ruvo::postal
