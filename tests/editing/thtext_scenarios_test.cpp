// The single-line editor's user flows, each a script played on the sample
// drawing through the automation members, the resulting drawing checked.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "../support/scenario.h"
#include "encoding/tfrm_fonts.h"
#include "platform/keyboard_layouts.h"

namespace vrn::editing {
namespace {

using test::Scenario;

constexpr double kHeight = 2.5;

struct Case {
  const char* name;
  const char* member;      // newtext: a new text in the style `target` at 300,300
  const char16_t* target;  // an entity handle, or the style of the new text
  const char* script;
  std::function<void(Scenario&, const std::u16string& handle)> check;
  std::function<void(Scenario&)> setup = nullptr;
  test::DataFiles files = {};
  host::HRESULT hr = host::hr::kOk;
};

host::Ref style(const Scenario& s, const char16_t* name) {
  return s.doc.obj("TextStyles").call("Item", name).toObject();
}

host::Ref addStyle(const Scenario& s, const char16_t* name, const char16_t* font) {
  const host::Ref added = s.doc.obj("TextStyles").call("Add", name).toObject();
  added.put("FontFile", font);
  return added;
}

host::Ref modelSpaceLast(const Scenario& s) {
  const host::Ref model = s.doc.obj("ModelSpace");
  return model.call("Item", model.get("Count").toInt() - 1).toObject();
}

host::Point3 insertionPoint(const host::Ref& e) { return host::toPoint(e.get("InsertionPoint")); }

bool englishActive() {
  return platform::languageIdOf(platform::currentKeyboardLayout()) ==
         platform::languageIdOf(platform::kUsEnglishLayout);
}

std::u16string textOf(const Scenario& s, const char16_t* handle) {
  return s.entity(handle).get("TextString").toString();
}

const Case kCases[] = {
    {"the DOS editor grows Hebrew leftwards and digits rightwards", "newtext", u"HEB-DOS",
     "menu DOS1\n"
     "expect StatusBar1 Panels[0] \"Dos Screen Editor\"\n"
     "type אבג\n"
     "expect EditDos Text גבא\n"
     "expect EditDos SelStart 0\n"
     "type 12\n"
     "type ד\n"
     "expect EditDos Text ד12גבא\n"
     "key Enter\n",
     [](Scenario& s, const std::u16string& h) { EXPECT_EQ(s.readingText(h), u"אבג12ד"); }},
    {"Backspace inside Hebrew in the DOS editor removes the letter on the right", "newtext",
     u"HEB-DOS",
     "menu DOS1\n"
     "type אבג\n"
     "caret 1\n"
     "key Backspace\n"
     "expect EditDos Text גא\n"
     "key Enter\n",
     [](Scenario& s, const std::u16string& h) { EXPECT_EQ(s.readingText(h), u"אג"); }},
    {"New Line starts 1.5 heights lower on the Y axis, also on rotated text", "newtext", u"HEB-DOS",
     "focus edAng\n"
     "set edAng 30\n"
     "focus Edit1\n"
     "type א\n"
     "click btnNext\n"
     "type ב\n"
     "key Enter\n",
     [](Scenario& s, const std::u16string& h) {
       const host::Ref first = s.entity(h);
       const host::Ref second = modelSpaceLast(s);
       ASSERT_NE(second.get("Handle").toString(), h);
       EXPECT_NEAR(first.get("Rotation").toDouble(), std::numbers::pi / 6, 1e-9);
       EXPECT_NEAR(second.get("Rotation").toDouble(), std::numbers::pi / 6, 1e-9);
       EXPECT_NEAR(insertionPoint(second).x, insertionPoint(first).x, 1e-9);
       EXPECT_NEAR(insertionPoint(second).y, insertionPoint(first).y - 1.5 * kHeight, 1e-9);
       EXPECT_EQ(s.readingText(h), u"א");
       EXPECT_EQ(s.readingText(second.get("Handle").toString()), u"ב");
       EXPECT_TRUE(s.commandsSent().empty()) << "OK sends nothing";
     }},
    {"New Line gives the finished line the toolbar's justification", "newtext", u"HEB-DOS",
     "expect cbxJust Text Right\n"
     "type א\n"
     "click btnNext\n"
     "type ב\n"
     "key Enter\n",
     [](Scenario& s, const std::u16string& h) {
       EXPECT_EQ(s.entity(h).get("HorizontalAlignment").toInt(), 2);
       EXPECT_EQ(modelSpaceLast(s).get("HorizontalAlignment").toInt(), 2);
     }},
    {"OK on the empty line after New Line keeps the lines typed", "newtext", u"HEB-DOS",
     "type א\n"
     "click btnNext\n"
     "key Enter\n",
     [](Scenario& s, const std::u16string& h) {
       EXPECT_EQ(s.readingText(h), u"א");
       EXPECT_EQ(modelSpaceLast(s).get("Handle").toString(), h) << "the empty copy is erased";
     }},
    {"Cancel on a new text removes it and nothing else", "newtext", u"HEB-DOS",
     "type שלום\n"
     "click btnNext\n"
     "type עולם\n"
     "key Escape\n",
     [](Scenario& s, const std::u16string& h) {
       EXPECT_NE(modelSpaceLast(s).get("Handle").toString(), h);
       EXPECT_EQ(s.commandsSent(), (std::vector<std::u16string>{u"U ", u"U "}));
       EXPECT_EQ(s.readingText(u"9F"), u"סלון");
       EXPECT_EQ(textOf(s, u"A0"), u"x") << "the change made before the text stays";
     },
     [](Scenario& s) { s.entity(u"A0").put("TextString", u"x"); }},
    {"Cancel on an untouched text undoes nothing", "edit", u"9F", "key Escape\n",
     [](Scenario& s, const std::u16string&) {
       EXPECT_EQ(s.commandsSent(), std::vector<std::u16string>{u"U "});
       EXPECT_EQ(s.readingText(u"9F"), u"סלון");
       EXPECT_EQ(textOf(s, u"A0"), u"x");
     },
     [](Scenario& s) { s.entity(u"A0").put("TextString", u"x"); }},
    {"Cancel on an edited text takes the typing back", "edit", u"9F",
     "key End\ntype אבג\nkey Escape\n",
     [](Scenario& s, const std::u16string&) { EXPECT_EQ(s.readingText(u"9F"), u"סלון"); }},
    {"a dimension with an empty override shows <> and takes an empty text", "edit", u"B9",
     "expect Edit1 Text <>\n"
     "expect tbStyle Visible false\n"
     "expect btnNext Visible false\n"
     "set Edit1 \"\"\n"
     "key Enter\n",
     [](Scenario& s, const std::u16string&) {
       EXPECT_EQ(s.entity(u"B9").get("TextOverride").toString(), u"");
     },
     [](Scenario& s) { s.entity(u"B9").put("TextOverride", u""); }},
    {"Alt+5 inserts %%155 on a dimension too; Alt+1 inserts nothing", "edit", u"B9",
     "key End\n"
     "key Alt+1\n"
     "key Alt+5\n"
     "expect Edit1 Text <>%%155\n"
     "key Enter\n",
     [](Scenario& s, const std::u16string&) {
       EXPECT_NE(s.entity(u"B9").get("TextOverride").toString().find(u"%%155"),
                 std::u16string::npos);
     },
     [](Scenario& s) { s.entity(u"B9").put("TextOverride", u""); }},
    {"editdef.txt keys replace the Alt codes; keys it leaves out keep theirs",
     "newtext",
     u"HEB-DOS",
     "key Alt+0\n"
     "expect Edit1 Text XYZ\n"
     "key F2\n"
     "expect Edit1 Text XYZ%%c\n"
     "key Alt+5\n"
     "expect Edit1 Text XYZ%%c%%155\n"
     "key Escape\n",
     nullptr,
     nullptr,
     {"", "[Alt]\n0=XYZ\n[FKeys]\nF2=%%c\n"}},
    {"the spin button cycles the font types and the font map keeps the last after OK", "newtext",
     u"HEB-DOS",
     "expect edt1 Text \"Dos Hebrew\"\n"
     "click btn1 up\n"
     "expect edt1 Text \"Dos English\"\n"
     "click btn1 down\n"
     "expect edt1 Text \"Dos English Reversed\"\n"
     "click btn1 up\n"
     "expect edt1 Text Windows\n"
     "click btn1 up\n"
     "expect edt1 Text \"True Type\"\n"
     "click btn1 up\n"
     "expect edt1 Text \"Dos Hebrew\"\n"
     "click btn1 up\n"
     "type א\n"
     "key Enter\n",
     [](Scenario& s, const std::u16string&) {
       EXPECT_EQ(s.module().frmFonts().GetFntType(u"hebrew1.shx"), fntType::DosEnglish);
       EXPECT_NE(test::readFile(s.dataDir() / "VrnFonts.txt").find("DosEnglish"),
                 std::string::npos);
     }},
    {"OK writes the text first, then reports a font map it cannot write", "newtext", u"HEB-DOS",
     "click btn1 up\n"
     "type a\n"
     "key Enter\n"
     "answer OK\n",
     [](Scenario& s, const std::u16string& h) {
       EXPECT_EQ(s.entity(h).get("TextString").toString(), u"a");
     },
     [](Scenario& s) {
       std::filesystem::remove(s.dataDir() / "VrnFonts.txt");
       std::filesystem::create_directory(s.dataDir() / "VrnFonts.txt");
     }},
    {"a style with a fixed height shows it in red", "newtext", u"HEB-DOS",
     "expect edH FontColor #FF0000\nexpect edH Text 5.00\nkey Escape\n", nullptr,
     [](Scenario& s) { style(s, u"HEB-DOS").put("Height", 5.0); }},
    {"choosing a fixed-height style shows its height in grey", "newtext", u"HEB-DOS",
     "expect edH FontColor #000000\nmenu pupSt HEB-WIN\nexpect edH FontColor #808080\nkey Escape\n",
     nullptr, [](Scenario& s) { style(s, u"HEB-WIN").put("Height", 5.0); }},
    {"a style whose name holds & can be chosen", "newtext", u"HEB-DOS",
     "menu pupSt A&B\ntype א\nkey Enter\n",
     [](Scenario& s, const std::u16string& h) {
       EXPECT_EQ(s.entity(h).get("StyleName").toString(), u"A&B");
     },
     [](Scenario& s) { addStyle(s, u"A&B", u"hebrew1.shx"); }},
    {"symbol-font buttons hidden by a symbol font come back for other fonts",
     "newtext",
     u"HEB-DOS",
     "expect tb1 Visible true\n"
     "menu pupSt SYM\n"
     "expect tb1 Visible false\n"
     "expect tb2 Visible true\n"
     "click tb2\n"
     "expect Edit1 Text %%65\n"
     "menu pupSt HEB-DOS\n"
     "expect tb1 Visible true\n"
     "expect tb2 Visible true\n"
     "expect tb4 Visible false\n"
     "key Escape\n",
     nullptr,
     [](Scenario& s) { addStyle(s, u"SYM", u"symbol.shx"); },
     {"[SymbolFonts]\nsymbol=1\n[symbol]\nb2=65\n", ""}},
    {"changing the justification leaves the text where it stood", "edit", u"9F",
     "choose cbxJust \"Middle Center\"\nkey Enter\n",
     [](Scenario& s, const std::u16string&) {
       const host::Ref e = s.entity(u"9F");
       EXPECT_EQ(e.get("HorizontalAlignment").toInt(), 1);
       EXPECT_EQ(e.get("VerticalAlignment").toInt(), 2);
       EXPECT_EQ(insertionPoint(e), (host::Point3{80, 280, 0}));
     },
     [](Scenario& s) {
       s.entity(u"9F").put("InsertionPoint", host::toVariant({80, 280, 0}));
     }},
    {"a click on the status bar toggles the screen editor", "edit", u"9F",
     "click StatusBar1 0\n"
     "expect StatusBar1 Panels[0] \"Dos Screen Editor\"\n"
     "expect Edit1 Visible false\n"
     "expect EditDos Text ןולס\n"
     "click StatusBar1 0\n"
     "expect StatusBar1 Panels[0] \"Windows Screen Editor\"\n"
     "expect EditDos Visible false\n"
     "expect Edit1 Text סלון\n"
     "key Escape\n",
     [](Scenario& s, const std::u16string&) { EXPECT_EQ(s.readingText(u"9F"), u"סלון"); }},
    {"the editor chosen for new texts is kept in the settings; Previous keeps the one in use",
     "newtext", u"HEB-DOS",
     "menu DOS1\n"
     "menu previous1\n"
     "expect EditDos Visible true\n"
     "type א\n"
     "key Enter\n",
     [](Scenario& s, const std::u16string& h) {
       EXPECT_EQ(s.readingText(h), u"א");
       EXPECT_EQ(s.module().textEditor.ActiveEditor, ScreenEditor::Dos);
       EXPECT_EQ(s.module().Rinistr().curmaped, 1);
     },
     [](Scenario& s) { s.module().Rinistr().curmapn = 0; }},
    {"the DOS editor mirrors brackets typed on the Hebrew keyboard", "newtext", u"HEB-DOS",
     "menu DOS1\ntype (\nexpect EditDos Text )\nkey Escape\n", nullptr},
    {"the special-character buttons insert their codes at the caret", "newtext", u"HEB-DOS",
     "click tb1\nclick tb3\nclick ToolButton10\nexpect Edit1 Text %%d%%c%%u\nexpect Edit1 Focused "
     "true\nkey Escape\n",
     nullptr},
    {"a height typed for a text is written when the field is left", "edit", u"9F",
     "focus edH\nset edH 7\nfocus Edit1\nkey Enter\n",
     [](Scenario& s, const std::u16string&) {
       EXPECT_EQ(s.entity(u"9F").get("Height").toDouble(), 7.0);
     }},
    {"a height typed for an attribute is not written", "block", u"D5",
     "focus edH\nset edH 7\nfocus Edit1\nkey Enter\n",
     [](Scenario& s, const std::u16string&) {
       EXPECT_NE(s.entity(u"D5").get("Height").toDouble(), 7.0);
     }},
    {"choosing a style rewrites the text in the new style's font", "newtext", u"HEB-DOS",
     "type אב\n"
     "menu pupSt HEB-WIN\n"
     "expect Thtext Caption \"  Style: HEB-WIN; Font: vornel1.shx\"\n"
     "expect edt1 Text Windows\n"
     "key Enter\n",
     [](Scenario& s, const std::u16string& h) {
       EXPECT_EQ(s.entity(h).get("StyleName").toString(), u"HEB-WIN");
       EXPECT_EQ(s.readingText(h), u"אב");
       EXPECT_EQ(s.doc.call("GetVariable", u"TEXTSTYLE").toString(), u"HEB-WIN");
     }},
    {"the reverse-TrueType setting is stored at once", "newtext", u"HEB-DOS",
     "menu mnReverseTTF\nexpect mnReverseTTF Checked true\nkey Escape\n",
     [](Scenario& s, const std::u16string&) { EXPECT_TRUE(s.module().Rinistr().reverseTTF); }},
    {"the keyboard follows a system layout switch within one timer tick", "newtext", u"HEB-DOS",
     "expect tbHeb Down true\n"
     "layout en\n"
     "expect tbHeb Down true\n"
     "wait 100\n"
     "expect tbEng Down true\n"
     "layout he\n"
     "wait 100\n"
     "expect tbHeb Down true\n"
     "key Escape\n",
     [](Scenario&, const std::u16string&) {
       EXPECT_TRUE(englishActive()) << "closing hands back US English";
     }},
    {"with no Hebrew layout installed the DOS editor follows English", "newtext", u"HEB-DOS",
     "menu DOS1\n"
     "expect tbEng Down true\n"
     "type ab\n"
     "expect EditDos Text ab\n"
     "key Enter\n",
     nullptr,
     [](Scenario&) {
       platform::installSimulatedKeyboardLayouts({platform::kUsEnglishLayout},
                                                 platform::kUsEnglishLayout);
     }},
    {"a saved place off the monitor is brought back onto it", "newtext", u"HEB-DOS",
     "expect Thtext Top 920\nkey Escape\n", nullptr,
     [](Scenario& s) { s.module().Rinistr().txtt = 5000; }},
    {"an attribute is edited without New Line", "block", u"D5",
     "expect btnNext Visible false\nexpect edH Text \"\"\nset Edit1 \"תוכנית גג\"\nkey Enter\n",
     [](Scenario& s, const std::u16string&) { EXPECT_EQ(s.readingText(u"D5"), u"תוכנית גג"); }},
    {"edit on an entity that is no text fails, leaves no undo mark open and hands back US English",
     "edit",
     u"AD",
     "",
     [](Scenario& s, const std::u16string&) {
       EXPECT_TRUE(englishActive());
       s.entity(u"A0").put("TextString", u"x");
       s.entity(u"A1").put("TextString", u"y");
       s.doc.call("SendCommand", u"U ");
       EXPECT_EQ(textOf(s, u"A1"), u"jsr ahbv");
       EXPECT_EQ(textOf(s, u"A0"), u"x") << "a step of its own, not part of a mark left open";
     },
     nullptr,
     {},
     host::hr::kInvalidArg},
    // Routing: a block reference goes to the attribute editor, not here.
    {"block on a block reference opens the attribute editor", "block", u"D2",
     "expect TfrmGrid Caption \"Vornel Edit Attributes\"\nclick btnCancel\n", nullptr},
    {"OK on an empty new text removes it as Cancel does", "newtext", u"HEB-DOS", "key Enter\n",
     [](Scenario& s, const std::u16string& h) {
       EXPECT_NE(modelSpaceLast(s).get("Handle").toString(), h);
     }},
};

TEST(ThtextScenarios, RunOnTheSampleDrawing) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    Scenario s(test::sampleDrawing(), c.files);
    if (c.setup) c.setup(s);
    const std::u16string handle = std::string_view(c.member) == "newtext"
                                      ? s.newText(c.target, {300, 300, 0}, kHeight)
                                      : c.target;
    const automation::CallResult result = s.run(c.member, {host::Variant(handle)}, c.script);
    EXPECT_EQ(result.hr, c.hr) << utf16ToUtf8(result.error.description);
    EXPECT_TRUE(s.report().ok()) << s.failures();
    if (c.check) c.check(s, handle);
  }
}

}  // namespace
}  // namespace vrn::editing
