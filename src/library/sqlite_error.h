#pragma once
// A failure reported by SQLite, with SQLite's own message (sqlite3_errmsg),
// which the caller shows to the user unchanged. It is deliberately no
// host::HostError: it carries no HRESULT of its own, so an automation member
// reports it as E_UNEXPECTED, and code that steps over a host error on one
// entity never swallows it.

#include <stdexcept>
#include <string>

struct sqlite3;

namespace vrn::library {

class SqliteError : public std::runtime_error {
 public:
  SqliteError(int sqliteCode, const std::string& message);
  int sqliteCode() const noexcept { return sqliteCode_; }

 private:
  int sqliteCode_;
};

// Raises SqliteError with the connection's last message unless rc is one of
// SQLite's success codes (SQLITE_OK, SQLITE_ROW, SQLITE_DONE).
void checkSqlite(sqlite3* db, int rc);

}  // namespace vrn::library
