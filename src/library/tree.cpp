#include "library/tree.h"

#include <cassert>
#include <stdexcept>

namespace vrn::library {
namespace {

// The next node in depth-first order within the subtree of root, or null.
TreeNode* nextInOrder(const TreeNode* node, const TreeNode* root) {
  if (node->firstChild() != nullptr) return node->firstChild();
  while (node != root) {
    if (node->nextSibling() != nullptr) return node->nextSibling();
    node = node->parent();
  }
  return nullptr;
}

}  // namespace

// The node's neighbours and its parent (or the top level) point back at it.
bool Tree::linkedBothWays(const TreeNode& node) const {
  const TreeNode* first = node.parent_ != nullptr ? node.parent_->firstChild_ : firstTop_;
  const TreeNode* last = node.parent_ != nullptr ? node.parent_->lastChild_ : lastTop_;
  return (node.prev_ != nullptr ? node.prev_->next_ : first) == &node &&
         (node.next_ != nullptr ? node.next_->prev_ : last) == &node &&
         (node.prev_ == nullptr || node.prev_->parent_ == node.parent_) &&
         (node.next_ == nullptr || node.next_->parent_ == node.parent_);
}

std::vector<TreeNode*> TreeNode::children() const {
  std::vector<TreeNode*> result;
  for (TreeNode* c = firstChild_; c != nullptr; c = c->next_) result.push_back(c);
  return result;
}

int TreeNode::level() const {
  int depth = 0;
  for (const TreeNode* p = parent_; p != nullptr; p = p->parent_) ++depth;
  return depth;
}

bool TreeNode::isAncestorOf(const TreeNode& other) const {
  for (const TreeNode* p = other.parent_; p != nullptr; p = p->parent_) {
    if (p == this) return true;
  }
  return false;
}

TreeNode* Tree::add(TreeNode* parent, std::u16string caption) {
  auto node = std::make_unique<TreeNode>();
  node->caption_ = std::move(caption);
  node->slot_ = nodes_.size();
  TreeNode* added = node.get();
  nodes_.push_back(std::move(node));
  link(*added, parent, nullptr);
  return added;
}

void Tree::moveToEnd(TreeNode& node, TreeNode* parent) {
  checkMove(node, parent);
  unlink(node);
  link(node, parent, nullptr);
}

void Tree::moveBefore(TreeNode& node, TreeNode& target) {
  if (&node == &target) return;
  checkMove(node, target.parent_);
  unlink(node);
  link(node, target.parent_, &target);
}

void Tree::checkMove(const TreeNode& node, const TreeNode* parent) const {
  if (parent != nullptr && (parent == &node || node.isAncestorOf(*parent))) {
    throw std::invalid_argument("a tree node cannot move under itself");
  }
}

void Tree::remove(TreeNode& node) {
  std::vector<TreeNode*> subtree;
  for (TreeNode* n = &node; n != nullptr; n = nextInOrder(n, &node)) subtree.push_back(n);
  unlink(node);
  for (TreeNode* n : subtree) forget(*n);
}

void Tree::clear() {
  nodes_.clear();
  firstTop_ = lastTop_ = nullptr;
}

std::vector<TreeNode*> Tree::topLevel() const {
  std::vector<TreeNode*> result;
  for (TreeNode* n = firstTop_; n != nullptr; n = n->next_) result.push_back(n);
  return result;
}

TreeNode* Tree::findByData(std::int32_t data) const {
  for (TreeNode* top = firstTop_; top != nullptr; top = top->next_) {
    for (TreeNode* n = top; n != nullptr; n = nextInOrder(n, top)) {
      if (n->data_ == data) return n;
    }
  }
  return nullptr;
}

void Tree::link(TreeNode& node, TreeNode* parent, TreeNode* before) {
  assert(node.parent_ == nullptr && node.prev_ == nullptr && node.next_ == nullptr);
  assert(before == nullptr || before->parent_ == parent);
  TreeNode*& first = parent != nullptr ? parent->firstChild_ : firstTop_;
  TreeNode*& last = parent != nullptr ? parent->lastChild_ : lastTop_;
  node.parent_ = parent;
  node.next_ = before;
  node.prev_ = before != nullptr ? before->prev_ : last;
  (node.prev_ != nullptr ? node.prev_->next_ : first) = &node;
  (before != nullptr ? before->prev_ : last) = &node;
  assert(linkedBothWays(node));
}

void Tree::unlink(TreeNode& node) {
  assert(linkedBothWays(node));
  TreeNode*& first = node.parent_ != nullptr ? node.parent_->firstChild_ : firstTop_;
  TreeNode*& last = node.parent_ != nullptr ? node.parent_->lastChild_ : lastTop_;
  (node.prev_ != nullptr ? node.prev_->next_ : first) = node.next_;
  (node.next_ != nullptr ? node.next_->prev_ : last) = node.prev_;
  node.parent_ = node.prev_ = node.next_ = nullptr;
}

// Drops the node from the tree's storage; the last node takes its slot.
void Tree::forget(TreeNode& node) {
  const std::size_t slot = node.slot_;
  assert(slot < nodes_.size() && nodes_[slot].get() == &node);
  if (slot + 1 != nodes_.size()) {
    nodes_[slot] = std::move(nodes_.back());
    nodes_[slot]->slot_ = slot;
  }
  nodes_.pop_back();
}

}  // namespace vrn::library
