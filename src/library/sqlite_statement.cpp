#include "library/sqlite_statement.h"

#include <sqlite3.h>

#include "host/utf8.h"
#include "library/sqlite_error.h"

namespace vrn::library {

SqliteStatement::SqliteStatement(sqlite3* db, std::string_view sql) : db_(db) {
  checkSqlite(db_,
              sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr));
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(stmt_); }

SqliteStatement& SqliteStatement::bind(int position, std::int64_t value) {
  checkSqlite(db_, sqlite3_bind_int64(stmt_, position, value));
  return *this;
}

SqliteStatement& SqliteStatement::bind(int position, std::u16string_view value) {
  const std::string utf8 = utf16ToUtf8(value);
  checkSqlite(db_, sqlite3_bind_text64(stmt_, position, utf8.data(), utf8.size(), SQLITE_TRANSIENT,
                                       SQLITE_UTF8));
  return *this;
}

SqliteStatement& SqliteStatement::bind(const char* name, std::int64_t value) {
  return bind(parameterIndex(name), value);
}

SqliteStatement& SqliteStatement::bind(const char* name, std::u16string_view value) {
  return bind(parameterIndex(name), value);
}

SqliteStatement& SqliteStatement::bind(const char* name, std::optional<std::int64_t> value) {
  if (value) return bind(name, *value);
  checkSqlite(db_, sqlite3_bind_null(stmt_, parameterIndex(name)));
  return *this;
}

int SqliteStatement::parameterIndex(const char* name) const {
  const int index = sqlite3_bind_parameter_index(stmt_, name);
  if (index == 0) throw SqliteError(SQLITE_RANGE, std::string("no parameter ") + name);
  return index;
}

bool SqliteStatement::step() {
  if (stmt_ == nullptr) return false;  // the text held no statement
  const int rc = sqlite3_step(stmt_);
  checkSqlite(db_, rc);
  return rc == SQLITE_ROW;
}

void SqliteStatement::execute() {
  while (step()) {
  }
}

void SqliteStatement::reset() { sqlite3_reset(stmt_); }

int SqliteStatement::columnCount() const { return sqlite3_column_count(stmt_); }

std::string_view SqliteStatement::columnName(int column) const {
  const char* name = sqlite3_column_name(stmt_, column);
  return name != nullptr ? std::string_view(name) : std::string_view();
}

std::string_view SqliteStatement::columnUtf8(int column) const {
  const auto* text = sqlite3_column_text(stmt_, column);
  if (text == nullptr) return {};
  const auto size = static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column));
  return std::string_view(reinterpret_cast<const char*>(text), size);
}

std::int64_t SqliteStatement::columnInt64(int column) const {
  return sqlite3_column_int64(stmt_, column);
}

std::optional<std::int64_t> SqliteStatement::columnNullableInt(int column) const {
  if (sqlite3_column_type(stmt_, column) == SQLITE_NULL) return std::nullopt;
  return columnInt64(column);
}

std::optional<double> SqliteStatement::columnReal(int column) const {
  if (sqlite3_column_type(stmt_, column) != SQLITE_FLOAT) return std::nullopt;
  return sqlite3_column_double(stmt_, column);
}

std::u16string SqliteStatement::columnText(int column) const {
  return utf8ToUtf16(columnUtf8(column));
}

std::int32_t SqliteStatement::columnInt(int column) const {
  return sqlite3_column_int(stmt_, column);
}

}  // namespace vrn::library
