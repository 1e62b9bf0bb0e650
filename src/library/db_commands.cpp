#include "library/db_commands.h"

#include <sqlite3.h>

#include <cctype>

#include "host/utf8.h"
#include "library/sqlite_db.h"
#include "library/sqlite_error.h"

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

// The first word of the text, after blanks and comments, in capitals.
std::string firstWord(std::string_view sql) {
  std::size_t at = 0;
  while (at < sql.size()) {
    if (std::isspace(static_cast<unsigned char>(sql[at])) != 0) {
      ++at;
    } else if (sql.substr(at, 2) == "--") {
      at = std::min(sql.find('\n', at), sql.size());
    } else if (sql.substr(at, 2) == "/*") {
      const std::size_t end = sql.find("*/", at + 2);
      at = end == std::string_view::npos ? sql.size() : end + 2;
    } else {
      break;
    }
  }
  std::string word;
  for (; at < sql.size() && std::isalpha(static_cast<unsigned char>(sql[at])) != 0; ++at) {
    word += static_cast<char>(std::toupper(static_cast<unsigned char>(sql[at])));
  }
  return word;
}

// Refuses BEGIN, COMMIT and ROLLBACK while the text runs inside the
// transaction of db_sqlexec: they would end it halfway. Savepoints nest.
class TransactionStatementsRefused {
 public:
  explicit TransactionStatementsRefused(SqliteDb& db) : db_(db) {
    sqlite3_set_authorizer(db_.handle(), refuse, &refused_);
  }
  ~TransactionStatementsRefused() { sqlite3_set_authorizer(db_.handle(), nullptr, nullptr); }
  TransactionStatementsRefused(const TransactionStatementsRefused&) = delete;
  TransactionStatementsRefused& operator=(const TransactionStatementsRefused&) = delete;

  bool refused() const { return refused_; }

 private:
  static int refuse(void* refused, int action, const char*, const char*, const char*, const char*) {
    if (action != SQLITE_TRANSACTION) return SQLITE_OK;
    *static_cast<bool*>(refused) = true;
    return SQLITE_DENY;
  }

  SqliteDb& db_;
  bool refused_ = false;
};

constexpr char kTransactionInside[] =
    "BEGIN, COMMIT or ROLLBACK inside a text that does not begin with BEGIN; nothing of it was "
    "kept";
constexpr char kUnfinishedBegin[] = "BEGIN without COMMIT; nothing of that transaction was kept";

void runInOneTransaction(SqliteDb& db, const std::string& text) {
  SqliteTransaction transaction(db);
  {
    const TransactionStatementsRefused refusal(db);
    try {
      db.execute(text);
    } catch (const SqliteError& error) {
      if (refusal.refused()) throw SqliteError(error.sqliteCode(), kTransactionInside);
      throw;
    }
  }
  transaction.commit();
}

// A text that begins its own transaction runs as written, but must end it.
void runOwnTransactions(SqliteDb& db, const std::string& text) {
  try {
    db.execute(text);
  } catch (...) {
    if (db.inTransaction()) db.execute("ROLLBACK");
    throw;
  }
  if (db.inTransaction()) {
    db.execute("ROLLBACK");
    throw SqliteError(SQLITE_ERROR, kUnfinishedBegin);
  }
}

}  // namespace

bool db_sqlexec(std::u16string_view path, std::u16string_view sql) {
  SqliteDb db(utf16ToUtf8(path));
  const std::string text = utf16ToUtf8(sql);
  if (firstWord(text) == "BEGIN") {
    runOwnTransactions(db, text);
  } else {
    runInOneTransaction(db, text);
  }
  return true;
}

std::u16string db_gettable(std::u16string_view path, std::u16string_view sql) {
  SqliteDb db(utf16ToUtf8(path), MissingFile::Fail);
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
