#pragma once
// DrawingData: everything a drawing holds, in the order its DXF file holds
// it. dxf/ fills it from a file and writes it back; the object model of
// drawing/ (documents, spaces, entities, tables) is a view over it.
//
//   header      HEADER section: one record of $NAME (group 9) / value groups
//   sections    every section in file order; the ones the model interprets
//               (TABLES, BLOCKS, ENTITIES) are structured, the rest kept whole
//
// Model space and the active paper-space layout share the ENTITIES list:
// group 67 = 1 marks paper space, as DXF has it. Other paper-space layouts
// keep their entities in their *Paper_SpaceN block.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "drawing/record.h"
#include "drawing/text_codec.h"

namespace vrn::drawing {

struct Entity;
using EntityPtr = std::shared_ptr<Entity>;

// A part that few entities have, held behind a pointer and copied with its
// entity: holding it in place would cost each of the millions of entities
// of a large drawing the whole part.
template <class Part>
class HeldApart {
 public:
  HeldApart() = default;
  HeldApart(const HeldApart& other) : part_(other ? std::make_unique<Part>(*other) : nullptr) {}
  HeldApart(HeldApart&&) noexcept = default;
  HeldApart& operator=(const HeldApart& other) {
    if (this != &other) *this = HeldApart(other);
    return *this;
  }
  HeldApart& operator=(HeldApart&&) noexcept = default;
  HeldApart& operator=(Part part) {
    part_ = std::make_unique<Part>(std::move(part));
    return *this;
  }
  ~HeldApart() = default;

  explicit operator bool() const { return part_ != nullptr; }
  Part& operator*() { return *part_; }
  const Part& operator*() const { return *part_; }
  Part* operator->() { return part_.get(); }
  const Part* operator->() const { return part_.get(); }

 private:
  std::unique_ptr<Part> part_;
};

// An entity's followers (an INSERT's ATTRIBs, a POLYLINE's VERTEXes), held
// apart as nearly every entity has none. Copying copies the list, not the
// followers. A contiguous range, so a std::span of entities views it as it
// views any list of them.
class Followers {
 public:
  void push_back(EntityPtr follower) {
    if (!list_) list_ = std::vector<EntityPtr>();
    list_->push_back(std::move(follower));
  }
  std::size_t size() const { return list_ ? list_->size() : 0; }
  EntityPtr& operator[](std::size_t i) { return (*list_)[i]; }
  const EntityPtr& operator[](std::size_t i) const { return (*list_)[i]; }
  EntityPtr* begin() { return list_ ? list_->data() : nullptr; }
  EntityPtr* end() { return list_ ? list_->data() + list_->size() : nullptr; }
  const EntityPtr* begin() const { return list_ ? list_->data() : nullptr; }
  const EntityPtr* end() const { return list_ ? list_->data() + list_->size() : nullptr; }

 private:
  HeldApart<std::vector<EntityPtr>> list_;
};

// One entity. Complex entities carry their followers: an INSERT its ATTRIBs,
// a POLYLINE its VERTEXes, closed by a SEQEND record.
struct Entity {
  Record record;
  Followers children;
  HeldApart<Record> seqend;
  // The handle the document knows the entity by: its own (as the file has
  // it, once read) or one given in memory; 0 while it has none.
  std::uint64_t handle = 0;
  // A justified single-line text whose string was rewritten keeps its first
  // point (group 10) as it was computed for the old string, which had this
  // many characters; AutoCAD computes it anew from the alignment point when
  // it regenerates. Empty while group 10 fits the string.
  std::optional<std::uint32_t> fittedCharacters;
  bool erased = false;  // erased entities stay for undo but are neither found nor written
};

// TABLE ... ENDTAB. Entries are LAYER, STYLE, DIMSTYLE, BLOCK_RECORD ...
struct Table {
  Record head;  // 0 TABLE, 2 name, ...
  std::vector<Record> entries;
  Record end;  // 0 ENDTAB
};

// BLOCK ... ENDBLK with the block's entities.
struct Block {
  Record begin;  // 0 BLOCK
  std::vector<EntityPtr> entities;
  Record end;  // 0 ENDBLK
};

struct Section {
  enum class Kind { Header, Tables, Blocks, Entities, Opaque };
  Kind kind = Kind::Opaque;
  Record begin;                 // 0 SECTION, 2 name
  std::vector<Record> records;  // an opaque section's records, in order
  Record end;                   // 0 ENDSEC
};

struct DrawingData {
  Record header;
  std::vector<Section> sections;  // file order; HEADER/TABLES/BLOCKS/ENTITIES hold no records here
  std::vector<Table> tables;
  std::vector<Block> blocks;
  std::vector<EntityPtr> entities;
  std::shared_ptr<const TextCodec> codec = utf8Codec();
  // The line end that new and changed records are written with.
  std::string lineEnd = "\r\n";
  // The file's bytes outside its groups, written back as read: a byte-order
  // mark before the first group; the EOF group's own lines and whatever
  // follows them (empty: the writer ends the file with an EOF group of its own).
  std::string fileStart;
  std::string fileEnd;
};

}  // namespace vrn::drawing
