// convert-fonts, remap and revit on drawings and folders of them.
#include <fstream>

#include "cli_fixture.h"

namespace vrn::cli::testing {
namespace {

TEST_F(CliTest, RemapAFolderInParallelWritingEachDrawingAndFailingOnABadOne) {
  const fs::path in = root / "in";
  fs::create_directories(in);
  for (const char* name : {"a.dxf", "b.DXF", "c.dxf"}) fs::copy_file(drawing, in / name);
  std::ofstream(in / "notes.txt") << "not a drawing";
  const std::string before = readFile(drawing);

  RunResult r = run({"remap", in.string(), "--fonts", "HEBREW.shx", "--to", "windows", "-o",
                     (root / "out").string(), "-j", "2"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("total: 3 of 3 drawings written"), std::string::npos) << r.out;
  for (const char* name : {"a.dxf", "b.DXF", "c.dxf"}) {
    EXPECT_NE(readFile((root / "out" / name).string()), before) << name;
  }
  EXPECT_FALSE(fs::exists(root / "out" / "notes.txt"));

  std::ofstream(in / "d.dxf") << "0\nSECTION\n2\nENTITIES\n0\nTEXT\n";  // cut short
  r = run({"remap", in.string(), "--fonts", "hebrew.shx", "--to", "dos", "--reverse", "-o",
           (root / "out2").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("d.dxf"), std::string::npos) << r.err;
  EXPECT_NE(r.out.find("total: 3 of 4 drawings written"), std::string::npos) << r.out;
  EXPECT_FALSE(fs::exists(root / "out2" / "d.dxf"));
}

TEST_F(CliTest, ConvertFontsNamesWhatIsMissing) {
  const std::string before = readFile(drawing);
  RunResult r = run({"convert-fonts", drawing, "--fonts", "other.shx", "--style", "BACK"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("fonts given"), std::string::npos) << r.err;
  r = run({"convert-fonts", drawing, "--fonts", "hebrew.shx", "--style", "NOSUCH"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("NOSUCH"), std::string::npos) << r.err;
  EXPECT_EQ(readFile(drawing), before);

  r = run({"convert-fonts", drawing, "--fonts", "hebrew.shx", "--style", "BACK"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(readFile(drawing), before);
}

TEST_F(CliTest, RevitWritesACopyBesideTheBaseAndNeverReplacesIt) {
  const std::string before = readFile(drawing);
  RunResult r = run({"revit", drawing});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(readFile(drawing), before);
  const fs::path copy = root / "plan_Revit.dxf";
  ASSERT_TRUE(fs::exists(copy));
  EXPECT_NE(readFile(copy.string()).find("ARIALREVIT"), std::string::npos);

  EXPECT_EQ(run({"revit", drawing}).status, 2);  // the copy exists
  EXPECT_EQ(run({"revit", drawing, "--force"}).status, 0);
  EXPECT_EQ(run({"revit", drawing, "-o", drawing, "--force"}).status, 2);
  EXPECT_EQ(readFile(drawing), before);
}

}  // namespace
}  // namespace vrn::cli::testing

namespace vrn::cli::testing {
namespace {

// plot-prep and the member Hplot do the same; -o is required.
TEST_F(CliTest, PlotPrepWritesACopyAsHplotDoes) {
  const std::string before = readFile(drawing);
  EXPECT_EQ(run({"plot-prep", drawing}).status, 2);
  const std::string prepared = (root / "prepared.dxf").string();
  const std::string called = (root / "called.dxf").string();
  ASSERT_EQ(run({"plot-prep", drawing, "-o", prepared}).status, 0);
  ASSERT_EQ(run({"call", drawing, "Hplot", "-o", called}).status, 0);
  EXPECT_EQ(readFile(drawing), before);
  EXPECT_EQ(readFile(prepared), readFile(called));
}

}  // namespace
}  // namespace vrn::cli::testing
