#pragma once
// Japan Post's files, downloaded by the user, imported into the working
// folder's own index ("ruvo_zipcode.idx"), which is then read before any
// dictionary (postal_loader.h).
//
// A file replaces the entries of its kind (areas, or large offices) in the
// prefectures it holds: KEN_ALL.CSV all the areas, 13TOKYO.CSV Tokyo's. The
// other kind, and the prefectures the file does not hold, are kept from the
// directory in use: Debian's dictionary at the first import, the earlier
// imports afterwards.

#include <cstddef>
#include <filesystem>

#include "postal/japan_post_files.h"
#include "postal/postal_directory.h"

namespace ruvo::postal {

// The largest file imported, so that a wrong file (a disk image) cannot
// fill memory: KEN_ALL.CSV is about 12 MiB, its UTF-8 edition 18 MiB.
inline constexpr std::size_t kMaxJapanPostFileBytes = std::size_t{128} << 20;

struct PostalImport {
  JapanPostFileKind kind = JapanPostFileKind::Areas;
  std::size_t entries = 0;      // read from the file
  std::size_t prefectures = 0;  // that the file holds
  std::filesystem::path index;  // written
  PostalDirectory directory;    // as the index holds it
};

// Imports `file` over `current` into the index in `folder`. Throws
// JapanPostFileError for a file that is none of Japan Post's files or one
// of its monthly files of changes (ADD_, DEL_: they hold a month's changes
// only), settings::FileReadError when it cannot be read,
// settings::FileWriteError when the index cannot be written (the index
// before stays as it was).
PostalImport ImportJapanPostFile(const std::filesystem::path& file, const PostalDirectory& current,
                                 const std::filesystem::path& folder);

}  // namespace ruvo::postal
