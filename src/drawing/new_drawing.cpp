#include "drawing/new_drawing.h"

#include <string>

#include "drawing/handles.h"

namespace vrn::drawing {
namespace {

class Builder {
 public:
  std::string next() { return formatHandle(seed_++); }
  Handle seed() const { return seed_; }

 private:
  Handle seed_ = 1;
};

Record record(std::vector<Group> groups) { return Record(std::move(groups)); }

Section section(Section::Kind kind, const char* name) {
  Section s;
  s.kind = kind;
  s.begin = record({{0, "SECTION"}, {2, name}});
  s.end = record({{0, "ENDSEC"}});
  return s;
}

Table table(const char* name, const std::string& handle, std::vector<Record> entries,
            bool dimstyle = false) {
  Table t;
  std::vector<Group> head{{0, "TABLE"},
                          {2, name},
                          {5, handle},
                          {330, "0"},
                          {100, "AcDbSymbolTable"},
                          {70, std::to_string(entries.size())}};
  if (dimstyle) head.push_back({100, "AcDbDimStyleTable"});
  t.head = record(std::move(head));
  t.entries = std::move(entries);
  t.end = record({{0, "ENDTAB"}});
  return t;
}

std::vector<Group> tableEntry(const char* type, int handleCode, const std::string& handle,
                              const std::string& owner, const char* subclass, const char* name) {
  return {{0, type},       {handleCode, handle},
          {330, owner},    {100, "AcDbSymbolTableRecord"},
          {100, subclass}, {2, name},
          {70, "0"}};
}

Block block(Builder& b, const std::string& blockRecord, const char* name, bool paper) {
  std::vector<Group> begin{{0, "BLOCK"}, {5, b.next()}, {330, blockRecord}, {100, "AcDbEntity"}};
  if (paper) begin.push_back({67, "1"});
  begin.insert(begin.end(), {{8, "0"},
                             {100, "AcDbBlockBegin"},
                             {2, name},
                             {70, "0"},
                             {10, "0.0"},
                             {20, "0.0"},
                             {30, "0.0"},
                             {3, name},
                             {1, ""}});
  std::vector<Group> end{{0, "ENDBLK"}, {5, b.next()}, {330, blockRecord}, {100, "AcDbEntity"}};
  if (paper) end.push_back({67, "1"});
  end.insert(end.end(), {{8, "0"}, {100, "AcDbBlockEnd"}});
  Block out;
  out.begin = record(std::move(begin));
  out.end = record(std::move(end));
  return out;
}

}  // namespace

DrawingData makeEmptyDrawing() {
  Builder b;
  DrawingData data;

  std::string ltypeTable = b.next();
  std::vector<Record> ltypes;
  for (const char* name : {"ByBlock", "ByLayer", "Continuous"}) {
    auto g = tableEntry("LTYPE", 5, b.next(), ltypeTable, "AcDbLinetypeTableRecord", name);
    g.insert(g.end(), {{3, ""}, {72, "65"}, {73, "0"}, {40, "0.0"}});
    ltypes.push_back(record(std::move(g)));
  }
  std::string layerTable = b.next();
  auto layer = tableEntry("LAYER", 5, b.next(), layerTable, "AcDbLayerTableRecord", "0");
  layer.insert(layer.end(), {{62, "7"}, {6, "Continuous"}, {370, "-3"}});
  std::string styleTable = b.next();
  const std::string standardStyle = b.next();
  auto style =
      tableEntry("STYLE", 5, standardStyle, styleTable, "AcDbTextStyleTableRecord", "Standard");
  style.insert(
      style.end(),
      {{40, "0.0"}, {41, "1.0"}, {50, "0.0"}, {71, "0"}, {42, "2.5"}, {3, "txt"}, {4, ""}});
  std::string appidTable = b.next();
  auto appid = tableEntry("APPID", 5, b.next(), appidTable, "AcDbRegAppTableRecord", "ACAD");
  std::string dimstyleTable = b.next();
  auto dimstyle =
      tableEntry("DIMSTYLE", 105, b.next(), dimstyleTable, "AcDbDimStyleTableRecord", "Standard");
  dimstyle.push_back({340, standardStyle});
  std::string blockRecordTable = b.next();
  const std::string modelRecord = b.next();
  const std::string paperRecord = b.next();
  std::vector<Record> blockRecords{
      record(tableEntry("BLOCK_RECORD", 5, modelRecord, blockRecordTable, "AcDbBlockTableRecord",
                        "*Model_Space")),
      record(tableEntry("BLOCK_RECORD", 5, paperRecord, blockRecordTable, "AcDbBlockTableRecord",
                        "*Paper_Space"))};
  for (Record& r : blockRecords) r.erase(70);

  const std::string vportTable = b.next();
  const std::string viewTable = b.next();
  const std::string ucsTable = b.next();
  data.tables.push_back(table("VPORT", vportTable, {}));
  data.tables.push_back(table("LTYPE", ltypeTable, std::move(ltypes)));
  data.tables.push_back(table("LAYER", layerTable, {record(std::move(layer))}));
  data.tables.push_back(table("STYLE", styleTable, {record(std::move(style))}));
  data.tables.push_back(table("VIEW", viewTable, {}));
  data.tables.push_back(table("UCS", ucsTable, {}));
  data.tables.push_back(table("APPID", appidTable, {record(std::move(appid))}));
  data.tables.push_back(table("DIMSTYLE", dimstyleTable, {record(std::move(dimstyle))}, true));
  data.tables.push_back(table("BLOCK_RECORD", blockRecordTable, std::move(blockRecords)));

  data.blocks.push_back(block(b, modelRecord, "*Model_Space", false));
  data.blocks.push_back(block(b, paperRecord, "*Paper_Space", true));

  const std::string rootDictionary = b.next();
  const std::string groupDictionary = b.next();
  Section objects = section(Section::Kind::Opaque, "OBJECTS");
  objects.records.push_back(record({{0, "DICTIONARY"},
                                    {5, rootDictionary},
                                    {330, "0"},
                                    {100, "AcDbDictionary"},
                                    {281, "1"},
                                    {3, "ACAD_GROUP"},
                                    {350, groupDictionary}}));
  objects.records.push_back(record({{0, "DICTIONARY"},
                                    {5, groupDictionary},
                                    {330, rootDictionary},
                                    {100, "AcDbDictionary"},
                                    {281, "1"}}));

  data.header = record({{9, "$ACADVER"},  {1, "AC1032"},    {9, "$DWGCODEPAGE"},
                        {3, "ANSI_1255"}, {9, "$HANDSEED"}, {5, formatHandle(b.seed())},
                        {9, "$CLAYER"},   {8, "0"},         {9, "$TEXTSTYLE"},
                        {7, "Standard"},  {9, "$TEXTSIZE"}, {40, "2.5"},
                        {9, "$CECOLOR"},  {62, "256"},      {9, "$DIMSTYLE"},
                        {2, "Standard"},  {9, "$DIMTXSTY"}, {7, "Standard"},
                        {9, "$TILEMODE"}, {70, "1"}});

  data.sections.push_back(section(Section::Kind::Header, "HEADER"));
  data.sections.push_back(section(Section::Kind::Tables, "TABLES"));
  data.sections.push_back(section(Section::Kind::Blocks, "BLOCKS"));
  data.sections.push_back(section(Section::Kind::Entities, "ENTITIES"));
  data.sections.push_back(std::move(objects));
  data.codec = utf8Codec();
  return data;
}

}  // namespace vrn::drawing
