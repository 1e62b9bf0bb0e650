#pragma once
// How controls show their properties to scripts (`expect NAME PROPERTY
// VALUE`): numbers in decimal, flags as "true" or "false", and indexed
// properties written NAME[i] or NAME[c,r].

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/variant.h"

namespace vrn::ui {

std::u16string propertyText(bool value);
std::u16string propertyText(int value);
// A value as text; "Null" for Null, empty for values that have no text
// (objects, arrays).
std::u16string variantText(const host::Variant& value);

// Case-insensitive comparison of property and component names (ASCII).
bool sameName(std::string_view a, std::string_view b);

// "Cells[2,1]" -> base "Cells", indexes {2, 1}; "Text" -> base "Text", no
// indexes. Nothing for a malformed index.
struct PropertyName {
  std::string_view base;
  std::vector<int> indexes;
};
std::optional<PropertyName> splitPropertyName(std::string_view name);

}  // namespace vrn::ui
