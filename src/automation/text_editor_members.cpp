#include "automation/text_editor_members.h"

#include "ascii/letter_case.h"
#include "automation/attribute_members.h"
#include "automation/module.h"
#include "automation/multiline_members.h"
#include "editing/thtext.h"
#include "ui/owned_form.h"

namespace vrn::automation {
namespace {

using editing::Thtext;

std::u16string upperObjectName(Module& module, const std::u16string& ent) {
  const host::Ref entity = module.view().AcadDoc.call("HandleToObject", ent).toObject();
  return upperAscii(entity.get("Objectname").toString());
}

bool has(const std::u16string& text, std::u16string_view part) {
  return text.find(part) != std::u16string::npos;
}

editing::ThtextServices servicesOf(Module& module) {
  HostView& view = module.view();
  return {module.frmFonts(), module.Rinistr(),
          editing::HostAccess{
              view.AcadDoc, view.AcadStyles, view.CurStyle, view.CurStyleName,
              [&view] { view.ActiveStyleFontType(); },
              [&view](std::u16string_view stored) { return view.classifyCurStyle(stored).font; }},
          module.textEditor};
}

void showThtext(Module& module, ui::Toolkit& toolkit, const std::u16string& ent,
                Thtext::EdKind kind) {
  ui::OwnedForm<Thtext> form(toolkit, servicesOf(module));
  form->chandle = ent;
  if (kind == Thtext::EdKind::edNew) {
    form->GetinputNewtext();
  } else {
    form->GetinputEdittext();
  }
  form->showModal();
  form.destroy();
}

}  // namespace

void newtextMember(Module& module, const std::u16string& ent) {
  module.view().RefreshAcad();
  showThtext(module, module.toolkit(), ent, Thtext::EdKind::edNew);
}

void editMember(Module& module, const std::u16string& ent) {
  module.view().RefreshAcad();
  ui::Toolkit& toolkit = module.toolkit();
  const std::u16string name = upperObjectName(module, ent);
  if (has(name, u"MTEXT")) return editMtextMember(module, ent);
  if (has(name, u"ATTDEF") || has(name, u"ATTRIBUTEDEF"))
    return attributeDefinitionMember(module, ent);
  showThtext(module, toolkit, ent, Thtext::EdKind::edEdit);
}

void blockMember(Module& module, const std::u16string& ent) {
  module.view().RefreshAcad();
  ui::Toolkit& toolkit = module.toolkit();
  if (!has(upperObjectName(module, ent), u"ATTRIB")) return blockEditorMember(module, ent);
  showThtext(module, toolkit, ent, Thtext::EdKind::edEdit);
}

}  // namespace vrn::automation
