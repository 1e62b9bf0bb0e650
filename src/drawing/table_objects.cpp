#include "drawing/table_objects.h"

#include <cmath>
#include <numbers>

#include "drawing/collection_index.h"
#include "drawing/record_groups.h"
#include "host/host_error.h"
#include "host/utf8.h"

namespace vrn::drawing {
namespace {

using host::HostError;
using host::Variant;
namespace hr = host::hr;
using EntryTable = host::MemberTable<TableEntryObject>;

constexpr double kDegree = std::numbers::pi / 180;

const GroupPlace& stylePlace() {
  static const GroupPlace place{"AcDbTextStyleTableRecord", {2, 70, 40, 41, 50, 71, 42, 3, 4}};
  return place;
}

const GroupPlace& layerPlace() {
  static const GroupPlace place{"AcDbLayerTableRecord", {2, 70, 62, 420, 6, 290, 370, 390}};
  return place;
}

void addFlag(EntryTable& t, const char* name, int bit, const GroupPlace& place) {
  t.get(name, [bit](TableEntryObject& e) {
     return Variant((e.record().integer(70) & bit) != 0);
   }).put(name, [bit, &place](TableEntryObject& e, const Variant& v) {
    const int flags = e.record().integer(70);
    const int next = v.toBool() ? flags | bit : flags & ~bit;
    e.change([&](Record& r) { placeInteger(r, 70, next, place); });
  });
}

void addString(EntryTable& t, const char* name, int code, const GroupPlace& place) {
  t.get(name, [code](TableEntryObject& e) {
     return Variant(e.document().decode(e.record().value(code)));
   }).put(name, [code, &place](TableEntryObject& e, const Variant& v) {
    const std::string value = e.document().encode(v.toString());
    e.change([&](Record& r) { placeGroup(r, code, value, place); });
  });
}

void addNumber(EntryTable& t, const char* name, int code, double fallback, double scale) {
  t.get(name, [=](TableEntryObject& e) {
     return Variant(e.record().number(code, fallback) * scale);
   }).put(name, [=](TableEntryObject& e, const Variant& v) {
    const double value = v.toDouble() / scale;
    if (value < 0) throw HostError(hr::kInvalidArg, std::string(name) + " must not be negative");
    e.change([&](Record& r) { placeNumber(r, code, value, stylePlace()); });
  });
}

// A TrueType font is recorded by its typeface; the font file the model
// reports for it is the typeface with ".ttf" appended.
void setFont(TableEntryObject& e, std::span<Variant> args) {
  host::requireArgs(args, 5, 5, "SetFont");
  const std::u16string typeface = args[0].toString();
  if (typeface.empty()) throw HostError(hr::kInvalidArg, "SetFont: no typeface");
  const std::string file = e.document().encode(typeface + u".ttf");
  e.change([&](Record& r) { placeGroup(r, 3, file, stylePlace()); });
}

void getFont(TableEntryObject& e, std::span<Variant> args) {
  host::requireArgs(args, 5, 5, "GetFont");
  std::u16string file = e.document().decode(e.record().value(3));
  const bool trueType = file.size() > 4 && sameName(file.substr(file.size() - 4), u".ttf");
  args[0] = Variant(trueType ? file.substr(0, file.size() - 4) : std::u16string());
  args[1] = Variant(false);
  args[2] = Variant(false);
  args[3] = Variant(std::int32_t{0});
  args[4] = Variant(std::int32_t{34});
}

const EntryTable& membersFor(TableKind kind) {
  static const auto tables = [] {
    std::array<EntryTable, 3> all;
    for (EntryTable& t : all) t.get("Name", [](TableEntryObject& e) { return Variant(e.name()); });
    EntryTable& layers = all[static_cast<std::size_t>(TableKind::Layers)];
    layers.put("Freeze", [](TableEntryObject& e, const Variant& v) {
      const bool freeze = v.toBool();
      if (freeze && sameName(e.name(), e.document().headerString("$CLAYER", 8, u"0"))) {
        throw HostError(hr::kFail, "The current layer cannot be frozen");
      }
      const int flags = e.record().integer(70);
      e.change(
          [&](Record& r) { placeInteger(r, 70, freeze ? flags | 1 : flags & ~1, layerPlace()); });
    });
    layers.get("Freeze",
               [](TableEntryObject& e) { return Variant((e.record().integer(70) & 1) != 0); });
    addFlag(layers, "Lock", 4, layerPlace());
    layers.get("LayerOn",
               [](TableEntryObject& e) { return Variant(e.record().integer(62, 7) >= 0); });

    EntryTable& styles = all[static_cast<std::size_t>(TableKind::TextStyles)];
    addString(styles, "FontFile", 3, stylePlace());
    addString(styles, "BigFontFile", 4, stylePlace());
    styles
        .get("TextGenerationFlag",
             [](TableEntryObject& e) { return Variant(e.record().integer(71)); })
        .put("TextGenerationFlag", [](TableEntryObject& e, const Variant& v) {
          const int flags = v.toInt();
          e.change([&](Record& r) { placeInteger(r, 71, flags, stylePlace()); });
        });
    addNumber(styles, "Width", 41, 1, 1);
    addNumber(styles, "Height", 40, 0, 1);
    addNumber(styles, "ObliqueAngle", 50, 0, kDegree);
    styles.read("SetFont", [](TableEntryObject& e, std::span<Variant> args) {
      setFont(e, args);
      return Variant();
    });
    styles.read("GetFont", [](TableEntryObject& e, std::span<Variant> args) {
      getFont(e, args);
      return Variant();
    });
    return all;
  }();
  return tables[static_cast<std::size_t>(kind)];
}

bool validName(std::u16string_view name) {
  if (name.empty()) return false;
  return name.find_first_of(u"<>/\\\":;?*|,=`") == std::u16string_view::npos;
}

}  // namespace

const char* tableName(TableKind kind) {
  switch (kind) {
    case TableKind::Layers:
      return "LAYER";
    case TableKind::TextStyles:
      return "STYLE";
    case TableKind::DimStyles:
      break;
  }
  return "DIMSTYLE";
}

Table& TableEntryObject::table() const {
  Table* t = document_->table(tableName(kind_));
  if (!t) throw HostError(hr::kFail, "Object was erased");
  return *t;
}

std::size_t TableEntryObject::index() const {
  const std::size_t at = entry_ == kImplicitStandard ? document_->standardStyleIndex() : entry_;
  if (at >= table().entries.size()) throw HostError(hr::kFail, "Object was erased");
  return at;
}

const Record& TableEntryObject::record() const {
  if (entry_ == kImplicitStandard) {
    if (const Record* implicit = document_->implicitStandardStyle()) return *implicit;
  }
  return table().entries[index()];
}

Variant TableEntryObject::invoke(std::string_view name, host::Invoke kind,
                                 std::span<Variant> args) {
  JournalCall call(document_->journal());
  return membersFor(kind_).invoke(*this, name, kind, args);
}

// Shape files live in the STYLE table too, but are no text styles.
bool TableObject::shows(const Record& entry) const {
  return kind_ != TableKind::TextStyles ||
         ((entry.integer(70) & 1) == 0 && !entry.value(2).empty());
}

std::vector<std::size_t> TableObject::entries() const {
  std::vector<std::size_t> out;
  if (const Table* t = document_->table(tableName(kind_))) {
    for (std::size_t i = 0; i < t->entries.size(); ++i) {
      if (shows(t->entries[i])) out.push_back(i);
    }
  }
  if (kind_ == TableKind::TextStyles && document_->implicitStandardStyle()) {
    out.push_back(TableEntryObject::kImplicitStandard);
  }
  return out;
}

host::ObjectPtr TableObject::item(const Variant& index) const {
  // By name, the first entry of that name is the one, unless the collection
  // hides it (then the names of all it shows are searched below).
  if (index.type() == Variant::Type::String) {
    const char* table = tableName(kind_);
    const std::size_t at = document_->entryIndex(table, index.toString());
    if (at != Record::npos && shows(document_->table(table)->entries[at])) {
      return std::make_shared<TableEntryObject>(document_, kind_, at);
    }
  }
  const auto list = entries();
  std::vector<std::u16string> names;
  for (std::size_t i : list) {
    names.push_back(TableEntryObject(document_, kind_, i).name());
  }
  return std::make_shared<TableEntryObject>(document_, kind_, list[namedIndex(index, names)]);
}

host::ObjectPtr TableObject::addTextStyle(std::u16string_view name) {
  if (!validName(name))
    throw HostError(hr::kInvalidArg, "Invalid style name: " + utf16ToUtf8(name));
  if (document_->hasEntry("STYLE", name)) return item(Variant(std::u16string(name)));
  Table& t = document_->styleTable();
  document_->rememberTable(t);
  t.entries.emplace_back(
      document_->newTextStyle(name, document_->newRecordHandle(), std::string(t.head.value(5))));
  t.head.set(70, std::to_string(t.entries.size()));
  return std::make_shared<TableEntryObject>(document_, kind_, t.entries.size() - 1);
}

Variant TableObject::invoke(std::string_view name, host::Invoke kind, std::span<Variant> args) {
  static const auto table = [] {
    host::MemberTable<TableObject> t;
    t.get("Count",
          [](TableObject& c) { return Variant(static_cast<std::int32_t>(c.entries().size())); })
        .read("Item",
              [](TableObject& c, std::span<Variant> a) {
                host::requireArgs(a, 1, 1, "Item");
                return Variant(c.item(a[0]));
              })
        .read("Add", [](TableObject& c, std::span<Variant> a) {
          host::requireArgs(a, 1, 1, "Add");
          if (c.kind_ != TableKind::TextStyles) {
            throw HostError(hr::kNotImpl, "Add is not available for this collection");
          }
          return Variant(c.addTextStyle(a[0].toString()));
        });
    return t;
  }();
  JournalCall call(document_->journal());
  return table.invoke(*this, name, kind, args);
}

}  // namespace vrn::drawing
