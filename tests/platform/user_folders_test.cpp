#include "platform/user_folders.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <map>

#include "support/temp_dir.h"

namespace vrn::platform {
namespace {

// Points HOME and the XDG variables at a temporary home for one test.
class UserFoldersTest : public ::testing::Test {
 protected:
  UserFoldersTest() {
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DOCUMENTS_DIR"}) {
      if (const char* value = getenv(name)) saved_[name] = value;
      unsetenv(name);
    }
    setenv("HOME", home.path().c_str(), 1);
  }
  ~UserFoldersTest() override {
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DOCUMENTS_DIR"}) {
      auto it = saved_.find(name);
      if (it == saved_.end()) {
        unsetenv(name);
      } else {
        setenv(name, it->second.c_str(), 1);
      }
    }
  }
  test::TempDir home;

 private:
  std::map<std::string, std::string> saved_;
};

TEST_F(UserFoldersTest, WithoutXdgSettingsTheHomeFoldersServe) {
  EXPECT_EQ(documentsFolder(), home / "Documents");
  EXPECT_EQ(roamingAppDataFolder(), home / ".config");
}

TEST_F(UserFoldersTest, AbsoluteXdgVariablesWinAndRelativeOnesAreIgnored) {
  setenv("XDG_CONFIG_HOME", "/elsewhere/config", 1);
  setenv("XDG_DOCUMENTS_DIR", "/elsewhere/docs", 1);
  EXPECT_EQ(roamingAppDataFolder(), std::filesystem::path("/elsewhere/config"));
  EXPECT_EQ(documentsFolder(), std::filesystem::path("/elsewhere/docs"));
  setenv("XDG_CONFIG_HOME", "relative/config", 1);
  setenv("XDG_DOCUMENTS_DIR", "relative/docs", 1);
  EXPECT_EQ(roamingAppDataFolder(), home / ".config");
  EXPECT_EQ(documentsFolder(), home / "Documents");
}

TEST_F(UserFoldersTest, UserDirsFileNamesTheDocumentsFolder) {
  struct Case {
    std::string line;
    std::filesystem::path expected;
  };
  const Case cases[] = {
      {"XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"", home / "Dokumente"},
      {"  XDG_DOCUMENTS_DIR=\"/srv/docs\"", "/srv/docs"},
      {"XDG_DOCUMENTS_DIR=\"$HOME\"", home.path()},
      {"XDG_DOCUMENTS_DIR=\"relative\"", home / "Documents"},
      {"XDG_DOCUMENTS_DIR=\"$HOMEX/a\"", home / "Documents"},
      {"# XDG_DOCUMENTS_DIR=\"/commented\"", home / "Documents"},
      {"XDG_DOCUMENTS_DIR=\"/unclosed", home / "Documents"},
  };
  for (const Case& c : cases) {
    test::writeFile(home / ".config" / "user-dirs.dirs",
                    "XDG_MUSIC_DIR=\"$HOME/M\"\n" + c.line + "\n");
    EXPECT_EQ(documentsFolder(), c.expected) << c.line;
  }
}

}  // namespace
}  // namespace vrn::platform
