#include "drawing/entity_arena.h"

namespace vrn::drawing {
namespace {

// Entities per block: large enough that allocating is rare, small enough
// that the last block's unused room is no matter.
constexpr std::size_t kBlockSize = 4096;

}  // namespace

// Each block is reserved once and never grows past its reservation, so an
// entity never moves.
struct EntityArena::Blocks {
  std::vector<std::vector<Entity>> blocks;
};

EntityArena::EntityArena() : blocks_(std::make_shared<Blocks>()) {}

EntityPtr EntityArena::make() {
  auto& blocks = blocks_->blocks;
  if (blocks.empty() || blocks.back().size() == kBlockSize) {
    blocks.emplace_back().reserve(kBlockSize);
  }
  Entity& entity = blocks.back().emplace_back();
  return EntityPtr(blocks_, &entity);
}

}  // namespace vrn::drawing
