#include "library/browser/tfrm_expl.h"

#include <algorithm>
#include <climits>

#include "ascii/letter_case.h"
#include "encoding/text_file.h"
#include "ui/message_box.h"

namespace vrn::library {
namespace {

constexpr std::string_view kTable = "LibTree";
constexpr std::string_view kHistory = "SearchCombo";
constexpr std::size_t kHistoryLimit = 20;  // a search that reaches it drops the last entry
constexpr int kTopicImage = 2;

std::int32_t nidOf(const ui::TreeNode& node) { return node.data().toInt(); }

bool isTopic(const ui::TreeNode& node) { return node.imageIndex() == kTopicImage; }

// The database takes nodes of its own tree; this stands in for a node of the
// tree view with what the statements read: its nid, caption, icon and the
// parent's nid.
class DbNode {
 public:
  explicit DbNode(const ui::TreeNode& node) {
    TreeNode* parent = nullptr;
    if (node.parent() != nullptr) {
      parent = tree_.add(nullptr, node.parent()->text());
      parent->setData(nidOf(*node.parent()));
    }
    node_ = tree_.add(parent, node.text());
    node_->setData(nidOf(node));
    node_->setImageIndex(node.imageIndex());
    node_->setSelectedIndex(node.selectedIndex());
  }
  const TreeNode& operator*() const { return *node_; }

