#pragma once
// A failure reported by SQLite. It is a host error with E_FAIL so that the
// automation members map it like any other failure; the message is SQLite's
// own (sqlite3_errmsg), which the caller shows to the user unchanged.

#include <string>

#include "host/host_error.h"

struct sqlite3;

namespace vrn::library {

class SqliteError : public host::HostError {
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
