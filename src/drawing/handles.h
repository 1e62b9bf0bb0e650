#pragma once
// Handles: the hexadecimal object identifiers of group 5 (105 for DIMSTYLE).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "drawing/record.h"

namespace vrn::drawing {

using Handle = std::uint64_t;

// Reads a hexadecimal handle; empty, malformed or zero text gives nothing.
std::optional<Handle> parseHandle(std::string_view text);
// Upper-case hexadecimal without leading zeros, as AutoCAD writes handles.
std::string formatHandle(Handle handle);

// The group that carries the own handle of a record of type `type`: 105 for
// DIMSTYLE, else 5.
int handleCode(std::string_view type);
int handleCode(const Record& record);
std::optional<Handle> recordHandle(const Record& record);

}  // namespace vrn::drawing
