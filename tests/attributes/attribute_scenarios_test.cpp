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
// The plan's room tag ROOM-TAG: ROOM "1" (STANDARD, no prompt), NAME "סלון"
// (HEB-DOS), AREA empty (HEB-DOS), grid rows 1 to 3.
constexpr char16_t kRoomTag[] = u"DE";
constexpr char16_t kRoom[] = u"E0";
constexpr char16_t kName[] = u"E1";
constexpr char16_t kArea[] = u"E2";
constexpr char16_t kRoomHistory[] =
    uR"({"ROOM": {"A": ["Office", "Lab"], "B": ["1", "2"], "S": "NAME"}})";
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

void storeHistory(Scenario& s, const std::u16string& block, const std::u16string& json) {
  library::Tdb db(s.dataDir());
  library::SqliteStatement insert =
      library::SqliteDb(db.slDBPath().string())
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

    // The room tag and its value history.
    {"a tag without a prompt in the block shows the tag as its prompt", "block", kRoomTag,
     "expect lblName Caption \"Block:   ROOM-TAG\"\n"
     "expect ngrid Cells[1,1] ROOM\n"
     "expect ngrid Cells[1,2] \"שם החדר\"\n"
     "expect ngrid Cells[2,2] סלון\n"
     "expect ngrid Cells[2,3] \"\"\n"
     "click btnCancel\n",
     nullptr},
    {"ROOM's history: choosing Lab stores 2 in ROOM and Lab in NAME, and preselects Lab after",
     "block", kRoomTag,
     "expect ngrid CellColor[0,1] #FFFF00\n"
     "expect ngrid CellColor[0,2] \"\"\n"
     "expect ComboBox1 Visible true\n"
     "expect ComboBox1 Items Office|Lab\n"
     "expect ComboBox1 ItemIndex 0\n"
     "choose ComboBox1 Lab\n"
     "expect ngrid Cells[2,1] 2\n"
     "expect ngrid Cells[2,2] Lab\n"
     "cell ngrid 2 2\n"
     "expect ComboBox1 Visible false\n"
     "cell ngrid 2 1\n"
     "expect ComboBox1 Visible true\n"
     "expect ComboBox1 ItemIndex 1\n"
     "click btnOk\n",
     [](Scenario& s) {
       EXPECT_EQ(stored(s, kRoom), u"2");
       EXPECT_EQ(s.readingText(kName), u"Lab");
       EXPECT_EQ(stored(s, kArea), u"");
     },
     [](Scenario& s) { storeHistory(s, u"ROOM-TAG", kRoomHistory); }},
    {"a value that no B entry holds preselects nothing", "block", kRoomTag,
     "expect ComboBox1 ItemIndex -1\nclick btnCancel\n", nullptr,
     [](Scenario& s) {
       storeHistory(s, u"ROOM-TAG", kRoomHistory);
       s.entity(kRoom).put("TextString", u"7");
     }},
    {"without B, choosing an entry puts the entry itself into the cell", "block", kRoomTag,
     "cell ngrid 2 2\n"
     "expect ComboBox1 ItemIndex 1\n"
     "choose ComboBox1 מטבח\n"
     "expect ngrid Cells[2,2] מטבח\n"
     "expect ngrid Cells[2,1] 1\n"
     "click btnOk\n",
     [](Scenario& s) { EXPECT_EQ(s.readingText(kName), u"מטבח"); },
     [](Scenario& s) { storeHistory(s, u"ROOM-TAG", uR"({"NAME": {"A": ["מטבח", "סלון"]}})"); }},
    {"a B list shorter than A stores an empty value for the rest", "block", kRoomTag,
     "choose ComboBox1 Lab\nexpect ngrid Cells[2,1] \"\"\nexpect ngrid Cells[2,2] Lab\nclick "
     "btnOk\n",
     [](Scenario& s) { EXPECT_EQ(stored(s, kRoom), u" "); },
     [](Scenario& s) {
       storeHistory(s, u"ROOM-TAG",
                    uR"({"ROOM": {"A": ["Office", "Lab"], "B": ["1"], "S": "NAME"}})");
     }},
    {"the history's tags match exactly: room is not ROOM", "block", kRoomTag,
     "expect ngrid CellColor[0,1] \"\"\nexpect ComboBox1 Visible false\nclick btnCancel\n", nullptr,
     [](Scenario& s) { storeHistory(s, u"ROOM-TAG", uR"({"room": {"A": ["x"]}})"); }},
    {"the history is the block's own, whatever the case of the name it is stored under", "block",
     kRoomTag, "expect ngrid CellColor[0,1] #FFFF00\nclick btnCancel\n", nullptr,
     [](Scenario& s) { storeHistory(s, u"room-tag", kRoomHistory); }},
    {"clearing NAME writes one blank; AREA, empty before, stays empty", "block", kRoomTag,
     "cell ngrid 2 2\nset ngrid \"\"\ncell ngrid 2 3\nset edWF 0.5\nclick btnOk\n",
     [](Scenario& s) {
       EXPECT_EQ(stored(s, kName), u" ");
       EXPECT_EQ(stored(s, kArea), u"");
       EXPECT_EQ(widthFactor(s, kArea), 1.0);
     }},
    {"Select another block on the room tag leaves NEXT", "block", kRoomTag,
     "choose ComboBox1 Lab\nclick BitBtn3\n",
     [](Scenario& s) {
       EXPECT_EQ(s.module().Vrnstr, u"NEXT");
       EXPECT_EQ(stored(s, kRoom), u"2");
     },
     [](Scenario& s) { storeHistory(s, u"ROOM-TAG", kRoomHistory); }},

    // The definition editor.
    {"edit on an attribute definition edits its tag, prompt and default value", "edit", kSheetDef,
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
     "set ngrid x\ncell ngrid 0 3\nset ngrid OTHER\nclick btnCancel\n", expectUnchanged, remember},
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
     "cell ngrid 0 3\nset ngrid \"TWO WORDS\"\nclick btnOk\n", expectUnchanged, remember,
     host::hr::kInvalidArg},
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

