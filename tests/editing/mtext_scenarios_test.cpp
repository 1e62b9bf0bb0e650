// The multi-line editor's user flows (members mtext, edit on an MTEXT and
// HtoMtext), each a script played on the sample drawing, the resulting
// drawing checked.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "../support/scenario.h"
#include "host/entity_type.h"
#include "host/utf8.h"
#include "platform/keyboard_layouts.h"

namespace vrn::editing {
namespace {

using test::Scenario;

// The sample's MTEXT: top right, height 15, three paragraphs after a format group.
constexpr char16_t kNotes[] = u"A8";
constexpr double kNotesX = 1000;
constexpr double kNotesY = -60;
constexpr double kNotesHeight = 15;
// Three HEB-DOS texts at y 150, 110 and 60, height 20.
const std::vector<std::u16string> kColumn = {u"9F", u"A7", u"A5"};

struct Case {
  const char* name;
  const char* member;
  const char16_t* arg;  // nullptr: HtoMtext, which takes none
  const char* script;
  std::function<void(Scenario&)> check;
  std::function<void(Scenario&)> setup = nullptr;
  host::HRESULT hr = host::hr::kOk;
};

std::vector<host::Ref> modelSpace(const Scenario& s) {
  const host::Ref model = s.doc.obj("ModelSpace");
  std::vector<host::Ref> entities;
  for (int i = 0; i < model.get("Count").toInt(); ++i) {
    entities.push_back(model.call("Item", i).toObject());
  }
  return entities;
}

// Entities added by the run, in the order they were added.
std::vector<host::Ref> addedSince(const Scenario& s, int before) {
  const std::vector<host::Ref> all = modelSpace(s);
  return {all.begin() + before, all.end()};
}

int modelCount(const Scenario& s) { return s.doc.obj("ModelSpace").get("Count").toInt(); }

bool gone(const Scenario& s, const std::u16string& handle) {
  try {
    s.entity(handle);
    return false;
  } catch (const host::HostError&) {
    return true;
  }
}

host::Point3 insertion(const host::Ref& e) { return host::toPoint(e.get("InsertionPoint")); }

double rightEnd(const host::Ref& e) {
  std::vector<host::Variant> corners(2);
  e.callByRef("GetBoundingBox", corners);
  return host::toPoint(corners[1]).x;
}

std::u16string text(const Scenario& s, const char16_t* handle) {
  return s.entity(handle).get("TextString").toString();
}

// Filled by setup for checks that compare with the drawing before the run.
int countBefore = 0;
std::u16string notesBefore;

void remember(Scenario& s) {
  countBefore = modelCount(s);
  notesBefore = text(s, kNotes);
}

const Case kCases[] = {
    {"a new MTEXT takes TEXTSIZE on Enter at the height prompt and ends every line with \\P",
     "mtext", u"",
     "point 100,200\n"
     "enter\n"
     "uncheck CheckBox1\n"
     "click Memo1\n"
     "type שלום\n"
     "key Enter\n"
     "type עולם\n"
     "click BitBtn1\n",
     [](Scenario& s) {
       const auto added = addedSince(s, countBefore);
       ASSERT_EQ(added.size(), 1u);
       const host::Ref m = added[0];
       EXPECT_EQ(m.get("ObjectName").toString(), u"AcDbMText");
       EXPECT_DOUBLE_EQ(m.get("Height").toDouble(),
                        s.doc.call("GetVariable", u"TEXTSIZE").toDouble());
       EXPECT_EQ(m.get("AttachmentPoint").toInt(), 3);
       EXPECT_TRUE(m.get("TextString").toString().ends_with(u"\\P"));
       EXPECT_EQ(s.readingText(m.get("Handle").toString()), u"שלום\nעולם");
       EXPECT_EQ(insertion(m), (host::Point3{100, 200, 0}));
     },
     remember},
    {"a height of 0 ends the new MTEXT before the form opens", "mtext", u"",
     "point 100,200\ndistance 0\n", [](Scenario& s) { EXPECT_EQ(modelCount(s), countBefore); },
     remember},
    {"the sample's MTEXT opens as three lines, right-aligned; Cancel writes nothing", "mtext",
     kNotes,
     "expect Memo1 LineCount 3\n"
     "expect Memo1 Lines[1] \"כל המידות בסמ\"\n"
     "expect Memo1 Lines[2] \"לא למדוד מהתוכנית\"\n"
     "expect btnR Down true\n"
     "expect StatusBar1 Panels[0] HEB-TTF\n"
     "expect MaskEdit1 Text 22.5\n"
     "click SpinButton1 up\n"
     "expect MaskEdit1 Text 24\n"
     "click SpinButton1 down\n"
     "click SpinButton1 down\n"
     "expect MaskEdit1 Text 21\n"
     "click BitBtn3\n",
     [](Scenario& s) {
       EXPECT_EQ(text(s, kNotes), notesBefore);
       EXPECT_EQ(modelCount(s), countBefore);
     },
     remember},
    {"edit on an MTEXT opens the multi-line editor", "edit", kNotes,
     "expect Memo1 Lines[2] \"לא למדוד מהתוכנית\"\nclick BitBtn3\n", nullptr},
    {"OK without an edit leaves the MTEXT and its format group alone", "mtext", kNotes,
     "uncheck CheckBox1\nclick BitBtn1\n",
     [](Scenario& s) { EXPECT_EQ(text(s, kNotes), notesBefore); }, remember},
    {"OK on an emptied memo leaves the MTEXT as it was", "mtext", kNotes,
     "set Memo1 \"\"\nclick BitBtn1\n",
     [](Scenario& s) {
       EXPECT_EQ(text(s, kNotes), notesBefore);
       EXPECT_EQ(modelCount(s), countBefore);
     },
     remember},
    {"an edited line is written back, the format group dropped", "mtext", kNotes,
     "uncheck CheckBox1\n"
     "click Memo1\n"
     "caret 0\n"
     "type א\n"
     "click BitBtn1\n",
     [](Scenario& s) {
       const std::u16string stored = text(s, kNotes);
       EXPECT_FALSE(stored.starts_with(u"{"));
       EXPECT_TRUE(stored.ends_with(u"\\P"));
       EXPECT_EQ(s.entity(kNotes).get("AttachmentPoint").toInt(), 3);
     },
     remember},
    {"Explode gives three texts whose right ends stand on the MTEXT's X, 1.5 heights apart",
     "mtext", kNotes, "click BitBtn1\n",
     [](Scenario& s) {
       EXPECT_TRUE(gone(s, kNotes));
       const auto added = addedSince(s, countBefore - 1);
       ASSERT_EQ(added.size(), 3u);
       for (std::size_t k = 0; k < added.size(); ++k) {
         EXPECT_EQ(added[k].get("ObjectName").toString(), u"AcDbText");
         EXPECT_NEAR(rightEnd(added[k]), kNotesX, 1e-6);
         EXPECT_NEAR(insertion(added[k]).y, kNotesY - static_cast<double>(k) * 1.5 * kNotesHeight,
                     1e-6);
         EXPECT_EQ(added[k].get("Layer").toString(), u"A-TEXT");
       }
       EXPECT_EQ(s.readingText(added[2].get("Handle").toString()), u"לא למדוד מהתוכנית");
     },
     remember},
    {"one undo takes an exploded MTEXT back whole", "mtext", kNotes, "click BitBtn1\n",
     [](Scenario& s) {
       s.doc.call("SendCommand", u"U ");
       EXPECT_EQ(text(s, kNotes), notesBefore);
       EXPECT_EQ(modelCount(s), countBefore);
     },
     remember},
    {"a spacing that is no number keeps the form open and the MTEXT whole", "mtext", kNotes,
     "set MaskEdit1 abc\n"
     "click BitBtn1\n"
     "answer OK\n"
     "expect Tfrmmtext Showing true\n"
     "click BitBtn3\n",
     [](Scenario& s) {
       EXPECT_EQ(text(s, kNotes), notesBefore);
       EXPECT_EQ(modelCount(s), countBefore);
     },
     remember},
    {"Align Left on a bottom-right MTEXT keeps it at the bottom", "mtext", kNotes,
     "expect btnR Down true\nuncheck CheckBox1\nclick btnL\nclick BitBtn1\n",
     [](Scenario& s) { EXPECT_EQ(s.entity(kNotes).get("AttachmentPoint").toInt(), 7); },
     [](Scenario& s) { s.entity(kNotes).put("AttachmentPoint", 9); }},
    {"an edit without a change of direction keeps a middle-centre attachment", "mtext", kNotes,
     "uncheck CheckBox1\nclick Memo1\ncaret 0\ntype א\nclick BitBtn1\n",
     [](Scenario& s) { EXPECT_EQ(s.entity(kNotes).get("AttachmentPoint").toInt(), 5); },
     [](Scenario& s) { s.entity(kNotes).put("AttachmentPoint", 5); }},
    {"three picked texts open top to bottom and become one MTEXT in the first text's style",
     "HtoMtext", nullptr,
     "pick A5 9F A7\n"
     "expect Memo1 Lines[0] סלון\n"
     "expect Memo1 Lines[1] \"שטח 24.5\"\n"
     "expect Memo1 Lines[2] מסדרון\n"
     "expect btnL Down true\n"
     "uncheck CheckBox1\n"
     "click BitBtn1\n",
     [](Scenario& s) {
       for (const auto& h : kColumn) EXPECT_TRUE(gone(s, h));
       const auto added = addedSince(s, countBefore - 3);
       ASSERT_EQ(added.size(), 1u);
       EXPECT_EQ(added[0].get("StyleName").toString(), u"HEB-DOS");
       EXPECT_EQ(added[0].get("Layer").toString(), u"A-TEXT");
       EXPECT_EQ(added[0].get("AttachmentPoint").toInt(), 1);
       EXPECT_EQ(s.readingText(added[0].get("Handle").toString()), u"סלון\nשטח 24.5\nמסדרון");
     },
     remember},
    {"texts become MTEXT under their own style's font type, not the active style's", "HtoMtext",
     nullptr, "pick A5 9F A7\nuncheck CheckBox1\nclick BitBtn1\n",
     [](Scenario& s) {
       const auto added = addedSince(s, countBefore - 3);
       ASSERT_EQ(added.size(), 1u);
       EXPECT_EQ(s.readingText(added[0].get("Handle").toString()), u"סלון\nשטח 24.5\nמסדרון");
     },
     [](Scenario& s) {
       remember(s);
       s.doc.put("ActiveTextStyle", s.doc.obj("TextStyles").call("Item", u"HEB-TTF"));
     }},
    {"exploded, the texts stand 1.5 heights apart from the first text down", "HtoMtext", nullptr,
     "pick A5 9F A7\nclick BitBtn1\n",
     [](Scenario& s) {
       const auto added = addedSince(s, countBefore - 3);
       ASSERT_EQ(added.size(), 3u);
       for (std::size_t k = 0; k < added.size(); ++k) {
         EXPECT_NEAR(insertion(added[k]).y, 150 - static_cast<double>(k) * 30, 1e-6);
         EXPECT_NEAR(insertion(added[k]).x, 250, 1e-6);
       }
       EXPECT_EQ(s.readingText(added[1].get("Handle").toString()), u"שטח 24.5");
     },
     remember},
    {"an emptied memo is Cancel: the picked texts stay", "HtoMtext", nullptr,
     "pick A5 9F A7\nset Memo1 \"\"\nclick BitBtn1\n",
     [](Scenario& s) {
       EXPECT_EQ(modelCount(s), countBefore);
       for (const auto& h : kColumn) EXPECT_FALSE(gone(s, h));
     },
     remember},
    {"a spacing that is no number keeps the picked texts", "HtoMtext", nullptr,
     "pick A5 9F A7\nset MaskEdit1 x\nclick BitBtn1\nanswer OK\nclick BitBtn3\n",
     [](Scenario& s) {
       EXPECT_EQ(modelCount(s), countBefore);
       for (const auto& h : kColumn) EXPECT_FALSE(gone(s, h));
     },
     remember},
    {"one undo takes text to MTEXT back whole", "HtoMtext", nullptr,
     "pick A5 9F A7\nuncheck CheckBox1\nclick BitBtn1\n",
     [](Scenario& s) {
       s.doc.call("SendCommand", u"U ");
       EXPECT_EQ(modelCount(s), countBefore);
       for (const auto& h : kColumn) EXPECT_FALSE(gone(s, h));
     },
     remember},
    {"a selection set left over from a failed call does not block text to MTEXT", "HtoMtext",
     nullptr, "pick A5 9F A7\nuncheck CheckBox1\nclick BitBtn1\n",
     [](Scenario& s) {
       EXPECT_EQ(modelCount(s), countBefore - 2);
       EXPECT_EQ(s.doc.obj("SelectionSets").get("Count").toInt(), 0);
     },
     [](Scenario& s) {
       remember(s);
       s.doc.obj("SelectionSets").call("Add", u"SSMText");
     }},
};

TEST(MtextScenarios, RunOnTheSampleDrawing) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    Scenario s(test::sampleDrawing());
    if (c.setup) c.setup(s);
    std::vector<host::Variant> args;
    if (c.arg) args.emplace_back(c.arg);
    const automation::CallResult result = s.run(c.member, args, c.script);
    EXPECT_EQ(result.hr, c.hr) << utf16ToUtf8(result.error.description);
    EXPECT_TRUE(s.report().ok()) << s.failures();
    if (c.check) c.check(s);
  }
}

