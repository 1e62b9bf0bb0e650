#include "library/sqlite_db.h"

#include <sqlite3.h>

#include "host/utf8.h"
#include "library/sqlite_error.h"

namespace vrn::library {

SqliteDb::SqliteDb(const std::string& utf8Name, MissingFile missing) {
  const int flags =
      SQLITE_OPEN_READWRITE | (missing == MissingFile::Create ? SQLITE_OPEN_CREATE : 0);
  const int rc = sqlite3_open_v2(utf8Name.c_str(), &db_, flags, nullptr);
  if (rc != SQLITE_OK) {
    // The handle carries the message and must be closed even on failure.
    const SqliteError error(rc, db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(rc));
    sqlite3_close(db_);
    throw error;
  }
  sqlite3_extended_result_codes(db_, 1);
}

SqliteDb::~SqliteDb() { sqlite3_close_v2(db_); }

void SqliteDb::execute(std::string_view sql) {
  const std::string text(sql);
  checkSqlite(db_, sqlite3_exec(db_, text.c_str(), nullptr, nullptr, nullptr));
}

SqliteStatement SqliteDb::prepare(std::string_view sql) { return SqliteStatement(db_, sql); }

SqliteTable SqliteDb::readTable(std::string_view sql) {
  SqliteStatement statement(db_, sql);
  return SqliteTable(statement);
}

bool SqliteDb::tableExists(std::string_view name) {
  SqliteStatement query(
      db_, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND lower(name) = lower(?)");
  query.bind(1, utf8ToUtf16(name));
  return query.step() && query.columnInt(0) > 0;
}

bool SqliteDb::inTransaction() const { return sqlite3_get_autocommit(db_) == 0; }

SqliteTransaction::SqliteTransaction(SqliteDb& db) : db_(db) { db_.execute("BEGIN TRANSACTION"); }

SqliteTransaction::~SqliteTransaction() {
  if (open_) sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void SqliteTransaction::commit() {
  db_.execute("COMMIT");
  open_ = false;
}

}  // namespace vrn::library
