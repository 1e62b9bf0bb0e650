// The rows of the README's "Bad input" table that no narrower test shows
// through the command itself: each bad file gives a clear error with a
// failure status, and the file is left byte for byte as it was.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "cli_fixture.h"

namespace vrn::cli::testing {
namespace {

TEST_F(CliTest, BadDrawingsAreReportedAndLeftAsTheyWere) {
  const std::string whole = readFile(drawing);
  struct Case {
    const char* name;
    std::string bytes;
    const char* message;
  };
  const Case cases[] = {
      {"truncated", whole.substr(0, whole.size() / 2), "truncated"},
      {"binary",
       std::string("\x7F"
                   "ELF\x02\x01\x01\0\0\0\xFF\xFE",
                   12),
       "group code"},
      {"empty", "", "the file is empty"},
  };
  for (const Case& c : cases) {
    const std::string file = (root / (std::string(c.name) + ".dxf")).string();
    test::writeFile(file, c.bytes);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"texts", file},
          std::vector<std::string>{"strtoacad", "12", forwardText, "--drawing", file},
          std::vector<std::string>{"remap", file, "--fonts", "hebrew.shx", "--to", "windows"}}) {
      SCOPED_TRACE(std::string(c.name) + " " + args[0]);
      const RunResult r = run(args);
      EXPECT_EQ(r.status, 1);
      EXPECT_NE(r.err.find(file), std::string::npos) << r.err;
      EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
      EXPECT_EQ(readFile(file), c.bytes);
    }
  }
}

TEST_F(CliTest, LockedAndCorruptDatabasesAreReportedAndLeftAsTheyWere) {
  const std::string locked = (root / "locked.db").string();
  ASSERT_EQ(run({"db-exec", locked, "create table t(a); insert into t values (1)"}).status, 0);
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(locked.c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
  const std::string lockedBytes = readFile(locked);

  const std::string corrupt = (root / "corrupt.db").string();
  const std::string garbage(4096, '\x5A');
  test::writeFile(corrupt, garbage);

  struct Case {
    std::string file;
    std::string bytes;
    const char* message;
  };
  for (const Case& c : {Case{locked, lockedBytes, "database is locked"},
                        Case{corrupt, garbage, "file is not a database"}}) {
    for (const char* command : {"db-exec", "db-table"}) {
      SCOPED_TRACE(c.file + " " + command);
      const RunResult r = run({command, c.file, "insert into t values (2)"});
      EXPECT_EQ(r.status, 1);
      EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
      EXPECT_EQ(readFile(c.file), c.bytes);
    }
  }
  sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  EXPECT_EQ(run({"db-table", locked, "select count(*) from t"}).out, "\"1\"\r\n");
}

}  // namespace
}  // namespace vrn::cli::testing
