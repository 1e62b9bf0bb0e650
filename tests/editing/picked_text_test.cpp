// The order of picked texts: rows from the top, right to left in a row.

#include "editing/picked_text.h"

#include <gtest/gtest.h>

namespace vrn::editing {
namespace {

struct At {
  double x, y;
};

std::vector<int> orderOf(const std::vector<At>& points) {
  std::vector<rstrec> records;
  for (std::size_t i = 0; i < points.size(); ++i) {
    rstrec r;
    r.x = points[i].x;
    r.y = points[i].y;
    r.s = std::u16string(1, static_cast<char16_t>(u'0' + i));
    records.push_back(r);
  }
  sortAsOnSheet(records);
  std::vector<int> order;
  for (const rstrec& r : records) order.push_back(r.s[0] - u'0');
  return order;
}

TEST(PickedText, SortsAsOnTheSheet) {
  struct Case {
    const char* name;
    std::vector<At> points;
    std::vector<int> order;
  };
  const Case cases[] = {
      {"larger Y first", {{0, 10}, {0, 20}, {0, 15}}, {1, 2, 0}},
      {"one row within the tolerance: right one first", {{1, 5}, {3, 5.0005}}, {1, 0}},
      // A chain of near values: the row is anchored on its highest text,
      // so the lowest one, 0.0012 below it, opens the next row.
      {"a chain of close rows", {{1, 10.0012}, {2, 10.0}, {3, 10.0006}}, {2, 0, 1}},
      {"equal points keep the pick order", {{4, 4}, {4, 4}, {4, 4}}, {0, 1, 2}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(orderOf(c.points), c.order) << c.name;
  }
}

}  // namespace
}  // namespace vrn::editing
