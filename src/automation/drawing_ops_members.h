#pragma once
// The members that open the windows of the drawing-wide operations: the
// font converter (Cmd "hfont_convert") and the Revit copy (Convert). Each
// refreshes the host view and shows its window over the active drawing.

namespace vrn::automation {

class Module;

void hfontConvertMember(Module& module);
void convertMember(Module& module);

}  // namespace vrn::automation
