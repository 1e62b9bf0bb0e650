// Commands that cannot do what was asked say so and exit with a failure:
// a wrong result with status 0 is worse than no result.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <map>
#include <optional>

#include "cli_fixture.h"

namespace vrn::cli::testing {
namespace {

TEST_F(CliTest, ADataDirectoryThatCannotServeIsAnError) {
  test::writeFile(root / "afile", "x");
  fs::create_directories(root / "locked");
  fs::permissions(root / "locked", fs::perms::none);
  struct Case {
    std::string folder;
    const char* why;
  };
  const Case cases[] = {
      {(root / "missing").string(), "no such folder"},
      {(root / "afile").string(), "not a folder"},
      {(root / "locked").string(), "cannot be read"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    if (std::string(c.why) == "cannot be read" && geteuid() == 0) continue;  // root reads any
    for (std::vector<std::string> command :
         {std::vector<std::string>{"texts", drawing}, {"fonts", "set", "hebrew", "Windows"}}) {
      command.insert(command.end(), {"--data-dir", c.folder});
      const RunResult r = runAsGiven(command);
      EXPECT_EQ(r.status, 1);
      EXPECT_EQ(r.out, "");
      EXPECT_NE(r.err.find("--data-dir " + c.folder + ": " + c.why), std::string::npos) << r.err;
    }
  }
  fs::permissions(root / "locked", fs::perms::owner_all);
  EXPECT_FALSE(fs::exists(root / "missing"));
  EXPECT_TRUE(fs::is_empty(root / "locked"));
}

// The user's folders of this test hold no data directory.
class NoDataDirectoryTest : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    for (const char* name : {"HOME", "XDG_DOCUMENTS_DIR", "XDG_CONFIG_HOME"}) {
      if (const char* value = std::getenv(name)) saved_[name] = value;
      unsetenv(name);
    }
    setenv("HOME", (root / "home").c_str(), 1);
  }
  void TearDown() override {
    for (const char* name : {"HOME", "XDG_DOCUMENTS_DIR", "XDG_CONFIG_HOME"}) {
      if (auto it = saved_.find(name); it != saved_.end()) {
        setenv(name, it->second.c_str(), 1);
      } else {
        unsetenv(name);
      }
    }
  }

 private:
  std::map<std::string, std::string> saved_;
};

TEST_F(NoDataDirectoryTest, AnAbsentDefaultDataDirectoryIsAWarning) {
  if (fs::exists("/opt/Vornel")) GTEST_SKIP() << "this machine has a data directory";
  RunResult r = runAsGiven({"texts", drawing});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find(forwardText), std::string::npos);
  EXPECT_NE(r.err.find("vrn: warning: no data directory"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("no font map is in use"), std::string::npos) << r.err;
  // A command that reads no font map has nothing to warn about.
  r = runAsGiven({"acadtostr", "0", "abc"});
  EXPECT_EQ(r.err, "");
}

TEST_F(CliTest, StrToAcadElevenNeedsTheSavedPairOfThisProcess) {
  const std::string before = readFile(drawing);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"strtoacad", "11", forwardText, "--drawing", drawing},
        std::vector<std::string>{"call", drawing, "strtoacad", forwardText, "11"}}) {
    SCOPED_TRACE(args[0]);
    const RunResult r = run(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("acadtostr 11"), std::string::npos) << r.err;
    EXPECT_EQ(readFile(drawing), before);
  }
}

TEST_F(CliTest, FontsSetRefusesNamesTheMapCannotHold) {
  const fs::path map = fs::path(dataDir()) / "VrnFonts.txt";
  test::writeFile(map, "[Fonts]\r\nHEBREW=DosHebrew\r\n");
  const std::pair<std::string, const char*> cases[] = {
      {"a=b.shx", "'='"}, {";x.shx", "';'"},   {"[x].shx", "'['"},       {"", "empty"},
      {".shx", "empty"},  {" x.shx", "blank"}, {"x\x1B.shx", "control"},
  };
  for (const auto& [font, why] : cases) {
    SCOPED_TRACE(font);
    const RunResult r = run({"fonts", "set", font, "Windows"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(why), std::string::npos) << r.err;
    EXPECT_EQ(readFile(map), "[Fonts]\r\nHEBREW=DosHebrew\r\n");
  }
  EXPECT_EQ(run({"fonts", "set", "a;b.shx", "Windows"}).status, 0);
  EXPECT_NE(run({"fonts"}).out.find("A;B"), std::string::npos);
}

TEST_F(CliTest, DatabaseCommandsLeaveNothingHalfDone) {
  const std::string db = (root / "t.db").string();
  ASSERT_EQ(run({"db-exec", db, "create table t(a)"}).status, 0);
  const auto tables = [&] { return run({"db-table", db, "select name from sqlite_master"}).out; };
  for (const char* sql : {"create table u(a); insert into nosuch values (1)",
                          "begin; create table u(a)", "create table u(a); commit"}) {
    SCOPED_TRACE(sql);
    const RunResult r = run({"db-exec", db, sql});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(r.err.empty());
    EXPECT_EQ(tables(), "\"t\"\r\n");
  }
  const std::string missing = (root / "missing.db").string();
  const RunResult r = run({"db-table", missing, "select 1"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find(missing), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(missing));
}

}  // namespace
}  // namespace vrn::cli::testing
