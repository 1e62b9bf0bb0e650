#include "editing/replace_texts.h"

#include <vector>

#include "editing/picked_text.h"
#include "editing/scoped_selection_set.h"
#include "editing/tfrm_editor.h"
#include "encoding/tfrm_fonts.h"
#include "host/entity_type.h"
#include "host/point.h"
#include "ui/owned_form.h"

namespace vrn::editing {
namespace {

// The texts of one picked entity: itself, or a block reference's attributes.
std::vector<host::Ref> textsOf(const host::Ref& entity) {
  const auto type = static_cast<host::EntityType>(entity.get("EntityType").toInt());
  if (type == host::EntityType::Text) return {entity};
  if (type != host::EntityType::BlockReference || !entity.get("HasAttributes").toBool()) return {};
  std::vector<host::Ref> texts;
  for (const host::Variant& attribute : entity.get("GetAttributes").array().items) {
    texts.push_back(attribute.toObject());
  }
  return texts;
}

rstrec recordOf(ReplaceContext& c, const host::Ref& text) {
  const std::u16string stored = text.get("TextString").toString();
  classifyNamedStyle(c.host.view, text.get("StyleName").toString(), stored);
  rstrec record;
  record.s = c.fonts.AcadToEditDos(stored);
  const host::Point3 at = host::toPoint(text.get("InsertionPoint"));
  record.x = at.x;
  record.y = at.y;
  record.cStType = c.fonts.cStType;
  record.cStBack = c.fonts.cStBack;
  record.obj = text;
  return record;
}

}  // namespace

void ReplaceTexts(ReplaceContext& context) {
  HostAccess& view = context.host.view;
  ScopedSelectionSet selection(view.AcadDoc, u"SSText");
  host::Ref& set = selection.set();
  set.call("SelectOnScreen", entityNameFilterTypes(), entityNameFilterValues(u"Text,INSERT"));
  const int count = set.get("Count").toInt();
  if (count == 0) return;

  ui::OwnedForm<TfrmEditor> form(context.toolkit, context.fonts, context.host.AcadApp,
                                 context.state);
  form->cbxsearch.setItems(context.state.SearchHistory);
  form->cbxReplace.setItems(context.state.ReplaceHistory);
  view.AcadStyles = view.AcadDoc.obj("TextStyles");
  std::vector<rstrec> records;
  for (int i = 0; i < count; ++i) {
    for (const host::Ref& text : textsOf(set.call("Item", i).toObject())) {
      records.push_back(recordOf(context, text));
    }
  }
  sortAsOnSheet(records);
  form->blines = std::move(records);
  form->fillFromRecords();
  form->showModal();
}

}  // namespace vrn::editing
