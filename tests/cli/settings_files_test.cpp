// The data directory's files as every command meets them: read, reported
// when they cannot be, and written only when something in them changed.

#include <gtest/gtest.h>

#include "cli_fixture.h"

namespace vrn::cli::testing {
namespace {

using test::writeFile;

TEST_F(CliTest, CommandsThatChangeNoSettingLeaveHebrewIniAlone) {
  const fs::path ini = fs::path(dataDir()) / "Hebrew.ini";
  const std::string mine = "[textedit]\r\nwidth=700\r\n; mine\r\n[Mine]\r\nx=1\r\n";
  writeFile(ini, mine);
  const std::vector<std::vector<std::string>> commands = {
      {"texts", drawing},
      {"fonts", "set", "hebrew", "Windows"},
      {"acadtostr", "12", forwardText, "--drawing", drawing},
  };
  for (const auto& args : commands) {
    SCOPED_TRACE(args[0]);
    const RunResult r = run(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readFile(ini), mine);
  }
}

// A settings file that exists but cannot be read ends a command that needs
// it, and is mentioned by one that does not; neither writes it.
TEST_F(CliTest, SettingsFilesThatCannotBeReadAreReportedAndKept) {
  struct Case {
    const char* file;
    std::string bytes;  // empty: a folder stands where the file should
    std::vector<std::string> needing;
  };
  const Case cases[] = {
      {"Hebrew.ini", "", {"call", drawing, "aver", "R24"}},
      {"Hebrew.ini", std::string("\xFF\xFE[\0T\0", 7), {"revit", drawing}},
      {"VrnFonts.txt", "", {"texts", drawing}},
      {"VrnFonts.txt", std::string("\xFF\xFE[\0F\0", 7), {"fonts", "set", "hebrew", "Windows"}},
  };
  const std::string before = readFile(drawing);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " " + c.needing[0]);
    const fs::path file = fs::path(dataDir()) / c.file;
    fs::remove_all(fs::path(dataDir()));
    fs::create_directories(fs::path(dataDir()));
    if (c.bytes.empty()) {
      fs::create_directory(file);
    } else {
      writeFile(file, c.bytes);
    }
    RunResult r = run(c.needing);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Cannot read " + file.string()), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("it is left as it is"), std::string::npos) << r.err;

    r = run({"acadtostr", "0", "abc"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "abc\n");
    EXPECT_NE(r.err.find("vrn: warning: Cannot read " + file.string()), std::string::npos) << r.err;

    if (!c.bytes.empty()) {
      EXPECT_EQ(readFile(file), c.bytes);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dataDir()), {}), 1);
  }
  EXPECT_EQ(readFile(drawing), before);
  EXPECT_FALSE(fs::exists(root / "plan_Revit.dxf"));
}

}  // namespace
}  // namespace vrn::cli::testing
