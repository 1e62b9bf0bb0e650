#pragma once
// Shared set-up of the built-in drawing's tests: an application with one
// new drawing, and helpers that read like the automation code callers write.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "drawing/application.h"
#include "drawing/text_layout.h"
#include "dxf/dxf_files.h"
#include "host/point.h"
#include "host/ref.h"
#include "host/utf8.h"

namespace vrn::host {
inline void PrintTo(const Point3& p, std::ostream* os) {
  *os << "(" << p.x << ", " << p.y << ", " << p.z << ")";
}
}  // namespace vrn::host

namespace vrn::drawing::testing {

using host::Point3;
using host::Ref;
using host::Variant;

inline Variant pt(double x, double y, double z = 0) { return host::toVariant({x, y, z}); }

inline Point3 pointOf(const Ref& e, const char* name) { return host::toPoint(e.get(name)); }

inline Box boundingBox(const Ref& e) {
  std::vector<Variant> args(2);
  e.callByRef("GetBoundingBox", args);
  return {host::toPoint(args[0]), host::toPoint(args[1])};
}

MATCHER_P2(NearPoint, expected, tolerance, "") {
  return std::abs(arg.x - expected.x) < tolerance && std::abs(arg.y - expected.y) < tolerance &&
         std::abs(arg.z - expected.z) < tolerance;
}

// An application whose drawings are DXF files.
inline std::shared_ptr<Application> fileApplication() {
  return makeApplication(std::make_shared<dxf::DxfFiles>());
}

// A drawing of the corpus of real DXF files, opened where it lies; null when
// this machine lacks the corpus (the caller skips).
inline DocumentPtr openCorpusDrawing(Application& app, const std::string& name) {
  const std::filesystem::path path = std::filesystem::path(VRN_DXF_CORPUS) / name;
  if (!std::filesystem::exists(path)) return nullptr;
  return app.open(path.string());
}

class DrawingTest : public ::testing::Test {
 protected:
  std::shared_ptr<Application> app = makeApplication(nullptr);
  DocumentPtr doc = app->addDocument();
  Ref docRef{doc};

  Ref modelSpace() const { return docRef.obj("ModelSpace"); }
  Ref addText(const char* text, double x, double y, double height) const {
    return modelSpace().call("AddText", text, pt(x, y), height).toObject();
  }
  std::u16string handle(const Ref& e) const { return e.get("Handle").toString(); }
  bool exists(const std::u16string& h) const { return doc->findEntity(utf16ToUtf8(h)) != nullptr; }
};

}  // namespace vrn::drawing::testing
