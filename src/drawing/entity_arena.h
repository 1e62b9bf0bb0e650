#pragma once
// EntityArena: the entities of one loaded file, made in blocks of many
// rather than one heap object each. A large drawing holds millions of
// entities; one allocation and one control block apiece cost a tenth of a
// load and as much again to free them at the end. Every pointer the arena
// hands out shares the arena's ownership, so an entity lives as long as
// anything still points at any entity of its file, and copies of those
// pointers behave as any other EntityPtr. Hence an entity made here must
// never hold a pointer to an entity of the same arena (as an INSERT holds
// its ATTRIBs): the arena would own itself and never be freed.

#include <cstddef>
#include <memory>
#include <vector>

#include "drawing/drawing_data.h"

namespace vrn::drawing {

class EntityArena {
 public:
  EntityArena();
  // A new, empty entity.
  EntityPtr make();

 private:
  struct Blocks;
  std::shared_ptr<Blocks> blocks_;
};

}  // namespace vrn::drawing
