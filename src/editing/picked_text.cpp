#include "editing/picked_text.h"

#include <algorithm>
#include <cstdint>

namespace vrn::editing {

void sortAsOnSheet(std::vector<rstrec>& records) {
  std::stable_sort(records.begin(), records.end(),
                   [](const rstrec& a, const rstrec& b) { return a.y > b.y; });
  for (auto row = records.begin(); row != records.end();) {
    const double top = row->y;
    const auto end = std::find_if(row, records.end(),
                                  [top](const rstrec& r) { return top - r.y >= kRowTolerance; });
    std::stable_sort(row, end, [](const rstrec& a, const rstrec& b) { return a.x > b.x; });
    row = end;
  }
}

host::Variant entityNameFilterTypes() { return host::makeArray({host::Variant(std::int16_t{0})}); }

host::Variant entityNameFilterValues(const char16_t* names) {
  return host::makeArray({host::Variant(names)});
}

}  // namespace vrn::editing
