#pragma once
// EntityObject: the late-bound AutoCAD object of one entity. Which members
// it has depends on the entity's kind; single-line texts, attributes and
// attribute definitions share the text members, and every kind has the
// common ones (Objectname, Handle, Layer, GetBoundingBox, Move ...).

#include <functional>
#include <memory>
#include <string>

#include "drawing/document.h"
#include "drawing/record_groups.h"
#include "drawing/text_layout.h"

namespace vrn::drawing {

enum class EntityKind {
  Text,
  MText,
  Attribute,
  AttributeDefinition,
  BlockReference,
  Dimension,
  Solid,
  Other
};

EntityKind kindOf(const Record& record);
// AutoCAD's class name, "AcDbText" ...
std::string objectNameOf(const Record& record);
// AutoCAD's entity type code: 32 text, 21 multi-line text, 7 block reference ...
int entityTypeOf(const Record& record);

class EntityObject final : public host::Object {
 public:
  EntityObject(DocumentPtr document, EntityPtr entity);

  host::Variant invoke(std::string_view name, host::Invoke kind,
                       std::span<host::Variant> args) override;

  const EntityPtr& entity() const { return entity_; }
  Document& document() const { return *document_; }
  Record& record() const { return entity_->record; }
  EntityKind kind() const { return kind_; }
  // entityTypeOf(record()), with the type name compared once per object:
  // a walk asks it of every entity.
  int entityType() const;

  // Lets `edit` change the entity's record, journaled; an entity on a
  // locked layer is refused.
  template <class Change>
  void change(Change&& edit) {
    document_->requireUnlocked(*entity_);
    document_->changeRecord(entity_, std::forward<Change>(edit));
  }

  std::u16string text(int code) const { return document_->decode(record().value(code)); }
  void setText(int code, std::u16string_view value, const GroupPlace& place);
  // The style named at `code`; "Standard" where the record names none.
  std::u16string styleName(int code) const;
  // Sets `code` to `name`, which must be an entry of the symbol table
  // `table` ("LAYER", "STYLE" ...); otherwise raises kInvalidArg
  // "No <noun> named <name>" and changes nothing.
  void setTableReference(int code, std::u16string_view name, std::string_view table,
                         std::string_view noun, const GroupPlace& place);

  Box boundingBox() const;
  void move(const host::Point3& from, const host::Point3& to);
  void rotate(const host::Point3& base, double angle);

 private:
  // Raises for the opaque kinds whose geometry the model does not know.
  void requireGeometry(const char* member) const;
  void changeWithFollowers(const std::function<void(Record&)>& edit);

  DocumentPtr document_;
  EntityPtr entity_;
  EntityKind kind_;
  int entityType_;  // of any kind but a dimension, whose subtype may change
};

using EntityTable = host::MemberTable<EntityObject>;

// The member sets, one per family of kinds.
void addCommonMembers(EntityTable& table);
void addTextMembers(EntityTable& table, EntityKind kind);
void addMTextMembers(EntityTable& table);
void addBlockReferenceMembers(EntityTable& table);
void addDimensionMembers(EntityTable& table);

// Geometry of the families, used by the common members.
Box textBoundingBox(const EntityObject& text);
Box mtextBoundingBox(const EntityObject& mtext);
// The groups that move and turn with an entity of this kind (x codes of
// points, of direction vectors, and angles in degrees).
std::vector<int> pointCodes(const Record& record);
std::vector<int> vectorCodes(const Record& record);
std::vector<int> angleCodes(const Record& record);

// Group places of the common entity groups.
const GroupPlace& entityPlace();

}  // namespace vrn::drawing
