#include "settings/data_dir.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace vrn::settings {
namespace {

namespace fs = std::filesystem;

class DataDirTest : public ::testing::Test {
 protected:
  void makeProductFolder(const fs::path& root) {
    fs::create_directories(root / "Palwen" / "Vornel");
  }
  test::TempDir dir;
  DataDirRoots roots{dir / "docs", dir / "appdata", dir / "machine"};
};

TEST_F(DataDirTest, DocumentsFolderWinsOverAppData) {
  makeProductFolder(dir / "docs");
  makeProductFolder(dir / "appdata");
  EXPECT_EQ(chooseDataDir(roots, DataDirSteps::WithMachineFallback),
            dir / "docs" / "Palwen" / "Vornel" / "");
}

TEST_F(DataDirTest, AppDataServesWhenDocumentsHasNoProductFolder) {
  fs::create_directories(dir / "docs" / "Palwen");
  makeProductFolder(dir / "appdata");
  EXPECT_EQ(chooseDataDir(roots, DataDirSteps::UserFoldersOnly),
            dir / "appdata" / "Palwen" / "Vornel" / "");
}

TEST_F(DataDirTest, NoUserFolderGivesTheMachineFolderOrNothing) {
  // A file where the folder should be does not count.
  test::writeFile(dir / "docs" / "Palwen" / "Vornel", "not a folder");
  EXPECT_EQ(chooseDataDir(roots, DataDirSteps::UserFoldersOnly), std::nullopt);
  EXPECT_EQ(chooseDataDir(roots, DataDirSteps::WithMachineFallback), dir / "machine" / "");
  EXPECT_FALSE(fs::exists(dir / "machine"));  // never created
}

TEST_F(DataDirTest, UnknownUserFoldersAreSkipped) {
  DataDirRoots noHome{std::nullopt, std::nullopt, "/opt/Vornel/"};
  EXPECT_EQ(chooseDataDir(noHome, DataDirSteps::WithMachineFallback), fs::path("/opt/Vornel/"));
}

TEST_F(DataDirTest, ChosenFolderEndsWithASeparator) {
  makeProductFolder(dir / "docs");
  auto chosen = chooseDataDir(roots, DataDirSteps::UserFoldersOnly);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->string().back(), '/');
  EXPECT_EQ(chosen->string() + "vrn.db", (*chosen / "vrn.db").string());
}

}  // namespace
}  // namespace vrn::settings
