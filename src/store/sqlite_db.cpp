#include "store/sqlite_db.h"

#include <sqlite3.h>

#include <utility>

namespace ruvo::store {
namespace {

[[noreturn]] void Fail(sqlite3* db, int code) {
  throw SqliteError(code, db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(code));
}

void Check(sqlite3* db, int code) {
  if (code != SQLITE_OK) Fail(db, code);
}

}  // namespace

SqliteError::SqliteError(int code, const std::string& message)
    : std::runtime_error(message), code_(code) {}

Database::Database(const std::filesystem::path& file, Mode mode) {
  const int flags = SQLITE_OPEN_READWRITE | (mode == Mode::kCreate ? SQLITE_OPEN_CREATE : 0);
  const int code = sqlite3_open_v2(file.c_str(), &db_, flags, nullptr);
  if (db_ != nullptr) sqlite3_extended_result_codes(db_, 1);
  if (code != SQLITE_OK) {
    const SqliteError error(sqlite3_extended_errcode(db_), sqlite3_errmsg(db_));
    sqlite3_close(db_);
    db_ = nullptr;
    throw error;
  }
}

Database::~Database() {
  // Every statement is finalised by its owner first, so the close succeeds.
  sqlite3_close(db_);
}

Database::Database(Database&& other) noexcept : db_(std::exchange(other.db_, nullptr)) {}

Database& Database::operator=(Database&& other) noexcept {
  if (this != &other) {
    sqlite3_close(db_);
    db_ = std::exchange(other.db_, nullptr);
  }
  return *this;
}

void Database::Execute(std::string_view sql) {
  // sqlite3_exec needs a terminated text.
  const std::string terminated(sql);
  Check(db_, sqlite3_exec(db_, terminated.c_str(), nullptr, nullptr, nullptr));
}

Statement Database::Prepare(std::string_view sql) {
  sqlite3_stmt* statement = nullptr;
  Check(db_,
        sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &statement, nullptr));
  return {db_, statement};
}

std::string Database::QueryText(std::string_view sql) {
  Statement statement = Prepare(sql);
  return statement.Step() ? statement.Text(0) : std::string();
}

std::int64_t Database::QueryInt(std::string_view sql) {
  Statement statement = Prepare(sql);
  return statement.Step() ? statement.Int(0) : 0;
}

void Database::SetBusyTimeout(std::chrono::milliseconds timeout) {
  Check(db_, sqlite3_busy_timeout(db_, static_cast<int>(timeout.count())));
}

std::int64_t Database::LastInsertId() const {
  return sqlite3_last_insert_rowid(db_);
}

int Database::Changes() const {
  return sqlite3_changes(db_);
}

void Database::BackupTo(const std::filesystem::path& target) {
  Database copy(target, Mode::kCreate);
  sqlite3_backup* backup = sqlite3_backup_init(copy.db_, "main", db_, "main");
  if (backup == nullptr) Fail(copy.db_, sqlite3_extended_errcode(copy.db_));
  // All pages in one step: the copy is one snapshot of the journal, taken
  // under a read lock that writers in WAL mode do not wait for.
  const int stepped = sqlite3_backup_step(backup, -1);
  const int finished = sqlite3_backup_finish(backup);
  if (stepped != SQLITE_DONE) Fail(copy.db_, stepped == SQLITE_OK ? finished : stepped);
  Check(copy.db_, finished);
}

Statement::~Statement() {
  sqlite3_finalize(statement_);
}

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_), statement_(std::exchange(other.statement_, nullptr)) {}

Statement& Statement::BindInt(int index, std::int64_t value) {
  Check(db_, sqlite3_bind_int64(statement_, index, value));
  return *this;
}

Statement& Statement::BindText(int index, std::string_view text) {
  Check(db_, sqlite3_bind_text64(statement_, index, text.data(), text.size(), SQLITE_TRANSIENT,
                                 SQLITE_UTF8));
  return *this;
}

Statement& Statement::BindNull(int index) {
  Check(db_, sqlite3_bind_null(statement_, index));
  return *this;
}

Statement& Statement::BindBlob(int index, std::string_view bytes) {
  Check(db_, sqlite3_bind_blob64(statement_, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT));
  return *this;
}

bool Statement::Step() {
  const int code = sqlite3_step(statement_);
  if (code == SQLITE_ROW) return true;
  if (code == SQLITE_DONE) return false;
  Fail(db_, code);  // extended, as the connection asked for them
}

void Statement::Run() {
  while (Step()) {
  }
}

void Statement::Reset() {
  sqlite3_reset(statement_);
  sqlite3_clear_bindings(statement_);
}

std::int64_t Statement::Int(int column) const {
  return sqlite3_column_int64(statement_, column);
}

std::string Statement::Text(int column) const {
  const auto* text = sqlite3_column_text(statement_, column);
  if (text == nullptr) return {};
  return {reinterpret_cast<const char*>(text),
          static_cast<std::size_t>(sqlite3_column_bytes(statement_, column))};
}

std::string Statement::Blob(int column) const {
  const void* bytes = sqlite3_column_blob(statement_, column);
  if (bytes == nullptr) return {};
  return {static_cast<const char*>(bytes),
          static_cast<std::size_t>(sqlite3_column_bytes(statement_, column))};
}

bool Statement::IsNull(int column) const {
  return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

WriteTransaction::WriteTransaction(Database& db) : db_(db) {
  db_.Execute("BEGIN IMMEDIATE");
}

WriteTransaction::~WriteTransaction() {
  if (!open_) return;
  try {
    db_.Execute("ROLLBACK");
  } catch (const SqliteError&) {
    // SQLite has rolled back by itself after a full disk or an I/O error.
  }
}

void WriteTransaction::Commit() {
  db_.Execute("COMMIT");
  open_ = false;
}

ReadTransaction::ReadTransaction(Database& db) : db_(db) {
  db_.Execute("BEGIN");
}

ReadTransaction::~ReadTransaction() {
  try {
    db_.Execute("COMMIT");
  } catch (const SqliteError&) {
    // Nothing was written; the snapshot ends either way.
  }
}

}  // namespace ruvo::store
