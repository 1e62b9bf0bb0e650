// Find and replace (member replace), each flow a script played on the
// sample drawing with three DOS Hebrew texts picked: סלון (9F, top),
// "שטח 24.5" (A7) and מסדרון (A5, bottom).

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "../support/scenario.h"
#include "editing/tfrm_editor.h"
#include "host/utf8.h"
#include "ui/owned_form.h"

namespace vrn::editing {
namespace {

using test::Scenario;

constexpr char kPick[] = "pick A5 9F A7\n";

struct Case {
  const char* name;
  const char* script;  // after the pick
  std::function<void(Scenario&)> check;
  std::function<void(Scenario&)> setup = nullptr;
};

std::u16string stored(const Scenario& s, const char16_t* handle) {
  return s.entity(handle).get("TextString").toString();
}

bool transcriptHas(const Scenario& s, const std::string& part) {
  return s.toolkit.transcript().text().find(part) != std::string::npos;
}

// The stored texts before the run, to see that nothing was written.
std::u16string before9F, beforeA7, beforeA5;

void remember(Scenario& s) {
  before9F = stored(s, u"9F");
  beforeA7 = stored(s, u"A7");
  beforeA5 = stored(s, u"A5");
}

void expectUnchanged(const Scenario& s) {
  EXPECT_EQ(stored(s, u"9F"), before9F);
  EXPECT_EQ(stored(s, u"A7"), beforeA7);
  EXPECT_EQ(stored(s, u"A5"), beforeA5);
}

// The entity goes onto the sample's A-DIMS layer, which is then locked.
void lockLayerOf(Scenario& s, const char16_t* handle) {
  s.entity(handle).put("Layer", u"A-DIMS");
  host::Ref(s.doc.obj("Layers").call("Item", u"A-DIMS").toObject()).put("Lock", true);
}

const Case kCases[] = {
    {"one replacement without prompting is reported and written back",
     "set cbxsearch שטח\nset cbxReplace גודל\nuncheck ChAll\nclick ToolButton1\nanswer OK\n"
     "click btnOk\n",
     [](Scenario& s) {
       EXPECT_TRUE(transcriptHas(s, "\"1 replacement was made\""));
       EXPECT_EQ(s.readingText(u"A7"), u"גודל 24.5");
       EXPECT_EQ(stored(s, u"9F"), before9F);
     },
     remember},
    {"Find counts the lines that hold the text",
     "set cbxsearch ו\nclick btnFind\nexpect StatusBar1 Panels[2] \"Found 2 items\"\n"
     "expect cbxsearch Count 1\nclick Button1\n",
     expectUnchanged, remember},
    {"No leaves an occurrence, Yes replaces the next",
     "set cbxsearch ו\nset cbxReplace י\nclick ToolButton1\nanswer No\nanswer Yes\nanswer OK\n"
     "click btnOk\n",
     [](Scenario& s) {
       EXPECT_TRUE(transcriptHas(s, "\"1 replacement was made\""));
       EXPECT_EQ(stored(s, u"9F"), before9F);
       EXPECT_EQ(s.readingText(u"A5"), u"מסדרין");
     },
     remember},
    {"Cancel stops at once and still reports",
     "set cbxsearch ו\nset cbxReplace י\nclick ToolButton1\nanswer Cancel\nanswer OK\n"
     "click btnOk\n",
     [](Scenario& s) {
       EXPECT_TRUE(transcriptHas(s, "\"0 replacement was made\""));
       expectUnchanged(s);
     },
     remember},
    {"All replaces the rest without asking",
     "set cbxsearch ו\nset cbxReplace י\nclick ToolButton1\nanswer All\nanswer OK\nclick btnOk\n",
     [](Scenario& s) {
       EXPECT_TRUE(transcriptHas(s, "\"2 replacement was made\""));
       EXPECT_EQ(s.readingText(u"9F"), u"סלין");
       EXPECT_EQ(s.readingText(u"A5"), u"מסדרין");
     },
     remember},
    {"a by aa ends after one pass",
     "set cbxsearch a\nset cbxReplace aa\nuncheck ChAll\nclick ToolButton1\nanswer OK\n"
     "click btnOk\n",
     [](Scenario& s) {
       EXPECT_TRUE(transcriptHas(s, "\"3 replacement was made\""));
       EXPECT_EQ(stored(s, u"9F"), u"aa xaa aa");
     },
     [](Scenario& s) {
       s.entity(u"9F").put("TextString", u"a xa a");
       remember(s);
     }},
    {"# adds the number to the first number of a line, with two decimals",
     "set Edit1 1.5\nclick btnNumber\nclick btnOk\n",
     [](Scenario& s) {
       EXPECT_EQ(s.readingText(u"A7"), u"שטח 26.00");
       EXPECT_EQ(stored(s, u"9F"), before9F) << "a line without digits is left alone";
     },
     remember},
    {"# keeps every digit of large numbers", "set Edit1 1\nclick btnNumber\nclick btnOk\n",
     [](Scenario& s) {
       EXPECT_EQ(stored(s, u"A7"), u"12346.67");
       EXPECT_EQ(stored(s, u"9F"), u"1000001.00");
     },
     [](Scenario& s) {
       s.entity(u"A7").put("TextString", u"12345.67");
       s.entity(u"9F").put("TextString", u"1000000");
       remember(s);
     }},
    {"# with no number says so and changes nothing",
     "set Edit1 abc\nclick btnNumber\nanswer OK\nclick btnOk\n",
     [](Scenario& s) {
       EXPECT_TRUE(transcriptHas(s, "\"the input is wrong\""));
       expectUnchanged(s);
     },
     remember},
    {"Cancel writes nothing after replacements",
     "set cbxsearch ו\nset cbxReplace י\nuncheck ChAll\nclick ToolButton1\nanswer OK\n"
     "click Button1\n",
     expectUnchanged, remember},
    {"an empty search text does nothing and stays out of the history",
     "click btnFind\nexpect cbxsearch Count 0\nclick ToolButton1\nexpect cbxsearch Count 0\n"
     "click btnOk\n",
     expectUnchanged, remember},
    {"Replace on an emptied memo leaves it editable",
     "set Memo1 \"\"\nset cbxsearch ו\nclick ToolButton1\nexpect Memo1 ReadOnly false\n"
     "click Button1\n",
     expectUnchanged, remember},
    {"Backspace at a line start and Delete at a line end join no lines",
     "layout en\nclick Memo1\ncaret 6\nkey Backspace\nexpect Memo1 LineCount 3\ncaret 4\n"
     "key Delete\n"
     "expect Memo1 LineCount 3\nclick btnOk\n",
     [](Scenario& s) {
       expectUnchanged(s);
       EXPECT_GE(s.toolkit.beeps(), 2);
     },
     remember},
    {"typing over a line break and a multi-line paste join or split no lines",
     "click Memo1\nselect 2 5\ntype z\nexpect Memo1 LineCount 3\ncaret 1\nkey Ctrl+V\n"
     "expect Memo1 LineCount 3\nclick btnOk\n",
     [](Scenario& s) {
       EXPECT_EQ(stored(s, u"A7"), beforeA7);
       EXPECT_EQ(stored(s, u"A5"), beforeA5);
       EXPECT_NE(stored(s, u"9F"), before9F) << "the first line of the clipboard went in";
       EXPECT_EQ(stored(s, u"9F").find(u'y'), std::u16string::npos);
     },
     [](Scenario& s) {
       remember(s);
       s.toolkit.clipboard().setText(u"x\r\ny");
     }},
    {"Enter inside a line beeps and only appends an empty line",
     "click Memo1\ncaret 2\nkey Enter\nexpect Memo1 LineCount 4\nexpect Memo1 SelStart 2\n"
     "expect Memo1 Lines[0] \"\u05DF\u05D5\u05DC\u05E1\"\nclick btnOk\n",
     expectUnchanged, remember},
    {"Down and Up go to the next and previous found line; a text goes to the screen",
     "set cbxsearch ו\nclick btnFind\nexpect Memo1 SelStart 1\nclick btnDown\n"
     "expect Memo1 SelStart 17\nclick btnUp\nexpect Memo1 SelStart 1\nclick Button2\n"
     "click btnOk\n",
     expectUnchanged, remember},
    {"copying several lines keeps their order",
     "click Memo1\nselect 0 12\nkey Ctrl+C\nclick Button1\n",
     [](Scenario& s) { EXPECT_EQ(s.toolkit.clipboard().text().substr(0, 6), u"סלון\r\n"); },
     remember},
    {"Undo restores every line and marks none",
     "set cbxsearch ו\nset cbxReplace י\nuncheck ChAll\nclick ToolButton1\nanswer OK\n"
     "click ToolButton4\nclick btnOk\n",
     expectUnchanged,
     [](Scenario& s) {
       lockLayerOf(s, u"9F");
       remember(s);
     }},
    {"the write-back goes on past a text the host refuses and reports it",
     "set cbxsearch ו\nset cbxReplace י\nuncheck ChAll\nclick ToolButton1\nanswer OK\n"
     "click btnOk\nanswer OK\n",
     [](Scenario& s) {
       EXPECT_EQ(stored(s, u"9F"), before9F);
       EXPECT_EQ(s.readingText(u"A5"), u"מסדרין");
       EXPECT_TRUE(transcriptHas(s, "These texts could not be written back"));
       EXPECT_EQ(s.doc.obj("SelectionSets").get("Count").toInt(), 0);
     },
     [](Scenario& s) {
       lockLayerOf(s, u"9F");
       remember(s);
     }},
    {"a leftover selection set does not block find and replace", "click btnOk\n",
     [](Scenario& s) { EXPECT_EQ(s.doc.obj("SelectionSets").get("Count").toInt(), 0); },
     [](Scenario& s) { s.doc.obj("SelectionSets").call("Add", u"SSText"); }},
};

TEST(ReplaceScenarios, RunOnTheSampleDrawing) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    Scenario s(test::sampleDrawing());
    if (c.setup) c.setup(s);
    const automation::CallResult result = s.run("replace", {}, std::string(kPick) + c.script);
    EXPECT_EQ(result.hr, host::hr::kOk) << utf16ToUtf8(result.error.description);
    EXPECT_TRUE(s.report().ok()) << s.failures();
    if (c.check) c.check(s);
  }
}

