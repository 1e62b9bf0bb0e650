#pragma once
// Typed access to the groups of a record, and where a new group goes.
//
// A group the record lacks is inserted where DXF expects it: inside the
// segment of its subclass (the groups after the 100 marker that names the
// subclass, in R13 and later files) or anywhere in an R12 record, which has
// no markers, after the last group that precedes it in the subclass's
// canonical order.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/record.h"
#include "host/point.h"

namespace vrn::drawing {

struct GroupPlace {
  std::string_view subclass;  // the 100 marker, e.g. "AcDbText"
  std::vector<int> order;     // the subclass's group codes in canonical order
  bool lastMarker = false;    // TEXT repeats "AcDbText"; some groups live after the second one
};

void placeGroup(Record& record, int code, std::string value, const GroupPlace& place);
void placeNumber(Record& record, int code, double value, const GroupPlace& place);
void placeInteger(Record& record, int code, int value, const GroupPlace& place);

// A point is three groups: code (x), code + 10 (y), code + 20 (z).
host::Point3 readPoint(const Record& record, int code);
void placePoint(Record& record, int code, const host::Point3& p, const GroupPlace& place);

// Every group of `code` in the record, in order (LWPOLYLINE vertices ...).
std::vector<std::size_t> groupIndices(const Record& record, int code);

// True when the record carries subclass markers (R13 and later).
bool hasSubclassMarkers(const Record& record);

}  // namespace vrn::drawing
