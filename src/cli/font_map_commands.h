#pragma once
// `vrn fonts`: prints the font map of the data directory (VrnFonts.txt), a
// title row and one row per font with its mapping word. `vrn fonts set FONT
// TYPE` records a font's type as changefnt does, writing the whole map.

#include <ostream>
#include <string>

#include "automation/module.h"

namespace vrn::cli {

struct FontMapCommand {
  std::string font;
  std::string type;  // DosHebrew, DosEnglish, DosEnglishR, Windows or TrueType, any case

  void run(const automation::ModuleOptions& options, bool set, std::ostream& out) const;
};

}  // namespace vrn::cli