 private:
  Tree tree_;
  TreeNode* node_ = nullptr;
};

void copyChildren(ui::TreeView& view, ui::TreeNode* to, const TreeNode* from) {
  for (; from != nullptr; from = from->nextSibling()) {
    ui::TreeNode& node = view.add(to, from->caption());
    node.setData(from->data());
    node.setImageIndex(from->imageIndex());
    node.setSelectedIndex(from->selectedIndex());
    copyChildren(view, &node, from->firstChild());
  }
}

bool isWithin(const ui::TreeNode& node, const ui::TreeNode& ancestor) {
  for (const ui::TreeNode* n = &node; n != nullptr; n = n->parent()) {
    if (n == &ancestor) return true;
  }
  return false;
}

std::u16string upper(std::u16string_view text) { return upperAscii(std::u16string(text)); }

}  // namespace

TfrmExpl::TfrmExpl(ui::Toolkit& toolkit, LibraryHost host, std::filesystem::path dataDir)
    : Form(toolkit, "TfrmExpl"), host_(std::move(host)), dataDir_(std::move(dataDir)) {
  setCaption(u"Vornel Text Library");
  tbAddCat.setHint(u"+ Folder");
  tbAddTitle.setHint(u"+Topic");
  btUp.setHint(u"Up");
  btDown.setHint(u"Down");
  bttrash.setHint(u"Delete");
  Button1.setHint(u"Get from Acad");
  Button2.setHint(u"Put to Acad");
  btnMt.setHint(u"Put Multiline as MText to Acad");
  BitBtn1.setDefault(true);
  BitBtn1.setModalResult(ui::ModalResult::OK);
  setBounds({0, 120, 780, 520});
  // The tree and the properties on the pages at the left, the topic's text
  // at the right with the search above it; the file and justify buttons
  // line up along the top.
  PageControl1.setBounds({4, 32, 300, 416});
  for (ui::TabSheet* page : {&tsCategories, &tsProperties}) page->setBounds({8, 56, 292, 388});
  tbAddCat.setBounds({10, 60, 60, 26});
  tbAddTitle.setBounds({74, 60, 50, 26});
  btUp.setBounds({128, 60, 40, 26});
  btDown.setBounds({172, 60, 44, 26});
  bttrash.setBounds({220, 60, 50, 26});
  TreeView1.setBounds({10, 90, 288, 352});
  vleProps.setBounds({10, 60, 288, 382});
  cbxSearch.setBounds({310, 32, 220, 24});
  btnSearch.setBounds({536, 32, 72, 24});
  btnSearchDown.setBounds({612, 32, 72, 24});
  btnSearchUp.setBounds({688, 32, 76, 24});
  Memo1.setBounds({310, 62, 454, 380});
  Button1.setBounds({310, 452, 80, 28});
  Button2.setBounds({396, 452, 80, 28});
  btnMt.setBounds({482, 452, 80, 28});
  BitBtn1.setBounds({684, 452, 80, 28});
  PageControl1.addPage(tsCategories);
  PageControl1.addPage(tsProperties);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&TreeView1, &tbAddCat, &tbAddTitle,
                                                            &btUp, &btDown, &bttrash}) {
    c->setParent(&tsCategories);
  }
  vleProps.setParent(&tsProperties);
  vleProps.setFixedCols(1);
  // The values are the user's to edit: typed, or picked from a row's list.
  vleProps.setEditing(true);
  ToolButton1.setHint(u"Load from file");
  ToolButton2.setHint(u"Save to file");
  ToolButton7.setHint(u"Rigt Justify");
  ToolButton8.setHint(u"Left Justify");
  ToolButton7.setGroupIndex(1);
  ToolButton8.setGroupIndex(1);
  ToolButton7.setDown(true);
  OpenDialog1.setFilter(u"Text (*,txt)|*.txt|All (*.*)|*.*");
  SaveDialog1.setFilter(u"Text files(*.txt)|*.txt|All files|*.*");
  TreeView1.setPopupMenu(&PopupMenu1);
  Memo1.setPopupMenu(&pmMemo);
  TreeView1.setHideSelection(false);
  Memo1.setRightToLeft(true);
  Memo1.setScrollBars(ui::ScrollBars::Both);
  Memo1.setHideSelection(false);
  cbxSearch.setRightToLeft(true);

  onCreate = [this] { FormCreate(); };
  onShow = [this] { FormShow(); };
  onClose = [this] { FormClose(); };
  onDestroy = [this] { FormDestroy(); };
  TreeView1.onChange = [this](ui::TreeNode* node) { TreeView1Change(node); };
  TreeView1.onEdited = [this](ui::TreeNode& node, std::u16string& text) {
    TreeView1Edited(node, text);
  };
  TreeView1.setDragEnabled(true);
  TreeView1.onDragOver = [this](ui::TreeNode& source, ui::TreeNode* target, ui::HitPart part,
                                bool& accept) { TreeView1DragOver(source, target, part, accept); };
  TreeView1.onDragDrop = [this](ui::TreeNode& source, ui::TreeNode* target, ui::HitPart part) {
    TreeView1DragDrop(source, target, part);
  };
  TreeView1.onKeyDown = [this](ui::KeyEvent& key) {
    if (key.is(ui::vk::kF2)) editItemClick();
  };
  // Stored on every change, so that the latest keystroke is never on screen only.
  Memo1.onChange = [this] { saveText(); };
  tbAddCat.onClick = [this] { tbAddCatClick(); };
  mnAddCat.onClick = [this] { tbAddCatClick(); };
  mnAddTitle.onClick = [this] { tbAddTitleClick(); };
  mnEditItem.onClick = [this] { editItemClick(); };
  mnDelete.onClick = [this] { bttrashClick(); };
  mnExpandAll.onClick = [this] { TreeView1.fullExpand(); };
  mnCollapseAll.onClick = [this] { TreeView1.fullCollapse(); };
  acCopy.onClick = [this] { Memo1.copyToClipboard(); };
  acCut.onClick = [this] { Memo1.cutToClipboard(); };
  acPaste.onClick = [this] {
    if (!Memo1.focused()) return;
    Memo1.pasteFromClipboard();
    saveText();
  };
  ToolButton1.onClick = [this] { ToolButton1Click(); };
  ToolButton2.onClick = [this] { ToolButton2Click(); };
  ToolButton7.onClick = [this] { justifyClick(true); };
  ToolButton8.onClick = [this] { justifyClick(false); };
  PageControl1.onChange = [this] { PageControl1Change(); };
  vleProps.onSetEditText = [this](int, int row, const std::u16string& text) {
    vlePropsSetEditText(row, text);
  };
  tbAddTitle.onClick = [this] { tbAddTitleClick(); };
  btUp.onClick = [this] { btUpClick(); };
  btDown.onClick = [this] { btDownClick(); };
  bttrash.onClick = [this] { bttrashClick(); };
  Button1.onClick = [this] { Button1Click(); };
  Button2.onClick = [this] { putClick(expl_result::put); };
  btnMt.onClick = [this] { putClick(expl_result::putLines); };
  btnSearch.onClick = [this] { btnSearchClick(); };
  btnSearchDown.onClick = [this] { btnSearchDownClick(); };
  btnSearchUp.onClick = [this] { btnSearchUpClick(); };
  cbxSearch.onChange = [this] { changesearch = true; };
  cbxSearch.onKeyDown = [this](ui::KeyEvent& key) {
    if (!key.is(ui::vk::kEnter)) return;
    key.swallow();
    btnSearchClick();
  };
}

