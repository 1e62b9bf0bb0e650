#include "editing/scoped_selection_set.h"

#include "host/host_error.h"

namespace vrn::editing {
namespace {

void deleteSet(const host::Ref& set) {
  try {
    set.call("Delete");
  } catch (const host::HostError&) {
    // Already gone: nothing is left to free.
  }
}

}  // namespace

ScopedSelectionSet::ScopedSelectionSet(const host::Ref& document, const std::u16string& name) {
  const host::Ref sets = document.obj("SelectionSets");
  try {
    deleteSet(sets.call("Item", name).toObject());
  } catch (const host::HostError&) {
    // No leftover set of that name.
  }
  set_ = sets.call("Add", name).toObject();
}

ScopedSelectionSet::~ScopedSelectionSet() { deleteSet(set_); }

}  // namespace vrn::editing
