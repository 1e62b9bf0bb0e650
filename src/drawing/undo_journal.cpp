#include "drawing/undo_journal.h"

#include <algorithm>

namespace vrn::drawing {

void UndoJournal::openStep(bool marked) {
  closeStep();
  steps_.push_back(Step{{}, {}, marked, false});
  stepOpen_ = true;
}

// A call step that changed only objects which the step before it created
// is their set-up: the earlier step's restores already take those objects
// away, so the call's own are dropped.
bool UndoJournal::isSetUp(const Step& step) const {
  if (!setUpOpen_ || step.creates || steps_.size() < 2) return false;
  const Step& creation = steps_[steps_.size() - 2];
  return std::all_of(step.changes.begin(), step.changes.end(),
                     [&](const Change& c) { return creation.holds(c.key); });
}

void UndoJournal::closeStep() {
  if (!stepOpen_) return;
  stepOpen_ = false;
  const Step& last = steps_.back();
  if (!last.marked && (last.changes.empty() || isSetUp(last))) {
    steps_.pop_back();
    return;
  }
  setUpOpen_ = !last.marked && last.creates;
}

void UndoJournal::startMark() {
  if (markDepth_++ == 0) openStep(true);
}

void UndoJournal::endMark() {
  if (markDepth_ == 0) return;
  if (--markDepth_ == 0) closeStep();
}

// A call's step opens with its first change: most calls only read, and a
// walk over a large drawing makes millions of them.
void UndoJournal::beginCall() { ++callDepth_; }

void UndoJournal::endCall() {
  if (callDepth_ == 0) return;
  if (--callDepth_ == 0 && markDepth_ == 0) closeStep();
}

void UndoJournal::record(const void* key, Restore restore, bool creates) {
  dirty_ = true;
  // A change made outside any host call is a step of its own.
  const bool alone = !stepOpen_ && callDepth_ == 0 && markDepth_ == 0;
  if (!stepOpen_) openStep(false);
  Step& step = steps_.back();
  if (step.keys.insert(key).second) step.changes.push_back(Change{key, std::move(restore)});
  step.creates = step.creates || creates;
  if (alone) closeStep();
}

void UndoJournal::remember(const void* key, Restore restore) {
  record(key, std::move(restore), false);
}

void UndoJournal::created(const void* key, Restore restore) {
  record(key, std::move(restore), true);
}

bool UndoJournal::undo() {
  markDepth_ = 0;
  closeStep();
  setUpOpen_ = false;
  if (steps_.empty()) return false;
  Step step = std::move(steps_.back());
  steps_.pop_back();
  for (auto it = step.changes.rbegin(); it != step.changes.rend(); ++it) it->restore();
  dirty_ = true;
  return true;
}

}  // namespace vrn::drawing
