#pragma once
// A prepared statement with a forward-only cursor over its rows. Parameters
// bind by name (":nid") or by 1-based position ("?"); text travels as UTF-8
// inside and as UTF-16 at the interface. A NULL field reads as the empty
// text and as 0.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace vrn::library {

class SqliteStatement {
 public:
  // Prepares the first statement of sql (UTF-8). A text without any
  // statement (blank, or only comments) gives a statement without rows.
  SqliteStatement(sqlite3* db, std::string_view sql);
  ~SqliteStatement();
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;

  SqliteStatement& bind(int position, std::int64_t value);
  SqliteStatement& bind(int position, std::u16string_view value);
  SqliteStatement& bind(const char* name, std::int64_t value);
  SqliteStatement& bind(const char* name, std::u16string_view value);
  // Binds NULL when value is empty.
  SqliteStatement& bind(const char* name, std::optional<std::int64_t> value);

  // Advances to the next row; false when there is none. Statements without
  // rows run to completion on the first call.
  bool step();
  // Runs a statement that gives no rows (or whose rows are not wanted).
  void execute();
  // Makes the statement ready to run again; bindings stay.
  void reset();

  int columnCount() const;
  std::string_view columnName(int column) const;
  std::u16string columnText(int column) const;
  std::int32_t columnInt(int column) const;
  // The raw forms, valid until the next step: SQLite's UTF-8 rendering of the
  // value (integers in decimal, BLOB bytes as they are) and its 64-bit value.
  std::string_view columnUtf8(int column) const;
  std::int64_t columnInt64(int column) const;
  // The integer, or nothing for NULL, so that a NULL can be written back.
  std::optional<std::int64_t> columnNullableInt(int column) const;
  // The floating-point value, or nothing when the field holds another kind.
  std::optional<double> columnReal(int column) const;

 private:
  int parameterIndex(const char* name) const;

  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace vrn::library
