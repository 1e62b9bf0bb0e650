#pragma once
// Selection filters: pairs of a group code and a value, all of which an
// entity must pass. The value is a comma-separated list of names, each
// possibly with "*" wildcards, compared ignoring case: group 0 the entity
// type ("Text,MTEXT"), 8 the layer, 2 a block reference's block name.

#include <string>
#include <vector>

#include "drawing/drawing_data.h"
#include "drawing/text_codec.h"
#include "host/variant.h"

namespace vrn::drawing {

class EntityFilter {
 public:
  EntityFilter() = default;
  // The FilterType (16-bit codes) and FilterData arrays of Select and
  // SelectOnScreen; Empty for both means no filter. Raises for a mismatch or
  // a group code the filter does not know.
  static EntityFilter fromArrays(const host::Variant& types, const host::Variant& values);

  bool accepts(const Entity& entity, const TextCodec& codec) const;

 private:
  struct Condition {
    int code;
    std::vector<std::u16string> patterns;  // lower case
  };
  std::vector<Condition> conditions_;
};

// "*" stands for any run of characters; both sides already lower case.
bool matchesPattern(std::u16string_view text, std::u16string_view pattern);

}  // namespace vrn::drawing
