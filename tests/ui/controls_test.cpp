// The controls' user input and the program's changes, driven by scripts on
// every scripted backend.

#include <gtest/gtest.h>

#include "sample_form.h"
#include "scripted_backends.h"
#include "ui/hourglass.h"

namespace vrn::test {
namespace {

using Log = std::vector<std::string>;

class ControlsTest : public ::testing::TestWithParam<ScriptedBackend> {
 protected:
  SimulatedKeyboardGuard keyboard;
  std::unique_ptr<ui::ScriptedToolkit> toolkit = GetParam().make();
  TfrmSample form{*toolkit};

  // Plays the script and closes the form by its close box; the run must succeed.
  void run(const std::string& script) {
    toolkit->play(ui::script::parse(script + "\nclose"), nullptr);
    form.showModal();
    ui::RunReport report = toolkit->finish();
    EXPECT_TRUE(report.ok()) << (report.ok() ? "" : report.failures.front());
  }

  // Plays the script; returns its first failure.
  std::string failureOf(const std::string& script) {
    toolkit->play(ui::script::parse(script), nullptr);
    form.showModal();
    ui::RunReport report = toolkit->finish();
    return report.failures.empty() ? "" : report.failures.front();
  }
};

TEST_P(ControlsTest, ToolButtonsKeepTheFocusAndGroupsHoldOneButtonDown) {
  form.setActiveControl(&form.Edit1);
  run("click tbEng\n"
      "expect tbHebrew Down false\n"
      "click tbEng\n"
      "expect tbEng Down true\n"
      "check tbHebrew\n"
      "expect tbEng Down false\n"
      "click ToolButton10\n"
      "expect TfrmSample ActiveControl Edit1");
  EXPECT_EQ(form.log, (Log{"Edit1:enter", "tbEng:click", "tbEng:click", "tbHebrew:click",
                           "ToolButton10:click"}));
}

TEST_P(ControlsTest, ButtonsTakeTheFocusBeforeTheyArePressed) {
  form.setActiveControl(&form.Edit1);
  form.Edit1.onExit = [this] {
    if (form.Edit1.text() == u"bad") throw std::runtime_error("Not a number.");
  };
  toolkit->play(
      ui::script::parse("type bad\nclick btnOk\nanswer OK\nexpect TfrmSample ActiveControl Edit1\n"
                        "set Edit1 2.5\nclick btnOk"),
      nullptr);
  EXPECT_EQ(form.showModal(), ui::ModalResult::OK);
  EXPECT_TRUE(toolkit->finish().ok());
  EXPECT_EQ(toolkit->transcript().lines()[1], "message \"Not a number.\" [vrn] OK -> OK");
  EXPECT_EQ(form.log, (Log{"Edit1:enter", "btnOk:click"})) << "the refused exit pressed nothing";
}

TEST_P(ControlsTest, AFocusedButtonTakesEnterAndSpace) {
  form.CheckBox1.setChecked(true);
  form.setActiveControl(&form.CheckBox1);
  toolkit->play(ui::script::parse("type \" \"\nfocus btnCancel\nkey Enter"), nullptr);
  EXPECT_EQ(form.showModal(), ui::ModalResult::Cancel) << "not the default button OK";
  EXPECT_TRUE(toolkit->finish().ok());
  EXPECT_EQ(form.log, (Log{"CheckBox1:click:0"}));
}

TEST_P(ControlsTest, KeysNeedAFocusedControlThatCanBeReached) {
  form.setActiveControl(&form.Edit1);
  form.ToolButton10.onClick = [this] { form.Edit1.setVisible(false); };
  EXPECT_EQ(failureOf("click ToolButton10\nkey Escape"),
            "line 2 (key Escape): Edit1 is hidden or disabled");
}

TEST_P(ControlsTest, KeyboardFocusSelectsAnEditsTextAClickDoesNot) {
  form.Edit1.setText(u"abc");
  form.Edit2.setText(u"def");
  form.setActiveControl(&form.Memo1);
  run("focus Edit1\n"
      "expect Edit1 SelLength 3\n"
      "click Edit2\n"
      "expect Edit2 SelLength 0\n"
      "key Tab\n"
      "expect TfrmSample ActiveControl Memo1\n"
      "key Shift+Tab\n"
      "expect Edit2 SelLength 3");
  EXPECT_EQ(form.log, (Log{"Edit1:enter", "Edit1:exit", "Edit2:enter", "Edit2:mousedown",
                           "Edit2:exit", "Edit2:enter"}));
}

TEST_P(ControlsTest, MenusCheckRadioItemsAndReachItemsByNameOrCaption) {
  form.pupSt.addItem(u"STANDARD", host::Variant(u"STANDARD")).setRadioItem(true);
  ui::MenuItem& amp = form.pupSt.addItem(u"A&&B", host::Variant(u"A&B"));
  amp.setRadioItem(true);
  amp.onClick = [&] {
    amp.setChecked(true);
    form.note("pupSt:" + utf16ToUtf8(amp.value().toString()));
  };
  run("menu DOS1\n"
      "expect WindowsPlain1 Checked false\n"
      "menu PopupMenu1 DOS\n"
      "menu pupSt A&B\n"
      "expect TfrmSample ModalResult None");
  EXPECT_EQ(form.log, (Log{"Edit1:enter", "DOS1:click", "DOS1:click", "pupSt:A&B"}))
      << "the focus enters the first control when the form shows";
  EXPECT_TRUE(form.DOS1.checked());
  EXPECT_TRUE(amp.checked());
}

TEST_P(ControlsTest, HiddenAndDisabledThingsCannotBeReached) {
  struct Case {
    std::string script;
    std::string failure;
  };
  const Case cases[] = {
      {"menu RTF1", "line 1 (menu RTF1): menu item \"Windows RTF\" is hidden or disabled"},
      {"menu Inner1", "line 1 (menu Inner1): menu item \"Inner\" is hidden or disabled"},
      {"set Edit3 x", "line 1 (set Edit3 x): Edit3 is hidden or disabled"},
      {"click ToolBar1", "line 1 (click ToolBar1): ToolBar1 cannot be clicked"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(failureOf(c.script), c.failure);
  }
  form.ToolBar1.setEnabled(false);
  EXPECT_EQ(failureOf("click tbEng"), "line 1 (click tbEng): tbEng is hidden or disabled")
      << "a disabled container disables what it holds";
}

TEST_P(ControlsTest, UserChoicesFireEventsProgramChangesDoNot) {
  form.ComboBox1.setItemIndex(1);
  form.ListBox1.setItemIndex(0);
  form.RadioGroup1.setItemIndex(3);
  form.CheckListBox1.setChecked(0, true);
  form.CheckBox1.setChecked(true);
  form.PageControl1.setActivePageIndex(1);
  EXPECT_TRUE(form.log.empty());
  run("choose ComboBox1 Center\n"
      "key Up\n"
      "choose ListBox1 #1\n"
      "choose RadioGroup1 Windows\n"
      "uncheck CheckListBox1 ARIAL.ttf\n"
      "check CheckListBox1 ARIAL.ttf\n"
      "check CheckListBox1 ARIAL.ttf\n"
      "uncheck CheckBox1\n"
      "choose PageControl1 Categories\n"
      "expect CheckListBox1 Items ARIAL.ttf|simplex.shx\n"
      "expect ComboBox1 ItemIndex 1");
  EXPECT_EQ(form.log,
            (Log{"Edit1:enter", "Edit1:exit", "ComboBox1:change:Center", "ComboBox1:change:Left",
                 "ListBox1:click:1", "RadioGroup1:click:2", "CheckListBox1:check:0",
                 "CheckListBox1:check:0", "CheckBox1:click:0", "PageControl1:change:0"}));
}

TEST_P(ControlsTest, AControlOnAPageIsReachableWhileItsPageShows) {
  run("choose PageControl1 Properties\nset Edit3 visible now");
  EXPECT_EQ(form.Edit3.text(), u"visible now");
}

TEST_P(ControlsTest, TheTreeReportsEverySelectionChange) {
  ui::TreeNode& all = form.TreeView1.add(nullptr, u"All Categories");
  ui::TreeNode& doors = form.TreeView1.add(&all, u"Doors");
  ui::TreeNode& walls = form.TreeView1.add(&all, u"Walls");
  form.TreeView1.select(&doors);
  form.TreeView1.remove(doors);
  EXPECT_EQ(form.TreeView1.selected(), &walls) << "the next sibling takes the selection";
  form.TreeView1.remove(walls);
  EXPECT_EQ(form.TreeView1.selected(), &all);
  run("choose TreeView1 All Categories");
  EXPECT_EQ(form.log, (Log{"TreeView1:change:Doors", "TreeView1:change:Walls",
                           "TreeView1:change:All Categories", "Edit1:enter", "Edit1:exit"}))
      << "choosing the selected node changes nothing";
}

TEST_P(ControlsTest, TreeCaptionsAreEditedInPlace) {
  ui::TreeNode& all = form.TreeView1.add(nullptr, u"All Categories");
  ui::TreeNode& topic = form.TreeView1.add(&all, u"New Topic");
  form.TreeView1.select(&topic);
  form.setActiveControl(&form.TreeView1);
  form.TreeView1.onKeyDown = [&](ui::KeyEvent& key) {
    if (key.is(ui::vk::kF2) && form.TreeView1.selected())
      form.TreeView1.beginEdit(*form.TreeView1.selected());
  };
  form.TreeView1.onEdited = [&](ui::TreeNode& node, std::u16string& text) {
    form.note("edited:" + utf16ToUtf8(node.text()) + "->" + utf16ToUtf8(text));
    text += u"!";
  };
  run("key F2\n"
      "type Doors\n"
      "key Enter\n"
      "expect TfrmSample Showing true\n"
      "key F2\n"
      "key End\n"
      "type xx\n"
      "key Escape\n"
      "expect TfrmSample Showing true\n"
      "key F2\n"
      "caret 0\n"
      "type \"The \"\n"
      "focus Edit1\n"
      "expect TreeView1 Selected All Categories/The Doors!!");
  EXPECT_EQ(form.log, (Log{"TreeView1:change:New Topic", "edited:New Topic->Doors",
                           "edited:Doors!->The Doors!", "Edit1:enter"}))
      << "Enter and Escape belong to the editor; leaving the tree ends the edit";
}

TEST_P(ControlsTest, TreeNodesAreDraggedWhereTheHandlerAccepts) {
  ui::TreeNode& all = form.TreeView1.add(nullptr, u"All");
  ui::TreeNode& a = form.TreeView1.add(&all, u"A");
  ui::TreeNode& b = form.TreeView1.add(&all, u"B");
  form.TreeView1.setDragEnabled(true);
  form.TreeView1.fullExpand();  // rows to point at on real windows
  form.TreeView1.onDragOver = [](ui::TreeNode&, ui::TreeNode* target, ui::HitPart part,
                                 bool& accept) { accept = target && part != ui::HitPart::Button; };
  form.TreeView1.onDragDrop = [&](ui::TreeNode& source, ui::TreeNode* target, ui::HitPart part) {
    form.TreeView1.move(
        source, target,
        part == ui::HitPart::Indent ? ui::NodeAttach::Insert : ui::NodeAttach::AddChild);
  };
  run("drag TreeView1 All/B All/A indent\n"
      "drag TreeView1 All/A All/B label\n"
      "drag TreeView1 All/B/A All button\n"
      "drag TreeView1 All/B \"\"");
  EXPECT_EQ(all.child(0).text(), u"B");
  EXPECT_EQ(&b.child(0), &a);
  EXPECT_FALSE(form.TreeView1.move(all, &a, ui::NodeAttach::AddChild))
      << "a node cannot go below itself";
}

TEST_P(ControlsTest, GridCellsAreSelectedAndEditedByTheUser) {
  run("cell StringGrid1 0 1\n"
      "set StringGrid1 hebrew.shx\n"
      "cell StringGrid1 1 1\n"
      "choose StringGrid1 Windows\n"
      "expect StringGrid1 Cells[1,1] Windows\n"
      "expect StringGrid1 Row 1");
  EXPECT_EQ(form.log, (Log{"Edit1:enter", "Edit1:exit", "StringGrid1:select:0,1",
                           "StringGrid1:edit:0,1=hebrew.shx", "StringGrid1:select:1,1",
                           "StringGrid1:edit:1,1=Windows"}));
  struct Case {
    std::string script;
    std::string failure;
  };
  const Case refused[] = {
      {"cell StringGrid1 0 2",
       "line 1 (cell StringGrid1 0 2): cell 0,2 of StringGrid1 cannot be selected"},
      {"cell StringGrid1 0 0",
       "line 1 (cell StringGrid1 0 0): cell 0,0 of StringGrid1 cannot be selected"},
      {"choose StringGrid1 Arial",
       "line 1 (choose StringGrid1 Arial): row 1 of StringGrid1 offers no \"Arial\""},
  };
  for (const Case& c : refused) EXPECT_EQ(failureOf(c.script), c.failure);
}

TEST_P(ControlsTest, StatusPanelsSpinArrowsAndFileDialogs) {
  form.btnOk.onClick = [this] {
    form.note(form.OpenDialog1.execute() ? "open:" + form.OpenDialog1.fileName().string()
                                         : "open:cancelled");
  };
  toolkit->play(ui::script::parse("click StatusBar1 0\n"
                                  "click btn1 up\n"
                                  "click btn1 down\n"
                                  "click btnOk\n"
                                  "file /tmp/plan.txt"),
                nullptr);
  EXPECT_EQ(form.showModal(), ui::ModalResult::OK);
  EXPECT_TRUE(toolkit->finish().ok());
  EXPECT_EQ(form.log, (Log{"Edit1:enter", "StatusBar1:panel:0", "btn1:up", "btn1:down",
                           "Edit1:exit", "open:/tmp/plan.txt"}))
      << "the spin button and the status bar take no focus";
  form.log.clear();
  toolkit->play(ui::script::parse("click btnOk\nanswer Cancel"), nullptr);
  form.showModal();
  EXPECT_EQ(form.log, (Log{"open:cancelled"}));
  EXPECT_EQ(toolkit->transcript().lines().back(), "form TfrmSample closed OK");
}

TEST_P(ControlsTest, ClipboardCommandsCanBeTakenOverByTheForm) {
  form.Memo1.setText(u"abc");
  form.Memo1.onCopy = [this] {
    toolkit->clipboard().setText(u"[" + form.Memo1.selText() + u"]");
    form.Memo1.setSelLength(0);
  };
  form.setActiveControl(&form.Memo1);
  run("select 1 2\nkey Ctrl+C\nexpect Memo1 SelLength 0\nkey End\nkey Ctrl+V");
  EXPECT_EQ(form.Memo1.text(), u"abc[bc]");
}

INSTANTIATE_TEST_SUITE_P(Backends, ControlsTest, ::testing::ValuesIn(scriptedBackends()),
                         backendName);

}  // namespace
}  // namespace vrn::test
