#pragma once
// UndoJournal: how the drawing takes changes back.
//
// Before an object changes for the first time within a step, its owner
// hands the journal a way to put the object's present state back. Every
// change between StartUndoMark and EndUndoMark (marks nest; the outermost
// pair counts) is one step; a change outside any mark is its own step, and
// one host call is one change however many objects it touches. Undoing a
// step restores its objects in reverse order.

#include <cstddef>
#include <functional>
#include <vector>

namespace vrn::drawing {

class UndoJournal {
 public:
  using Restore = std::function<void()>;

  void startMark();
  void endMark();  // without an open mark, does nothing, as AutoCAD does
  bool markOpen() const { return markDepth_ > 0; }

  // One host call; nested calls belong to the outermost one.
  void beginCall();
  void endCall();

  // Called before `key` changes; only the first call per step is kept.
  void remember(const void* key, Restore restore);

  // Takes back the last step; an open mark is closed first, so its changes
  // so far are that step. Returns false when there is nothing to undo.
  bool undo();

  std::size_t steps() const { return steps_.size(); }
  // True after any change since the last markClean().
  bool dirty() const { return dirty_; }
  void markClean() { dirty_ = false; }

 private:
  struct Change {
    const void* key;
    Restore restore;
  };
  using Step = std::vector<Change>;

  void closeStep();

  std::vector<Step> steps_;
  bool stepOpen_ = false;
  int markDepth_ = 0;
  int callDepth_ = 0;
  bool dirty_ = false;
};

// Brackets one host call (exception safe).
class JournalCall {
 public:
  explicit JournalCall(UndoJournal& journal) : journal_(journal) { journal_.beginCall(); }
  ~JournalCall() { journal_.endCall(); }
  JournalCall(const JournalCall&) = delete;
  JournalCall& operator=(const JournalCall&) = delete;

 private:
  UndoJournal& journal_;
};

}  // namespace vrn::drawing
