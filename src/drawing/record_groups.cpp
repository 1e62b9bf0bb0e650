#include "drawing/record_groups.h"

#include <algorithm>

namespace vrn::drawing {
namespace {

struct Segment {
  std::size_t begin;
  std::size_t end;
};

// The groups of the place's subclass; the marker is appended when the record
// has markers but not this one.
Segment segmentOf(Record& record, const GroupPlace& place) {
  const auto& groups = record.groups();
  if (!hasSubclassMarkers(record) || place.subclass.empty()) return {1, groups.size()};
  std::size_t marker = Record::npos;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    if (groups[i].code == 100 && groups[i].value == place.subclass) {
      marker = i;
      if (!place.lastMarker) break;
    }
  }
  if (marker == Record::npos) {
    record.edit().push_back(Group{100, std::string(place.subclass)});
    return {record.groups().size(), record.groups().size()};
  }
  std::size_t end = marker + 1;
  while (end < groups.size() && groups[end].code != 100) ++end;
  return {marker + 1, end};
}

}  // namespace

bool hasSubclassMarkers(const Record& record) { return record.has(100); }

std::vector<std::size_t> groupIndices(const Record& record, int code) {
  std::vector<std::size_t> out;
  for (std::size_t i = record.find(code); i != Record::npos; i = record.find(code, i + 1)) {
    out.push_back(i);
  }
  return out;
}

void placeGroup(Record& record, int code, std::string value, const GroupPlace& place) {
  const Segment seg = segmentOf(record, place);
  const auto& groups = record.groups();
  for (std::size_t i = seg.begin; i < seg.end; ++i) {
    if (groups[i].code == code) {
      if (groups[i].value != value) record.edit()[i].value = std::move(value);
      return;
    }
  }
  const auto rank = [&](int c) {
    return static_cast<std::size_t>(std::find(place.order.begin(), place.order.end(), c) -
                                    place.order.begin());
  };
  const std::size_t mine = rank(code);
  std::size_t at = seg.begin;
  for (std::size_t i = seg.begin; i < seg.end; ++i) {
    const std::size_t r = rank(groups[i].code);
    if (r < mine && r < place.order.size()) at = i + 1;
  }
  auto& editable = record.edit();
  editable.insert(editable.begin() + static_cast<std::ptrdiff_t>(at),
                  Group{code, std::move(value)});
}

void placeNumber(Record& record, int code, double value, const GroupPlace& place) {
  // An unchanged number keeps the file's spelling of it.
  if (record.has(code) && record.number(code, value + 1) == value) return;
  placeGroup(record, code, formatNumber(value), place);
}

void placeInteger(Record& record, int code, int value, const GroupPlace& place) {
  if (record.has(code) && record.integer(code, value + 1) == value) return;
  placeGroup(record, code, std::to_string(value), place);
}

host::Point3 readPoint(const Record& record, int code) {
  const auto values = record.pointValues(code);
  return {parseNumber(values[0]), parseNumber(values[1]), parseNumber(values[2])};
}

void placePoint(Record& record, int code, const host::Point3& p, const GroupPlace& place) {
  placeNumber(record, code, p.x, place);
  placeNumber(record, code + 10, p.y, place);
  // R12 files may leave z out of 2D points; a zero z stays left out.
  if (record.has(code + 20) || p.z != 0) placeNumber(record, code + 20, p.z, place);
}

}  // namespace vrn::drawing
