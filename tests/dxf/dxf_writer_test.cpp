#include "dxf/dxf_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "dxf/dxf_files.h"
#include "dxf/dxf_reader.h"
#include "dxf_text.h"

namespace vrn::dxf {
namespace {

using test::dxf;
using test::smallDrawing;

drawing::DrawingData read(std::string text) {
  return readDxf(std::make_shared<const std::string>(std::move(text)), "plan.dxf");
}

std::string fileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The drawings ezdxf wrote for the cross-check, in every version, and the
// sample sheet.
TEST(DxfWriter, UnchangedDrawingsSaveByteForByte) {
  std::vector<std::filesystem::path> drawings{VRN_SOURCE_DIR "/examples/sample.dxf"};
  for (const auto& entry :
       std::filesystem::directory_iterator(VRN_SOURCE_DIR "/tests/dxf/fixtures")) {
    if (entry.path().extension() == ".dxf") drawings.push_back(entry.path());
  }
  int checked = 0;
  for (const auto& path : drawings) {
    drawing::FileClaim claim;
    const auto data = DxfFiles().load(path.string(), claim);
    EXPECT_EQ(dxfText(data), fileText(path)) << path;
    ++checked;
  }
  std::printf("drawings saved unchanged: %d of %zu\n", checked, drawings.size());
  EXPECT_GE(checked, 7);
  EXPECT_EQ(static_cast<std::size_t>(checked), drawings.size());
}

TEST(DxfWriter, AChangedRecordKeepsEveryOtherGroupInPlace) {
  const std::string text = smallDrawing();
  std::string crlf;
  for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  auto data = read(crlf);
  data.entities[0]->record.set(1, "\xF9\xEC\xE5\xED");
  std::string expected = crlf;
  const std::string before = dxf("1=\x99\x8C\x85\x8D\n1001=VRN\n1000=note", "\r\n");
  expected.replace(expected.find(before), before.size(),
                   dxf("1=\xF9\xEC\xE5\xED\n1001=VRN\n1000=note", "\r\n"));
  EXPECT_EQ(dxfText(data), expected);
}

TEST(DxfWriter, ErasedEntitiesAreLeftOut) {
  auto data = read(smallDrawing());
  data.entities[1]->children[0]->erased = true;  // one ATTRIB
  EXPECT_EQ(dxfText(data).find(dxf("0=ATTRIB\n5=32")), std::string::npos);
  EXPECT_NE(dxfText(data).find(dxf("0=ATTRIB\n5=33")), std::string::npos);
  data.entities[1]->erased = true;  // the INSERT with its ATTRIBs and SEQEND
  const std::string written = dxfText(data);
  for (const char* gone : {"0=INSERT", "0=ATTRIB", "5=34"}) {
    EXPECT_EQ(written.find(dxf(gone)), std::string::npos) << gone;
  }
  EXPECT_NE(written.find(dxf("0=POLYLINE")), std::string::npos);
}

TEST(DxfWriter, HandSeedStaysAboveNewHandles) {
  auto data = read(smallDrawing());
  auto entity = std::make_shared<drawing::Entity>();
  entity->record = drawing::Record({{0, "LINE"}, {5, "4A"}, {8, "0"}});
  data.entities.push_back(entity);
  const std::string written = dxfText(data);
  EXPECT_NE(written.find(dxf("9=$HANDSEED\n5=4B")), std::string::npos);
  EXPECT_NE(written.find(dxf("0=LINE\n5=4A\n8=0\n0=ENDSEC")), std::string::npos);
  EXPECT_EQ(read(written).header.value(5), "4B");
}

}  // namespace
}  // namespace vrn::dxf
