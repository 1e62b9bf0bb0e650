#include "library/sqlite_error.h"

#include <sqlite3.h>

namespace vrn::library {

SqliteError::SqliteError(int sqliteCode, const std::string& message)
    : std::runtime_error(message), sqliteCode_(sqliteCode) {}

void checkSqlite(sqlite3* db, int rc) {
  if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE) return;
  // Without a connection (out of memory at open) only the code has a text.
  throw SqliteError(rc, db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
}

}  // namespace vrn::library
