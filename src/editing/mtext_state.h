#pragma once
// MtextState: what the multi-line editor's operations keep between calls
// for as long as the module lives. Each operation sets what it uses before
// it uses it.

#include <string>

#include "host/point.h"

namespace vrn::editing {

struct MtextState {
  double MtextHeight = 0;
  host::Point3 MtextPoint;      // where the next placed line goes
  host::Point3 MtextBasePoint;  // the insertion point the operation started from
  std::u16string MtextStyleName;
};

}  // namespace vrn::editing
