#pragma once
// TfrmSample: one of each control, every handler logging "Component:event",
// for the tests of the controls' user input and the modal loop.

#include <stdexcept>
#include <string>
#include <vector>

#include "host/utf8.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/file_dialog.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/memo.h"
#include "ui/menu.h"
#include "ui/page_control.h"
#include "ui/panel.h"
#include "ui/radio_group.h"
#include "ui/spin_button.h"
#include "ui/status_bar.h"
#include "ui/string_grid.h"
#include "ui/timer.h"
#include "ui/tool_button.h"
#include "ui/tree_view.h"

namespace vrn::test {

class TfrmSample : public ui::Form {
 public:
  explicit TfrmSample(ui::Toolkit& toolkit) : Form(toolkit, "TfrmSample") {
    setCaption(u"Sample");
    // Room for the lists to show their rows on real windows.
    setBounds({0, 0, 640, 420});
    TreeView1.setBounds({8, 40, 200, 200});
    StringGrid1.setBounds({216, 40, 240, 100});
    RadioGroup1.setBounds({216, 148, 240, 110});
    ListBox1.setBounds({464, 40, 160, 100});
    btnOk.setDefault(true);
    btnOk.setModalResult(ui::ModalResult::OK);
    btnCancel.setCancel(true);
    btnCancel.setModalResult(ui::ModalResult::Cancel);
    for (ui::ToolButton* b : {&tbHebrew, &tbEng}) {
      b->setGroupIndex(1);
      b->setParent(&ToolBar1);
    }
    tbHebrew.setDown(true);
    WindowsPlain1.setRadioItem(true);
    DOS1.setRadioItem(true);
    WindowsPlain1.setChecked(true);
    RTF1.setVisible(false);
    Hidden1.setVisible(false);
    Hidden1.add("Inner1", u"Inner");
    ComboBox1.setItems({u"Right", u"Left", u"Center"});
    ListBox1.addItem(u"b");
    ListBox1.addItem(u"a");
    CheckListBox1.setSorted(true);
    CheckListBox1.addItem(u"simplex.shx");
    CheckListBox1.addItem(u"ARIAL.ttf");
    RadioGroup1.setItems({u"Dos Hebrew", u"English (7 bit)", u"Windows", u"None"});
    PageControl1.addPage(TabSheet1);
    PageControl1.addPage(TabSheet2);
    Edit3.setParent(&TabSheet2);
    StringGrid1.setFixedRows(1);
    StringGrid1.setEditing(true);
    StringGrid1.setCell(0, 0, u"Fonts");
    StringGrid1.setCell(1, 0, u"Mapping");
    StringGrid1.setPickList(1, {u"DosHebrew", u"Windows"});
    StatusBar1.addPanel({u"Windows Screen Editor", 170, ui::Alignment::Center});
    StatusBar1.addPanel({u"", 50, ui::Alignment::Left});

    logEvents();
  }

