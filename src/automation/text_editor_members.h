#pragma once
// The members that open the single-line editor: newtext, edit and block.
// Each refreshes the host view, looks the entity up, and shows the form
// that fits it (edit and block hand other entities on to the multi-line
// and attribute editors).

#include <string>

namespace vrn::automation {

class Module;

void newtextMember(Module& module, const std::u16string& ent);
void editMember(Module& module, const std::u16string& ent);
void blockMember(Module& module, const std::u16string& ent);

}  // namespace vrn::automation
