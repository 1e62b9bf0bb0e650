#pragma once
// The library's tree of categories and topics as the browser's tree view
// shows it: each node has a caption, an integer data value (its nid), an
// image index, a selected-image index, a parent (none at the top level) and
// an ordered list of children. Siblings are linked both ways so that adding,
// moving and removing a node cost the same whatever its place; the tree owns
// every node, and a node pointer stays valid until the node is removed.

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vrn::library {

class Tree;

class TreeNode {
 public:
  const std::u16string& caption() const { return caption_; }
  void setCaption(std::u16string caption) { caption_ = std::move(caption); }
  std::int32_t data() const { return data_; }
  void setData(std::int32_t data) { data_ = data; }
  int imageIndex() const { return imageIndex_; }
  void setImageIndex(int index) { imageIndex_ = index; }
  int selectedIndex() const { return selectedIndex_; }
  void setSelectedIndex(int index) { selectedIndex_ = index; }

  TreeNode* parent() const { return parent_; }
  TreeNode* firstChild() const { return firstChild_; }
  TreeNode* lastChild() const { return lastChild_; }
  TreeNode* nextSibling() const { return next_; }
  TreeNode* prevSibling() const { return prev_; }
  bool hasChildren() const { return firstChild_ != nullptr; }
  std::vector<TreeNode*> children() const;
  int level() const;  // 0 at the top level
  bool isAncestorOf(const TreeNode& other) const;

 private:
  friend class Tree;
  std::u16string caption_;
  std::int32_t data_ = 0;
  int imageIndex_ = 0;
  int selectedIndex_ = 0;
  TreeNode* parent_ = nullptr;
  TreeNode* firstChild_ = nullptr;
  TreeNode* lastChild_ = nullptr;
  TreeNode* prev_ = nullptr;
  TreeNode* next_ = nullptr;
  std::size_t slot_ = 0;  // position in Tree::nodes_
};

class Tree {
 public:
  // Adds a node with that caption as the last child of parent, or at the end
  // of the top level when parent is null.
  TreeNode* add(TreeNode* parent, std::u16string caption);
  // Moves node with its subtree to the end of parent's children (the top
  // level when parent is null). Moving a node under itself or one of its
  // descendants would cut the subtree off, so it raises std::invalid_argument.
  void moveToEnd(TreeNode& node, TreeNode* parent);
  // Moves node with its subtree in front of target, as target's sibling.
  void moveBefore(TreeNode& node, TreeNode& target);
  // Removes node and its whole subtree.
  void remove(TreeNode& node);
  void clear();

  TreeNode* first() const { return firstTop_; }
  std::vector<TreeNode*> topLevel() const;
  std::size_t count() const { return nodes_.size(); }
  // The first node in tree order (depth first) whose data value is data.
  TreeNode* findByData(std::int32_t data) const;

  // Suspended updates: a view showing the tree repaints only after the
  // outermost endUpdate.
  void beginUpdate() { ++updateDepth_; }
  void endUpdate() {
    assert(updateDepth_ > 0);
    --updateDepth_;
  }
  bool updating() const { return updateDepth_ > 0; }

 private:
  void link(TreeNode& node, TreeNode* parent, TreeNode* before);
  void unlink(TreeNode& node);
  void checkMove(const TreeNode& node, const TreeNode* parent) const;
  void forget(TreeNode& node);
  bool linkedBothWays(const TreeNode& node) const;

  std::vector<std::unique_ptr<TreeNode>> nodes_;
  TreeNode* firstTop_ = nullptr;
  TreeNode* lastTop_ = nullptr;
  int updateDepth_ = 0;
};

}  // namespace vrn::library
