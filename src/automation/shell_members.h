#pragma once
// The members that show the user-interface shell's forms: the font table
// (FontTable) and the About box (Cmd "about_vrn"). Both need no drawing;
// without a backend for forms they fail with E_NOTIMPL.

namespace vrn::automation {

class Module;

// The "Fonts Definition" window over the module's font map, modally.
void showFontTable(Module& module);
// TAboutBox, modally, freed again.
void showAboutBox(Module& module);

}  // namespace vrn::automation