void TfrmExpl::FormCreate() {
  changesearch = false;
  styles = host_.StyleNames();
  layers = host_.LayerNames();
  std::sort(styles.begin(), styles.end());
  std::sort(layers.begin(), layers.end());
  host_.ActiveStyleFontType();
  cprop = {host_.CurStyleName, {}, host_.CurLayerName, false};
  setupProperties();
  db_ = std::make_unique<Tdb>(dataDir_);
  loadTree();
  StringList history;
  db_->ReadList(kHistory, history);
  cbxSearch.setItems(history);
  if (ui::TreeNode* top = TreeView1.first()) top->setExpanded(true);
}

void TfrmExpl::setupProperties() {
  const char16_t* names[] = {u"Style", u"Height", u"Layer", u"Explode"};
  for (int row = 0; row < 4; ++row) vleProps.setCell(0, row, names[row]);
  vleProps.setCell(1, 0, cprop.style);
  vleProps.setCell(1, 2, cprop.layer);
  vleProps.setCell(1, 3, cprop.explode ? u"Yes" : u"No");
  vleProps.setPickList(0, styles);
  vleProps.setPickList(2, layers);
  vleProps.setPickList(3, {u"Yes", u"No"});
}

// Shown only: placing texts does not read these values.
void TfrmExpl::vlePropsSetEditText(int row, const std::u16string& text) {
  switch (row) {
    case 0:
      cprop.style = text;
      break;
    case 1:
      cprop.height = text;
      break;
    case 2:
      cprop.layer = text;
      break;
    default:
      cprop.explode = text == u"Yes";
  }
}

void TfrmExpl::PageControl1Change() {
  if (PageControl1.activePage() == &tsCategories) TreeView1.select(TreeView1.first());
}

void TfrmExpl::ToolButton1Click() {
  if (!OpenDialog1.execute()) return;
  Memo1.setLines(encoding::readTextLines(OpenDialog1.fileName()));
  Memo1.setModified(true);
  saveText();
}

void TfrmExpl::ToolButton2Click() {
  if (!SaveDialog1.execute()) return;
  encoding::writeTextLines(SaveDialog1.fileName(), Memo1.lines());
}

void TfrmExpl::justifyClick(bool rightToLeft) {
  ToolButton7.setDown(rightToLeft);
  ToolButton8.setDown(!rightToLeft);
  Memo1.setRightToLeft(rightToLeft);
  cbxSearch.setRightToLeft(rightToLeft);
}

// Renaming starts only from the tree itself.
void TfrmExpl::editItemClick() {
  if (TreeView1.focused() && TreeView1.selected() != nullptr) {
    TreeView1.beginEdit(*TreeView1.selected());
  }
}

void TfrmExpl::loadTree() {
  Tree tree;
  db_->FillTree(tree, kTable, maxid);
  const bool react = reactToChange_;
  reactToChange_ = false;
  TreeView1.clear();
  copyChildren(TreeView1, nullptr, tree.first());
  reactToChange_ = react;
}

void TfrmExpl::FormShow() {
  bringToFront();
  centreOnPointerMonitor();
  if (selects.empty()) return;
  Memo1.setSelText(selects);
  Memo1.setModified(true);
  saveText();
  selects.clear();
}

void TfrmExpl::FormClose() { saveText(); }

void TfrmExpl::FormDestroy() {
  if (!db_) return;
  db_->WriteList(kHistory, cbxSearch.itemTexts());
  db_.reset();
}

void TfrmExpl::saveText() {
  if (!Memo1.modified() || LastNode == nullptr) return;
  db_->UpdateTopic(*DbNode(*LastNode), Memo1.lines(), kTable);
  Memo1.setModified(false);
}

void TfrmExpl::TreeView1Change(ui::TreeNode* node) {
  if (!reactToChange_ || node == nullptr || node == LastNode) return;
  saveText();
  Memo1.setText(db_->ReadTopic(*DbNode(*node), kTable));
  Memo1.setModified(false);
  LastNode = node;
}

void TfrmExpl::TreeView1Edited(ui::TreeNode& node, std::u16string& text) {
  db_->UpdateNodeName(*DbNode(node), text, kTable);
}

// A drop needs a target row other than the node and its own subtree: a
// drop in empty space has nothing to attach to, and one on a descendant
// would cut the subtree off.
void TfrmExpl::TreeView1DragOver(ui::TreeNode& source, ui::TreeNode* target, ui::HitPart part,
                                 bool& accept) {
  const bool onRow =
      part == ui::HitPart::Label || part == ui::HitPart::Icon || part == ui::HitPart::Indent;
  accept = target != nullptr && onRow && !isWithin(*target, source);
}

