#pragma once
// One connection to an SQLite database file, the thin layer through which the
// library reaches SQLite. Every failure raises SqliteError with SQLite's
// message. Statements are UTF-8.

#include <string>
#include <string_view>

#include "library/sqlite_statement.h"
#include "library/sqlite_table.h"

struct sqlite3;

namespace vrn::library {

enum class MissingFile { Create, Fail };

class SqliteDb {
 public:
  // Opens the file named by utf8Name, creating it if missing unless told not to.
  explicit SqliteDb(const std::string& utf8Name, MissingFile missing = MissingFile::Create);
  ~SqliteDb();
  SqliteDb(const SqliteDb&) = delete;
  SqliteDb& operator=(const SqliteDb&) = delete;

  // Executes sql, which may hold several statements; any rows are dropped.
  void execute(std::string_view sql);
  SqliteStatement prepare(std::string_view sql);
  // Runs a query and holds its whole result in memory.
  SqliteTable readTable(std::string_view sql);
  // Whether a table of that name exists, ignoring case.
  bool tableExists(std::string_view name);
  // Whether a transaction is open (BEGIN without its COMMIT or ROLLBACK yet).
  bool inTransaction() const;

  sqlite3* handle() const { return db_; }

 private:
  sqlite3* db_ = nullptr;
};

// BEGIN TRANSACTION at construction; commit() makes it lasting, and leaving
// the scope without commit() rolls it back, so a failure midway leaves the
// tables as they were and the connection usable.
class SqliteTransaction {
 public:
  explicit SqliteTransaction(SqliteDb& db);
  ~SqliteTransaction();
  SqliteTransaction(const SqliteTransaction&) = delete;
  SqliteTransaction& operator=(const SqliteTransaction&) = delete;

  void commit();

 private:
  SqliteDb& db_;
  bool open_ = true;
};

}  // namespace vrn::library
