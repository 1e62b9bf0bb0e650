#pragma once
// Scenario: one user flow run as AutoCAD runs it: a drawing in the built-in
// host, the automation object with SetApp done, a fresh data directory
// with the sample font map, and the forms shown to a scripted user on the
// headless backend.
//
//   Scenario s(sampleDrawing());
//   const auto handle = s.newText(u"HEB-DOS", {300, 300, 0});
//   EXPECT_EQ(s.run("newtext", {handle}, "type abc\nkey Enter\n").hr, 0);
//   EXPECT_TRUE(s.report().ok());
//   s.entity(handle).get("TextString") ...

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "automation/autovrn.h"
#include "automation/module.h"
#include "cli/command_line_alerts.h"
#include "cli/drawing_prompts.h"
#include "cli/new_text.h"
#include "cli/progress.h"
#include "cli/text_listing.h"
#include "drawing/application.h"
#include "dxf/dxf_files.h"
#include "host/ref.h"
#include "host/utf8.h"
#include "platform/posix/simulated_keyboard.h"
#include "temp_dir.h"
#include "ui/headless/headless_toolkit.h"
#include "ui/script.h"

namespace vrn::test {

inline std::filesystem::path sampleDrawing() {
  return std::filesystem::path(VRN_SOURCE_DIR) / "examples/sample.dxf";
}

struct DataFiles {
  std::string fontMapExtra;  // lines appended to the sample font map
  std::string editdef;       // editdef.txt, when not empty
};

class Scenario {
 public:
  explicit Scenario(const std::filesystem::path& drawingFile, const DataFiles& files = {}) {
    platform::resetSimulatedKeyboard();
    const std::filesystem::path data = dir_ / "data";
    std::filesystem::create_directories(data);
    std::filesystem::copy_file(std::filesystem::path(VRN_SOURCE_DIR) / "examples/VrnFonts.txt",
                               data / "VrnFonts.txt");
    if (!files.fontMapExtra.empty()) {
      std::ofstream(data / "VrnFonts.txt", std::ios::app) << "\n" << files.fontMapExtra;
    }
    if (!files.editdef.empty()) writeFile(data / "editdef.txt", files.editdef);
    automation::ModuleOptions options;
    options.dataDir = data;
    options.toolkit = &toolkit;
    module_ = std::make_unique<automation::Module>(std::move(options));
    app_ = drawing::makeApplication(std::make_shared<dxf::DxfFiles>());
    doc =
        host::Ref(app_).obj("Documents").call("Open", utf8ToUtf16(drawingFile.string())).toObject();
    std::vector<host::Variant> args{host::ObjectPtr(app_)};
    object_.invoke("SetApp", host::Invoke::Method, args);
  }
  ~Scenario() { platform::resetSimulatedKeyboard(); }

  automation::Module& module() { return *module_; }
  host::Ref application() const { return host::Ref(app_); }
  const std::filesystem::path& dataDir() const { return module_->DataDir(); }
  host::Ref entity(const std::u16string& handle) const {
    return doc.call("HandleToObject", handle).toObject();
  }

  // A new empty single-line text, made in one undo step as the AutoCAD-side
  // routine makes it before newtext.
  std::u16string newText(const std::u16string& style, const host::Point3& at, double height = 2.5) {
    return cli::createSingleLineText(doc, style, at, height);
  }

  // The text in reading order, as `vrn texts` reads it; empty when the
  // entity is gone or no text.
  std::u16string readingText(const std::u16string& handle) {
    std::ostringstream ignored;
    cli::Progress progress(ignored, false);
    std::u16string text;
    cli::readTexts(*module_, doc, progress, [&](const cli::TextRecord& record) {
      if (record.handle == handle) text = record.text;
    });
    return text;
  }

  // Plays the script (UTF-8 lines) and calls the member, then shows the
  // alerts it left on the command line; the run's report is in report().
  automation::CallResult run(std::string_view member, std::vector<host::Variant> args,
                             std::string_view script) {
    prompts_.emplace(*app_, toolkit.transcript());
    toolkit.play(ui::script::parse(script), &*prompts_);
    automation::CallResult result = object_.invoke(member, host::Invoke::Method, args);
    cli::answerAlerts(*app_->activeDocument(), toolkit);
    report_ = toolkit.finish();
    return result;
  }
  const ui::RunReport& report() const { return report_; }
  // The texts sent to the host's command line (SendCommand), in order.
  const std::vector<std::u16string>& commandsSent() const {
    return app_->activeDocument()->commandLog();
  }
  std::string failures() const {
    std::string text;
    for (const std::string& f : report_.failures) text += f + "\n";
    return text;
  }

  ui::headless::HeadlessToolkit toolkit;
  host::Ref doc;

 private:
  TempDir dir_;
  std::unique_ptr<automation::Module> module_;
  std::shared_ptr<drawing::Application> app_;
  automation::Tautovrn object_;
  ui::RunReport report_;
  std::optional<cli::DrawingPrompts> prompts_;  // the script's answers to the host's prompts
};

}  // namespace vrn::test
