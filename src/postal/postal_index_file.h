#pragma once
// The directory compiled into one file that loads in a few milliseconds:
// Debian's dictionaries compiled in the user's cache folder, and the index
// imported from Japan Post's files in the working folder.
//
// Layout, in this machine's byte order:
//   "RUVO-ZIP", format version (u32), entry size (u32),
//   sources: size (u32) and text (what the index was made from),
//   sizes (u64): text, entries, key order, counties,
//   then the directory's text, entries, key order and counties as they lie
//   in memory.
// An index of another version, byte order or entry size is never read: a
// compiled one is made again from its dictionaries, an imported one must be
// imported again.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "postal/postal_directory.h"

namespace ruvo::postal {

// Raise it whenever the layout or the way keys are made changes.
inline constexpr std::uint32_t kPostalIndexVersion = 1;

// The largest index read: far more than Japan Post's files make (about 20
// MiB), so that a file that is no index cannot fill memory.
inline constexpr std::uintmax_t kMaxPostalIndexBytes = std::uintmax_t{256} << 20;

// A file that is no index of this version, or a damaged one.
class PostalIndexError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct PostalIndex {
  PostalDirectory directory;
  std::string sources;
};

class PostalIndexCodec {
 public:
  // The index file's bytes.
  static std::string Encode(const PostalDirectory& directory, std::string_view sources);
  // The index in `file`. Throws settings::FileReadError when the file cannot
  // be read, PostalIndexError ("<file>: ...") when it is no index of this
  // version or is damaged.
  static PostalIndex Read(const std::filesystem::path& file);
  // The sources of the index in `file`, reading its start only; empty when
  // the file cannot be read or is no index of this version.
  static std::string SourcesOf(const std::filesystem::path& file);
};

}  // namespace ruvo::postal
