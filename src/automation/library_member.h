#pragma once
// The Hlib member: the text library browser on the active drawing.

namespace vrn::automation {

class Module;

void hlibMember(Module& module);

}  // namespace vrn::automation
