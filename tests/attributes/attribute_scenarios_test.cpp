// The attribute editor's user flows (member block on a block reference,
// member edit on an attribute definition), each a script played on the
// sample drawing, the resulting drawing checked.

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "../support/scenario.h"
#include "config_folder.h"
#include "host/utf8.h"
#include "library/sqlite_db.h"
#include "library/tdb.h"
#include "platform/keyboard_layouts.h"

namespace vrn::attributes {
namespace {

using test::Scenario;

// Sheet A-101's title block TITLE-HEB and its attributes PROJECT (HEB-TTF),
// SHEET (HEB-DOS) and SCALE (STANDARD), grid rows 1 to 3; the block's
// attribute definitions for them.
constexpr char16_t kTitle[] = u"D2";
constexpr char16_t kProject[] = u"D4";
constexpr char16_t kSheet[] = u"D5";
constexpr char16_t kScale[] = u"D6";
constexpr char16_t kProjectDef[] = u"CF";
constexpr char16_t kSheetDef[] = u"D0";
// An arrowhead of a dimension: a block reference without attributes.
constexpr char16_t kArrow[] = u"AF";

struct Case {
  const char* name;
  const char* member;
  const char16_t* handle;
  const char* script;
  std::function<void(Scenario&)> check;
  std::function<void(Scenario&)> setup = nullptr;
  host::HRESULT hr = host::hr::kOk;
};

std::u16string stored(const Scenario& s, const char16_t* handle) {
  return s.entity(handle).get("TextString").toString();
}

double widthFactor(const Scenario& s, const char16_t* handle) {
  return s.entity(handle).get("ScaleFactor").toDouble();
}

// Filled by setup for checks that compare with the drawing before the run.
std::vector<std::u16string> before;

void remember(Scenario& s) {
  before.clear();
  for (const char16_t* h : {kProject, kSheet, kScale, kProjectDef, kSheetDef}) {
    before.push_back(stored(s, h));
  }
  before.push_back(s.entity(kSheetDef).get("TagString").toString());
  before.push_back(s.entity(kSheetDef).get("PromptString").toString());
}

void expectUnchanged(Scenario& s) {
  const std::vector<std::u16string> now = before;
  remember(s);
  EXPECT_EQ(before, now);
}

[[maybe_unused]] void storeHistory(Scenario& s, const std::u16string& block, const std::u16string& json) {
  library::Tdb db(s.dataDir());
  library::SqliteStatement insert = library::SqliteDb(db.slDBPath().string())
                                        .prepare("INSERT INTO BlocksAttr (bname, json) VALUES (?, ?)");
  insert.bind(1, block);
  insert.bind(2, json);
  insert.step();
}

const Case kCases[] = {
    {"the block editor shows tag, prompt and value; OK writes the values as typed", "block", kTitle,
     "expect TfrmGrid Caption \"Vornel Edit Attributes\"\n"
     "expect lblName Caption \"Block:   TITLE-HEB\"\n"
     "expect ngrid Cells[0,1] PROJECT\n"
     "expect ngrid Cells[1,1] \"שם הפרויקט\"\n"
     "expect ngrid Cells[2,1] \"בית מגורים\"\n"
     "expect ngrid Cells[2,2] \"תוכנית קומה\"\n"
     "expect ngrid Cells[1,3] Scale\n"
     "expect ngrid Col 2\n"
     "expect ngrid Row 1\n"
     "expect ngrid RightToLeft true\n"
     "expect btnH Caption &English\n"
     "expect ComboBox1 Visible false\n"
     "set ngrid \"בית ספר\"\n"
     "cell ngrid 2 2\n"
     "set ngrid \"חזית 2\"\n"
     "click btnOk\n",
     [](Scenario& s) {
       EXPECT_EQ(s.readingText(kProject), u"בית ספר");
       EXPECT_EQ(s.readingText(kSheet), u"חזית 2");
       EXPECT_EQ(stored(s, kScale), u"1:50");
       EXPECT_EQ(s.module().Vrnstr, u"");
     }},
    {"the keyboard is Hebrew while the window shows and English after it", "block", kTitle,
     "expect btnH Caption &English\n"
     "click btnH\n"
     "expect ngrid RightToLeft false\n"
     "expect btnH Caption &Hebrew\n"
     "click btnH\n"
     "expect ngrid RightToLeft true\n"
     "click btnCancel\n",
     [](Scenario& s) {
       EXPECT_EQ(platform::languageIdOf(platform::currentKeyboardLayout()), 1033);
       EXPECT_EQ(s.module().Rinistr().grmode, 0);
     }},
    {"a grid left left-to-right opens so again, with the English keyboard", "block", kTitle,
     "expect ngrid RightToLeft false\nexpect btnH Caption &Hebrew\nclick btnCancel\n",
     [](Scenario& s) { EXPECT_EQ(s.module().Rinistr().grmode, 1); },
     [](Scenario& s) { s.module().Rinistr().grmode = 1; }},
    {"Cancel writes nothing and leaves Vrnstr empty", "block", kTitle,
     "set ngrid x\ncell ngrid 2 2\nset ngrid y\nset edWF 0.5\nclick btnCancel\n",
     [](Scenario& s) {
       expectUnchanged(s);
       EXPECT_EQ(widthFactor(s, kSheet), 1.0);
       EXPECT_EQ(s.module().Vrnstr, u"");
     },
     [](Scenario& s) {
       remember(s);
       s.module().Vrnstr = u"left over";
     }},
    {"Escape is Cancel", "block", kTitle, "set ngrid x\nkey Escape\n", expectUnchanged, remember},
    {"Select another block writes the edits and leaves NEXT in Vrnstr", "block", kTitle,
     "set ngrid abc\nclick BitBtn3\n",
     [](Scenario& s) {
       EXPECT_EQ(s.readingText(kProject), u"abc");
       EXPECT_EQ(s.module().Vrnstr, u"NEXT");
     }},
    {"the close box writes the edits as OK does", "block", kTitle, "set ngrid abc\nclose\n",
     [](Scenario& s) { EXPECT_EQ(s.readingText(kProject), u"abc"); }},
    {"tags and prompts take no edits", "block", kTitle,
     "cell ngrid 0 3\n"
     "set ngrid OTHER\n"
     "expect ngrid Cells[0,3] SCALE\n"
     "cell ngrid 1 3\n"
     "set ngrid other\n"
     "expect ngrid Cells[1,3] Scale\n"
     "cell ngrid 2 3\n"
     "set ngrid 1:100\n"
     "click btnOk\n",
     [](Scenario& s) {
       EXPECT_EQ(stored(s, kScale), u"1:100");
       EXPECT_EQ(s.entity(kScale).get("TagString").toString(), u"SCALE");
     }},
    {"clearing a value writes one blank; an attribute that was empty stays empty", "block", kTitle,
     "set ngrid \"\"\nclick btnOk\n",
     [](Scenario& s) {
       EXPECT_EQ(stored(s, kProject), u" ");
       EXPECT_EQ(stored(s, kScale), u"");
     },
     [](Scenario& s) { s.entity(kScale).put("TextString", u""); }},
    {"the width factor typed for a row is written with its value", "block", kTitle,
     "expect edWF Text 1\n"
     "cell ngrid 2 2\n"
     "set edWF 0.75\n"
     "cell ngrid 2 3\n"
     "expect edWF Text 1\n"
     "click btnOk\n",
     [](Scenario& s) {
       EXPECT_EQ(widthFactor(s, kSheet), 0.75);
       EXPECT_EQ(widthFactor(s, kScale), 1.0);
       EXPECT_EQ(s.readingText(kSheet), u"תוכנית קומה");
     }},
    {"a width factor whose row is emptied is not written", "block", kTitle,
     "set edWF 0.5\nset ngrid \"\"\nclick btnOk\n",
     [](Scenario& s) { EXPECT_EQ(widthFactor(s, kProject), 1.0); }},
    {"selecting a row again shows its stored width factor, not the one typed", "block", kTitle,
     "set edWF 0.5\ncell ngrid 2 2\ncell ngrid 2 1\nexpect edWF Text 1\nclick btnOk\n",
     [](Scenario& s) { EXPECT_EQ(widthFactor(s, kProject), 1.0); }},
    {"one undo takes back every value the editor wrote", "block", kTitle,
     "set ngrid x\ncell ngrid 2 2\nset ngrid y\ncell ngrid 2 3\nset ngrid z\nclick btnOk\n",
     [](Scenario& s) {
       EXPECT_EQ(stored(s, kScale), u"z");
       s.doc.call("SendCommand", u"U ");
       expectUnchanged(s);
     },
     remember},
    {"a block reference without attributes gets the warning and nothing else", "block", kArrow,
     "answer OK\n", nullptr},
    {"the window's place and size are kept in the settings", "block", kTitle,
     "expect TfrmGrid Top 120\nexpect TfrmGrid Width 500\nresize 520 330\nclick btnCancel\n",
     [](Scenario& s) {
       EXPECT_EQ(s.module().Rinistr().grw, 520);
       EXPECT_EQ(s.module().Rinistr().grh, 330);
       EXPECT_EQ(s.module().Rinistr().grt, 120);
     },
     [](Scenario& s) {
       s.module().Rinistr().grt = 120;
       s.module().Rinistr().grw = 500;
     }},

    // The definition editor.
    {"edit on an attribute definition edits its tag, prompt and default value", "edit",
     kSheetDef,
     "expect lblName Caption \"Style: HEB-DOS   Font: hebrew1.shx\"\n"
     "expect ngrid Cells[0,2] Tag\n"
     "expect ngrid Cells[2,2] Value\n"
     "expect ngrid Cells[0,3] SHEET\n"
     "expect ngrid Cells[1,3] \"שם הגיליון\"\n"
     "expect ngrid Row 3\n"
     "expect edWF Visible false\n"
     "expect BitBtn3 Visible false\n"
     "set ngrid \"קומה א\"\n"
     "cell ngrid 0 3\n"
     "set ngrid DRAWING\n"
     "cell ngrid 1 3\n"
     "set ngrid \"שם השרטוט\"\n"
     "click btnOk\n",
     [](Scenario& s) {
       const host::Ref d = s.entity(kSheetDef);
       EXPECT_EQ(d.get("TagString").toString(), u"DRAWING");
       EXPECT_EQ(d.get("PromptString").toString(), u"שם השרטוט");
       EXPECT_EQ(s.readingText(kSheetDef), u"קומה א");
     }},
    {"Cancel in the definition editor writes nothing", "edit", kSheetDef,
     "set ngrid x\ncell ngrid 0 3\nset ngrid OTHER\nclick btnCancel\n", expectUnchanged,
     remember},
    {"an emptied default value stays as it was", "edit", kSheetDef, "set ngrid \"\"\nclick btnOk\n",
     [](Scenario& s) { EXPECT_EQ(s.readingText(kSheetDef), u"א"); },
     // The DOS alef, as the code page reads its byte.
     [](Scenario& s) { s.entity(kSheetDef).put("TextString", u"\u20AC"); }},
    {"the rows above the definition's own take no edits", "edit", kSheetDef,
     "cell ngrid 0 2\nset ngrid x\nexpect ngrid Cells[0,2] Tag\nclick btnOk\n",
     [](Scenario& s) { EXPECT_EQ(s.entity(kSheetDef).get("TagString").toString(), u"SHEET"); }},
    {"one undo takes back the whole definition edit", "edit", kSheetDef,
     "set ngrid x\ncell ngrid 0 3\nset ngrid OTHER\ncell ngrid 1 3\nset ngrid p\nclick btnOk\n",
     [](Scenario& s) {
       EXPECT_EQ(s.entity(kSheetDef).get("TagString").toString(), u"OTHER");
       s.doc.call("SendCommand", u"U ");
       expectUnchanged(s);
     },
     remember},
    {"a tag the drawing refuses fails the member, not silently", "edit", kSheetDef,
     "cell ngrid 0 3\nset ngrid \"TWO WORDS\"\nclick btnOk\n",
     expectUnchanged, remember, host::hr::kInvalidArg},
};

TEST(AttributeScenarios, RunOnTheSampleDrawing) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const test::ConfigFolder config;
    Scenario s(test::sampleDrawing());
    if (c.setup) c.setup(s);
    std::vector<host::Variant> args{host::Variant(c.handle)};
    const automation::CallResult result = s.run(c.member, args, c.script);
    EXPECT_EQ(result.hr, c.hr) << utf16ToUtf8(result.error.description);
    EXPECT_TRUE(s.report().ok()) << s.failures();
    if (c.check) c.check(s);
  }
}

}  // namespace
}  // namespace vrn::attributes
