#pragma once
// The journal works through the program's shared SQLite wrapper
// (store/sqlite_db.h), under the journal's own names.

#include "store/sqlite_db.h"

namespace ruvo::journal {

using store::Database;
using store::SqliteError;
using store::Statement;
using store::WriteTransaction;

}  // namespace ruvo::journal
