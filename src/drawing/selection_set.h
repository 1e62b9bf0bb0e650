#pragma once
// Named selection sets of a document and the SelectionSets collection.

#include <memory>
#include <string>
#include <vector>

#include "drawing/document.h"

namespace vrn::drawing {

class SelectionSet final : public host::Object {
 public:
  SelectionSet(std::weak_ptr<Document> document, std::u16string name)
      : document_(std::move(document)), name_(std::move(name)) {}
  host::Variant invoke(std::string_view name, host::Invoke kind,
                       std::span<host::Variant> args) override;

  const std::u16string& name() const { return name_; }
  // The entities still in the drawing, in the order they were added.
  std::vector<EntityPtr> items() const;
  void add(const std::vector<EntityPtr>& entities);
  void clear() { items_.clear(); }
  Document& document() const;

 private:
  std::weak_ptr<Document> document_;
  std::u16string name_;
  std::vector<EntityPtr> items_;
};

class SelectionSetsObject final : public host::Object {
 public:
  explicit SelectionSetsObject(DocumentPtr document) : document_(std::move(document)) {}
  host::Variant invoke(std::string_view name, host::Invoke kind,
                       std::span<host::Variant> args) override;

 private:
  DocumentPtr document_;
};

}  // namespace vrn::drawing
