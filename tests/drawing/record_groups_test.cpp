#include "drawing/record_groups.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

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

// A read record is copied as its text alone once split (the undo journal
// keeps such copies); copies and comparisons must not tell the forms apart.
TEST(RecordCopies, SeeTheSameGroupsHoweverTheRecordHoldsThem) {
  const auto file = std::make_shared<const std::string>(
      "  0\r\nTEXT\r\n  5\r\n1A\r\n  1\r\nabc\r\n 40\r\n2.5\r\n");
  const Record built({{0, "TEXT"}, {5, "1A"}, {1, "abc"}, {40, "2.5"}});
  Record read(file, *file);
  EXPECT_TRUE(read.sameGroups(built));
  read.groups();
  const Record copy = read;
  EXPECT_FALSE(copy.changed());
  EXPECT_EQ(copy.groups(), built.groups());
  EXPECT_TRUE(copy.sameGroups(read));

  Record edited = read;
  edited.set(1, "abd");
  EXPECT_FALSE(edited.sameGroups(read));
  EXPECT_FALSE(read.sameGroups(edited));
  edited.set(1, "abc");
  EXPECT_TRUE(edited.sameGroups(read)) << "changed back, so written anew with the same groups";
  const Record copyOfEdited = edited;
  EXPECT_TRUE(copyOfEdited.changed());
  EXPECT_EQ(copyOfEdited.groups(), built.groups());
}

// A point's groups are the first of each code wherever they stand, however
// the record holds its groups (read and not yet looked into, read and
// looked into, split, built).
TEST(RecordGroups, PointsReadTheFirstGroupOfEachCoordinate) {
  const auto file = std::make_shared<const std::string>(
      "  0\nTEXT\n  5\n1A\n 20\n7\n 10\n1.5\n 20\n8\n 11\n3\n 30\n-2\n 40\n2.5\n");
  const Record built({{0, "TEXT"},
                      {5, "1A"},
                      {20, "7"},
                      {10, "1.5"},
                      {20, "8"},
                      {11, "3"},
                      {30, "-2"},
                      {40, "2.5"}});
  const Record unread(file, *file);
  Record lookedInto(file, *file);
  for (int code : {40, 1, 40, 1}) lookedInto.value(code);
  Record split(file, *file);
  split.groups();
  for (const Record* record : std::array<const Record*, 4>{&unread, &lookedInto, &split, &built}) {
    const host::Point3 p = readPoint(*record, 10);
    EXPECT_EQ(p.x, 1.5);
    EXPECT_EQ(p.y, 7);
    EXPECT_EQ(p.z, -2);
    const host::Point3 q = readPoint(*record, 11);
    EXPECT_EQ(q.x, 3);
    EXPECT_EQ(q.y, 0);
    EXPECT_EQ(q.z, 0);
  }
}

}  // namespace
}  // namespace vrn::drawing