  ui::Edit Edit1{*this, "Edit1"};
  ui::Edit Edit2{*this, "Edit2"};
  ui::Memo Memo1{*this, "Memo1"};
  ui::Button btnOk{*this, "btnOk", u"OK"};
  ui::Button btnCancel{*this, "btnCancel", u"Cancel"};
  ui::ToolBar ToolBar1{*this, "ToolBar1"};
  ui::ToolButton tbHebrew{*this, "tbHebrew", ui::ToolButtonStyle::Check};
  ui::ToolButton tbEng{*this, "tbEng", ui::ToolButtonStyle::Check};
  ui::ToolButton ToolButton10{*this, "ToolButton10"};
  ui::PopupMenu PopupMenu1{*this, "PopupMenu1"};
  ui::MenuItem& WindowsPlain1 = PopupMenu1.add("WindowsPlain1", u"Windows Plain");
  ui::MenuItem& DOS1 = PopupMenu1.add("DOS1", u"&DOS");
  ui::MenuItem& RTF1 = PopupMenu1.add("RTF1", u"Windows RTF");
  ui::MenuItem& Hidden1 = PopupMenu1.add("Hidden1", u"Char Set");
  ui::PopupMenu pupSt{*this, "pupSt"};
  ui::CheckBox CheckBox1{*this, "CheckBox1", u"Explode"};
  ui::ComboBox ComboBox1{*this, "ComboBox1", ui::ComboStyle::DropDownList};
  ui::ListBox ListBox1{*this, "ListBox1"};
  ui::CheckListBox CheckListBox1{*this, "CheckListBox1"};
  ui::RadioGroup RadioGroup1{*this, "RadioGroup1", u"Mapping"};
  ui::PageControl PageControl1{*this, "PageControl1"};
  ui::TabSheet TabSheet1{*this, "TabSheet1", u"Categories"};
  ui::TabSheet TabSheet2{*this, "TabSheet2", u"Properties"};
  ui::Edit Edit3{*this, "Edit3"};
  ui::TreeView TreeView1{*this, "TreeView1"};
  ui::StringGrid StringGrid1{*this, "StringGrid1", 2, 3};
  ui::StatusBar StatusBar1{*this, "StatusBar1"};
  ui::SpinButton btn1{*this, "btn1"};
  ui::OpenDialog OpenDialog1{*this, "OpenDialog1"};

  std::vector<std::string> log;
  void note(const std::string& event) { log.push_back(event); }

 private:
  void logEvents() {
    for (ui::Edit* edit : {&Edit1, &Edit2}) {
      edit->onEnter = [this, edit] { note(edit->name() + ":enter"); };
      edit->onExit = [this, edit] { note(edit->name() + ":exit"); };
      edit->onMouseDown = [this, edit] { note(edit->name() + ":mousedown"); };
    }
    btnOk.onClick = [this] { note("btnOk:click"); };
    for (ui::ToolButton* b : {&tbHebrew, &tbEng, &ToolButton10}) {
      b->onClick = [this, b] { note(b->name() + ":click"); };
    }
    for (ui::MenuItem* item : {&WindowsPlain1, &DOS1}) {
      item->onClick = [this, item] {
        item->setChecked(true);
        note(item->name() + ":click");
      };
    }
    CheckBox1.onClick = [this] {
      note(std::string("CheckBox1:click:") + (CheckBox1.checked() ? "1" : "0"));
    };
    ComboBox1.onChange = [this] { note("ComboBox1:change:" + utf16ToUtf8(ComboBox1.text())); };
    ListBox1.onClick = [this] { note("ListBox1:click:" + std::to_string(ListBox1.itemIndex())); };
    CheckListBox1.onClickCheck = [this](int i) {
      note("CheckListBox1:check:" + std::to_string(i));
    };
    RadioGroup1.onClick = [this] {
      note("RadioGroup1:click:" + std::to_string(RadioGroup1.itemIndex()));
    };
    PageControl1.onChange = [this] {
      note("PageControl1:change:" + std::to_string(PageControl1.activePageIndex()));
    };
    TreeView1.onChange = [this](ui::TreeNode* node) {
      note("TreeView1:change:" + (node ? utf16ToUtf8(node->text()) : std::string("none")));
    };
    StringGrid1.onSelectCell = [this](int c, int r, bool& can) {
      can = c != 0 || r != 2;
      note("StringGrid1:select:" + std::to_string(c) + "," + std::to_string(r));
    };
    StringGrid1.onSetEditText = [this](int c, int r, const std::u16string& text) {
      note("StringGrid1:edit:" + std::to_string(c) + "," + std::to_string(r) + "=" +
           utf16ToUtf8(text));
    };
    StatusBar1.onPanelClick = [this](int panel) {
      note("StatusBar1:panel:" + std::to_string(panel));
    };
    btn1.onUpClick = [this] { note("btn1:up"); };
    btn1.onDownClick = [this] { note("btn1:down"); };
  }
};

}  // namespace vrn::test
