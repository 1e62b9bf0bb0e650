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

// An entity's followers (an INSERT's ATTRIBs, a POLYLINE's VERTEXes) and the
// SEQEND record that closes them, held apart behind one pointer as nearly
// every entity has neither: held in place, they would cost each of the
// millions of entities of a large drawing their whole size. Copying copies
// the list and the SEQEND, not the followers. The followers are a
// contiguous range, so a std::span of entities views them as it views any
// list of them.
class Followers {
 public:
  Followers() = default;
  Followers(const Followers& other)
      : part_(other.part_ ? std::make_unique<Part>(*other.part_) : nullptr) {}
  Followers(Followers&&) noexcept = default;
  Followers& operator=(const Followers& other) {
    if (this != &other) *this = Followers(other);
    return *this;
  }
  Followers& operator=(Followers&&) noexcept = default;
  ~Followers() = default;

  void push_back(EntityPtr follower) { part().list.push_back(std::move(follower)); }
  std::size_t size() const { return part_ ? part_->list.size() : 0; }
  EntityPtr& operator[](std::size_t i) { return part_->list[i]; }
  const EntityPtr& operator[](std::size_t i) const { return part_->list[i]; }
  EntityPtr* begin() { return part_ ? part_->list.data() : nullptr; }
  EntityPtr* end() { return part_ ? part_->list.data() + part_->list.size() : nullptr; }
  const EntityPtr* begin() const { return part_ ? part_->list.data() : nullptr; }
  const EntityPtr* end() const { return part_ ? part_->list.data() + part_->list.size() : nullptr; }

  // The SEQEND record; null when the entity has none (a SEQEND that the
  // file lacks is not made up).
  Record* seqend() { return part_ && part_->seqend ? &*part_->seqend : nullptr; }
  const Record* seqend() const { return part_ && part_->seqend ? &*part_->seqend : nullptr; }
  void setSeqend(Record seqend) { part().seqend = std::move(seqend); }

 private:
  struct Part {
    std::vector<EntityPtr> list;
    std::optional<Record> seqend;
  };
  Part& part() {
    if (!part_) part_ = std::make_unique<Part>();
    return *part_;
  }
  std::unique_ptr<Part> part_;
};

// One entity. Complex entities carry their followers: an INSERT its ATTRIBs,
// a POLYLINE its VERTEXes, closed by a SEQEND record.
struct Entity {
  Record record;
  Followers children;  // and the SEQEND
  // The handle the document knows the entity by: its own (as the file has
  // it, once read) or one given in memory; 0 while it has none.
  std::uint64_t handle = 0;
  // A justified single-line text whose string was rewritten keeps its first
  // point (group 10) as it was computed for the old string, which had this
  // many characters; AutoCAD computes it anew from the alignment point when
  // it regenerates. kFitsString while group 10 fits the string (no string
  // has that many characters: a file stops at 1 GiB), so that the count and
  // the flag below share eight bytes of each of millions of entities.
  static constexpr std::uint32_t kFitsString = UINT32_MAX;
  std::uint32_t fittedCharacters = kFitsString;
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
