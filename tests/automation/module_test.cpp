#include "automation/module.h"

#include <gtest/gtest.h>

#include <fstream>

#include "automation/autovrn.h"
#include "automation_fixture.h"
#include "fake_host.h"
#include "settings/ini_settings.h"

namespace vrn::automation::testing {
namespace {

namespace fs = std::filesystem;

class ModuleTest : public ::testing::Test {
 protected:
  ModuleOptions options(std::optional<fs::path> dataDir = std::nullopt) const {
    ModuleOptions options;
    options.roots = {root / "Documents", root / "config", root / "machine"};
    options.dataDir = std::move(dataDir);
    return options;
  }
  static fs::path productFolder(const fs::path& base) { return base / "Palwen" / "Vornel" / ""; }

  test::TempDir tempDir;
  const fs::path& root = tempDir.path();
};

TEST_F(ModuleTest, DataDirectoryRule) {
  struct Case {
    const char* what;
    std::vector<fs::path> existing;
    fs::path expected;  // relative to root
  };
  const Case cases[] = {
      {"neither user folder holds it", {}, "machine/"},
      {"application data", {"config/Palwen/Vornel"}, "config/Palwen/Vornel/"},
      {"documents first",
       {"config/Palwen/Vornel", "Documents/Palwen/Vornel"},
       "Documents/Palwen/Vornel/"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (const fs::path& dir : c.existing) fs::create_directories(root / dir);
    {
      Module module(options());
      EXPECT_EQ(module.DataDir(), root / c.expected);
      // Start-up creates no folder.
      EXPECT_FALSE(fs::exists(root / "machine"));
    }
    fs::remove_all(root / "Documents");
    fs::remove_all(root / "config");
    fs::remove_all(root / "machine");
  }
}

TEST_F(ModuleTest, AChosenDataDirectoryReplacesTheRule) {
  fs::create_directories(root / "Documents/Palwen/Vornel");
  fs::create_directories(root / "mine");
  Module module(options(root / "mine"));
  EXPECT_EQ(module.DataDir(), root / "mine" / "");
}

TEST_F(ModuleTest, StartUpReadsTheSettingsOfTheChosenDirectory) {
  const fs::path dir = productFolder(root / "Documents");
  fs::create_directories(dir);
  std::ofstream(dir / "Hebrew.ini") << "[Textedit]\r\nWidth=777\r\n";
  Module module(options());
  EXPECT_EQ(module.Rinistr().txthw, 777);
}

TEST_F(ModuleTest, ShutDownSavesTheSettingsAndReleasesTheHost) {
  const fs::path dir = productFolder(root / "Documents");
  fs::create_directories(dir);
  std::weak_ptr<FakeObject> app;
  {
    Module module(options());
    FakeAcad acad;
    app = acad.app;
    Tautovrn object;
    std::vector<host::Variant> args{host::ObjectPtr(acad.app)};
    ASSERT_EQ(object.invoke("SetApp", host::Invoke::Method, args).hr, host::hr::kOk);
    module.view().RefreshAcad();
    module.Rinistr().txthw = 555;
    EXPECT_TRUE(Module::started());
  }
  EXPECT_FALSE(Module::started());
  EXPECT_TRUE(app.expired());
  EXPECT_EQ(settings::loadIniSettings(dir / "Hebrew.ini").txthw, 555);
}

TEST_F(ModuleTest, AFailureToSaveAtShutDownIsSwallowed) {
  const fs::path dir = productFolder(root / "Documents");
  fs::create_directories(dir);
  auto module = std::make_unique<Module>(options());
  fs::remove_all(root / "Documents");
  fs::create_directories(root / "Documents/Palwen");
  std::ofstream(root / "Documents/Palwen/Vornel") << "a file where the folder was";
  EXPECT_NO_THROW(module.reset());
  EXPECT_FALSE(Module::started());
}

TEST_F(ModuleTest, OneModuleAtATime) {
  Module module(options());
  EXPECT_THROW(Module second{options()}, host::HostError);
  EXPECT_EQ(&Module::current(), &module);
}

}  // namespace
}  // namespace vrn::automation::testing
