#pragma once
// The two database routines behind the automation sub-commands "db_sqlexec"
// and "db_gettable": host-side code reads and writes any table of any
// database file through them. Each call opens and closes its own connection.
// Failures raise SqliteError carrying SQLite's message.

#include <string>
#include <string_view>

namespace vrn::library {

// Executes the statements of sql on the database file at path (created if
// missing), all in one transaction: when one fails, nothing of the text is
// kept. A text that begins with BEGIN manages its own transactions; one it
// leaves open is rolled back and is an error. Returns true; a failure raises.
bool db_sqlexec(std::u16string_view path, std::u16string_view sql);

// Runs a query on the database file at path, which must exist (a missing one
// is never created), and returns its rows as text:
// each field as SqliteTable reads it (a floating-point value in the user's
// number format: "2", "0.5", "1E20") in double quotes, a double quote inside
// written as \", fields separated by one blank, every line ended by CR LF.
// No rows: empty text.
std::u16string db_gettable(std::u16string_view path, std::u16string_view sql);

}  // namespace vrn::library