// A history other code wrote wrongly is reported, and the block is edited
// without it: never a failed call, never a half-used document.
TEST(AttributeScenarios, AnUnusableHistoryIsReportedAndLeftAside) {
  const char16_t* const documents[] = {
      u"{\"ROOM\": ",
      u"[\"Office\", \"Lab\"]",
      u"{\"ROOM\": [\"Office\", \"Lab\"]}",
      u"{\"ROOM\": {\"A\": \"Office\"}}",
      u"{\"ROOM\": {\"A\": [\"Office\", 2]}}",
      u"{\"ROOM\": {\"A\": [\"Office\"], \"B\": [1]}}",
      u"{\"NAME\": {\"A\": [\"x\"]}, \"ROOM\": {\"A\": [\"Office\"], \"S\": [\"NAME\"]}}",
  };
  for (const char16_t* document : documents) {
    SCOPED_TRACE(utf16ToUtf8(document));
    const test::ConfigFolder config;
    Scenario s(test::sampleDrawing());
    storeHistory(s, u"ROOM-TAG", document);
    const automation::CallResult result = s.run("block", {host::Variant(kRoomTag)},
                                                "answer OK\n"
                                                "expect ngrid CellColor[0,1] \"\"\n"
                                                "expect ngrid CellColor[0,2] \"\"\n"
                                                "expect ComboBox1 Visible false\n"
                                                "set ngrid 5\n"
                                                "click btnOk\n");
    EXPECT_EQ(result.hr, host::hr::kOk) << utf16ToUtf8(result.error.description);
    EXPECT_TRUE(s.report().ok()) << s.failures();
    EXPECT_NE(
        s.toolkit.transcript().text().find("The value history of block ROOM-TAG cannot be used"),
        std::string::npos)
        << s.toolkit.transcript().text();
    EXPECT_EQ(stored(s, kRoom), u"5");
  }
}

// Without a row in the database, the current user's registry key (here its
// POSIX mirror) gives the history.
TEST(AttributeScenarios, TheRegistryGivesTheHistoryTheDatabaseLacks) {
  const test::ConfigFolder config;
  config.setBlocksKey("ROOM-TAG=" + utf16ToUtf8(kRoomHistory) + "\n");
  Scenario s(test::sampleDrawing());
  const automation::CallResult result =
      s.run("block", {host::Variant(kRoomTag)},
            "expect ngrid CellColor[0,1] #FFFF00\nchoose ComboBox1 Lab\nclick btnOk\n");
  EXPECT_EQ(result.hr, host::hr::kOk) << utf16ToUtf8(result.error.description);
  EXPECT_TRUE(s.report().ok()) << s.failures();
  EXPECT_EQ(stored(s, kRoom), u"2");
  EXPECT_EQ(s.readingText(kName), u"Lab");
}

// A width factor the host cannot take (0, negative, no number) is never
// written: the attribute keeps the factor it had, even after a good one was
// typed first.
TEST(AttributeScenarios, OnlyAPositiveWidthFactorIsWritten) {
  const struct {
    const char* typed;
    double written;
  } cases[] = {
      {"0.5", 0.5}, {" 2 ", 2.0}, {"0", 0.8},   {"-1", 0.8},    {"abc", 0.8},
      {"", 0.8},    {"nan", 0.8}, {"inf", 0.8}, {"1e999", 0.8}, {"0,5", 0.8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    const test::ConfigFolder config;
    Scenario s(test::sampleDrawing());
    s.entity(kProject).put("ScaleFactor", 0.8);
    const automation::CallResult result = s.run("block", {host::Variant(kTitle)},
                                                "expect edWF Text 0.8\nset edWF 3\nset edWF \"" +
                                                    std::string(c.typed) + "\"\nclick btnOk\n");
    EXPECT_EQ(result.hr, host::hr::kOk) << utf16ToUtf8(result.error.description);
    EXPECT_TRUE(s.report().ok()) << s.failures();
    EXPECT_EQ(widthFactor(s, kProject), c.written);
  }
}

// A library database that is no database ends the call with SQLite's
// message before any window shows; the drawing and the file stay as they
// were.
TEST(AttributeScenarios, ABrokenDatabaseFailsTheCallBeforeTheWindow) {
  const test::ConfigFolder config;
  Scenario s(test::sampleDrawing());
  test::writeFile(s.dataDir() / "vrn.db", "this is no database, but a note of ten words or so\n");
  const std::u16string room = stored(s, kRoom);
  const automation::CallResult result = s.run("block", {host::Variant(kRoomTag)}, "");
  EXPECT_NE(result.hr, host::hr::kOk);
  EXPECT_NE(utf16ToUtf8(result.error.description).find("not a database"), std::string::npos)
      << utf16ToUtf8(result.error.description);
  EXPECT_TRUE(s.report().ok()) << s.failures();
  EXPECT_EQ(stored(s, kRoom), room);
  EXPECT_EQ(test::readFile(s.dataDir() / "vrn.db"),
            "this is no database, but a note of ten words or so\n");
}

}  // namespace
}  // namespace vrn::attributes
