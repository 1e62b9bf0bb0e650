// The walk over a drawing's texts, on the sample sheet: it meets exactly the
// texts `vrn texts` lists for it (tests/cli's golden output), in that order,
// each with its kind; the texts inside dimension blocks are not among them.
#include "drawing_ops/text_walk.h"

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "drawing/application.h"
#include "dxf/dxf_files.h"
#include "host/utf8.h"

namespace vrn::drawing_ops {
namespace {

using host::EntityType;

TEST(TextWalk, MeetsEveryTextOfTheSampleSheetInDrawingOrder) {
  std::ifstream golden(VRN_SOURCE_DIR "/tests/cli/data/sample_texts.json");
  ASSERT_TRUE(golden);
  std::vector<std::pair<std::string, std::string>> expected;
  for (const auto& text : nlohmann::json::parse(golden)) {
    expected.emplace_back(text.at("handle").get<std::string>(),
                          text.at("entity").get<std::string>());
  }
  ASSERT_FALSE(expected.empty());

  const auto app = drawing::makeApplication(std::make_shared<dxf::DxfFiles>());
  const host::Ref document = host::Ref(app)
                                 .obj("Documents")
                                 .call("Open", VRN_SOURCE_DIR "/examples/sample.dxf")
                                 .toObject();
  std::vector<std::pair<std::string, std::string>> met;
  forEachText(document, [&met](const host::Ref& text, EntityType type) {
    met.emplace_back(utf16ToUtf8(text.get("Handle").toString()), textKindName(type));
  });
  EXPECT_EQ(met, expected);
}

}  // namespace
}  // namespace vrn::drawing_ops
