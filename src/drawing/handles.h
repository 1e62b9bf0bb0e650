#pragma once
// Handles: the hexadecimal object identifiers of group 5 (105 in a DIMSTYLE,
// where group 5 of R12 is the arrow block's name), and $HANDSEED, the next
// free handle, which must stay above every handle in the drawing. The one
// place that reads, writes and compares them, for the drawing and its files.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "drawing/drawing_data.h"
#include "drawing/record.h"

namespace vrn::drawing {

using Handle = std::uint64_t;
constexpr Handle kLastHandle = UINT64_MAX;  // FFFFFFFFFFFFFFFF

// A handle: 1 to 16 hexadecimal digits, blanks around them allowed. Empty,
// malformed, too long or zero text gives nothing (zero is no object's).
std::optional<Handle> parseHandle(std::string_view text);
// Upper-case hexadecimal without leading zeros, as AutoCAD writes handles.
std::string formatHandle(Handle handle);

// The group that carries the own handle of a record of type `type`: 105 for
// DIMSTYLE, else 5.
int handleCode(std::string_view type);
int handleCode(const Record& record);
std::optional<Handle> recordHandle(const Record& record);

// The highest handle of any record in `data` (0 when it has none); with
// `changedOnly`, of the records changed or added since loading.
Handle highestHandle(const DrawingData& data, bool changedOnly = false);

// Raises $HANDSEED to one above `highest` unless it is above it already;
// true when it changed. A header without $HANDSEED stays as it is, and so
// does one when `highest` is the last handle, which nothing is above (a
// seed wrapped round to 0 would give out handles in use).
bool keepHandSeedAbove(Record& header, Handle highest);

}  // namespace vrn::drawing
