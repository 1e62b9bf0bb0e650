#pragma once
// `vrn fonts`: prints the font map of the data directory (VrnFonts.txt), a
// title row and one row per font with its mapping word. `vrn fonts set FONT
// TYPE` records a font's type as changefnt does, writing the whole map.

#include <map>
#include <ostream>
#include <string>

#include "automation/module.h"

namespace vrn::cli {

// The words TYPE takes, and the font type each stands for.
std::map<std::string, int> fontTypeWords();

// Why FONT cannot be recorded in the map (its key would not read back as
// itself); empty when it can.
std::string fontNameProblem(const std::string& font);

struct FontMapCommand {
  std::string font;
  int type = 0;  // fntType

  void run(automation::Module& module, bool set, std::ostream& out) const;
};

}  // namespace vrn::cli
