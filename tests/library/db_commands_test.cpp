#include "library/db_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "host/utf8.h"
#include "library/sqlite_error.h"
#include "support/temp_dir.h"

namespace vrn::library {
namespace {

using test::TempDir;

class DbCommandsTest : public ::testing::Test {
 protected:
  TempDir dir;
  std::u16string path = utf8ToUtf16((dir / "host.db").string());
};

TEST_F(DbCommandsTest, GetTableQuotesEveryFieldAndEndsEveryLineWithCrLf) {
  EXPECT_TRUE(db_sqlexec(path, u"CREATE TABLE t (a, b, c)"));
  EXPECT_TRUE(db_sqlexec(
      path,
      u"INSERT INTO t VALUES ('abc', '', 1), ('say \"hi\"', NULL, 2.5), ('two\r\nlines', 'a\\b', "
      u"X'414243'), ('עברית', -7, 'x')"));
  struct Case {
    const char16_t* query;
    std::u16string_view text;
  };
  for (const Case& c : {
           Case{u"SELECT * FROM t WHERE rowid = 1", u"\"abc\" \"\" \"1\"\r\n"},
           Case{u"SELECT * FROM t WHERE rowid = 2", u"\"say \\\"hi\\\"\" \"\" \"2.5\"\r\n"},
           Case{u"SELECT * FROM t WHERE rowid = 3", u"\"two\r\nlines\" \"a\\b\" \"ABC\"\r\n"},
           Case{u"SELECT a FROM t WHERE rowid IN (1, 4) ORDER BY rowid",
                u"\"abc\"\r\n\"עברית\"\r\n"},
           Case{u"SELECT * FROM t WHERE 0", u""},
           Case{u"", u""},
       }) {
    EXPECT_EQ(db_gettable(path, c.query), c.text) << utf16ToUtf8(c.query);
  }
  EXPECT_EQ(db_gettable(path, u"SELECT * FROM t WHERE rowid = 1").size(), 14u);
}

TEST_F(DbCommandsTest, GetTableWritesFloatingPointValuesInTheUsersNumberFormat) {
  EXPECT_TRUE(db_sqlexec(path, u"CREATE TABLE m (r REAL, t TEXT, n NUMERIC)"));
  EXPECT_TRUE(db_sqlexec(path, u"INSERT INTO m VALUES (2, '2.0', 2.0), (0.1 + 0.2, '1e20', 1e20)"));
  struct Case {
    const char16_t* query;
    std::u16string_view text;
  };
  for (const Case& c : {
           Case{u"select 2.0, 0.5, 1e20, -3", u"\"2\" \"0.5\" \"1E20\" \"-3\"\r\n"},
           Case{u"select 0.0001, 0.00001, -1.5e-7, 123456.25",
                u"\"0.0001\" \"1E-5\" \"-1.5E-7\" \"123456.25\"\r\n"},
           // A REAL column holds 2 as 2.0; text keeps its own spelling; NUMERIC
           // stores a whole 2.0 as the integer 2.
           Case{u"SELECT * FROM m WHERE rowid = 1", u"\"2\" \"2.0\" \"2\"\r\n"},
           Case{u"SELECT r, t, n FROM m WHERE rowid = 2",
                u"\"0.30000000000000004\" \"1e20\" \"1E20\"\r\n"},
           Case{u"select 1e999, -1e999", u"\"INF\" \"-INF\"\r\n"},
       }) {
    EXPECT_EQ(db_gettable(path, c.query), c.text) << utf16ToUtf8(c.query);
  }
}

TEST_F(DbCommandsTest, FailuresCarrySqlitesMessage) {
  struct Case {
    bool exec;
    const char16_t* sql;
    const char* message;
  };
  for (const Case& c : {Case{true, u"INSERT INTO missing VALUES (1)", "no such table: missing"},
                        Case{false, u"SELECT * FROM", "incomplete input"},
                        Case{false, u"SELECT * FROM missing", "no such table: missing"}}) {
    try {
      if (c.exec) {
        db_sqlexec(path, c.sql);
      } else {
        db_gettable(path, c.sql);
      }
      ADD_FAILURE() << "no error for " << utf16ToUtf8(c.sql);
    } catch (const SqliteError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

// A statement that fails halfway must not leave the ones before it behind,
// and a transaction the text leaves open must not vanish silently.
TEST_F(DbCommandsTest, ATextRunsAsOneTransaction) {
  struct Case {
    const char16_t* sql;
    const char* error;  // null: succeeds
    int rows;           // in t afterwards; it held 1
  };
  const Case cases[] = {
      {u"INSERT INTO t VALUES (2); INSERT INTO t VALUES (3)", nullptr, 3},
      {u"INSERT INTO t VALUES (2); INSERT INTO missing VALUES (3)", "no such table: missing", 1},
      {u"BEGIN; INSERT INTO t VALUES (2); COMMIT", nullptr, 2},
      {u"-- mine\n begin transaction; INSERT INTO t VALUES (2); END;", nullptr, 2},
      {u"BEGIN; INSERT INTO t VALUES (2)", "BEGIN without COMMIT", 1},
      {u"BEGIN; INSERT INTO t VALUES (2); INSERT INTO missing VALUES (3); COMMIT",
       "no such table: missing", 1},
      {u"INSERT INTO t VALUES (2); COMMIT; INSERT INTO t VALUES (3)", "COMMIT or ROLLBACK", 1},
      {u"INSERT INTO t VALUES (2); BEGIN", "BEGIN, COMMIT", 1},
      {u"SAVEPOINT s; INSERT INTO t VALUES (2); RELEASE s; INSERT INTO t VALUES (3)", nullptr, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(utf16ToUtf8(c.sql));
    std::filesystem::remove(dir / "host.db");
    ASSERT_TRUE(db_sqlexec(path, u"CREATE TABLE t (a); INSERT INTO t VALUES (1)"));
    try {
      db_sqlexec(path, c.sql);
      EXPECT_EQ(c.error, nullptr) << "no error";
    } catch (const SqliteError& e) {
      ASSERT_NE(c.error, nullptr) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.error), std::string::npos) << e.what();
    }
    EXPECT_EQ(db_gettable(path, u"SELECT count(*) FROM t"),
              u"\"" + utf8ToUtf16(std::to_string(c.rows)) + u"\"\r\n");
  }
}

TEST_F(DbCommandsTest, GetTableNeverCreatesAMissingFile) {
  EXPECT_THROW(db_gettable(path, u"SELECT 1"), SqliteError);
  EXPECT_FALSE(std::filesystem::exists(dir / "host.db"));
}

TEST_F(DbCommandsTest, ACorruptFileIsReportedAndLeftAlone) {
  const std::string garbage(2048, '\x5a');
  std::ofstream(dir / "host.db", std::ios::binary) << garbage;
  EXPECT_THROW(db_gettable(path, u"SELECT 1 FROM sqlite_master"), SqliteError);
  EXPECT_THROW(db_sqlexec(path, u"CREATE TABLE t (a)"), SqliteError);
  std::ifstream in(dir / "host.db", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), garbage);
}

}  // namespace
}  // namespace vrn::library
