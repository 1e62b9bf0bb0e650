#pragma once
// The whole result of a query held in memory: rows and columns, each field
// readable as text or as an integer. A NULL field reads as the empty text and
// as 0. Text is kept as SQLite gives it (UTF-8) and converted when read; a
// floating-point value reads as text in the user's number format
// (platform/number_text.h), not in SQLite's rendering.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/sqlite_statement.h"

namespace vrn::library {

class SqliteTable {
 public:
  // Steps the statement to its end and keeps every row.
  explicit SqliteTable(SqliteStatement& statement);

  std::size_t rowCount() const { return rowCount_; }
  int columnCount() const { return static_cast<int>(columnNames_.size()); }
  // The column's position, or -1 when no column has that name (ignoring
  // ASCII case, as SQLite compares names).
  int columnIndex(std::string_view name) const;

  std::u16string fieldAsText(std::size_t row, int column) const;
  std::int32_t fieldAsInt(std::size_t row, int column) const;

 private:
  struct Field {
    std::int64_t integer = 0;
    std::string text;            // SQLite's rendering of the value; empty for NULL
    std::optional<double> real;  // the value of a floating-point field
  };
  const Field& field(std::size_t row, int column) const;

  std::vector<std::string> columnNames_;
  std::vector<Field> fields_;  // row after row
  std::size_t rowCount_ = 0;
};

}  // namespace vrn::library
