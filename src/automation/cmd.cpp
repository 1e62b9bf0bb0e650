#include "automation/cmd.h"

#include "ascii/letter_case.h"
#include "automation/drawing_ops_members.h"
#include "automation/module.h"
#include "automation/shell_members.h"
#include "encoding/keyboard_switch.h"
#include "library/db_commands.h"

namespace vrn::automation {
namespace {

// The ISO 639-2 code of Hebrew, in any case.
bool isHebrewCode(std::u16string_view code) { return equalsIgnoringAsciiCase(code, u"heb"); }

}  // namespace

void runCmd(Module& module, const std::u16string& cmd, const std::u16string& par,
            const std::u16string& value) {
  if (cmd == u"db_sqlexec") {
    library::db_sqlexec(par, value);
  } else if (cmd == u"db_gettable") {
    module.Vrnstr = library::db_gettable(par, value);
  } else if (cmd == u"set_lang") {
    if (isHebrewCode(par)) {
      encoding::SetKeyboardHebrew();
    } else {
      encoding::SetKeyboardEnglish();
    }
  } else if (cmd == u"about_vrn") {
    showAboutBox(module);
  } else if (cmd == u"hfont_convert") {
    hfontConvertMember(module);
  }
}

}  // namespace vrn::automation
