#include "library/sqlite_table.h"

#include <algorithm>

#include "ascii/letter_case.h"
#include "host/utf8.h"
#include "platform/number_text.h"

namespace vrn::library {

SqliteTable::SqliteTable(SqliteStatement& statement) {
  const int columns = statement.columnCount();
  for (int c = 0; c < columns; ++c) columnNames_.emplace_back(statement.columnName(c));
  while (statement.step()) {
    for (int c = 0; c < columns; ++c) {
      const std::int64_t integer = statement.columnInt64(c);
      fields_.push_back(
          Field{integer, std::string(statement.columnUtf8(c)), statement.columnReal(c)});
    }
    ++rowCount_;
  }
}

int SqliteTable::columnIndex(std::string_view name) const {
  const auto found = std::ranges::find_if(
      columnNames_, [&](const std::string& n) { return equalsIgnoringAsciiCase(n, name); });
  return found == columnNames_.end() ? -1 : static_cast<int>(found - columnNames_.begin());
}

const SqliteTable::Field& SqliteTable::field(std::size_t row, int column) const {
  return fields_.at(row * columnNames_.size() + static_cast<std::size_t>(column));
}

std::u16string SqliteTable::fieldAsText(std::size_t row, int column) const {
  const Field& f = field(row, column);
  return f.real ? platform::userNumberText(*f.real) : utf8ToUtf16(f.text);
}

std::int32_t SqliteTable::fieldAsInt(std::size_t row, int column) const {
  // Wraps like SQLite's own 32-bit read (sqlite3_column_int).
  return static_cast<std::int32_t>(field(row, column).integer);
}

}  // namespace vrn::library
