// vrn_walk_bench FILE: in-process microbenchmark of what the drawing-wide
// operations do: open FILE, then read every text of model space, change it
// and write it back, all inside one undo mark, then undo it; printed beside
// open + save of the same drawing as "key=value" words.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "drawing/application.h"
#include "dxf/dxf_files.h"
#include "host/ref.h"
#include "host/utf8.h"

namespace {

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: vrn_walk_bench FILE\n");
    return 2;
  }
  const std::string path = argv[1];
  const std::string out = path + ".vrn-walked.dxf";
  const auto app = vrn::drawing::makeApplication(std::make_shared<vrn::dxf::DxfFiles>());

  auto start = std::chrono::steady_clock::now();
  const vrn::host::Ref document(app->open(path));
  document.call("SaveAs", vrn::utf8ToUtf16(out));
  const double openAndSave = secondsSince(start);

  const vrn::host::Ref space = document.obj("ModelSpace");
  const std::int32_t count = space.get("Count").toInt();
  start = std::chrono::steady_clock::now();
  document.call("StartUndoMark");
  for (std::int32_t i = 0; i < count; ++i) {
    const vrn::host::Ref entity = space.call("Item", i).toObject();
    if (entity.get("EntityType").toInt() != 32) continue;
    entity.put("TextString", entity.get("TextString").toString() + u"!");
  }
  document.call("EndUndoMark");
  const double walk = secondsSince(start);
  start = std::chrono::steady_clock::now();
  document.call("SendCommand", std::u16string(u"U "));
  const double undo = secondsSince(start);
  std::filesystem::remove(out);
  std::printf("open_save=%.6f walk=%.6f undo=%.6f entities=%d\n", openAndSave, walk, undo, count);
  return 0;
}
