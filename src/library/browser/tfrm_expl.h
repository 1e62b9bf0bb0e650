#pragma once
// TfrmExpl: the text library browser. The tree of categories and topics on
// the left, the selected node's text in a right-to-left memo on the right.
// Every change of names and texts is stored in vrn.db at once. Pick and put
// close the form with 10, 30 or 40; the Hlib loop (hlib.h) does the job
// and shows the form again with its state as it was.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "library/browser/library_host.h"
#include "library/tdb.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/file_dialog.h"
#include "ui/form.h"
#include "ui/memo.h"
#include "ui/menu.h"
#include "ui/page_control.h"
#include "ui/string_grid.h"
#include "ui/tool_button.h"
#include "ui/tree_view.h"

namespace vrn::library {

namespace expl_result {
inline constexpr auto pick = static_cast<ui::ModalResult>(10);
inline constexpr auto put = static_cast<ui::ModalResult>(30);
inline constexpr auto putLines = static_cast<ui::ModalResult>(40);
}  // namespace expl_result

// The values shown on the Properties page.
struct tprop {
  std::u16string style;
  std::u16string height;
  std::u16string layer;
  bool explode = false;
};

class TfrmExpl : public ui::Form {
 public:
  TfrmExpl(ui::Toolkit& toolkit, LibraryHost host, std::filesystem::path dataDir);

  ui::PageControl PageControl1{*this, "PageControl1"};
  ui::TabSheet tsCategories{*this, "tsCategories", u"Categories"};
  ui::TabSheet tsProperties{*this, "tsProperties", u"Properties"};
  ui::StringGrid vleProps{*this, "vleProps", 2, 4};
  ui::TreeView TreeView1{*this, "TreeView1"};
  ui::PopupMenu PopupMenu1{*this, "PopupMenu1"};
  ui::MenuItem& mnAddCat = PopupMenu1.add("mnAddCat", u"Add &Category");
  ui::MenuItem& mnAddTitle = PopupMenu1.add("mnAddTitle", u"Add &Title");
  ui::MenuItem& mnEditItem = PopupMenu1.add("mnEditItem", u"Edit &Item");
  ui::MenuItem& mnDelete = PopupMenu1.add("mnDelete", u"&Delete Item");
  ui::MenuItem& mnExpandAll = PopupMenu1.add("mnExpandAll", u"&Expand All");
  ui::MenuItem& mnCollapseAll = PopupMenu1.add("mnCollapseAll", u"&Collapce All");
  ui::PopupMenu pmMemo{*this, "pmMemo"};
  ui::MenuItem& acCopy = pmMemo.add("acCopy", u"&Copy");
  ui::MenuItem& acCut = pmMemo.add("acCut", u"Cu&t");
  ui::MenuItem& acPaste = pmMemo.add("acPaste", u"&Paste");
  ui::ToolButton ToolButton1{*this, "ToolButton1"};
  ui::ToolButton ToolButton2{*this, "ToolButton2"};
  ui::ToolButton ToolButton7{*this, "ToolButton7", ui::ToolButtonStyle::Check};
  ui::ToolButton ToolButton8{*this, "ToolButton8", ui::ToolButtonStyle::Check};
  ui::OpenDialog OpenDialog1{*this, "OpenDialog1"};
  ui::SaveDialog SaveDialog1{*this, "SaveDialog1"};
  ui::Memo Memo1{*this, "Memo1"};
  ui::ToolButton tbAddCat{*this, "tbAddCat"};
  ui::ToolButton tbAddTitle{*this, "tbAddTitle"};
  ui::ToolButton btUp{*this, "btUp"};
  ui::ToolButton btDown{*this, "btDown"};
  ui::ToolButton bttrash{*this, "bttrash"};
  ui::Button Button1{*this, "Button1", u">>Pick"};
  ui::Button Button2{*this, "Button2", u"<<Put"};
  ui::Button btnMt{*this, "btnMt", u"<<PutMt"};
  ui::Button BitBtn1{*this, "BitBtn1", u"OK"};
  ui::ComboBox cbxSearch{*this, "cbxSearch", ui::ComboStyle::DropDown};
  ui::Button btnSearch{*this, "btnSearch", u"Search"};
  ui::Button btnSearchDown{*this, "btnSearchDown", u"Next"};
  ui::Button btnSearchUp{*this, "btnSearchUp", u"Previous"};

  ui::TreeNode* LastNode = nullptr;
  std::int32_t maxid = -1;
  Tidxarray csearch;
  int idxsearch = 0;
  std::vector<int> search_list;
  int lsearch = -1;
  bool changesearch = false;
  std::u16string selects;
  std::u16string singlestr;
  tprop cprop;
  std::vector<std::u16string> styles;
  std::vector<std::u16string> layers;

  void FormCreate();
  void FormShow();
  void FormClose();
  void FormDestroy();
  void TreeView1Change(ui::TreeNode* node);
  void TreeView1Edited(ui::TreeNode& node, std::u16string& text);
  void TreeView1DragOver(ui::TreeNode& source, ui::TreeNode* target, ui::HitPart part,
                         bool& accept);
  void TreeView1DragDrop(ui::TreeNode& source, ui::TreeNode* target, ui::HitPart part);
  void tbAddCatClick();
  void tbAddTitleClick();
  void btUpClick();
  void btDownClick();
  void bttrashClick();
  void Button1Click();
  void putClick(ui::ModalResult result);
  void ToolButton1Click();
  void ToolButton2Click();
  void justifyClick(bool rightToLeft);
  void PageControl1Change();
  void vlePropsSetEditText(int row, const std::u16string& text);
  void editItemClick();
  void btnSearchClick();
  void btnSearchDownClick();
  void btnSearchUpClick();

 private:
  void saveText();
  void setupProperties();
  void loadTree();
  void addNode(ui::TreeNode& parent, const std::u16string& caption, int image, int selected);
  void swapWith(ui::TreeNode& node, ui::TreeNode* sibling, bool siblingFirst);
  void addToHistory(const std::u16string& text);
  void showFound(std::int32_t nid, int start);
  void selectOccurrence();
  bool showFoundTopicSelected();

  LibraryHost host_;
  std::filesystem::path dataDir_;
  std::unique_ptr<Tdb> db_;
  bool reactToChange_ = true;
};

}  // namespace vrn::library
