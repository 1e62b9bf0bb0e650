#include "encoding/font_map_file.h"

#include <algorithm>

#include "ascii/blanks.h"
#include "ascii/letter_case.h"

namespace vrn::encoding {

namespace {
constexpr std::u16string_view kFontsSection = u"Fonts";
}

std::vector<std::u16string> readFontList(const platform::IniFile& fontfile) {
  std::vector<std::u16string> fontlist = fontfile.readSection(kFontsSection);
  auto byUpperCase = [](const std::u16string& a, const std::u16string& b) {
    return upperAscii(a) < upperAscii(b);
  };
  std::stable_sort(fontlist.begin(), fontlist.end(), byUpperCase);
  auto sameUpperCase = [](const std::u16string& a, const std::u16string& b) {
    return equalsIgnoringAsciiCase(a, b);
  };
  fontlist.erase(std::unique(fontlist.begin(), fontlist.end(), sameUpperCase), fontlist.end());
  return fontlist;
}

void appendFontRows(FontMapGrid& fontmaps, const platform::IniFile& fontfile,
                    const std::vector<std::u16string>& fontlist) {
  for (const std::u16string& font : fontlist) {
    fontmaps.appendRow({font, fontfile.readString(kFontsSection, font, u"")});
  }
}

FontMapGrid fontMapOf(const platform::IniFile& fontfile) {
  FontMapGrid fontmaps;
  appendFontRows(fontmaps, fontfile, readFontList(fontfile));
  if (fontmaps.entryCount() >= 1) fontmaps.selectRow(1);
  return fontmaps;
}

std::string fontKeyProblem(std::u16string_view key) {
  if (key.empty()) return "it is empty";
  if (key.find(u'=') != std::u16string_view::npos) return "it holds '='";
  if (key.front() == u';' || key.front() == u'[') return "it starts with ';' or '['";
  if (trimBlanks(key).size() != key.size()) return "it starts or ends with a blank";
  const bool control = std::any_of(key.begin(), key.end(), [](char16_t c) { return c < 0x20; });
  if (control) return "it holds a control character";
  return {};
}

void writeFontMap(platform::IniFile& fontfile, const FontMapGrid& fontmaps, EmptyKeys emptyKeys) {
  fontfile.eraseSection(kFontsSection);
  for (std::size_t i = 1; i < fontmaps.rowCount(); ++i) {
    const FontMapRow& row = fontmaps.row(i);
    if (row.key.empty() && emptyKeys == EmptyKeys::Skip) continue;
    fontfile.writeString(kFontsSection, row.key, row.mapping);
  }
  fontfile.updateFile();
}

}  // namespace vrn::encoding
