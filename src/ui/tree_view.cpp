#include "ui/tree_view.h"

#include <algorithm>

#include "ui/edit.h"
#include "ui/form.h"
#include "ui/property_text.h"

namespace vrn::ui {
namespace {

// The edit box over a node while its caption is edited: the tree keeps the
// focus and hands it the keys.
class InPlaceEditor final : public Edit {
 public:
  explicit InPlaceEditor(Form& form) : Edit(form, std::string()) { setVisible(false); }
  bool focusable() const override { return false; }
};

bool isWithin(const TreeNode* node, const TreeNode& ancestor) {
  for (; node; node = node->parent()) {
    if (node == &ancestor) return true;
  }
  return false;
}

}  // namespace

// --- TreeNode ---

TreeNode::TreeNode(TreeView& tree, TreeNode* parent, std::u16string text)
    : tree_(tree), parent_(parent), text_(std::move(text)) {}

TreeNode::~TreeNode() = default;

void TreeNode::setText(std::u16string text) {
  text_ = std::move(text);
  tree_.nodesChanged();
}

void TreeNode::setImageIndex(int index) {
  imageIndex_ = index;
  tree_.nodesChanged();
}

void TreeNode::setSelectedIndex(int index) {
  selectedIndex_ = index;
  tree_.nodesChanged();
}

void TreeNode::setExpanded(bool expanded) {
  expanded_ = expanded;
  tree_.nodesChanged();
}

void TreeNode::expandAll(bool expanded) {
  expanded_ = expanded;
  for (auto& child : children_) child->expandAll(expanded);
  tree_.nodesChanged();
}

int TreeNode::index() const {
  const auto& siblings = tree_.siblingsOf(*this);
  auto at = std::find_if(siblings.begin(), siblings.end(),
                         [this](const auto& n) { return n.get() == this; });
  return static_cast<int>(at - siblings.begin());
}

int TreeNode::level() const {
  int level = 0;
  for (const TreeNode* above = parent_; above; above = above->parent_) ++level;
  return level;
}

TreeNode* TreeNode::nextSibling() const {
  const auto& siblings = tree_.siblingsOf(*this);
  auto next = static_cast<std::size_t>(index()) + 1;
  return next < siblings.size() ? siblings[next].get() : nullptr;
}

TreeNode* TreeNode::previousSibling() const {
  int at = index();
  return at > 0 ? tree_.siblingsOf(*this)[static_cast<std::size_t>(at - 1)].get() : nullptr;
}

std::u16string TreeNode::path() const { return parent_ ? parent_->path() + u"/" + text_ : text_; }

// --- TreeView ---

TreeView::TreeView(Form& form, std::string name)
    : Control(form, std::move(name)), editor_(std::make_unique<InPlaceEditor>(form)) {
  editor_->setParent(this);
}

TreeView::~TreeView() = default;

std::vector<std::unique_ptr<TreeNode>>& TreeView::siblingsOf(const TreeNode& node) {
  return node.parent_ ? node.parent_->children_ : roots_;
}

TreeNode& TreeView::add(TreeNode* parent, std::u16string text) {
  auto& siblings = parent ? parent->children_ : roots_;
  siblings.push_back(std::unique_ptr<TreeNode>(new TreeNode(*this, parent, std::move(text))));
  nodesChanged();
  return *siblings.back();
}

TreeNode& TreeView::insert(TreeNode& sibling, std::u16string text) {
  auto& siblings = siblingsOf(sibling);
  auto at = siblings.begin() + sibling.index();
  auto inserted = siblings.insert(
      at, std::unique_ptr<TreeNode>(new TreeNode(*this, sibling.parent_, std::move(text))));
  nodesChanged();
  return **inserted;
}

std::unique_ptr<TreeNode> TreeView::detach(TreeNode& node) {
  auto& siblings = siblingsOf(node);
  auto at = siblings.begin() + node.index();
  std::unique_ptr<TreeNode> owned = std::move(*at);
  siblings.erase(at);
  return owned;
}

void TreeView::forgetSubtree(const TreeNode& node) {
  if (edited_ && isWithin(edited_, node)) endEdit(true);
}

void TreeView::remove(TreeNode& node) {
  forgetSubtree(node);
  bool selectionGoes = selected_ && isWithin(selected_, node);
  TreeNode* replacement = nullptr;
  if (selectionGoes) {
    replacement = node.nextSibling();
    if (!replacement) replacement = node.previousSibling();
    if (!replacement) replacement = node.parent_;
    selected_ = nullptr;
  }
  detach(node);
  nodesChanged();
  if (selectionGoes) select(replacement);
}

void TreeView::clear() {
  if (edited_) endEdit(true);
  bool hadSelection = selected_ != nullptr;
  selected_ = nullptr;
  roots_.clear();
  nodesChanged();
  if (hadSelection && onChange) onChange(nullptr);
}

bool TreeView::move(TreeNode& node, TreeNode* target, NodeAttach how) {
  if (target && isWithin(target, node)) return false;
  std::unique_ptr<TreeNode> owned = detach(node);
  if (!target) {
    owned->parent_ = nullptr;
    roots_.push_back(std::move(owned));
  } else if (how == NodeAttach::AddChild) {
    owned->parent_ = target;
    target->children_.push_back(std::move(owned));
  } else {
    auto& siblings = siblingsOf(*target);
    owned->parent_ = target->parent_;
    siblings.insert(siblings.begin() + target->index(), std::move(owned));
  }
  nodesChanged();
  return true;
}

std::vector<TreeNode*> TreeView::allNodes() const {
  std::vector<TreeNode*> nodes;
  std::function<void(const std::vector<std::unique_ptr<TreeNode>>&)> walk = [&](const auto& level) {
    for (const auto& node : level) {
      nodes.push_back(node.get());
      walk(node->children_);
    }
  };
  walk(roots_);
  return nodes;
}

TreeNode* TreeView::findByPath(std::u16string_view path) const {
  const std::vector<std::unique_ptr<TreeNode>>* level = &roots_;
  TreeNode* found = nullptr;
  while (true) {
    std::size_t slash = path.find(u'/');
    std::u16string_view caption = path.substr(0, slash);
    auto at = std::find_if(level->begin(), level->end(),
                           [&](const auto& n) { return n->text() == caption; });
    if (at == level->end()) return nullptr;
    found = at->get();
    if (slash == std::u16string_view::npos) return found;
    path.remove_prefix(slash + 1);
    level = &found->children_;
  }
}

void TreeView::select(TreeNode* node) {
  if (node == selected_) return;
  if (edited_) endEdit(false);
  selected_ = node;
  changed(Aspect::Selection);
  if (onChange) onChange(node);
}

void TreeView::fullExpand() {
  for (auto& node : roots_) node->expandAll(true);
}

void TreeView::fullCollapse() {
  for (auto& node : roots_) node->expandAll(false);
}

void TreeView::setHideSelection(bool hide) {
  hideSelection_ = hide;
  changed(Aspect::Appearance);
}

bool TreeView::beginEdit(TreeNode& node) {
  if (readOnly_) return false;
  if (edited_) endEdit(false);
  bool allow = true;
  if (onEditing) onEditing(node, allow);
  if (!allow) return false;
  edited_ = &node;
  editor_->setText(node.text());
  editor_->selectAll();
  editor_->setVisible(true);
  nodesChanged();
  return true;
}

void TreeView::endEdit(bool cancel) {
  TreeNode* node = edited_;
  if (!node) return;
  edited_ = nullptr;
  editor_->setVisible(false);
  if (!cancel) {
    std::u16string text = editor_->text();
    if (onEdited) onEdited(*node, text);
    node->setText(std::move(text));
  }
  nodesChanged();
}

void TreeView::userSelect(TreeNode& node) {
  userInput([&] {
    if (form().userFocus(*this, FocusCause::Mouse)) select(&node);
  });
}

void TreeView::userSetExpanded(TreeNode& node, bool expanded) {
  userInput([&] { node.setExpanded(expanded); });
}

bool TreeView::userDrag(TreeNode& source, TreeNode* target, HitPart part) {
  bool dropped = false;
  userInput([&] {
    if (!dragEnabled_) return;
    bool accept = false;
    if (onDragOver) onDragOver(source, target, part, accept);
    if (!accept) return;
    if (onDragDrop) onDragDrop(source, target, part);
    dropped = true;
  });
  return dropped;
}

bool TreeView::wantsKey(const KeyEvent& key) const {
  return edited_ && (key.is(vk::kEnter) || key.is(vk::kEscape));
}

void TreeView::defaultKeyDown(const KeyEvent& key) {
  if (!edited_) return;
  if (key.is(vk::kEnter)) return endEdit(false);
  if (key.is(vk::kEscape)) return endEdit(true);
  editor_->defaultKeyDown(key);
}

void TreeView::defaultKeyChar(char16_t character) {
  if (edited_) editor_->defaultKeyChar(character);
}

std::optional<std::u16string> TreeView::property(std::string_view name) const {
  if (sameName(name, "Selected")) return selected_ ? selected_->path() : std::u16string();
  if (sameName(name, "Count")) return propertyText(static_cast<int>(allNodes().size()));
  if (sameName(name, "Editing")) return propertyText(edited_ != nullptr);
  return Control::property(name);
}

}  // namespace vrn::ui
