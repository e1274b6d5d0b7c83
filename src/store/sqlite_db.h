#pragma once
// A thin owner of SQLite's C objects: a connection, its prepared statements,
// a write transaction and an online backup, each released exactly once.
// Every failure is an SqliteError that keeps SQLite's extended result code,
// so that a caller can tell a full disk from a damaged file or a lock held
// past the busy timeout. Texts bound and read are bytes as they are (the
// journal keeps UTF-8); blobs hold bytes in any other encoding (CP932).
// Shared by every database of the program, so it knows none of them.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace ruvo::store {

class SqliteError : public std::runtime_error {
 public:
  // `message` is SQLite's own (English) text of the failure.
  SqliteError(int code, const std::string& message);
  // The extended result code (SQLITE_IOERR_WRITE, SQLITE_BUSY_SNAPSHOT …).
  int code() const { return code_; }
  // Its primary code (SQLITE_IOERR, SQLITE_BUSY …).
  int primary() const { return code_ & 0xFF; }

 private:
  int code_;
};

class Statement;

class Database {
 public:
  enum class Mode { kExisting, kCreate };
  // Opens `file` for reading and writing; with kCreate a missing file is
  // created, with kExisting it is an SqliteError (SQLITE_CANTOPEN). Extended
  // result codes are on. Nothing is read from the file yet: a file that is
  // no database fails at its first statement.
  Database(const std::filesystem::path& file, Mode mode);
  ~Database();
  Database(Database&& other) noexcept;
  Database& operator=(Database&& other) noexcept;
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Runs statements that return no rows ("CREATE …; CREATE …").
  void Execute(std::string_view sql);
  Statement Prepare(std::string_view sql);
  // The first column of the first row of `sql`, as text ("" for none).
  std::string QueryText(std::string_view sql);
  std::int64_t QueryInt(std::string_view sql);

  // How long a statement waits for another connection's lock before it
  // fails with SQLITE_BUSY.
  void SetBusyTimeout(std::chrono::milliseconds timeout);
  std::int64_t LastInsertId() const;
  // Rows the last INSERT, UPDATE or DELETE changed.
  int Changes() const;
  // Copies the whole database into `target` (created or overwritten) with
  // SQLite's online backup, page by page, while other connections go on
  // reading and writing.
  void BackupTo(const std::filesystem::path& target);

  sqlite3* Handle() const { return db_; }

 private:
  sqlite3* db_ = nullptr;
};

// A prepared statement. Bind numbers count from 1, columns from 0.
class Statement {
 public:
  Statement(sqlite3* db, sqlite3_stmt* statement) : db_(db), statement_(statement) {}
  ~Statement();
  Statement(Statement&& other) noexcept;
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  Statement& operator=(Statement&&) = delete;

  Statement& BindInt(int index, std::int64_t value);
  Statement& BindText(int index, std::string_view text);
  Statement& BindNull(int index);
  Statement& BindBlob(int index, std::string_view bytes);
  // Runs to the next row: true while one stands, false once done.
  bool Step();
  // Step until done, for a statement that returns no rows.
  void Run();
  // Ready to run again with new bindings.
  void Reset();

  std::int64_t Int(int column) const;
  std::string Text(int column) const;
  // A blob column's bytes (a text's bytes too; empty for NULL).
  std::string Blob(int column) const;
  bool IsNull(int column) const;

 private:
  sqlite3* db_;
  sqlite3_stmt* statement_;
};

// BEGIN IMMEDIATE: the write lock is taken at once (waiting as the busy
// timeout allows), so that two writers never deadlock half-way. Rolled back
// unless committed.
class WriteTransaction {
 public:
  explicit WriteTransaction(Database& db);
  ~WriteTransaction();
  WriteTransaction(const WriteTransaction&) = delete;
  WriteTransaction& operator=(const WriteTransaction&) = delete;
  void Commit();

 private:
  Database& db_;
  bool open_ = true;
};

// BEGIN: the reads inside see one state of the database, however other
// connections write meanwhile (in WAL mode they do not wait for it). Ended
// when it goes out of scope.
class ReadTransaction {
 public:
  explicit ReadTransaction(Database& db);
  ~ReadTransaction();
  ReadTransaction(const ReadTransaction&) = delete;
  ReadTransaction& operator=(const ReadTransaction&) = delete;

 private:
  Database& db_;
};

}  // namespace ruvo::store
