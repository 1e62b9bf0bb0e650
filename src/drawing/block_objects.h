#pragma once
// Spaces and blocks: ModelSpace, PaperSpace and the Blocks collection with
// its blocks. Model and paper space are always the first two blocks, also
// for R12 drawings whose BLOCKS section lacks them; anonymous blocks keep
// their names beginning with "*".

#include "drawing/document.h"

namespace vrn::drawing {

class BlockObject final : public host::Object {
 public:
  BlockObject(DocumentPtr document, Space space) : document_(std::move(document)), space_(space) {}
  host::Variant invoke(std::string_view name, host::Invoke kind,
                       std::span<host::Variant> args) override;

  Document& document() const { return *document_; }
  const Space& space() const { return space_; }
  std::u16string name() const;
  bool isLayout() const;

  // New entities, with the document's current layer, colour and text style.
  EntityPtr addText(std::u16string_view text, const host::Point3& at, double height);
  EntityPtr addMText(const host::Point3& at, double width, std::u16string_view text);
  EntityPtr addSolid(const host::Point3 (&corners)[4]);

 private:
  std::vector<Group> start(const char* type, const char* subclass) const;

  DocumentPtr document_;
  Space space_;
};

class BlocksObject final : public host::Object {
 public:
  explicit BlocksObject(DocumentPtr document) : document_(std::move(document)) {}
  host::Variant invoke(std::string_view name, host::Invoke kind,
                       std::span<host::Variant> args) override;

 private:
  // The block that Item's argument names: an index, or a name in any case.
  Space spaceAt(const host::Variant& index) const;

  DocumentPtr document_;
};

}  // namespace vrn::drawing
