// The font chart on the sample sheet: 289 entities while the alert waits,
// the drawing as before once its group is undone, and nothing left behind
// when the host fails halfway.
#include "drawing_ops/font_chart.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "drawing/application.h"
#include "drawing/document.h"
#include "dxf/dxf_files.h"
#include "host/host_error.h"
#include "host/object.h"
#include "host/point.h"
#include "host/utf8.h"
#include "support/temp_dir.h"

namespace vrn::drawing_ops {
namespace {

using host::Ref;

// Handles given out are never given again, even when undone.
std::string withoutHandseed(std::string dxf) {
  const auto at = dxf.find("$HANDSEED\n  5\n");
  if (at != std::string::npos) dxf.erase(at, dxf.find('\n', at + 14) - at);
  return dxf;
}

// A space that refuses its hundredth text.
class FailingSpace : public host::Object {
 public:
  explicit FailingSpace(Ref inner) : inner_(std::move(inner)) {}
  host::Variant invoke(std::string_view name, host::Invoke kind,
                       std::span<host::Variant> args) override {
    if (name == "AddText" && ++texts_ == 100) throw host::HostError(host::hr::kFail, "full");
    return inner_.invoke(name, kind, args);
  }

 private:
  Ref inner_;
  int texts_ = 0;
};

class FontChart : public testing::Test {
 protected:
  FontChart() {
    document_ =
        Ref(app_).obj("Documents").call("Open", VRN_SOURCE_DIR "/examples/sample.dxf").toObject();
    Ref(app_).call("ZoomCenter", host::toVariant({50, 20, 0}), 40.0);
  }

  std::string saved(const char* name) const {
    document_.call("SaveAs", utf8ToUtf16((dir_ / name).string()));
    std::ifstream in(dir_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  std::int32_t entities() const { return document_.obj("ModelSpace").get("Count").toInt(); }

  test::TempDir dir_;
  std::shared_ptr<drawing::Application> app_ =
      drawing::makeApplication(std::make_shared<dxf::DxfFiles>());
  Ref document_;
};

TEST_F(FontChart, DrawsOneUndoGroupThatTheAlertTakesBack) {
  const std::string before = saved("before.dxf");
  const std::int32_t count = entities();
  ShowFontChart(document_, document_.obj("ModelSpace"));
  EXPECT_EQ(entities(), count + 289);
  // The solid, the column labels, then per row its label and its 16 cells.
  const Ref cellA(document_.obj("ModelSpace").call("Item", count + 18 + 4 * 17 + 1).toObject());
  EXPECT_EQ(cellA.get("TextString").toString(), u"A");
  EXPECT_EQ(cellA.get("Color").toInt(), 2);  // CECOLOR while the chart was drawn
  EXPECT_EQ(document_.call("GetVariable", u"CECOLOR").toString(), u"2");
  EXPECT_EQ(app_->activeDocument()->commandLog().back(),
            u"(alert \"Press Ok for continue\")(command \"_.u\") ");
  const auto& doc = *app_->activeDocument();
  EXPECT_EQ(doc.pendingAlert(), u"Press Ok for continue");
  const std::string shown = saved("shown.dxf");  // saved while the alert waits
  app_->activeDocument()->answerAlert();
  EXPECT_FALSE(doc.pendingAlert());
  EXPECT_EQ(withoutHandseed(saved("after.dxf")), withoutHandseed(before));
  EXPECT_NE(withoutHandseed(shown), withoutHandseed(before));
}

TEST_F(FontChart, AHostErrorUndoesThePartDrawnAndSendsNoAlert) {
  const std::string before = saved("before.dxf");
  const host::Variant colour = document_.call("GetVariable", u"CECOLOR");
  EXPECT_THROW(
      ShowFontChart(document_, Ref(std::make_shared<FailingSpace>(document_.obj("ModelSpace")))),
      host::HostError);
  EXPECT_EQ(document_.call("GetVariable", u"CECOLOR"), colour);
  EXPECT_EQ(withoutHandseed(saved("after.dxf")), withoutHandseed(before));
  for (const auto& command : app_->activeDocument()->commandLog()) {
    EXPECT_EQ(command.find(u"alert"), std::u16string::npos);
  }
}

}  // namespace
}  // namespace vrn::drawing_ops
