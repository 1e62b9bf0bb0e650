#include "dxf/dxf_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "../support/temp_dir.h"
#include "dxf_text.h"
#include "host/host_error.h"

namespace vrn::dxf {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class DxfFilesTest : public ::testing::Test {
 protected:

  std::string write(const std::string& name, const std::string& text) {
    const auto path = folder_ / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }
  static std::string read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::size_t filesInFolder() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
  }
  static std::string errorOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const host::HostError& error) {
      return error.what();
    }
    return "no error";
  }

  vrn::test::TempDir tempDir_;
  const fs::path& folder_ = tempDir_.path();
  DxfFiles files_;
};

TEST_F(DxfFilesTest, SavesOverTheFileThroughARename) {
  const std::string drawing = test::smallDrawing();
  const std::string path = write("plan.dxf", drawing);
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  auto data = files_.load(path);
  data.entities[0]->record.set(1, "changed");
  files_.save(data, path);
  EXPECT_NE(read(path).find("changed"), std::string::npos);
  EXPECT_EQ(filesInFolder(), 1u);  // no temporary file left
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  // Save As: a new file (with a Hebrew name, UTF-8); the loaded buffer
  // keeps the records valid.
  const std::string copy = folder_.string() + "/\xD7\xAA\xD7\x95\xD7\x9B\xD7\xA0\xD7\x99\xD7\xAA.dxf";
  files_.save(files_.load(path), copy);
  EXPECT_EQ(read(copy), read(path));
}

TEST_F(DxfFilesTest, AFailedSaveLeavesEverythingAsItWas) {
  const auto data = files_.load(write("plan.dxf", test::smallDrawing()));
  // The target is a folder: the rename fails after the whole file is written.
  fs::create_directory(folder_ / "plan_folder.dxf");
  const std::string target = (folder_ / "plan_folder.dxf").string();
  EXPECT_THAT(errorOf([&] { files_.save(data, target); }), HasSubstr(target + ": cannot replace the drawing"));
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(filesInFolder(), 2u);  // plan.dxf and the folder: the temporary file is gone
  const std::string nowhere = (folder_ / "no_such_folder" / "plan.dxf").string();
  EXPECT_THAT(errorOf([&] { files_.save(data, nowhere); }), HasSubstr(nowhere + ": cannot create a temporary file"));
}

TEST_F(DxfFilesTest, LoadErrorsNameTheFile) {
  const std::string missing = (folder_ / "missing.dxf").string();
  EXPECT_THAT(errorOf([&] { files_.load(missing); }), HasSubstr(missing + ": cannot open the drawing"));
  EXPECT_THAT(errorOf([&] { files_.load(folder_.string()); }), HasSubstr("is a folder"));
  const std::string bad = write("bad.dxf", "  0\nSECTION\n  2\nENTITIES\nabc\n");
  EXPECT_THAT(errorOf([&] { files_.load(bad); }), HasSubstr(bad + ", line 5: group code \"abc\" is not a number"));
}

}  // namespace
}  // namespace vrn::dxf
