#pragma once
// UndoJournal: how the drawing takes changes back.
//
// Before an object changes for the first time within a step, its owner
// hands the journal a way to put the object's present state back; undoing
// a step restores its objects in reverse order. The steps:
//
//   - Everything between StartUndoMark and EndUndoMark (marks nest; the
//     outermost pair counts) is one step, and a mark always makes one, even
//     when nothing changed inside it: the "U" that answers an empty mark
//     must not take back the work before it.
//   - Outside marks, one host call is one step, however many objects it
//     touches; a call that changes nothing makes none.
//   - A new object's set-up joins the call that created it. AutoCAD takes a
//     routine's changes back command by command, so the entity a routine
//     adds and then fits out (AddText, then Height, StyleName, Layer ...)
//     goes with one "U". The deterministic rule here: after a call that
//     creates objects outside a mark, each following call that changes
//     only those new objects joins its step. The set-up ends with the
//     first call that changes anything else or creates another object,
//     with a mark, with a command sent at the command line, and with undo.

#include <cstddef>
#include <functional>
#include <unordered_set>
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
  // True when the open step holds `key`'s earlier state already and the
  // drawing counts as changed: remembering it again would change nothing,
  // so a caller may skip making the restore.
  bool remembers(const void* key) const {
    return stepOpen_ && dirty_ && steps_.back().keys.contains(key);
  }
  // Called when the object `key` is created; `restore` takes it away.
  void created(const void* key, Restore restore);
  // A command was typed at the command line: it ends a new object's set-up.
  void commandSent() { setUpOpen_ = false; }

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
  struct Step {
    std::vector<Change> changes;
    std::unordered_set<const void*> keys;  // of the changes, so a step of many is searched at once
    bool marked = false;                   // made by an undo mark: kept even when empty
    bool creates = false;                  // created objects outside a mark
    bool holds(const void* key) const { return keys.contains(key); }
  };

  void openStep(bool marked);
  void closeStep();
  bool isSetUp(const Step& step) const;
  void record(const void* key, Restore restore, bool creates);

  std::vector<Step> steps_;
  bool stepOpen_ = false;
  // The last step created objects whose set-up may still join it.
  bool setUpOpen_ = false;
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
