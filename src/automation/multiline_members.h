#pragma once
// The members that open the multi-line editors: mtext (a new MTEXT or an
// existing one), edit on an MTEXT, HtoMtext (texts to one MTEXT) and
// replace (find and replace over picked texts).

#include <string>

namespace vrn::automation {

class Module;

void mtextMember(Module& module, const std::u16string& ent);
// After edit has refreshed the host view and found an MTEXT.
void editMtextMember(Module& module, const std::u16string& ent);
void HtoMtextMember(Module& module);
void replaceMember(Module& module);

}  // namespace vrn::automation
