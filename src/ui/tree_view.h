#pragma once
// TreeView and TreeNode: captions with a value, images and children, one
// node selected. Unlike lists, the tree fires onChange for every change of
// the selection, the program's too (as Windows' tree view does): selecting
// a node, and removing the selected node, which selects its next sibling,
// else its previous sibling, else its parent.
//
// In-place editing of a caption: beginEdit asks onEditing, then keys go to
// an edit box over the node (editor()): Enter, or the focus leaving, ends
// the edit, onEdited may change the new caption and the node takes it;
// Escape cancels, and the node keeps its caption.
//
// Dragging its own nodes: the backend finds the node under the pointer
// and the part of its row hit (HitPart); onDragOver decides whether a drop
// there is accepted (without that handler nothing is), onDragDrop does
// the move (move()).

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/variant.h"
#include "ui/control.h"

namespace vrn::ui {

class Edit;
class TreeView;

class TreeNode {
 public:
  TreeNode(const TreeNode&) = delete;
  TreeNode& operator=(const TreeNode&) = delete;
  ~TreeNode();

  const std::u16string& text() const { return text_; }
  void setText(std::u16string text);
  const host::Variant& data() const { return data_; }
  void setData(host::Variant data) { data_ = std::move(data); }
  int imageIndex() const { return imageIndex_; }
  void setImageIndex(int index);
  int selectedIndex() const { return selectedIndex_; }
  void setSelectedIndex(int index);
  bool expanded() const { return expanded_; }
  void setExpanded(bool expanded);
  // This node and every one below it.
  void expandAll(bool expanded);

  TreeView& tree() const { return tree_; }
  TreeNode* parent() const { return parent_; }
  int childCount() const { return static_cast<int>(children_.size()); }
  TreeNode& child(int index) const { return *children_[static_cast<std::size_t>(index)]; }
  bool hasChildren() const { return !children_.empty(); }
  // The position among its siblings; the depth (0 for a top-level node).
  int index() const;
  int level() const;
  TreeNode* nextSibling() const;
  TreeNode* previousSibling() const;
  // The captions from the top down to this node, joined with "/".
  std::u16string path() const;

 private:
  friend class TreeView;
  TreeNode(TreeView& tree, TreeNode* parent, std::u16string text);

  TreeView& tree_;
  TreeNode* parent_;
  std::u16string text_;
  host::Variant data_;
  int imageIndex_ = -1;
  int selectedIndex_ = -1;
  bool expanded_ = false;
  std::vector<std::unique_ptr<TreeNode>> children_;
};

// Where a moved node goes relative to the target node.
enum class NodeAttach { AddChild, Insert };  // last child of the target; in front of it

// The part of a row under the pointer.
enum class HitPart { Nowhere, Indent, Button, Icon, Label, Right };

class TreeView : public Control {
 public:
  TreeView(Form& form, std::string name);
  ~TreeView() override;

  // The last child of parent (a top-level node for null).
  TreeNode& add(TreeNode* parent, std::u16string text);
  // A new node in front of sibling.
  TreeNode& insert(TreeNode& sibling, std::u16string text);
  // Removes the node with everything below it (see the top for the selection).
  void remove(TreeNode& node);
  void clear();
  // Moves node with its children: AddChild makes it target's last child,
  // Insert puts it in front of target; a null target means the end of the
  // top level. Moving a node into itself or below itself is refused
  // (returns false).
  bool move(TreeNode& node, TreeNode* target, NodeAttach how);

  int topCount() const { return static_cast<int>(roots_.size()); }
  TreeNode& top(int index) const { return *roots_[static_cast<std::size_t>(index)]; }
  TreeNode* first() const { return roots_.empty() ? nullptr : roots_.front().get(); }
  // Every node in display order (expanded or not), depth first.
  std::vector<TreeNode*> allNodes() const;
  // By captions from the top, separated by "/"; null when there is none.
  TreeNode* findByPath(std::u16string_view path) const;

  TreeNode* selected() const { return selected_; }
  // onChange fires when the selection changes, whoever changed it.
  void select(TreeNode* node);
  void fullExpand();
  void fullCollapse();

  bool hideSelection() const { return hideSelection_; }
  void setHideSelection(bool hide);
  // Whether captions may be edited in place.
  bool readOnly() const { return readOnly_; }
  void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
  bool dragEnabled() const { return dragEnabled_; }
  void setDragEnabled(bool enabled) { dragEnabled_ = enabled; }

  // --- in-place editing ---
  // False when the tree is read-only or onEditing refuses.
  bool beginEdit(TreeNode& node);
  // Ends editing; the caption changes only when not cancelled.
  void endEdit(bool cancel);
  TreeNode* editedNode() const { return edited_; }
  Edit& editor() const { return *editor_; }

  std::function<void(TreeNode* node)> onChange;
  std::function<void(TreeNode& node, bool& allow)> onEditing;
  std::function<void(TreeNode& node, std::u16string& text)> onEdited;
  std::function<void(TreeNode& source, TreeNode* target, HitPart part, bool& accept)> onDragOver;
  std::function<void(TreeNode& source, TreeNode* target, HitPart part)> onDragDrop;

  // --- user input ---
  void userSelect(TreeNode& node);
  void userSetExpanded(TreeNode& node, bool expanded);
  // The user drags source and lets go over target (null: below the last
  // row) on the given part of its row. Returns whether the drop was accepted.
  bool userDrag(TreeNode& source, TreeNode* target, HitPart part);

  bool focusable() const override { return true; }
  bool wantsKey(const KeyEvent& key) const override;
  void defaultKeyDown(const KeyEvent& key) override;
  void defaultKeyChar(char16_t character) override;
  void focusLost() override { endEdit(false); }
  // Selected (its path), Count, Editing, and Control's.
  std::optional<std::u16string> property(std::string_view name) const override;

 private:
  friend class TreeNode;
  std::vector<std::unique_ptr<TreeNode>>& siblingsOf(const TreeNode& node);
  std::unique_ptr<TreeNode> detach(TreeNode& node);
  void forgetSubtree(const TreeNode& node);
  void nodesChanged() const { changed(Aspect::Nodes); }

  std::vector<std::unique_ptr<TreeNode>> roots_;
  TreeNode* selected_ = nullptr;
  TreeNode* edited_ = nullptr;
  std::unique_ptr<Edit> editor_;
  bool hideSelection_ = true;
  bool readOnly_ = false;
  bool dragEnabled_ = false;
};

}  // namespace vrn::ui