// The move is stored at once, so that the next opening and a later Up or
// Down see the tree as shown.
void TfrmExpl::TreeView1DragDrop(ui::TreeNode& source, ui::TreeNode* target, ui::HitPart part) {
  bool accept = false;
  TreeView1DragOver(source, target, part, accept);
  if (!accept) return;
  const bool inFront = part == ui::HitPart::Indent || isTopic(*target);
  if (!TreeView1.move(source, target, inFront ? ui::NodeAttach::Insert : ui::NodeAttach::AddChild))
    return;
  Tidxarray siblings;
  ui::TreeNode* parent = source.parent();
  const int count = parent != nullptr ? parent->childCount() : TreeView1.topCount();
  for (int i = 0; i < count; ++i) {
    siblings.push_back(nidOf(parent != nullptr ? parent->child(i) : TreeView1.top(i)));
  }
  db_->MoveNode(*DbNode(source), siblings, kTable);
}

// A new node is stored with its default caption at once: an in-place edit
// that is cancelled must not leave it on screen only, nor its later
// children without a parent row.
void TfrmExpl::addNode(ui::TreeNode& parent, const std::u16string& caption, int image,
                       int selected) {
  parent.setExpanded(true);
  ui::TreeNode& node = TreeView1.add(&parent, caption);
  node.setImageIndex(image);
  node.setSelectedIndex(selected);
  node.setData(maxid + 1);
  try {
    db_->UpdateNodeName(*DbNode(node), caption, kTable);
  } catch (...) {
    TreeView1.remove(node);  // not stored: not shown either
    throw;
  }
  maxid = maxid + 1;
  TreeView1.select(&node);
  Memo1.setText({});
  Memo1.setModified(false);
  LastNode = &node;
  TreeView1.beginEdit(node);
}

void TfrmExpl::tbAddCatClick() {
  saveText();
  ui::TreeNode* parent = TreeView1.selected() ? TreeView1.selected() : TreeView1.first();
  if (parent == nullptr || isTopic(*parent)) return;
  reactToChange_ = false;
  try {
    addNode(*parent, u"New Category", 0, 1);
  } catch (...) {
    reactToChange_ = true;
    throw;
  }
  reactToChange_ = true;
}

void TfrmExpl::tbAddTitleClick() {
  saveText();
  ui::TreeNode* selected = TreeView1.selected();
  if (selected == nullptr || selected->level() == 0) return;
  ui::TreeNode* parent = isTopic(*selected) ? selected->parent() : selected;
  reactToChange_ = false;
  try {
    addNode(*parent, u"New Topic", kTopicImage, kTopicImage);
  } catch (...) {
    reactToChange_ = true;
    throw;
  }
  reactToChange_ = true;
}

void TfrmExpl::swapWith(ui::TreeNode& node, ui::TreeNode* sibling, bool siblingFirst) {
  if (sibling == nullptr) return;
  db_->SwapNode(*DbNode(node), *DbNode(*sibling), kTable);
  if (siblingFirst) {
    TreeView1.move(*sibling, &node, ui::NodeAttach::Insert);
  } else {
    TreeView1.move(node, sibling, ui::NodeAttach::Insert);
  }
}

void TfrmExpl::btDownClick() {
  if (ui::TreeNode* node = TreeView1.selected()) swapWith(*node, node->nextSibling(), true);
}

void TfrmExpl::btUpClick() {
  if (ui::TreeNode* node = TreeView1.selected()) swapWith(*node, node->previousSibling(), false);
}

void TfrmExpl::bttrashClick() {
  ui::TreeNode* node = TreeView1.selected();
  if (node == nullptr || !TreeView1.focused()) return;
  if (node->hasChildren()) {
    ui::showMessage(toolkit(), u"The category not empty, you have to Delete titles First");
    return;
  }
  const ui::ModalResult answer =
      ui::messageBox(toolkit(), {u"Do you really want to delete this node?",
                                 ui::applicationTitle,
                                 ui::MessageButtons::YesNo,
                                 ui::MessageIcon::Question,
                                 {}});
  if (answer != ui::ModalResult::Yes) return;
  LastNode = nullptr;
  db_->DeleteNode(*DbNode(*node), kTable);
  TreeView1.remove(*node);
}

void TfrmExpl::Button1Click() {
  selects.clear();
  setModalResult(expl_result::pick);
}

