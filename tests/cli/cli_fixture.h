#pragma once
// Runs the vrn command in process on a fresh data directory and a small
// drawing written by the built-in host: styles "HEBDOS" (hebrew.shx) and
// "BACK" (the same font, backward), a DOS Hebrew text in each, an MTEXT
// with a format group and two paragraphs, a solid, and a text in paper space.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "drawing/application.h"
#include "dxf/dxf_files.h"
#include "host/point.h"
#include "host/ref.h"
#include "host/utf8.h"
#include "support/temp_dir.h"

namespace vrn::cli::testing {

namespace fs = std::filesystem;

struct RunResult {
  int status = 0;
  std::string out;
  std::string err;
};

using test::readFile;

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(root / "data");
    drawing = (root / "plan.dxf").string();
    writeDrawing();
  }

  // vrn ARGS... --data-dir <fresh>
  RunResult run(std::vector<std::string> args) {
    if (!args.empty()) {
      args.push_back("--data-dir");
      args.push_back(dataDir());
    }
    return runAsGiven(std::move(args));
  }

  // vrn ARGS..., nothing added
  RunResult runAsGiven(std::vector<std::string> args) {
    args.insert(args.begin(), "vrn");
    std::vector<const char*> argv;
    for (const std::string& a : args) argv.push_back(a.c_str());
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::run(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
  }

  std::string dataDir() const { return (root / "data").string(); }

  std::string drawing;
  std::string forwardText, backwardText, mtext, solid, paperText;
  test::TempDir tempDir;
  const fs::path& root = tempDir.path();

 private:
  void writeDrawing() {
    auto app = drawing::makeApplication(std::make_shared<dxf::DxfFiles>());
    host::Ref doc = host::Ref(app).obj("Documents").call("Add").toObject();
    for (auto [name, flag] : {std::pair{u"HEBDOS", 0}, std::pair{u"BACK", 2}}) {
      host::Ref style = doc.obj("TextStyles").call("Add", name).toObject();
      style.put("FontFile", u"hebrew.shx");
      style.put("TextGenerationFlag", flag);
    }
    const host::Ref model = doc.obj("ModelSpace");
    auto text = [&](const host::Ref& space, const char16_t* value, const char16_t* style) {
      host::Ref e = space.call("AddText", value, host::toVariant({0, 0, 0}), 2.5).toObject();
      e.put("StyleName", style);
      return utf16ToUtf8(e.get("Handle").toString());
    };
    // "Alef bet (1)" as a DOS Hebrew font stores it: visual order, DOS
    // letters, brackets mirrored; reversed once more for the backward style.
    forwardText = text(model, u" )1(\u0081\u0080", u"HEBDOS");
    backwardText = text(model, u"\u0080\u0081(1) ", u"BACK");
    host::Ref m = model
                      .call("AddMText", host::toVariant({0, 10, 0}), 50.0,
                            u"{\\fArial|b0;\u0081\u0080\\Pabc}")
                      .toObject();
    m.put("StyleName", u"HEBDOS");
    mtext = utf16ToUtf8(m.get("Handle").toString());
    const host::Ref corners =
        model
            .call("AddSolid", host::toVariant({0, 0, 0}), host::toVariant({1, 0, 0}),
                  host::toVariant({0, 1, 0}), host::toVariant({1, 1, 0}))
            .toObject();
    solid = utf16ToUtf8(corners.get("Handle").toString());
    paperText = text(doc.obj("PaperSpace"), u"\u0082", u"HEBDOS");
    doc.call("SaveAs", utf8ToUtf16(drawing));
  }
};

}  // namespace vrn::cli::testing
