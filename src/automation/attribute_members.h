#pragma once
// The attribute editors behind the members block (on anything but an
// attribute reference) and edit (on an attribute definition). Both run
// after the member has refreshed the host view and looked the entity up.

#include <string>

namespace vrn::automation {

class Module;

void blockEditorMember(Module& module, const std::u16string& ent);
void attributeDefinitionMember(Module& module, const std::u16string& ent);

}  // namespace vrn::automation