TEST(ReplaceScenarios, AnAbortedPickLeavesNoSelectionSet) {
  Scenario s(test::sampleDrawing());
  EXPECT_NE(s.run("replace", {}, "escape\n").hr, host::hr::kOk);
  EXPECT_EQ(s.doc.obj("SelectionSets").get("Count").toInt(), 0);
  EXPECT_EQ(s.run("replace", {}, std::string(kPick) + "click btnOk\n").hr, host::hr::kOk);
  EXPECT_TRUE(s.report().ok()) << s.failures();
}

TEST(ReplaceScenarios, EnterOnAReadOnlyMemoBeepsAndTheNextEditCounts) {
  Scenario s(test::sampleDrawing());
  host::Ref app;
  FindReplaceState state;
  ui::OwnedForm<TfrmEditor> form(s.toolkit, s.module().frmFonts(), app, state);
  form->blines.resize(2);
  form->fillFromRecords();
  form->Memo1.setReadOnly(true);
  ui::KeyEvent enter{ui::vk::kEnter, {}};
  form->Memo1KeyDown(enter);
  EXPECT_TRUE(enter.swallowed());
  EXPECT_EQ(s.toolkit.beeps(), 1);
  form->Memo1.setReadOnly(false);
  form->Memo1.setSelText(u"x");
  EXPECT_TRUE(form->blines[0].Update) << "no Enter left pending swallows the edit";
}

}  // namespace
}  // namespace vrn::editing
