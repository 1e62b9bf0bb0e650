#pragma once
// The HEADER record: pairs of "9 $NAME" and the value groups that follow it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/record.h"

namespace vrn::drawing {

// The value groups of variable `name` ("$TEXTSIZE"), or nothing when the
// header lacks it. Names match ignoring ASCII case.
std::optional<std::vector<Group>> headerVariable(const Record& header, std::string_view name);
// The value of the group `code` of variable `name`, or `fallback`.
std::string headerValue(const Record& header, std::string_view name, int code,
                        std::string_view fallback = {});
// Replaces the variable's group `code`, adding the group, or the variable at
// the end of the header, when missing.
void setHeaderValue(Record& header, std::string_view name, int code, std::string value);

}  // namespace vrn::drawing
