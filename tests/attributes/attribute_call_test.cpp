// The attribute editor from the command line, as the AutoCAD-side routine
// uses it: `vrn call DRAWING block HANDLE --script S [-o OUT]` prints Vrnstr.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "config_folder.h"
#include "drawing/application.h"
#include "dxf/dxf_files.h"
#include "host/ref.h"
#include "host/utf8.h"
#include "support/temp_dir.h"

namespace vrn::attributes {
namespace {

namespace fs = std::filesystem;
using test::readFile;

struct CallOutput {
  int status = 0;
  std::string out;
  std::string err;
};

class AttributeCall : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy_file(fs::path(VRN_SOURCE_DIR) / "examples/sample.dxf", drawing);
    fs::copy_file(fs::path(VRN_SOURCE_DIR) / "examples/VrnFonts.txt", dir / "VrnFonts.txt");
  }

  CallOutput block(const std::string& script, std::vector<std::string> extra = {}) {
    test::writeFile(dir / "script.txt", script);
    std::vector<std::string> args{"vrn",
                                  "call",
                                  drawing.string(),
                                  "block",
                                  "DE",
                                  "--script",
                                  (dir / "script.txt").string(),
                                  "--data-dir",
                                  dir.path().string()};
    args.insert(args.end(), extra.begin(), extra.end());
    std::vector<const char*> argv;
    for (const std::string& a : args) argv.push_back(a.c_str());
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::run(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
  }

  // The stored value of an attribute of the drawing file.
  static std::u16string stored(const fs::path& file, const char16_t* handle) {
    const auto app = drawing::makeApplication(std::make_shared<dxf::DxfFiles>());
    const host::Ref doc =
        host::Ref(app).obj("Documents").call("Open", utf8ToUtf16(file.string())).toObject();
    return host::Ref(doc.call("HandleToObject", handle).toObject()).get("TextString").toString();
  }

  test::ConfigFolder config;
  test::TempDir dir;
  fs::path drawing = dir / "plan.dxf";
};

TEST_F(AttributeCall, OkWritesTheValuesAsTypedIntoTheOutput) {
  const std::string before = readFile(drawing);
  const CallOutput r = block("set ngrid 12\nclick btnOk\n", {"-o", (dir / "out.dxf").string()});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "\n");
  EXPECT_EQ(stored(dir / "out.dxf", u"E0"), u"12");
  EXPECT_EQ(readFile(drawing), before) << "-o leaves the drawing itself alone";
}

TEST_F(AttributeCall, CancelLeavesTheFileUnchanged) {
  const std::string before = readFile(drawing);
  const CallOutput r = block("set ngrid 12\nclick btnCancel\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(readFile(drawing), before);
}

TEST_F(AttributeCall, SelectAnotherBlockPrintsNextAndWritesTheEdits) {
  const CallOutput r = block("set ngrid 12\nclick BitBtn3\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "NEXT\n");
  EXPECT_EQ(stored(drawing, u"E0"), u"12");
}

}  // namespace
}  // namespace vrn::attributes
