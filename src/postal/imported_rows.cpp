#include "postal/imported_rows.h"

#include <string_view>

namespace ruvo::postal {
namespace {

constexpr std::string_view KindName(JapanPostFileKind kind) {
  return kind == JapanPostFileKind::Areas ? "areas" : "offices";
}

std::size_t KindIndex(JapanPostFileKind kind) {
  return kind == JapanPostFileKind::Areas ? 0 : 1;
}

JapanPostFileKind KindNamed(std::string_view name) {
  return name == KindName(JapanPostFileKind::Offices) ? JapanPostFileKind::Offices
                                                      : JapanPostFileKind::Areas;
}

std::string_view RowsTable(JapanPostFileKind kind) {
  return kind == JapanPostFileKind::Areas ? "area_rows" : "office_rows";
}

// import_id, row_number, prefecture_number, then the file's columns.
std::string InsertRowSql(JapanPostFileKind kind, std::size_t columns) {
  std::string sql = "INSERT INTO " + std::string(RowsTable(kind)) + " VALUES (?1";
  for (std::size_t column = 2; column <= columns + 3; ++column)
    sql += ", ?" + std::to_string(column);
  return sql + ")";
}

std::size_t Size(std::int64_t count) {
  return static_cast<std::size_t>(count);
}

PostalCode CodeIn(const std::string& digits) {
  return ParsePostalCode(digits).value_or(PostalCode{});
}

std::vector<DirectoryEntry> AreaEntriesOf(store::Database& db, std::int64_t import) {
  store::Statement rows = db.Prepare(
      "SELECT code, prefecture, city, town FROM area_rows WHERE import_id = ?1 "
      "ORDER BY row_number");
  rows.BindInt(1, import);
  std::vector<AreaRow> read;
  while (rows.Step())
    read.push_back({CodeIn(rows.Blob(0)), rows.Blob(1), rows.Blob(2), rows.Blob(3)});
  return AreaEntries(std::move(read));
}

std::vector<DirectoryEntry> OfficeEntriesOf(store::Database& db, std::int64_t import) {
  store::Statement rows = db.Prepare(
      "SELECT code, name, prefecture, city, town, block, change_code FROM office_rows "
      "WHERE import_id = ?1 ORDER BY row_number");
  rows.BindInt(1, import);
  std::vector<OfficeRow> read;
  while (rows.Step()) {
    read.push_back({CodeIn(rows.Blob(0)), rows.Blob(1), rows.Blob(2), rows.Blob(3), rows.Blob(4),
                    rows.Blob(5), rows.Blob(6) == kAbolishedOffice});
  }
  return OfficeEntries(read);
}

}  // namespace

std::vector<ImportedFile> ImportedFiles(store::Database& db) {
  store::Statement imports = db.Prepare(
      "SELECT kind, file_name, file_size, file_modified, file_sha256, imported_at, row_count, "
      "entry_count, prefecture_count FROM imports ORDER BY id");
  std::vector<ImportedFile> files;
  while (imports.Step()) {
    files.push_back({KindNamed(imports.Text(0)), imports.Blob(1),
                     static_cast<std::uintmax_t>(imports.Int(2)), imports.Int(3), imports.Text(4),
                     imports.Int(5), Size(imports.Int(6)), Size(imports.Int(7)),
                     Size(imports.Int(8))});
  }
  return files;
}

std::string ImportStamp(store::Database& db) {
  store::Statement imports =
      db.Prepare("SELECT id, kind, file_sha256, imported_at FROM imports ORDER BY id");
  std::string stamp;
  while (imports.Step()) {
    stamp += std::to_string(imports.Int(0)) + ' ' + imports.Text(1) + ' ' + imports.Text(2) + ' ' +
             std::to_string(imports.Int(3)) + '\n';
  }
  store::Statement old =
      db.Prepare("SELECT moved_at, entry_count FROM old_index WHERE entry_count > 0");
  if (old.Step()) {
    stamp += "old index " + std::to_string(old.Int(0)) + ' ' + std::to_string(old.Int(1)) + '\n';
  }
  return stamp;
}

bool HasOldIndex(store::Database& db) {
  return db.QueryInt("SELECT count(*) FROM old_index") > 0;
}

bool MoveOldIndexIn(store::Database& db, const OldIndexFile& file,
                    const PostalDirectory& directory) {
  store::WriteTransaction transaction(db);
  // Read again under the write lock: another program may have done it.
  if (HasOldIndex(db)) return false;
  store::Statement insert = db.Prepare(
      "INSERT INTO old_index_entries (code, address, office, prefecture_size, county_size, "
      "city_size, town_size, building_size, floor) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)");
  for (std::size_t i = 0; i < directory.EntryCount(); ++i) {
    const DirectoryEntry entry = directory.EntryAt(i);
    const AddressParts& parts = entry.parts;
    insert.BindInt(1, entry.code.value)
        .BindBlob(2, entry.address)
        .BindBlob(3, entry.office)
        .BindInt(4, static_cast<std::int64_t>(parts.prefecture))
        .BindInt(5, static_cast<std::int64_t>(parts.county))
        .BindInt(6, static_cast<std::int64_t>(parts.city))
        .BindInt(7, static_cast<std::int64_t>(parts.town))
        .BindInt(8, static_cast<std::int64_t>(parts.building))
        .BindInt(9, parts.floor)
        .Run();
    insert.Reset();
  }
  db.Prepare(
        "INSERT INTO old_index (id, file_name, file_size, file_modified, moved_at, entry_count) "
        "VALUES (1, ?1, ?2, ?3, ?4, ?5)")
      .BindBlob(1, file.name)
      .BindInt(2, static_cast<std::int64_t>(file.size))
      .BindInt(3, file.modified)
      .BindInt(4, file.movedAt)
      .BindInt(5, static_cast<std::int64_t>(directory.EntryCount()))
      .Run();
  transaction.Commit();
  return true;
}

ImportWriter::ImportWriter(store::Database& db, const ImportedFile& file,
                           const std::bitset<256>& prefectures)
    : db_(db),
      transaction_(db),
      kind_(file.kind),
      columns_(file.kind == JapanPostFileKind::Areas ? kAreaColumns : kOfficeColumns),
      insert_(db.Prepare(InsertRowSql(file.kind, columns_))) {
  store::Statement replaced =
      db.Prepare("DELETE FROM " + std::string(RowsTable(kind_)) + " WHERE prefecture_number = ?1");
  for (std::size_t prefecture = 0; prefecture < prefectures.size(); ++prefecture) {
    if (!prefectures[prefecture]) continue;
    replaced.BindInt(1, static_cast<std::int64_t>(prefecture)).Run();
    replaced.Reset();
  }
  db.Prepare("DELETE FROM imports WHERE kind = ?1 AND NOT EXISTS (SELECT 1 FROM " +
             std::string(RowsTable(kind_)) + " WHERE import_id = imports.id)")
      .BindText(1, KindName(kind_))
      .Run();
  db.Prepare(
        "INSERT INTO imports (kind, file_name, file_size, file_modified, file_sha256, "
        "imported_at, row_count, entry_count, prefecture_count) "
        "VALUES (?1, ?2, ?3, ?4, ?5, ?6, 0, ?7, ?8)")
      .BindText(1, KindName(kind_))
      .BindBlob(2, file.name)
      .BindInt(3, static_cast<std::int64_t>(file.size))
      .BindInt(4, file.modified)
      .BindText(5, file.sha256)
      .BindInt(6, file.importedAt)
      .BindInt(7, static_cast<std::int64_t>(file.entries))
      .BindInt(8, static_cast<std::int64_t>(file.prefectures))
      .Run();
  id_ = db.LastInsertId();
}

void ImportWriter::Add(const JapanPostRowFields& fields) {
  insert_.BindInt(1, id_).BindInt(2, ++rows_).BindInt(3, PrefectureOfRow(fields));
  for (std::size_t column = 0; column < columns_; ++column) {
    insert_.BindBlob(static_cast<int>(column) + 4, column < fields.size() ? fields[column] : "");
  }
  insert_.Run();
  insert_.Reset();
}

void ImportWriter::Commit() {
  db_.Prepare("UPDATE imports SET row_count = ?1 WHERE id = ?2")
      .BindInt(1, rows_)
      .BindInt(2, id_)
      .Run();
  transaction_.Commit();
}

ImportedEntries ReadImportedEntries(store::Database& db) {
  ImportedEntries imported;
  for (const JapanPostFileKind kind : {JapanPostFileKind::Areas, JapanPostFileKind::Offices}) {
    store::Statement prefectures =
        db.Prepare("SELECT DISTINCT prefecture_number FROM " + std::string(RowsTable(kind)));
    while (prefectures.Step()) {
      const std::int64_t number = prefectures.Int(0);
      if (number >= 0 && number < 256) imported.covered[KindIndex(kind)].set(Size(number));
    }
  }
  store::Statement old = db.Prepare(
      "SELECT code, address, office, prefecture_size, county_size, city_size, town_size, "
      "building_size, floor FROM old_index_entries ORDER BY row_number");
  while (old.Step()) {
    const AddressParts parts{Size(old.Int(3)), Size(old.Int(4)),
                             Size(old.Int(5)), Size(old.Int(6)),
                             Size(old.Int(7)), static_cast<std::uint8_t>(old.Int(8))};
    imported.oldIndex.push_back(
        {PostalCode{static_cast<std::uint32_t>(old.Int(0))}, old.Blob(1), old.Blob(2), parts});
  }
  store::Statement imports = db.Prepare("SELECT id, kind FROM imports ORDER BY id");
  while (imports.Step()) {
    const bool areas = KindNamed(imports.Text(1)) == JapanPostFileKind::Areas;
    std::vector<DirectoryEntry> entries =
        areas ? AreaEntriesOf(db, imports.Int(0)) : OfficeEntriesOf(db, imports.Int(0));
    imported.entries.insert(imported.entries.end(), std::make_move_iterator(entries.begin()),
                            std::make_move_iterator(entries.end()));
  }
  return imported;
}

std::vector<std::string> ForgetImports(store::Database& db) {
  store::WriteTransaction transaction(db);
  std::vector<std::string> names;
  store::Statement imports = db.Prepare("SELECT file_name FROM imports ORDER BY id");
  while (imports.Step())
    names.push_back(imports.Blob(0));
  store::Statement old = db.Prepare("SELECT file_name FROM old_index WHERE entry_count > 0");
  if (old.Step()) names.push_back(old.Blob(0));
  db.Execute(
      "DELETE FROM area_rows; DELETE FROM office_rows; DELETE FROM imports; "
      "DELETE FROM old_index_entries; UPDATE old_index SET entry_count = 0;");
  transaction.Commit();
  return names;
}

}  // namespace ruvo::postal
