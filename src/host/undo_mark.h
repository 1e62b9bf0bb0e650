#pragma once
// UndoMark: one undo mark of the document for as long as this object lives,
// so that every way out of an operation ends exactly the mark it started.

#include "host/host_error.h"
#include "host/ref.h"

namespace vrn::host {

class UndoMark {
 public:
  explicit UndoMark(Ref document) : document_(std::move(document)) {
    document_.call("StartUndoMark");
  }
  ~UndoMark() {
    try {
      document_.call("EndUndoMark");
    } catch (const HostError&) {
      // A mark the host cannot end must not hide why the operation ended.
    }
  }
  UndoMark(const UndoMark&) = delete;
  UndoMark& operator=(const UndoMark&) = delete;

 private:
  Ref document_;
};

}  // namespace vrn::host
