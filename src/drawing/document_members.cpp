// The late-bound members of Document.

#include "drawing/block_objects.h"
#include "drawing/document.h"
#include "drawing/file_names.h"
#include "drawing/selection_set.h"
#include "drawing/table_objects.h"
#include "drawing/utility_object.h"
#include "host/host_error.h"
#include "host/ref.h"
#include "host/utf8.h"

namespace vrn::drawing {
namespace {

using host::HostError;
using host::Variant;
namespace hr = host::hr;

// An active table entry: the header variable names it.
struct Active {
  const char* member;
  TableKind kind;
  const char* variable;
  int code;
  const char16_t* fallback;
};

constexpr Active kActives[] = {
    {"ActiveTextStyle", TableKind::TextStyles, "$TEXTSTYLE", 7, u"Standard"},
    {"ActiveLayer", TableKind::Layers, "$CLAYER", 8, u"0"},
    {"ActiveDimStyle", TableKind::DimStyles, "$DIMSTYLE", 2, u"Standard"},
};

void addActive(host::MemberTable<Document>& t, const Active& a) {
  t.get(a.member, [&a](Document& d) {
     const TableObject collection(d.shared_from_this(), a.kind);
     const std::u16string name = d.headerString(a.variable, a.code, a.fallback);
     // A header naming an entry the drawing lacks falls back to the first one.
     const bool known = d.hasEntry(tableName(a.kind), name);
     return Variant(collection.item(known ? Variant(name) : Variant(std::int32_t{0})));
   }).put(a.member, [&a](Document& d, const Variant& v) {
    const std::u16string name = host::Ref(v.toObject()).get("Name").toString();
    if (!d.hasEntry(tableName(a.kind), name)) {
      throw HostError(hr::kInvalidArg,
                      std::string(a.member) + ": no entry named " + utf16ToUtf8(name));
    }
    d.setHeaderString(a.variable, a.code, name);
  });
}

Variant noOperation(Document&, std::span<Variant>) { return Variant(); }

}  // namespace

const host::MemberTable<Document>& Document::members() {
  static const auto table = [] {
    host::MemberTable<Document> t;
    t.get("ActiveSpace", [](Document& d) {
       return Variant(std::int32_t{d.activeSpace().kind == Space::Kind::Model ? 1 : 0});
     }).put("ActiveSpace", [](Document& d, const Variant& v) {
      d.setHeaderString("$TILEMODE", 70, v.toInt() == 1 ? u"1" : u"0");
    });
    t.get("ModelSpace",
          [](Document& d) {
            return Variant(
                std::make_shared<BlockObject>(d.shared_from_this(), Space{Space::Kind::Model, 0}));
          })
        .get("PaperSpace",
             [](Document& d) {
               return Variant(std::make_shared<BlockObject>(d.shared_from_this(),
                                                            Space{Space::Kind::Paper, 0}));
             })
        .get("Blocks",
             [](Document& d) {
               return Variant(std::make_shared<BlocksObject>(d.shared_from_this()));
             })
        .get("Layers",
             [](Document& d) {
               return Variant(
                   std::make_shared<TableObject>(d.shared_from_this(), TableKind::Layers));
             })
        .get("TextStyles",
             [](Document& d) {
               return Variant(
                   std::make_shared<TableObject>(d.shared_from_this(), TableKind::TextStyles));
             })
        .get("DimStyles",
             [](Document& d) {
               return Variant(
                   std::make_shared<TableObject>(d.shared_from_this(), TableKind::DimStyles));
             })
        .get("Utility",
             [](Document& d) {
               return Variant(std::make_shared<UtilityObject>(d.shared_from_this()));
             })
        .get("SelectionSets", [](Document& d) {
          return Variant(std::make_shared<SelectionSetsObject>(d.shared_from_this()));
        });
    for (const Active& a : kActives) addActive(t, a);
    t.read("HandleToObject",
           [](Document& d, std::span<Variant> a) {
             host::requireArgs(a, 1, 1, "HandleToObject");
             const std::string handle = utf16ToUtf8(a[0].toString());
             const EntityPtr e = d.findEntity(handle);
             if (!e) throw HostError(hr::kInvalidArg, "No object has the handle " + handle);
             return Variant(d.objectOf(e));
           })
        .read("GetVariable",
              [](Document& d, std::span<Variant> a) {
                host::requireArgs(a, 1, 1, "GetVariable");
                return d.getVariable(utf16ToUtf8(a[0].toString()));
              })
        .read("SetVariable",
              [](Document& d, std::span<Variant> a) {
                host::requireArgs(a, 2, 2, "SetVariable");
                d.setVariable(utf16ToUtf8(a[0].toString()), a[1]);
                return Variant();
              })
        .read("SendCommand",
              [](Document& d, std::span<Variant> a) {
                host::requireArgs(a, 1, 1, "SendCommand");
                d.sendCommand(a[0].toString());
                return Variant();
              })
        .read("StartUndoMark",
              [](Document& d, std::span<Variant> a) {
                host::requireArgs(a, 0, 0, "StartUndoMark");
                d.journal().startMark();
                return Variant();
              })
        .read("EndUndoMark",
              [](Document& d, std::span<Variant> a) {
                host::requireArgs(a, 0, 0, "EndUndoMark");
                d.journal().endMark();
                return Variant();
              })
        // Nothing is shown, so there is nothing to regenerate.
        .read("Regen", noOperation)
        .read("Save",
              [](Document& d, std::span<Variant> a) {
                host::requireArgs(a, 0, 0, "Save");
                d.save();
                return Variant();
              })
        .read("SaveAs",
              [](Document& d, std::span<Variant> a) {
                host::requireArgs(a, 1, 3, "SaveAs");
                const std::string path = utf16ToUtf8(a[0].toString());
                if (path.empty()) throw HostError(hr::kInvalidArg, "SaveAs: no file name");
                d.save(path);
                return Variant();
              })
        .get("Saved", [](Document& d) { return Variant(d.saved()); })
        .get("Name", [](Document& d) { return Variant(d.name().c_str()); })
        .get("FullName", [](Document& d) { return Variant(d.path().c_str()); })
        .get("Path", [](Document& d) { return Variant(folderOf(d.path()).c_str()); });
    return t;
  }();
  return table;
}

host::Variant Document::invoke(std::string_view name, host::Invoke kind,
                               std::span<host::Variant> args) {
  JournalCall call(journal_);
  return members().invoke(*this, name, kind, args);
}

}  // namespace vrn::drawing
