#include "store/database_file.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "support/temp_dir.h"

namespace ruvo::store {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSteps[] = {
    "CREATE TABLE a (x INTEGER)",
    "CREATE TABLE b (y INTEGER); INSERT INTO b SELECT x FROM a",
};

TEST(DatabaseFile, BringsTheLayoutUpStepByStep) {
  test::TempDir dir;
  Database db(dir / "x.db", Database::Mode::kCreate);
  MigrateLayout(db, std::span(kSteps).first(1));
  db.Execute("INSERT INTO a VALUES (7)");
  MigrateLayout(db, kSteps);
  EXPECT_EQ(LayoutVersion(db), 2);
  EXPECT_EQ(db.QueryInt("SELECT y FROM b"), 7);  // the second step ran on the first's data
  MigrateLayout(db, kSteps);                     // nothing left to do
  EXPECT_EQ(db.QueryInt("SELECT count(*) FROM b"), 1);
  EXPECT_THROW(MigrateLayout(db, std::span(kSteps).first(1)), NewerLayoutError);
}

TEST(DatabaseFile, AStepThatFailsKeepsNothingOfTheUpgrade) {
  test::TempDir dir;
  Database db(dir / "x.db", Database::Mode::kCreate);
  const std::string_view broken[] = {kSteps[0], "CREATE TABLE c (z); NOT SQL"};
  EXPECT_THROW(MigrateLayout(db, broken), SqliteError);
  EXPECT_EQ(LayoutVersion(db), 0);
  EXPECT_EQ(db.QueryInt("SELECT count(*) FROM sqlite_schema"), 0);
}

TEST(DatabaseFile, SetsADamagedFileAsideWithItsLogUnderTheNextFreeName) {
  test::TempDir dir;
  const std::chrono::year_month_day day{std::chrono::year{2026}, std::chrono::month{3},
                                        std::chrono::day{5}};
  test::PutFile(dir / "ruvo_postal.db", "first");
  test::PutFile(dir / "ruvo_postal.db-wal", "its log");
  test::PutFile(dir / "ruvo_postal.db-shm", "its index");
  EXPECT_EQ(SetAsideDamagedDatabase(dir / "ruvo_postal.db", day),
            dir / "ruvo_postal-damaged-2026-03-05.db");
  EXPECT_EQ(test::FileBytes(dir / "ruvo_postal-damaged-2026-03-05.db-wal"), "its log");
  EXPECT_FALSE(fs::exists(dir / "ruvo_postal.db-shm"));
  test::PutFile(dir / "ruvo_postal.db", "second");
  EXPECT_EQ(SetAsideDamagedDatabase(dir / "ruvo_postal.db", day),
            dir / "ruvo_postal-damaged-2026-03-05-2.db");
  EXPECT_EQ(test::FileBytes(dir / "ruvo_postal-damaged-2026-03-05.db"), "first");
  EXPECT_FALSE(fs::exists(dir / "ruvo_postal.db"));
  EXPECT_THROW(SetAsideDamagedDatabase(dir / "ruvo_postal.db", day), fs::filesystem_error);
}

TEST(DatabaseFile, TellsADamagedFileFromOtherFailures) {
  test::TempDir dir;
  test::PutFile(dir / "x.db", std::string(4096, 'x'));
  Database db(dir / "x.db", Database::Mode::kExisting);
  try {
    CheckPages(db);
    ADD_FAILURE() << "a file that is no database passed the check";
  } catch (const SqliteError& error) {
    EXPECT_TRUE(IsDamage(error));
  }
  EXPECT_FALSE(IsDamage(SqliteError(SQLITE_BUSY, "database is locked")));
  EXPECT_FALSE(IsDamage(SqliteError(SQLITE_FULL, "database or disk is full")));
}

}  // namespace
}  // namespace ruvo::store
