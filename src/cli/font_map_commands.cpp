#include "cli/font_map_commands.h"

#include <algorithm>

#include "cli/terminal_text.h"
#include "encoding/font_classification.h"
#include "encoding/font_map_file.h"
#include "encoding/tfrm_fonts.h"
#include "host/utf8.h"

namespace vrn::cli {
namespace {

void printFontMap(const encoding::FontMapGrid& map, std::ostream& out) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < map.rowCount(); ++i) {
    width = std::max(width, terminalSafe(utf16ToUtf8(map.row(i).key)).size());
  }
  for (std::size_t i = 0; i < map.rowCount(); ++i) {
    const std::string key = terminalSafe(utf16ToUtf8(map.row(i).key));
    out << key << std::string(width - key.size() + 2, ' ')
        << terminalSafe(utf16ToUtf8(map.row(i).mapping)) << '\n';
  }
}

}  // namespace

std::map<std::string, int> fontTypeWords() {
  std::map<std::string, int> words;
  for (int type = 0; type <= static_cast<int>(fntType::TrueType); ++type) {
    words.emplace(utf16ToUtf8(encoding::mappingWordOf(static_cast<fntType>(type))), type);
  }
  return words;
}

std::string fontNameProblem(const std::string& font) {
  const std::string why = encoding::fontKeyProblem(encoding::fontMapKey(utf8ToUtf16(font)));
  if (why.empty()) return {};
  return "the font map cannot hold the font name \"" + font + "\": " + why;
}

void FontMapCommand::run(automation::Module& module, bool set, std::ostream& out) const {
  encoding::TfrmFonts& fonts = module.frmFonts();
  if (set) {
    fonts.changefnt(utf8ToUtf16(font), static_cast<fntType>(type));
  } else {
    printFontMap(fonts.fontmaps, out);
  }
}

}  // namespace vrn::cli
