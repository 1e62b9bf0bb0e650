// The font chart's alert as the user meets it: a message box after the
// member, the chart on the sheet while it waits, the drawing as before once
// it is answered; in a script, `answer OK`.

#include "cli/command_line_alerts.h"

#include <gtest/gtest.h>

#include <functional>

#include "../support/scenario.h"
#include "drawing_ops/font_chart.h"
#include "ui/headless/virtual_clipboard.h"

namespace vrn::cli {
namespace {

// A user who answers every message box with OK, after a look at the drawing.
class LookingUser final : public ui::Toolkit {
 public:
  explicit LookingUser(std::function<void(const ui::MessageBoxRequest&)> look)
      : look_(std::move(look)) {}
  void runModal(ui::Form&) override { ADD_FAILURE() << "no form was expected"; }
  ui::ModalResult showMessageBox(const ui::MessageBoxRequest& request) override {
    look_(request);
    return ui::ModalResult::OK;
  }
  std::optional<std::filesystem::path> showFileDialog(const ui::FileDialogRequest&) override {
    return std::nullopt;
  }
  ui::Clipboard& clipboard() override { return clipboard_; }
  ui::Rect pointerMonitor() const override { return {}; }
  void bringToFront(ui::Form&) override {}
  void beep() override {}
  void timerChanged(ui::Timer&) override {}

 protected:
  void showBusyCursor(bool) override {}

 private:
  std::function<void(const ui::MessageBoxRequest&)> look_;
  ui::headless::VirtualClipboard clipboard_;
};

// Handles given out are never given again, even when undone.
std::string withoutHandseed(std::string dxf) {
  const auto at = dxf.find("$HANDSEED\n  5\n");
  if (at != std::string::npos) dxf.erase(at, dxf.find('\n', at + 14) - at);
  return dxf;
}

class ChartAlert : public testing::Test {
 protected:
  std::int32_t entities() const { return doc().obj("ModelSpace").get("Count").toInt(); }
  const host::Ref& doc() const { return s.doc; }
  std::string saved(const char* name) const {
    doc().call("SaveAs", utf8ToUtf16((dir / name).string()));
    return test::readFile(dir / name);
  }

  test::TempDir dir;
  test::Scenario s{test::sampleDrawing()};
};

TEST_F(ChartAlert, TheChartStaysWhileTheAlertWaitsAndGoesOnceItIsAnswered) {
  const std::string before = saved("before.dxf");
  const std::int32_t count = entities();
  const host::Variant colour = doc().call("GetVariable", u"CECOLOR");
  int boxes = 0;
  LookingUser user([&](const ui::MessageBoxRequest& box) {
    ++boxes;
    EXPECT_EQ(box.text, u"Press Ok for continue");
    EXPECT_EQ(box.caption, kAlertTitle);
    EXPECT_EQ(entities(), count + 289);
    EXPECT_EQ(doc().call("GetVariable", u"CECOLOR").toString(), u"2");
  });
  drawing_ops::ShowFontChart(doc(), doc().obj("ModelSpace"));
  EXPECT_EQ(entities(), count + 289);  // the undo waits for the answer
  const auto document = std::dynamic_pointer_cast<drawing::Document>(doc().ptr());
  ASSERT_TRUE(document);
  answerAlerts(*document, user);
  EXPECT_EQ(boxes, 1);
  EXPECT_EQ(entities(), count);
  EXPECT_EQ(doc().call("GetVariable", u"CECOLOR"), colour);
  EXPECT_EQ(withoutHandseed(saved("after.dxf")), withoutHandseed(before));
}

TEST_F(ChartAlert, HShowfontLeavesTheAlertToTheScriptedUser) {
  const std::int32_t count = entities();
  EXPECT_EQ(s.run("HShowfont", {}, "answer OK\n").hr, host::hr::kOk);
  EXPECT_TRUE(s.report().ok()) << s.failures();
  EXPECT_NE(s.toolkit.transcript().text().find(
                "message \"Press Ok for continue\" [AutoCAD Message] OK -> OK"),
            std::string::npos);
  EXPECT_EQ(entities(), count);
}

TEST_F(ChartAlert, AnAlertNoLineAnswersFailsTheRun) {
  EXPECT_EQ(s.run("HShowfont", {}, "").hr, host::hr::kOk);
  EXPECT_FALSE(s.report().ok());
}

}  // namespace
}  // namespace vrn::cli
