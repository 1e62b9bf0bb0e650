#include "library/tree.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace vrn::library {
namespace {

std::u16string captions(const std::vector<TreeNode*>& nodes) {
  std::u16string text;
  for (const TreeNode* n : nodes) text += n->caption();
  return text;
}

TEST(Tree, AddsAtTheEndOfTheParentOrTopLevel) {
  Tree tree;
  TreeNode* a = tree.add(nullptr, u"a");
  TreeNode* b = tree.add(a, u"b");
  TreeNode* c = tree.add(a, u"c");
  tree.add(nullptr, u"d");
  EXPECT_EQ(captions(tree.topLevel()), u"ad");
  EXPECT_EQ(captions(a->children()), u"bc");
  EXPECT_EQ(c->parent(), a);
  EXPECT_EQ(b->nextSibling(), c);
  EXPECT_EQ(c->prevSibling(), b);
  EXPECT_EQ(c->level(), 1);
  EXPECT_EQ(tree.count(), 4u);
}

TEST(Tree, MovesKeepTheSubtreeAndTheSiblingLinks) {
  Tree tree;
  TreeNode* a = tree.add(nullptr, u"a");
  TreeNode* b = tree.add(nullptr, u"b");
  TreeNode* c = tree.add(nullptr, u"c");
  TreeNode* b1 = tree.add(b, u"1");

  tree.moveToEnd(*b, a);  // from the middle of the top level
  EXPECT_EQ(captions(tree.topLevel()), u"ac");
  EXPECT_EQ(captions(a->children()), u"b");
  EXPECT_EQ(b1->level(), 2);

  tree.moveBefore(*c, *b);  // to the front of a's children
  EXPECT_EQ(captions(a->children()), u"cb");
  EXPECT_EQ(captions(tree.topLevel()), u"a");
  EXPECT_EQ(a->lastChild(), b);

  tree.moveToEnd(*b, nullptr);
  EXPECT_EQ(captions(tree.topLevel()), u"ab");
  EXPECT_EQ(tree.first(), a);
}

TEST(Tree, RefusesToMoveANodeUnderItsOwnSubtree) {
  Tree tree;
  TreeNode* a = tree.add(nullptr, u"a");
  TreeNode* b = tree.add(a, u"b");
  EXPECT_THROW(tree.moveToEnd(*a, b), std::invalid_argument);
  EXPECT_THROW(tree.moveToEnd(*a, a), std::invalid_argument);
  EXPECT_EQ(b->parent(), a);
  EXPECT_EQ(captions(tree.topLevel()), u"a");
}

TEST(Tree, RemoveTakesTheSubtreeAndLeavesOtherNodesValid) {
  Tree tree;
  TreeNode* a = tree.add(nullptr, u"a");
  TreeNode* b = tree.add(a, u"b");
  tree.add(b, u"x");
  TreeNode* c = tree.add(a, u"c");
  TreeNode* d = tree.add(nullptr, u"d");
  tree.remove(*b);
  EXPECT_EQ(tree.count(), 3u);
  EXPECT_EQ(captions(a->children()), u"c");
  EXPECT_EQ(c->prevSibling(), nullptr);
  EXPECT_EQ(d->caption(), u"d");
  tree.remove(*a);
  EXPECT_EQ(captions(tree.topLevel()), u"d");
  EXPECT_EQ(tree.count(), 1u);
}

TEST(Tree, FindsTheFirstNodeInTreeOrderByData) {
  Tree tree;
  TreeNode* a = tree.add(nullptr, u"a");
  TreeNode* deep = tree.add(tree.add(a, u"b"), u"deep");
  deep->setData(5);
  TreeNode* later = tree.add(nullptr, u"later");
  later->setData(5);
  EXPECT_EQ(tree.findByData(5), deep);
  EXPECT_EQ(tree.findByData(6), nullptr);
}

TEST(Tree, ADeepChainIsWalkedAndClearedWithoutRecursion) {
  Tree tree;
  TreeNode* n = tree.add(nullptr, u"");
  for (int i = 0; i < 200000; ++i) n = tree.add(n, u"");
  EXPECT_EQ(tree.findByData(1), nullptr);
  tree.clear();
  EXPECT_EQ(tree.count(), 0u);
}

}  // namespace
}  // namespace vrn::library
