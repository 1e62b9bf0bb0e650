#include "drawing/record_groups.h"

#include <gtest/gtest.h>

namespace vrn::drawing {
namespace {

// Changing an R12 text inserts its new groups among the others, without
// the subclass markers that R12 files do not have.
TEST(RecordGroups, NewGroupsGoWhereDxfExpectsThem) {
  Record r12({{0, "TEXT"}, {8, "0"}, {10, "0"}, {20, "0"}, {40, "1"}, {1, "a"}, {7, "S"}});
  const GroupPlace place{"AcDbText", {10, 20, 30, 40, 1, 50, 41, 51, 7, 71, 72, 11, 21, 31}};
  placeNumber(r12, 50, 90, place);
  placePoint(r12, 11, {1, 2, 0}, place);
  std::vector<int> codes;
  for (const Group& g : r12.groups()) codes.push_back(g.code);
  EXPECT_EQ(codes, (std::vector<int>{0, 8, 10, 20, 40, 1, 50, 7, 11, 21}));

  Record r2000({{0, "TEXT"},
                {100, "AcDbEntity"},
                {8, "0"},
                {100, "AcDbText"},
                {10, "0"},
                {20, "0"},
                {30, "0"},
                {40, "1"},
                {1, "a"},
                {100, "AcDbText"}});
  placeInteger(r2000, 73, 2, {"AcDbText", {73}, true});
  placeInteger(r2000, 72, 1, place);
  codes.clear();
  for (const Group& g : r2000.groups()) codes.push_back(g.code);
  EXPECT_EQ(codes, (std::vector<int>{0, 100, 8, 100, 10, 20, 30, 40, 1, 72, 100, 73}));
}

}  // namespace
}  // namespace vrn::drawing
