#pragma once
// Handles: the hexadecimal ids of DXF objects (group 5; group 105 in a
// DIMSTYLE, where group 5 of R12 is the arrow block's name) and $HANDSEED,
// the next free handle, which must stay above every handle in the drawing.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "drawing/drawing_data.h"
#include "drawing/handles.h"

namespace vrn::dxf {

using drawing::formatHandle;
using drawing::handleCode;

// The value of a handle, or nothing when `text` is not 1 to 16 hex digits
// (zero among them, which drawing::parseHandle refuses).
std::optional<std::uint64_t> parseHandle(std::string_view text);

// The largest handle of any record in `data` (0 when it has none); with
// `changedOnly`, of the records changed or added since loading (the reader
// keeps $HANDSEED above all the others).
std::uint64_t maxHandle(const drawing::DrawingData& data, bool changedOnly = false);

// The index of the value group of header variable `name` ("$HANDSEED"), or
// Record::npos.
std::size_t headerValueIndex(const drawing::Record& header, std::string_view name);

// Raises $HANDSEED to one above `max` when it is not above it already.
// Returns true when it changed. A header without $HANDSEED stays as it is.
bool keepHandSeedAbove(drawing::Record& header, std::uint64_t max);

}  // namespace vrn::dxf
