#include "editing/text_to_mtext.h"

#include <vector>

#include "editing/picked_text.h"
#include "editing/scoped_selection_set.h"
#include "editing/tfrmmtext.h"
#include "encoding/keyboard_switch.h"
#include "encoding/tfrm_fonts.h"
#include "host/point.h"
#include "host/undo_mark.h"
#include "ui/owned_form.h"

namespace vrn::editing {
namespace {

struct Picked {
  std::vector<rstrec> records;
  int justification = kJustifyLeft;  // the first text's horizontal alignment
};

Picked readPicked(MtextContext& c, host::Ref& set) {
  Picked picked;
  const int count = set.get("Count").toInt();
  for (int i = 0; i < count; ++i) {
    const host::Ref e = set.call("Item", i).toObject();
    const std::u16string style = e.get("StyleName").toString();
    if (i == 0) {
      c.state.MtextStyleName = style;
      c.host.CurLayerName = e.get("Layer").toString();
      picked.justification = e.get("HorizontalAlignment").toInt();
    }
    const std::u16string stored = e.get("TextString").toString();
    classifyNamedStyle(c.host.view, style, stored);
    rstrec record;
    record.s = c.fonts.AcadToEditWin(stored);
    const host::Point3 at = host::toPoint(e.get("InsertionPoint"));
    record.x = at.x;
    record.y = at.y;
    record.z = at.z;
    record.h = e.get("Height").toDouble();
    record.fntname = style;
    record.cStType = c.fonts.cStType;
    record.cStBack = c.fonts.cStBack;
    record.obj = e;
    picked.records.push_back(std::move(record));
  }
  return picked;
}

}  // namespace

void TextToMtext(MtextContext& context) {
  HostAccess& view = context.host.view;
  MtextState& state = context.state;
  const host::UndoMark mark(view.AcadDoc);
  context.host.CurLayerName = view.AcadDoc.obj("ActiveLayer").get("Name").toString();
  ScopedSelectionSet selection(view.AcadDoc, u"SSMText");
  host::Ref& set = selection.set();
  set.call("SelectOnScreen", entityNameFilterTypes(), entityNameFilterValues(u"Text"));
  Picked picked = readPicked(context, set);
  if (picked.records.empty()) {
    encoding::SetKeyboardEnglish();
    return;
  }
  sortAsOnSheet(picked.records);
  const rstrec& first = picked.records.front();
  state.MtextPoint = {first.x, first.y, first.z};
  state.MtextBasePoint = state.MtextPoint;
  state.MtextHeight = first.obj.get("Height").toDouble();
  // The lines go back under the font type of the style the new entities take.
  classifyNamedStyle(view, state.MtextStyleName, {});

  ui::OwnedForm<Tfrmmtext> form(context.toolkit, context.Rinistr, state);
  std::vector<std::u16string> lines;
  for (const rstrec& record : picked.records) lines.push_back(record.s);
  form->setMemoLines(lines);
  form->setAlignRight(picked.justification != kJustifyLeft);
  form->showStyle(state.MtextStyleName, view.CurStyle.get("FontFile").toString(),
                  state.MtextHeight);
  if (form->showModal() != ui::ModalResult::OK) return;
  const std::vector<std::u16string> edited = form->memoLines();
  if (edited.empty()) return;
  PlaceLines(context, edited, form->explode(), form->explode() ? form->spacing() : 0,
             picked.justification);
  set.call("Erase");
}

}  // namespace vrn::editing
