#include "library/sqlite_db.h"

#include <gtest/gtest.h>

#include "host/host_error.h"
#include "library/sqlite_error.h"
#include "support/temp_dir.h"

namespace vrn::library {
namespace {

using test::TempDir;

class SqliteDbTest : public ::testing::Test {
 protected:
  TempDir dir;
  SqliteDb db{(dir / "t.db").string()};
};

TEST_F(SqliteDbTest, NullReadsAsEmptyTextAndZero) {
  db.execute("CREATE TABLE t (a INTEGER, b TEXT); INSERT INTO t VALUES (NULL, NULL), (7, 'x')");
  const SqliteTable table = db.readTable("SELECT a, b FROM t ORDER BY rowid");
  ASSERT_EQ(table.rowCount(), 2u);
  EXPECT_EQ(table.fieldAsText(0, 0), u"");
  EXPECT_EQ(table.fieldAsInt(0, 0), 0);
  EXPECT_EQ(table.fieldAsText(0, 1), u"");
  EXPECT_EQ(table.fieldAsInt(0, 1), 0);
  EXPECT_EQ(table.fieldAsText(1, 0), u"7");
  EXPECT_EQ(table.fieldAsInt(1, 0), 7);

  SqliteStatement cursor = db.prepare("SELECT a, b FROM t ORDER BY rowid");
  ASSERT_TRUE(cursor.step());
  EXPECT_EQ(cursor.columnText(1), u"");
  EXPECT_EQ(cursor.columnInt(0), 0);
}

TEST_F(SqliteDbTest, NamedAndPositionalParametersCarryHebrew) {
  db.execute("CREATE TABLE t (n INTEGER, s TEXT)");
  db.prepare("INSERT INTO t VALUES (:n, :s)").bind(":n", 5).bind(":s", u"שלום").execute();
  SqliteStatement query = db.prepare("SELECT s FROM t WHERE n = ?");
  query.bind(1, 5);
  ASSERT_TRUE(query.step());
  EXPECT_EQ(query.columnText(0), u"שלום");
  EXPECT_FALSE(query.step());
  EXPECT_THROW(query.bind(":missing", 1), SqliteError);
}

TEST_F(SqliteDbTest, ColumnsAreFoundByNameIgnoringCase) {
  const SqliteTable table = db.readTable("SELECT 1 AS nid, 2 AS Name");
  EXPECT_EQ(table.columnIndex("NID"), 0);
  EXPECT_EQ(table.columnIndex("name"), 1);
  EXPECT_EQ(table.columnIndex("icon"), -1);
}

TEST_F(SqliteDbTest, TableExistsIgnoresCase) {
  db.execute("CREATE TABLE SearchCombo (item TEXT)");
  EXPECT_TRUE(db.tableExists("searchcombo"));
  EXPECT_TRUE(db.tableExists("SEARCHCOMBO"));
  EXPECT_FALSE(db.tableExists("Search"));
}

TEST_F(SqliteDbTest, TransactionWithoutCommitRollsBack) {
  db.execute("CREATE TABLE t (n INTEGER)");
  {
    SqliteTransaction transaction(db);
    db.execute("INSERT INTO t VALUES (1)");
  }
  {
    SqliteTransaction transaction(db);
    db.execute("INSERT INTO t VALUES (2)");
    transaction.commit();
  }
  const SqliteTable table = db.readTable("SELECT n FROM t");
  ASSERT_EQ(table.rowCount(), 1u);
  EXPECT_EQ(table.fieldAsInt(0, 0), 2);
}

TEST_F(SqliteDbTest, FailuresCarrySqlitesMessageAndNoHresult) {
  try {
    db.execute("SELECT * FROM nowhere");
    FAIL() << "no error raised";
  } catch (const host::HostError&) {
    FAIL() << "a host error, which a walk over the drawing would step over";
  } catch (const SqliteError& e) {
    EXPECT_STREQ(e.what(), "no such table: nowhere");
    EXPECT_EQ(e.sqliteCode(), 1);  // SQLITE_ERROR
  }
  EXPECT_THROW(db.prepare("SELEC 1"), SqliteError);
}

TEST_F(SqliteDbTest, BlankTextIsAStatementWithoutRows) {
  const SqliteTable table = db.readTable("  -- nothing\n");
  EXPECT_EQ(table.rowCount(), 0u);
  EXPECT_EQ(table.columnCount(), 0);
}

TEST(SqliteDb, OpeningInAMissingFolderFailsWithSqlitesMessage) {
  TempDir dir;
  try {
    SqliteDb db((dir / "no/such/folder/x.db").string());
    FAIL() << "opened";
  } catch (const SqliteError& e) {
    EXPECT_STREQ(e.what(), "unable to open database file");
  }
}

}  // namespace
}  // namespace vrn::library
