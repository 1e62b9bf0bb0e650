#include "automation/attribute_members.h"

#include "attributes/attribute_editors.h"
#include "automation/module.h"

namespace vrn::automation {
namespace {

attributes::AttributeContext contextOf(Module& module) {
  HostView& view = module.view();
  return {
      module.toolkit(),
      module.frmFonts(),
      module.Rinistr(),
      attributes::AttributeHost{view.AcadDoc, view.CurStyle,
                                [&view](const std::u16string& style, std::u16string_view stored) {
                                  view.classifyTextByStyle(style, stored);
                                }},
      module.DataDir(),
      module.Vrnstr};
}

}  // namespace

void blockEditorMember(Module& module, const std::u16string& ent) {
  attributes::AttributeContext context = contextOf(module);
  attributes::EditBlock(context, ent);
}

void attributeDefinitionMember(Module& module, const std::u16string& ent) {
  attributes::AttributeContext context = contextOf(module);
  attributes::EditAttributeDefinition(context, ent);
}

}  // namespace vrn::automation
