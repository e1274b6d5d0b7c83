#include "postal/postal_import.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "postal/postal_index_file.h"
#include "postal/postal_loader.h"
#include "settings/file_errors.h"
#include "settings/file_store.h"

namespace ruvo::postal {
namespace {

// "毎月の差分のファイル（ADD_・DEL_）は取り込めません。全件の KEN_ALL.CSV か
// JIGYOSYO.CSV を使ってください。"
constexpr std::string_view kMonthlyChanges =
    "\x96\x88\x8C\x8E\x82\xCC\x8D\xB7\x95\xAA\x82\xCC\x83\x74\x83\x40\x83\x43\x83\x8B\x81\x69"
    "ADD_\x81\x45"
    "DEL_\x81\x6A\x82\xCD\x8E\xE6\x82\xE8\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1\x81\x42\x91\x53"
    "\x8C\x8F\x82\xCC KEN_ALL.CSV \x82\xA9 JIGYOSYO.CSV \x82\xF0\x8E\x67\x82\xC1\x82\xC4\x82\xAD"
    "\x82\xBE\x82\xB3\x82\xA2\x81\x42";

// The names of Japan Post's monthly files of changes: ADD_2405.CSV,
// DEL_2405.CSV for the areas, JADD2405.CSV, JDEL2405.CSV for the offices.
constexpr std::string_view kMonthlyPrefixes[] = {"ADD_", "DEL_", "JADD", "JDEL"};

bool IsMonthlyChanges(const std::filesystem::path& file) {
  std::string name = file.filename().string();
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return std::any_of(std::begin(kMonthlyPrefixes), std::end(kMonthlyPrefixes),
                     [&](std::string_view prefix) { return name.starts_with(prefix); });
}

bool IsOffice(const DirectoryEntry& entry) {
  return !entry.office.empty();
}

std::uint8_t PrefectureOf(const DirectoryEntry& entry) {
  return entry.parts.prefecture == 0 ? 0 : PrefectureNumberAt(entry.address);
}

}  // namespace

PostalImport ImportJapanPostFile(const std::filesystem::path& file, const PostalDirectory& current,
                                 const std::filesystem::path& folder) {
  const std::string name = settings::PathText(file.filename());
  if (IsMonthlyChanges(file)) throw JapanPostFileError(name + ": " + std::string(kMonthlyChanges));
  const JapanPostFile read =
      ReadJapanPostFile(settings::ReadWholeFile(file, kMaxJapanPostFileBytes), name);
  const bool offices = read.kind == JapanPostFileKind::Offices;

  std::array<bool, 256> held{};  // prefectures the file holds
  PostalDirectoryBuilder builder;
  for (const DirectoryEntry& entry : read.entries) {
    held[PrefectureOf(entry)] = true;
    builder.Add(entry);
  }
  for (std::size_t i = 0; i < current.EntryCount(); ++i) {
    const DirectoryEntry entry = current.EntryAt(i);
    if (IsOffice(entry) != offices || !held[PrefectureOf(entry)]) builder.Add(entry);
  }
  PostalImport imported;
  imported.kind = read.kind;
  imported.entries = read.entries.size();
  imported.prefectures = static_cast<std::size_t>(std::count(held.begin() + 1, held.end(), true));
  imported.index = folder / kImportedIndexName;
  imported.directory = builder.Build();
  const std::string sources = std::string(offices ? "offices" : "areas") + '\t' +
                              file.filename().string() + '\t' + std::to_string(imported.entries) +
                              '\n';
  settings::PlatformFileReplacer().Replace(imported.index,
                                           PostalIndexCodec::Encode(imported.directory, sources));
  return imported;
}

}  // namespace ruvo::postal
