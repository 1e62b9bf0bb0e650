#include "cli/font_map_commands.h"

#include <algorithm>
#include <stdexcept>

#include "encoding/font_classification.h"
#include "encoding/tfrm_fonts.h"
#include "host/utf8.h"

namespace vrn::cli {
namespace {

fntType typeOfWord(const std::string& word) {
  const std::u16string wide = utf8ToUtf16(word);
  if (const auto type = encoding::typeOfMappingWord(wide)) return *type;
  if (encoding::upperCaseAscii(wide) == u"TRUETYPE") return fntType::TrueType;
  throw std::invalid_argument("unknown font type \"" + word +
                              "\": use DosHebrew, DosEnglish, DosEnglishR, Windows or TrueType");
}

void printFontMap(const encoding::FontMapGrid& map, std::ostream& out) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < map.rowCount(); ++i) {
    width = std::max(width, utf16ToUtf8(map.row(i).key).size());
  }
  for (std::size_t i = 0; i < map.rowCount(); ++i) {
    const std::string key = utf16ToUtf8(map.row(i).key);
    out << key << std::string(width - key.size() + 2, ' ') << utf16ToUtf8(map.row(i).mapping) << '\n';
  }
}

}  // namespace

void FontMapCommand::run(const automation::ModuleOptions& options, bool set, std::ostream& out) const {
  automation::Module module(options);
  encoding::TfrmFonts& fonts = module.frmFonts();
  if (set) {
    fonts.changefnt(utf8ToUtf16(font), typeOfWord(type));
  } else {
    printFontMap(fonts.fontmaps, out);
  }
}

}  // namespace vrn::cli
