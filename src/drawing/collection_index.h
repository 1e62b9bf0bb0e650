#pragma once
// How AutoCAD's collections take the argument of Item: a zero-based index,
// or for named collections also a name, matched ignoring case.

#include <cstddef>
#include <string>
#include <vector>

#include "host/variant.h"

namespace vrn::drawing {

// Raises DISP_E_BADINDEX when the index is outside 0 .. count - 1.
std::size_t collectionIndex(const host::Variant& index, std::size_t count);
// A number as above, or a name; raises "Key not found" for an unknown name.
std::size_t namedIndex(const host::Variant& index, const std::vector<std::u16string>& names);
bool sameName(std::u16string_view a, std::u16string_view b);

}  // namespace vrn::drawing
