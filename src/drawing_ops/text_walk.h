#pragma once
// The walk of the drawing-wide operations over every text of a drawing: the
// single-line texts, multi-line texts and attribute definitions of model
// space, of every paper-space layout and of every named block, and the
// attributes of their block references, in drawing order. Anonymous blocks
// ("*D1", "*U2") belong to dimensions and tables and hold no text of the
// user's.

#include <functional>

#include "host/entity_type.h"
#include "host/ref.h"

namespace vrn::drawing_ops {

using TextVisitor = std::function<void(const host::Ref& text, host::EntityType type)>;

void forEachText(const host::Ref& document, const TextVisitor& visit);

// The DXF name of a text the walk meets: "TEXT", "MTEXT", "ATTRIB" or "ATTDEF".
const char* textKindName(host::EntityType type);

}  // namespace vrn::drawing_ops
