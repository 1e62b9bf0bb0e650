#pragma once
// The justification list of the single-line editor and the host's
// alignment codes (horizontal: 0 left, 1 center, 2 right; vertical:
// 0 baseline, 1 bottom, 2 middle, 3 top):
//
//   index  item             horizontal  vertical
//    0     "Right"              2          0
//    1     "Left"               0          0
//    2     "Center"             1          0
//    3     "Top Right"          2          3
//    4     "Top Left"           0          3
//    5     "Top Center"         1          3
//    6     "Middle Right"       2          2
//    7     "Middle Left"        0          2
//    8     "Middle Center"      1          2
//    9     "Bottom Right"       2          1
//   10     "Bottom Left"        0          1
//   11     "Bottom Center"      1          1

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vrn::editing {

struct Alignment {
  std::int32_t horizontal = 0;
  std::int32_t vertical = 0;
};

std::vector<std::u16string> justificationItems();
// The codes of list item index (0..11).
Alignment alignmentOfItem(int index);
// The list item of a pair of codes; nothing for codes outside the table.
std::optional<int> itemOfAlignment(Alignment alignment);

}  // namespace vrn::editing
