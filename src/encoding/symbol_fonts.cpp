#include "encoding/symbol_fonts.h"

#include <limits>

#include "ascii/letter_case.h"

namespace vrn::encoding {
namespace {

std::int16_t readCode(const platform::IniFile& fontfile, std::u16string_view section,
                      std::size_t j) {
  std::string digits = std::to_string(j);
  std::u16string key = u"b" + std::u16string(digits.begin(), digits.end());
  std::int32_t value = fontfile.readInteger(section, key, 0);
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    return 0;
  }
  return static_cast<std::int16_t>(value);
}

}  // namespace

std::vector<SymbolFont> readSymbolFonts(const platform::IniFile& fontfile) {
  std::vector<SymbolFont> fonts;
  for (const std::u16string& name : fontfile.readSection(u"SymbolFonts")) {
    SymbolFont font{name, {}};
    for (std::size_t j = 1; j <= font.symbols.b.size(); ++j) {
      font.symbols.b[j - 1] = readCode(fontfile, name, j);
    }
    fonts.push_back(std::move(font));
  }
  return fonts;
}

const tsymb* findSymbolFont(const std::vector<SymbolFont>& fonts, std::u16string_view name) {
  for (const SymbolFont& font : fonts) {
    if (equalsIgnoringAsciiCase(font.name, name)) return &font.symbols;
  }
  return nullptr;
}

}  // namespace vrn::encoding
