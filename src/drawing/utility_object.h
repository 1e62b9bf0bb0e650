#pragma once
// The document's Utility: interactive input, answered from the scripted
// input queue (scripted_input.h).

#include "drawing/document.h"

namespace vrn::drawing {

class UtilityObject final : public host::Object {
 public:
  explicit UtilityObject(DocumentPtr document) : document_(std::move(document)) {}
  host::Variant invoke(std::string_view name, host::Invoke kind,
                       std::span<host::Variant> args) override;
  ScriptedInput& input() const { return document_->input(); }

 private:
  DocumentPtr document_;
};

}  // namespace vrn::drawing