void TfrmExpl::putClick(ui::ModalResult result) {
  if (Memo1.text().empty()) return;
  const int Row = Memo1.lineFromChar(Memo1.selStart());
  singlestr = Memo1.selLength() > 0 ? Memo1.selText() : Memo1.line(Row);
  if (singlestr.find_first_not_of(u" \t\r\n") == std::u16string::npos) return;
  setModalResult(result);
}

void TfrmExpl::addToHistory(const std::u16string& text) {
  std::vector<std::u16string> items = cbxSearch.itemTexts();
  for (const std::u16string& item : items) {
    if (upper(item) == upper(text)) return;
  }
  items.insert(items.begin(), text);
  if (items.size() >= kHistoryLimit) items.pop_back();
  const int selStart = cbxSearch.selStart();
  cbxSearch.setItems(items);
  cbxSearch.setText(text);
  cbxSearch.setSelStart(selStart);
}

void TfrmExpl::btnSearchClick() {
  const std::u16string text = cbxSearch.text();
  if (text.empty()) {
    ui::showMessage(toolkit(), u"The search string cannot be blanc");
    return;
  }
  const bool edited = changesearch;
  addToHistory(text);
  if (edited) {
    csearch = db_->Search(text);
    idxsearch = 0;
    if (csearch.empty()) {
      ui::showMessage(toolkit(), u"Search string " + text + u" not found!");
    } else {
      showFound(csearch[0], 0);
    }
  } else if (!csearch.empty()) {
    showFound(csearch[static_cast<std::size_t>(idxsearch)], 0);
  }
  changesearch = false;
}

void TfrmExpl::showFound(std::int32_t nid, int start) {
  ui::TreeNode* found = nullptr;
  for (ui::TreeNode* node : TreeView1.allNodes()) {
    if (nidOf(*node) == nid) {
      found = node;
      break;
    }
  }
  if (found == nullptr) return;
  TreeView1.select(found);
  found->expandAll(true);
  if (start < 0) return;
  search_list.clear();
  const std::u16string word = upper(cbxSearch.text());
  const std::u16string textUpper = upper(Memo1.text());
  for (std::size_t at = textUpper.find(word); !word.empty() && at != std::u16string::npos;
       at = textUpper.find(word, at + word.size())) {
    search_list.push_back(static_cast<int>(at));
  }
  // A topic found only through a wildcard holds no literal occurrence.
  if (search_list.empty()) {
    lsearch = -1;
    return;
  }
  lsearch = std::min(start, static_cast<int>(search_list.size()) - 1);
  selectOccurrence();
}

void TfrmExpl::selectOccurrence() {
  if (lsearch < 0 || lsearch >= static_cast<int>(search_list.size())) return;
  Memo1.select(search_list[static_cast<std::size_t>(lsearch)],
               static_cast<int>(cbxSearch.text().size()));
  Memo1.setFocus();
}

// Common start of next and previous; false when there is nothing to walk.
bool TfrmExpl::showFoundTopicSelected() {
  if (changesearch) {
    btnSearchClick();
    return false;
  }
  if (csearch.empty()) return false;
  const std::int32_t nid = csearch[static_cast<std::size_t>(idxsearch)];
  if (TreeView1.selected() == nullptr || nidOf(*TreeView1.selected()) != nid) showFound(nid, -1);
  return true;
}

void TfrmExpl::btnSearchDownClick() {
  if (!showFoundTopicSelected()) return;
  const int lastOccurrence = static_cast<int>(search_list.size()) - 1;
  if (idxsearch < static_cast<int>(csearch.size()) - 1) {
    if (lsearch >= 0 && lsearch < lastOccurrence) {
      ++lsearch;
      selectOccurrence();
    } else {
      ++idxsearch;
      showFound(csearch[static_cast<std::size_t>(idxsearch)], 0);
    }
    return;
  }
  if (lsearch >= 0 && lsearch < lastOccurrence) ++lsearch;
  selectOccurrence();
}

void TfrmExpl::btnSearchUpClick() {
  if (!showFoundTopicSelected()) return;
  if (idxsearch > 0) {
    if (lsearch > 0) {
      --lsearch;
      selectOccurrence();
    } else {
      --idxsearch;
      showFound(csearch[static_cast<std::size_t>(idxsearch)], INT_MAX);
    }
    return;
  }
  if (lsearch > 0) --lsearch;
  selectOccurrence();
}

}  // namespace vrn::library
