#include "automation/cmd.h"

#include "automation/module.h"
#include "automation/not_available.h"
#include "automation/shell_members.h"
#include "encoding/keyboard_switch.h"
#include "library/db_commands.h"

namespace vrn::automation {
namespace {

// ISO 639-2 code of Hebrew.
bool isHebrewCode(const std::u16string& code) {
  if (code.size() != 3) return false;
  const char16_t* heb = u"heb";
  for (std::size_t i = 0; i < 3; ++i) {
    const char16_t c = code[i] >= u'A' && code[i] <= u'Z' ? static_cast<char16_t>(code[i] + 32) : code[i];
    if (c != heb[i]) return false;
  }
  return true;
}

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
    module.view().RefreshAcad();
    formNotAvailable();
  }
}

}  // namespace vrn::automation
