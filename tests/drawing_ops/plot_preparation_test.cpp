// Plot preparation on the sample sheet, with one text whose style the
// drawing lacks: the failure leaves the drawing, the selection sets and the
// undo groups as they were, and sends no plot; the next run works.
#include "drawing_ops/plot_preparation.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "drawing/application.h"
#include "drawing/document.h"
#include "dxf/dxf_files.h"
#include "host/host_error.h"
#include "host/utf8.h"
#include "support/temp_dir.h"

namespace vrn::drawing_ops {
namespace {

using host::Ref;

std::string readAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class PlotPreparation : public testing::Test {
 protected:
  PlotPreparation() {
    // The TrueType text A6 names a style the drawing lacks.
    std::string dxf = readAll(VRN_SOURCE_DIR "/examples/sample.dxf");
    const auto a6 = dxf.find("\n  5\nA6\n");
    const auto style = dxf.find("\nHEB-TTF\n", a6);
    dxf.replace(style + 1, 7, "GHOST");
    std::ofstream(dir_ / "ghost.dxf", std::ios::binary) << dxf;
    document_ = Ref(app_)
                    .obj("Documents")
                    .call("Open", utf8ToUtf16((dir_ / "ghost.dxf").string()))
                    .toObject();
  }

  std::string saved(const char* name) const {
    document_.call("SaveAs", utf8ToUtf16((dir_ / name).string()));
    return readAll(dir_ / name);
  }

  const std::vector<std::u16string>& commands() const {
    return app_->activeDocument()->commandLog();
  }

  test::TempDir dir_;
  std::shared_ptr<drawing::Application> app_ =
      drawing::makeApplication(std::make_shared<dxf::DxfFiles>());
  Ref document_;
};

TEST_F(PlotPreparation, AFailureLeavesNothingBehindAndTheNextRunWorks) {
  const std::string before = saved("before.dxf");
  EXPECT_THROW(PreparePlot(document_), host::HostError);
  EXPECT_EQ(saved("failed.dxf"), before);
  EXPECT_EQ(document_.obj("SelectionSets").get("Count").toInt(), 0);
  EXPECT_TRUE(commands().empty());

  Ref(document_.call("HandleToObject", u"A6").toObject()).put("StyleName", u"HEB-TTF");
  const std::string fixed = saved("fixed.dxf");
  EXPECT_EQ(PreparePlot(document_), 3u);  // A3, A6 and the MTEXT A8
  EXPECT_EQ(commands(), std::vector<std::u16string>{u"_PLOT "});
  EXPECT_EQ(document_.obj("SelectionSets").get("Count").toInt(), 0);
  EXPECT_NE(saved("plotted.dxf"), fixed);
  document_.call("SendCommand", u"U ");
  EXPECT_EQ(saved("undone.dxf"), fixed);
}

}  // namespace
}  // namespace vrn::drawing_ops
