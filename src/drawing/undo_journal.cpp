#include "drawing/undo_journal.h"

#include <algorithm>

namespace vrn::drawing {

void UndoJournal::closeStep() {
  if (stepOpen_ && steps_.back().empty()) steps_.pop_back();
  stepOpen_ = false;
}

void UndoJournal::startMark() {
  if (markDepth_++ == 0) {
    closeStep();
    steps_.emplace_back();
    stepOpen_ = true;
  }
}

void UndoJournal::endMark() {
  if (markDepth_ == 0) return;
  if (--markDepth_ == 0) closeStep();
}

void UndoJournal::beginCall() {
  if (callDepth_++ == 0 && markDepth_ == 0) {
    closeStep();
    steps_.emplace_back();
    stepOpen_ = true;
  }
}

void UndoJournal::endCall() {
  if (callDepth_ == 0) return;
  if (--callDepth_ == 0 && markDepth_ == 0) closeStep();
}

void UndoJournal::remember(const void* key, Restore restore) {
  dirty_ = true;
  if (!stepOpen_) {
    // A change made outside any host call: a step of its own.
    steps_.emplace_back();
    stepOpen_ = callDepth_ > 0 || markDepth_ > 0;
  }
  Step& step = steps_.back();
  const bool known =
      std::any_of(step.begin(), step.end(), [key](const Change& c) { return c.key == key; });
  if (!known) step.push_back(Change{key, std::move(restore)});
}

bool UndoJournal::undo() {
  markDepth_ = 0;
  closeStep();
  if (steps_.empty()) return false;
  Step step = std::move(steps_.back());
  steps_.pop_back();
  for (auto it = step.rbegin(); it != step.rend(); ++it) it->restore();
  dirty_ = true;
  return true;
}

}  // namespace vrn::drawing
