#include "editing/justification.h"

#include <array>
#include <cassert>

namespace vrn::editing {
namespace {

struct Row {
  const char16_t* item;
  Alignment alignment;
};

constexpr std::array<Row, 12> kRows{{
    {u"Right", {2, 0}},
    {u"Left", {0, 0}},
    {u"Center", {1, 0}},
    {u"Top Right", {2, 3}},
    {u"Top Left", {0, 3}},
    {u"Top Center", {1, 3}},
    {u"Middle Right", {2, 2}},
    {u"Middle Left", {0, 2}},
    {u"Middle Center", {1, 2}},
    {u"Bottom Right", {2, 1}},
    {u"Bottom Left", {0, 1}},
    {u"Bottom Center", {1, 1}},
}};

}  // namespace

std::vector<std::u16string> justificationItems() {
  std::vector<std::u16string> items;
  for (const Row& row : kRows) items.emplace_back(row.item);
  return items;
}

Alignment alignmentOfItem(int index) {
  assert(index >= 0 && index < static_cast<int>(kRows.size()));
  return kRows[static_cast<std::size_t>(index)].alignment;
}

std::optional<int> itemOfAlignment(Alignment alignment) {
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    if (kRows[i].alignment.horizontal == alignment.horizontal &&
        kRows[i].alignment.vertical == alignment.vertical) {
      return static_cast<int>(i);
    }
  }
  return std::nullopt;
}

}  // namespace vrn::editing
