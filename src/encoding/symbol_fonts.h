#pragma once
// Symbol fonts: the fonts whose characters the single-line editor offers as
// buttons. The font map names them under [SymbolFonts]; a section named
// after each font gives b1..b13, the code each button inserts (0: no
// button). The table is read once and never written.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini_file.h"

namespace vrn::encoding {

struct tsymb {
  std::array<std::int16_t, 13> b{};  // b[0] is b1

  std::int16_t button(std::size_t j) const { return b.at(j - 1); }  // j in 1..13
};

struct SymbolFont {
  std::u16string name;
  tsymb symbols;
};

// In [SymbolFonts] order. A b-value that is no 16-bit integer counts as 0.
std::vector<SymbolFont> readSymbolFonts(const platform::IniFile& fontfile);

// The record of the first font whose name equals name without regard to case.
const tsymb* findSymbolFont(const std::vector<SymbolFont>& fonts, std::u16string_view name);

}  // namespace vrn::encoding
