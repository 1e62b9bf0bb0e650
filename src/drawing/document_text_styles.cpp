// The text style table: new styles and AutoCAD's implicit Standard style.

#include <algorithm>
#include <array>

#include "ascii/letter_case.h"
#include "drawing/collection_index.h"
#include "drawing/document.h"
#include "host/member_table.h"
#include "host/utf8.h"

namespace vrn::drawing {
namespace {

// The order of the tables in a DXF file.
constexpr std::array<std::string_view, 9> kTableOrder{
    "vport", "ltype", "layer", "style", "view", "ucs", "appid", "dimstyle", "block_record"};

std::size_t tableRank(const Table& t) {
  const std::string name = lowerAscii(t.head.value(2));
  return static_cast<std::size_t>(std::find(kTableOrder.begin(), kTableOrder.end(), name) -
                                  kTableOrder.begin());
}

constexpr std::size_t kStyleRank = 3;

bool comesBeforeTables(const Section& s) {
  return s.kind == Section::Kind::Header || s.begin.value(2) == "CLASSES";
}

}  // namespace

std::vector<Group> Document::newTextStyle(std::u16string_view name, const std::string& handle,
                                          const std::string& owner) const {
  std::vector<Group> g{{0, "STYLE"}};
  if (!handle.empty()) g.push_back({5, handle});
  if (subclassMarkers_) {
    if (!owner.empty()) g.push_back({330, owner});
    g.insert(g.end(), {{100, "AcDbSymbolTableRecord"}, {100, "AcDbTextStyleTableRecord"}});
  }
  g.insert(g.end(), {{2, encode(name)},
                     {70, "0"},
                     {40, "0.0"},
                     {41, "1.0"},
                     {50, "0.0"},
                     {71, "0"},
                     {42, "2.5"},
                     {3, "txt"},
                     {4, ""}});
  return g;
}

const Record* Document::implicitStandardStyle() {
  return tableEntry("STYLE", entryName(implicitStandard_)) ? nullptr : &implicitStandard_;
}

Table& Document::styleTable() {
  if (Table* t = table("STYLE")) return *t;
  const bool hasSection =
      std::any_of(data_.sections.begin(), data_.sections.end(),
                  [](const Section& s) { return s.kind == Section::Kind::Tables; });
  tablesChanged();
  journal_.remember(&data_.tables, [this, hasSection] {
    std::erase_if(data_.tables, [](const Table& t) { return tableRank(t) == kStyleRank; });
    if (!hasSection) {
      std::erase_if(data_.sections,
                    [](const Section& s) { return s.kind == Section::Kind::Tables; });
    }
  });
  if (!hasSection) {
    Section tables;
    tables.kind = Section::Kind::Tables;
    tables.begin = Record({{0, "SECTION"}, {2, "TABLES"}});
    tables.end = Record({{0, "ENDSEC"}});
    const auto at = std::find_if(data_.sections.begin(), data_.sections.end(),
                                 [](const Section& s) { return !comesBeforeTables(s); });
    data_.sections.insert(at, std::move(tables));
  }
  std::vector<Group> head{{0, "TABLE"}, {2, "STYLE"}};
  if (subclassMarkers_) {
    const std::string handle = newRecordHandle();
    if (!handle.empty()) head.push_back({5, handle});
    head.insert(head.end(), {{330, "0"}, {100, "AcDbSymbolTable"}});
  }
  head.push_back({70, "0"});
  Table style{Record(std::move(head)), {}, Record({{0, "ENDTAB"}})};
  const auto at = std::find_if(data_.tables.begin(), data_.tables.end(), [](const Table& t) {
    const std::size_t rank = tableRank(t);
    return rank > kStyleRank && rank < kTableOrder.size();
  });
  return *data_.tables.insert(at, std::move(style));
}

std::size_t Document::standardStyleIndex() {
  const std::u16string name = entryName(implicitStandard_);
  Table& t = styleTable();
  for (std::size_t i = 0; i < t.entries.size(); ++i) {
    if (sameName(entryName(t.entries[i]), name)) return i;
  }
  rememberTable(t);
  t.entries.emplace_back(newTextStyle(name, newRecordHandle(), std::string(t.head.value(5))));
  t.head.set(70, std::to_string(t.entries.size()));
  return t.entries.size() - 1;
}

}  // namespace vrn::drawing
