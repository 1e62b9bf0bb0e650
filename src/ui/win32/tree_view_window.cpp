// The tree view's part of ControlWindow: the nodes as WC_TREEVIEW items
// (each item's lParam is its node), the selection, the expansion, the
// in-place editor over the edited node, and dragging.
//
// The items follow the nodes level by level: a level whose items still
// show the same nodes in the same order keeps its items (their captions
// and expansion are brought up to date), so expanding, renaming or editing
// does not rebuild the tree under the user's hands; any other change
// builds that level afresh.

#include <windows.h>
// commctrl.h needs windows.h first
#include <commctrl.h>

#include <algorithm>

#include "ui/edit.h"
#include "ui/form.h"
#include "ui/tree_view.h"
#include "ui/win32/control_window.h"
#include "ui/win32/form_window.h"
#include "ui/win32/window_classes.h"

namespace vrn::ui::win32 {
namespace {

TreeNode* nodeOf(HWND tree, HTREEITEM item) {
  TVITEMW data{};
  data.mask = TVIF_PARAM | TVIF_HANDLE;
  data.hItem = item;
  if (!TreeView_GetItem(tree, &data)) return nullptr;
  return reinterpret_cast<TreeNode*>(data.lParam);
}

std::vector<HTREEITEM> itemsBelow(HWND tree, HTREEITEM parent) {
  std::vector<HTREEITEM> items;
  HTREEITEM item = parent ? TreeView_GetChild(tree, parent) : TreeView_GetRoot(tree);
  for (; item; item = TreeView_GetNextSibling(tree, item)) items.push_back(item);
  return items;
}

std::vector<TreeNode*> nodesBelow(const TreeView& view, const TreeNode* parent) {
  std::vector<TreeNode*> nodes;
  const int count = parent ? parent->childCount() : view.topCount();
  for (int i = 0; i < count; ++i) nodes.push_back(parent ? &parent->child(i) : &view.top(i));
  return nodes;
}

void showCaption(HWND tree, HTREEITEM item, const TreeNode& node) {
  wchar_t shown[260] = {};
  TVITEMW data{};
  data.mask = TVIF_TEXT | TVIF_HANDLE;
  data.hItem = item;
  data.pszText = shown;
  data.cchTextMax = 260;
  TreeView_GetItem(tree, &data);
  if (reinterpret_cast<const char16_t*>(shown) == node.text()) return;
  data.pszText = const_cast<wchar_t*>(wide(node.text()));
  TreeView_SetItem(tree, &data);
}

HTREEITEM insertItem(HWND tree, HTREEITEM parent, TreeNode& node) {
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent ? parent : TVI_ROOT;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM;
  insert.item.pszText = const_cast<wchar_t*>(wide(node.text()));
  insert.item.lParam = reinterpret_cast<LPARAM>(&node);
  return TreeView_InsertItem(tree, &insert);
}

// Brings the items below parent in line with the nodes below parentNode.
void syncLevel(HWND tree, const TreeView& view, HTREEITEM parent, const TreeNode* parentNode) {
  std::vector<HTREEITEM> items = itemsBelow(tree, parent);
  const std::vector<TreeNode*> nodes = nodesBelow(view, parentNode);
  bool same = items.size() == nodes.size();
  for (std::size_t i = 0; same && i < items.size(); ++i) same = nodeOf(tree, items[i]) == nodes[i];
  if (!same) {
    for (HTREEITEM item : items) TreeView_DeleteItem(tree, item);
    items.clear();
    for (TreeNode* node : nodes) items.push_back(insertItem(tree, parent, *node));
  }
  for (std::size_t i = 0; i < items.size(); ++i) {
    showCaption(tree, items[i], *nodes[i]);
    syncLevel(tree, view, items[i], nodes[i]);
    const bool expanded =
        (TreeView_GetItemState(tree, items[i], TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    if (nodes[i]->hasChildren() && expanded != nodes[i]->expanded())
      TreeView_Expand(tree, items[i], nodes[i]->expanded() ? TVE_EXPAND : TVE_COLLAPSE);
  }
}

HTREEITEM findItem(HWND tree, HTREEITEM parent, const TreeNode& node) {
  for (HTREEITEM item : itemsBelow(tree, parent)) {
    if (nodeOf(tree, item) == &node) return item;
    if (HTREEITEM below = findItem(tree, item, node)) return below;
  }
  return nullptr;
}

HitPart partOf(UINT flags) {
  if (flags & TVHT_ONITEMBUTTON) return HitPart::Button;
  if (flags & TVHT_ONITEMICON) return HitPart::Icon;
  if (flags & TVHT_ONITEMLABEL) return HitPart::Label;
  if (flags & TVHT_ONITEMINDENT) return HitPart::Indent;
  if (flags & TVHT_ONITEMRIGHT) return HitPart::Right;
  return HitPart::Nowhere;
}

}  // namespace

bool itemLabelRect(HWND tree, HTREEITEM item, RECT& rect) {
  *reinterpret_cast<HTREEITEM*>(&rect) = item;
  return SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect)) != 0;
}

HTREEITEM ControlWindow::nodeItem(const TreeNode& node) const {
  return kind_ == Kind::Tree ? findItem(window_, nullptr, node) : nullptr;
}

void ControlWindow::showNodes() {
  if (kind_ != Kind::Tree) return;
  const bool wasShowing = showing_;
  showing_ = true;
  syncLevel(window_, static_cast<TreeView&>(control_), nullptr, nullptr);
  showNodeSelection();
  placeNodeEditor();
  showing_ = wasShowing;
}

void ControlWindow::showNodeSelection() {
  if (kind_ != Kind::Tree) return;
  const TreeNode* selected = static_cast<TreeView&>(control_).selected();
  HTREEITEM item = selected ? findItem(window_, nullptr, *selected) : nullptr;
  if (TreeView_GetSelection(window_) != item) TreeView_SelectItem(window_, item);
}

// The seam's editor of the edited node lies over the node's caption.
void ControlWindow::placeNodeEditor() {
  auto& tree = static_cast<TreeView&>(control_);
  TreeNode* edited = tree.editedNode();
  ControlWindow* editor = form_.find(tree.editor());
  if (!edited || !editor) return;
  HTREEITEM item = findItem(window_, nullptr, *edited);
  if (!item) return;
  TreeView_EnsureVisible(window_, item);
  RECT place{};
  if (!itemLabelRect(window_, item, place)) return;
  RECT client{};
  GetClientRect(window_, &client);
  place.right = std::max(place.right + 40, std::min(place.left + 160, client.right));
  MapWindowPoints(window_, form_.window(), reinterpret_cast<POINT*>(&place), 2);
  SetWindowPos(editor->window(), HWND_TOP, place.left, place.top - 2, place.right - place.left,
               place.bottom - place.top + 4, SWP_NOACTIVATE);
}

LRESULT ControlWindow::treeNotify(const NMHDR& header) {
  if (showing_) return 0;
  auto& tree = static_cast<TreeView&>(control_);
  const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
  switch (header.code) {
    case TVN_SELCHANGEDW:
      if (auto* node = reinterpret_cast<TreeNode*>(change.itemNew.lParam)) tree.userSelect(*node);
      // Refused, the selection goes back.
      showing_ = true;
      showNodeSelection();
      showing_ = false;
      break;
    case NM_CLICK:
      // A click on the node already selected changes nothing else.
      tree.form().userFocus(tree, FocusCause::Mouse);
      break;
    case TVN_ITEMEXPANDEDW:
      if (auto* node = reinterpret_cast<TreeNode*>(change.itemNew.lParam))
        tree.userSetExpanded(*node, change.action == TVE_EXPAND);
      break;
    case TVN_BEGINDRAGW:
      if (tree.dragEnabled()) {
        dragged_ = reinterpret_cast<TreeNode*>(change.itemNew.lParam);
        SetCapture(window_);
      }
      break;
    default:
      break;
  }
  return 0;
}

// While a node is dragged: the row under the pointer lights up as the
// drop target; letting go there drops it.
bool ControlWindow::treeMouse(UINT message, LPARAM lParam) {
  if (!dragged_) return false;
  if (message != WM_MOUSEMOVE && message != WM_LBUTTONUP && message != WM_CAPTURECHANGED)
    return false;
  TVHITTESTINFO hit{};
  hit.pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  HTREEITEM item = message == WM_CAPTURECHANGED ? nullptr : TreeView_HitTest(window_, &hit);
  TreeNode* target = item ? nodeOf(window_, item) : nullptr;
  if (message == WM_MOUSEMOVE) {
    TreeView_SelectDropTarget(window_, item);
    return true;
  }
  TreeNode* source = dragged_;
  dragged_ = nullptr;
  TreeView_SelectDropTarget(window_, nullptr);
  if (message == WM_CAPTURECHANGED) return false;
  ReleaseCapture();
  static_cast<TreeView&>(control_).userDrag(*source, target,
                                            target ? partOf(hit.flags) : HitPart::Nowhere);
  form_.syncFocus();
  return true;
}

}  // namespace vrn::ui::win32
