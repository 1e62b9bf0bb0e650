#pragma once
// The sub-commands of the member `Cmd`, compared case-sensitively in this
// order; a name that matches none does nothing and succeeds.
//
//   "db_sqlexec"    par: database file, Value: one statement; Vrnstr untouched
//   "db_gettable"   par: database file, Value: a query; Vrnstr := the rows
//   "set_lang"      par "heb" in any case: Hebrew keyboard; else US English
//   "about_vrn"     the About box
//   "hfont_convert" RefreshAcad, then the font conversion form

#include <string>

namespace vrn::automation {

class Module;

void runCmd(Module& module, const std::u16string& cmd, const std::u16string& par,
            const std::u16string& value);

}  // namespace vrn::automation
