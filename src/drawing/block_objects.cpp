#include "drawing/block_objects.h"

#include "ascii/letter_case.h"
#include "drawing/collection_index.h"
#include "drawing/mtext_string.h"
#include "host/host_error.h"
#include "host/utf8.h"

namespace vrn::drawing {
namespace {

using host::HostError;
using host::Point3;
using host::Variant;
namespace hr = host::hr;

constexpr int kByLayer = 256;

void addPoint(std::vector<Group>& groups, int code, const Point3& p) {
  groups.push_back({code, formatNumber(p.x)});
  groups.push_back({code + 10, formatNumber(p.y)});
  groups.push_back({code + 20, formatNumber(p.z)});
}

const host::MemberTable<BlockObject>& blockMembers() {
  static const auto table = [] {
    host::MemberTable<BlockObject> t;
    t.get("Name", [](BlockObject& b) { return Variant(b.name()); })
        .get("IsLayout", [](BlockObject& b) { return Variant(b.isLayout()); })
        .get("Count",
             [](BlockObject& b) {
               return Variant(static_cast<std::int32_t>(b.document().entitiesOf(b.space()).size()));
             })
        .read(
            "Item",
            [](BlockObject& b, std::span<Variant> args) {
              host::requireArgs(args, 1, 1, "Item");
              const auto& list = b.document().entitiesOf(b.space());
              return Variant(b.document().objectOf(list.at(collectionIndex(args[0], list.size()))));
            })
        .read("AddText",
              [](BlockObject& b, std::span<Variant> args) {
                host::requireArgs(args, 3, 3, "AddText");
                const EntityPtr e =
                    b.addText(args[0].toString(), host::toPoint(args[1]), args[2].toDouble());
                return Variant(b.document().objectOf(e));
              })
        .read("AddMText",
              [](BlockObject& b, std::span<Variant> args) {
                host::requireArgs(args, 3, 3, "AddMText");
                const EntityPtr e =
                    b.addMText(host::toPoint(args[0]), args[1].toDouble(), args[2].toString());
                return Variant(b.document().objectOf(e));
              })
        .read("AddSolid", [](BlockObject& b, std::span<Variant> args) {
          host::requireArgs(args, 4, 4, "AddSolid");
          const Point3 corners[4] = {host::toPoint(args[0]), host::toPoint(args[1]),
                                     host::toPoint(args[2]), host::toPoint(args[3])};
          return Variant(b.document().objectOf(b.addSolid(corners)));
        });
    return t;
  }();
  return table;
}

}  // namespace

Variant BlockObject::invoke(std::string_view name, host::Invoke kind, std::span<Variant> args) {
  JournalCall call(document_->journal());
  return blockMembers().invoke(*this, name, kind, args);
}

std::u16string BlockObject::name() const {
  switch (space_.kind) {
    case Space::Kind::Model:
      return u"*Model_Space";
    case Space::Kind::Paper:
      return u"*Paper_Space";
    case Space::Kind::Block:
      break;
  }
  return document_->decode(document_->data().blocks.at(space_.block).begin.value(2));
}

bool BlockObject::isLayout() const {
  if (space_.kind != Space::Kind::Block) return true;
  return isLayoutBlockName(utf16ToUtf8(name()));
}

// A new entity is on the current layer (CLAYER) and in the current colour
// (CECOLOR); BYLAYER, the colour of an entity that names none, is left out.
std::vector<Group> BlockObject::start(const char* type, const char* subclass) const {
  const bool markers = document_->hasSubclassMarkers();
  std::vector<Group> g{{0, type}};
  if (markers) g.push_back({100, "AcDbEntity"});
  g.push_back({8, document_->encode(document_->headerString("$CLAYER", 8, u"0"))});
  const Record color({{62, utf16ToUtf8(document_->headerString("$CECOLOR", 62, u"256"))}});
  const int number = color.integer(62, kByLayer);
  if (number >= 0 && number < kByLayer) g.push_back({62, std::to_string(number)});
  if (markers) g.push_back({100, subclass});
  return g;
}

EntityPtr BlockObject::addText(std::u16string_view text, const Point3& at, double height) {
  if (!(height > 0)) throw HostError(hr::kInvalidArg, "AddText: the height must be positive");
  std::vector<Group> g = start("TEXT", "AcDbText");
  addPoint(g, 10, at);
  g.push_back({40, formatNumber(height)});
  g.push_back({1, document_->encode(text)});
  g.push_back({7, document_->encode(document_->headerString("$TEXTSTYLE", 7, u"Standard"))});
  if (document_->hasSubclassMarkers()) g.push_back({100, "AcDbText"});
  return document_->addEntity(space_, std::move(g));
}

EntityPtr BlockObject::addMText(const Point3& at, double width, std::u16string_view text) {
  if (width < 0) throw HostError(hr::kInvalidArg, "AddMText: the width must not be negative");
  const std::string height = document_->encode(document_->headerString("$TEXTSIZE", 40, u"2.5"));
  std::vector<Group> g = start("MTEXT", "AcDbMText");
  addPoint(g, 10, at);
  g.push_back({40, height});
  g.push_back({41, formatNumber(width)});
  g.push_back({71, "1"});
  g.push_back({72, "1"});
  g.push_back({1, ""});
  g.push_back({7, document_->encode(document_->headerString("$TEXTSTYLE", 7, u"Standard"))});
  Record record(std::move(g));
  writeMTextString(record, document_->encode(text), *document_->data().codec);
  return document_->addEntity(space_, record.groups());
}

EntityPtr BlockObject::addSolid(const Point3 (&corners)[4]) {
  std::vector<Group> g = start("SOLID", "AcDbTrace");
  for (int i = 0; i < 4; ++i) addPoint(g, 10 + i, corners[i]);
  return document_->addEntity(space_, std::move(g));
}

// A number is an index; only a name needs the blocks' names.
Space BlocksObject::spaceAt(const Variant& index) const {
  const std::vector<Space>& spaces = document_->blockSpaces();
  if (index.type() != Variant::Type::String) return spaces[collectionIndex(index, spaces.size())];
  std::vector<std::u16string> names;
  names.reserve(spaces.size());
  for (const Space& s : spaces) names.push_back(BlockObject(document_, s).name());
  return spaces[namedIndex(index, names)];
}

Variant BlocksObject::invoke(std::string_view name, host::Invoke kind, std::span<Variant> args) {
  static const auto table = [] {
    host::MemberTable<BlocksObject> t;
    t.get("Count", [](BlocksObject& b) {
       return Variant(static_cast<std::int32_t>(b.document_->blockSpaces().size()));
     }).read("Item", [](BlocksObject& b, std::span<Variant> a) {
      host::requireArgs(a, 1, 1, "Item");
      return Variant(std::make_shared<BlockObject>(b.document_, b.spaceAt(a[0])));
    });
    return t;
  }();
  return table.invoke(*this, name, kind, args);
}

}  // namespace vrn::drawing
