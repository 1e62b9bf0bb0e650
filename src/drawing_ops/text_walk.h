#pragma once
// The walk of the drawing-wide operations over every text of a drawing: the
// single-line texts, multi-line texts and attribute definitions of model
// space, of every paper-space layout and of every named block, and the
// attributes of their block references, in drawing order. Anonymous blocks
// ("*D1", "*U2") belong to dimensions and tables and hold no text of the
// user's.

#include <cstddef>
#include <functional>

#include "host/entity_type.h"
#include "host/ref.h"

namespace vrn::drawing_ops {

using TextVisitor = std::function<void(const host::Ref& text, host::EntityType type)>;

void forEachText(const host::Ref& document, const TextVisitor& visit);

// What a handler of walkTexts did with one text.
enum class TextOutcome {
  Converted,
  Skipped,    // a text of the operation left as it was (blank, unselected...)
  NotCounted  // a kind of text the operation does not handle
};

struct WalkTally {
  std::size_t converted = 0;
  std::size_t skipped = 0;
  std::size_t failed = 0;
};

using TextHandler = std::function<TextOutcome(const host::Ref& text, host::EntityType type)>;
// Called after each text with the number of texts met so far.
using WalkProgress = std::function<void(std::size_t visited)>;

// The walk of an operation that changes texts: one undo group, every frozen
// layer thawed and every locked one unlocked for the walk. The layers are
// restored and the undo group ended on every way out, each restore on its
// own, so one failing restore leaves the others done. An error of the host
// while one text is handled counts that text as failed (the handler puts
// back what it changed) and the walk goes on; any other error ends the walk
// after the restores.
WalkTally walkTexts(const host::Ref& document, const TextHandler& handle,
                    const WalkProgress& progress = {});

// The DXF name of a text the walk meets: "TEXT", "MTEXT", "ATTRIB" or "ATTDEF".
const char* textKindName(host::EntityType type);

}  // namespace vrn::drawing_ops
