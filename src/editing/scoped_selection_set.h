#pragma once
// ScopedSelectionSet: a named selection set of the document for as long as
// this object lives. A set of that name left over from an earlier call that
// failed is deleted first, so one failure cannot block every later call;
// the set is deleted again on every way out.

#include <string>

#include "host/ref.h"

namespace vrn::editing {

class ScopedSelectionSet {
 public:
  ScopedSelectionSet(const host::Ref& document, const std::u16string& name);
  ~ScopedSelectionSet();
  ScopedSelectionSet(const ScopedSelectionSet&) = delete;
  ScopedSelectionSet& operator=(const ScopedSelectionSet&) = delete;

  host::Ref& set() { return set_; }

 private:
  host::Ref set_;
};

}  // namespace vrn::editing
