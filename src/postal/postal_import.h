#pragma once
// Japan Post's files, downloaded by the user, imported into the working
// folder's "ruvo_postal.db" (postal_database.h), which is then read before
// the folder's dictionary (postal_loader.h).
//
// A file takes the place of what was imported of its kind (areas, or large
// offices) in the prefectures it holds: KEN_ALL.CSV of all the areas,
// 13TOKYO.CSV of Tokyo's. The other kind, and the prefectures no file has
// held, come from the dictionary. A failed import leaves the data before it
// whole.

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "postal/japan_post_files.h"
#include "postal/postal_directory.h"
#include "postal/postal_loader.h"

namespace ruvo::postal {

// The largest file imported, so that a wrong file (a disk image) cannot
// fill memory: KEN_ALL.CSV is about 12 MiB, its UTF-8 edition 18 MiB.
inline constexpr std::size_t kMaxJapanPostFileBytes = std::size_t{128} << 20;

struct PostalImport {
  JapanPostFileKind kind = JapanPostFileKind::Areas;
  std::size_t entries = 0;      // read from the file
  std::size_t prefectures = 0;  // that the file holds
  std::filesystem::path index;  // the database written: "<folder>/ruvo_postal.db"
  PostalDirectory directory;    // the folder's, as it is read from now on
  // CP932, for the user: the database was damaged and has been set aside,
  // so that what was imported before is gone; empty otherwise.
  std::string notice;
};

// Imports `file` into the database in `folder`; the directory comes out as
// LoadPostalDirectory reads it, with `source`'s dictionary and cache folder
// (its compiled index is written at once). The folder's "ruvo_zipcode.idx"
// of the program before is removed. Throws JapanPostFileError for a file
// that is none of Japan Post's files or one of its monthly files of changes
// (ADD_, DEL_: they hold a month's changes only), settings::FileReadError
// when it cannot be read, PostalDatabaseError when the database cannot be
// written (the data before stays as it was).
PostalImport ImportJapanPostFile(const std::filesystem::path& file,
                                 const std::filesystem::path& folder, const PostalSource& source);

struct ForgottenImports {
  std::vector<std::string> files;  // the names of the files forgotten, oldest first
  std::filesystem::path database;
};

// Drops everything imported into `folder` (its "ruvo_zipcode.idx" of the
// program before too), so that the dictionary is read again; the database
// stays, empty. PostalDatabaseError when it cannot be written.
ForgottenImports ForgetJapanPostImports(const std::filesystem::path& folder);

}  // namespace ruvo::postal
