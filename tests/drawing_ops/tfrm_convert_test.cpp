// The Revit copy's window (member Convert) on a copy of the sample drawing:
// each case a script of the user, then the base file, the copy and the
// drawing checked. The base never changes unless the user saves it, the copy
// never replaces it, and an existing file is replaced only on Yes.

#include "drawing_ops/tfrm_convert.h"

#include <gtest/gtest.h>

#include <functional>

#include "../support/scenario.h"

namespace vrn::drawing_ops {
namespace {

using test::Scenario;

struct Files {
  test::TempDir dir;
  std::filesystem::path base = dir / "plan.dxf";
  std::filesystem::path copy = dir / "plan_Revit.dxf";
  std::string original = test::readFile(test::sampleDrawing());
  Files() { test::writeFile(base, original); }
};

struct Case {
  const char* name;
  const char* script;  // "{dir}" stands for the folder of the base
  std::function<void(Scenario&, const Files&)> check;
  std::function<void(Scenario&, const Files&)> setup = nullptr;
};

std::string withFolder(std::string script, const std::filesystem::path& dir) {
  for (auto at = script.find("{dir}"); at != std::string::npos; at = script.find("{dir}")) {
    script.replace(at, 5, dir.string());
  }
  return script;
}

bool showed(const Scenario& s, const std::string& line) {
  return s.toolkit.transcript().text().find(line) != std::string::npos;
}
std::u16string activeName(const Scenario& s) {
  return s.application().obj("ActiveDocument").get("FullName").toString();
}
void editSample(Scenario& s, const Files&) { s.entity(u"A3").put("TextString", u"edited"); }

const Case kCases[] = {
    {"Save As and Convert writes the copy beside the base; the base stays as it was",
     "expect Edit1 Text \"{dir}\\plan_Revit.dxf\"\nclick btnSaveAsConvert\nanswer OK\n"
     "click btnCancel\n",
     [](Scenario& s, const Files& f) {
       EXPECT_TRUE(showed(s, "message \"Conversion finished\" [vrn] OK -> OK"));
       EXPECT_EQ(test::readFile(f.base), f.original);
       ASSERT_TRUE(std::filesystem::exists(f.copy));
       EXPECT_EQ(s.entity(u"9F").get("StyleName").toString(), u"ARIALREVIT");
       EXPECT_EQ(s.readingText(u"9F"), u"סלון");
       EXPECT_EQ(s.readingText(u"A1"), u"חדר שינה");
       EXPECT_TRUE(s.doc.get("Saved").toBool());
     }},
    {"a name chosen with the browse button is the copy's",
     "click btnBrowse\nfile {dir}/other.dxf\nclick btnSaveAsConvert\nanswer OK\nclick btnCancel\n",
     [](Scenario&, const Files& f) {
       EXPECT_TRUE(std::filesystem::exists(f.base.parent_path() / "other.dxf"));
       EXPECT_FALSE(std::filesystem::exists(f.copy));
     }},
    {"the base's own name is refused",
     "set Edit1 {dir}/plan.dxf\nclick btnSaveAsConvert\n"
     "answer OK\nclick btnCancel\n",
     [](Scenario& s, const Files& f) {
       EXPECT_TRUE(showed(s, "message \"The converted drawing cannot replace the base drawing"));
       EXPECT_EQ(test::readFile(f.base), f.original);
       EXPECT_TRUE(s.doc.get("Saved").toBool());
       EXPECT_EQ(s.entity(u"9F").get("StyleName").toString(), u"HEB-DOS");
     }},
    {"the base's name written another way is refused too",
     "set Edit1 {dir}/./plan.dxf\nclick btnSaveAsConvert\nanswer OK\nclick btnCancel\n",
     [](Scenario& s, const Files& f) {
       EXPECT_EQ(test::readFile(f.base), f.original);
       EXPECT_EQ(s.entity(u"9F").get("StyleName").toString(), u"HEB-DOS");
     }},
    {"an existing copy is kept on No", "click btnSaveAsConvert\nanswer No\nclick btnCancel\n",
     [](Scenario& s, const Files& f) {
       EXPECT_TRUE(showed(s, "plan_Revit.dxf already exists.\r\nReplace it?\" [vrn] Yes/No -> No"));
       EXPECT_EQ(test::readFile(f.copy), "old copy");
       EXPECT_EQ(activeName(s).find(u"_Revit"), std::u16string::npos);
     },
     [](Scenario&, const Files& f) { test::writeFile(f.copy, "old copy"); }},
    {"an existing copy is replaced on Yes",
     "click btnSaveAsConvert\nanswer Yes\nanswer OK\nclick btnCancel\n",
     [](Scenario&, const Files& f) { EXPECT_NE(test::readFile(f.copy), "old copy"); },
     [](Scenario&, const Files& f) { test::writeFile(f.copy, "old copy"); }},
    {"unsaved changes: No leaves them out of the base and in the copy",
     "click btnSaveAsConvert\nanswer No\nanswer OK\nclick btnCancel\n",
     [](Scenario& s, const Files& f) {
       EXPECT_TRUE(showed(s, "message \"Base DWG not saved.\r\nPress \"Yes\" to save it.\""));
       EXPECT_EQ(test::readFile(f.base), f.original);
       EXPECT_NE(test::readFile(f.copy).find("edited"), std::string::npos);
     },
     editSample},
    {"unsaved changes: Yes saves them into the base first",
     "click btnSaveAsConvert\nanswer Yes\nanswer OK\nclick btnCancel\n",
     [](Scenario&, const Files& f) {
       EXPECT_NE(test::readFile(f.base).find("edited"), std::string::npos);
     },
     editSample},
    {"Reload  base DWG after the conversion opens the base, not the copy",
     "click btnSaveAsConvert\nanswer OK\nclick btnReload\nclick btnCancel\n",
     [](Scenario& s, const Files& f) {
       EXPECT_TRUE(activeName(s).ends_with(u"plan.dxf")) << utf16ToUtf8(activeName(s));
       EXPECT_EQ(s.application().obj("Documents").get("Count").toInt(), 2);
       EXPECT_EQ(test::readFile(f.base), f.original);
     }},
    {"Reload  base DWG does nothing while the drawing has unsaved changes",
     "click btnReload\nclick btnCancel\n",
     [](Scenario& s, const Files&) {
       EXPECT_EQ(s.application().obj("Documents").get("Count").toInt(), 1);
     },
     editSample},
    {"a drawing that has no file yet is refused",
     "click btnSaveAsConvert\nanswer OK\n"
     "click btnReload\nclick btnCancel\n",
     [](Scenario& s, const Files& f) {
       EXPECT_TRUE(showed(s, "message \"The drawing has no file yet"));
       EXPECT_EQ(s.application().obj("Documents").get("Count").toInt(), 2);
       EXPECT_FALSE(std::filesystem::exists(f.copy));
     },
     [](Scenario& s, const Files&) { s.application().obj("Documents").call("Add"); }},
    {"CANCEL leaves everything alone", "click btnCancel\n",
     [](Scenario& s, const Files& f) {
       EXPECT_FALSE(std::filesystem::exists(f.copy));
       EXPECT_TRUE(s.doc.get("Saved").toBool());
     }},
};

TEST(RevitCopyForm, RunOnACopyOfTheSampleDrawing) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    Files files;
    Scenario s(files.base);
    if (c.setup) c.setup(s, files);
    const automation::CallResult result =
        s.run("Convert", {}, withFolder(c.script, files.dir.path()));
    EXPECT_EQ(result.hr, host::hr::kOk) << utf16ToUtf8(result.error.description);
    EXPECT_TRUE(s.report().ok()) << s.failures();
    c.check(s, files);
  }
}

TEST(RevitCopyForm, TheHiddenReverseBoxCarriesTheSetting) {
  Files files;
  Scenario s(files.base);
  s.module().Rinistr().reverseTTF = true;
  EXPECT_EQ(s.run("Convert", {}, "expect cbReverse Checked true\nclick btnCancel\n").hr,
            host::hr::kOk);
  EXPECT_TRUE(s.report().ok()) << s.failures();
  EXPECT_TRUE(s.module().Rinistr().reverseTTF);
}

}  // namespace
}  // namespace vrn::drawing_ops