TEST(MtextScenarios, ExportAndImportKeepHebrew) {
  Scenario s(test::sampleDrawing());
  const std::string file = (s.dataDir() / "notes.txt").string();
  const automation::CallResult result =
      s.run("mtext", {host::Variant(kNotes)},
            "click btnSave\nfile " + file + "\nset Memo1 x\nclick btnOPen\nfile " + file +
                "\nexpect Memo1 LineCount 3\nexpect Memo1 Lines[2] \"לא למדוד מהתוכנית\"\n"
                "click BitBtn3\n");
  EXPECT_EQ(result.hr, host::hr::kOk);
  EXPECT_TRUE(s.report().ok()) << s.failures();
  EXPECT_TRUE(test::readFile(file).starts_with("\xEF\xBB\xBF:"));
}

TEST(MtextScenarios, AnAbortedPickLeavesTextToMtextWorking) {
  Scenario s(test::sampleDrawing());
  const automation::CallResult aborted = s.run("HtoMtext", {}, "escape\n");
  EXPECT_NE(aborted.hr, host::hr::kOk);
  EXPECT_EQ(s.doc.obj("SelectionSets").get("Count").toInt(), 0);
  const automation::CallResult again =
      s.run("HtoMtext", {}, "pick A5 9F A7\nuncheck CheckBox1\nclick BitBtn1\n");
  EXPECT_EQ(again.hr, host::hr::kOk) << utf16ToUtf8(again.error.description);
  EXPECT_TRUE(s.report().ok()) << s.failures();
  for (const auto& h : kColumn) EXPECT_TRUE(gone(s, h));
}

TEST(MtextScenarios, LaterEditorsStillFollowLayoutSwitches) {
  Scenario s(test::sampleDrawing());
  EXPECT_EQ(s.run("mtext", {host::Variant(kNotes)}, "click BitBtn3\n").hr, host::hr::kOk);
  const std::u16string handle = s.newText(u"HEB-DOS", {300, 300, 0});
  s.run("newtext", {host::Variant(handle)},
        "layout en\nwait 100\nexpect tbEng Down true\nkey Escape\n");
  EXPECT_TRUE(s.report().ok()) << s.failures();
}

}  // namespace
}  // namespace vrn::editing
