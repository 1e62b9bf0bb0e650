#include "library/db_commands.h"

#include "host/utf8.h"
#include "library/sqlite_db.h"

namespace vrn::library {
namespace {

// A field as one item of a line: in double quotes, with each double quote
// inside written as backslash and quote. Backslashes and line breaks pass
// unchanged, so the host side must read a line break inside quotes as data.
void appendQuoted(std::u16string& line, std::u16string_view field) {
  line += u'"';
  for (char16_t c : field) {
    if (c == u'"') line += u'\\';
    line += c;
  }
  line += u'"';
}

}  // namespace

bool db_sqlexec(std::u16string_view path, std::u16string_view sql) {
  SqliteDb db(utf16ToUtf8(path));
  db.execute(utf16ToUtf8(sql));
  return true;
}

std::u16string db_gettable(std::u16string_view path, std::u16string_view sql) {
  SqliteDb db(utf16ToUtf8(path));
  const SqliteTable rows = db.readTable(utf16ToUtf8(sql));
  std::u16string text;
  for (std::size_t r = 0; r < rows.rowCount(); ++r) {
    for (int c = 0; c < rows.columnCount(); ++c) {
      if (c > 0) text += u' ';
      appendQuoted(text, rows.fieldAsText(r, c));
    }
    text += u"\r\n";
  }
  return text;
}

}  // namespace vrn::library
