#pragma once
// Font classification: the font type of a style's font file, by its name
// and the font map. First rule that applies wins:
//
//   1. DosHebrew to start with; an empty file-name part makes it TrueType
//      (the remaining rules still run).
//   2. A name that begins with "VORNEL" (the product's own Windows-layout
//      fonts; a folder in front defeats the test)       -> WindowsHeb
//   3. Extension .TTF, any case                         -> TrueType
//   4. The first map row whose key equals the file name without folder and
//      extension, any case: "DosHebrew" 0, "DosEnglish" 1, "DosEnglishR" 2,
//      "Windows" 3, any case; another word leaves the type as it was.
//
// Font file names arrive as the host reports them: '\', '/' and ':' end
// a folder part.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "encoding/font_map_grid.h"
#include "encoding/font_type.h"

namespace vrn::encoding {

// The pick list of the mapping column, in this order.
inline constexpr std::array<std::u16string_view, 4> kFontMappingWords{u"DosHebrew", u"DosEnglish",
                                                                      u"DosEnglishR", u"Windows"};

// The word written into the map for a type: "TrueType" for 4 and any other value.
std::u16string_view mappingWordOf(fntType type);
// The type a map word stands for, without regard to case; nullopt for any
// other word ("TrueType" included).
std::optional<fntType> typeOfMappingWord(std::u16string_view word);

// The map key of a font file: file name without folder and extension,
// upper-cased.
std::u16string fontMapKey(std::u16string_view fsname);

enum class ClassifiedBy { VornelName, TrueTypeExtension, FontMap };

struct FontClassification {
  fntType type = fntType::DosHebrew;
  std::u16string cStFont;  // fsname without extension, upper-cased, folder kept
  bool emptyFileName = false;
  ClassifiedBy by = ClassifiedBy::FontMap;
};

FontClassification classifyFont(std::u16string_view fsname, const FontMapGrid& fontmaps);

// The type a text str of that font converts by: the font's, except that a
// font mapped "Windows" whose text holds a DOS letter (byte 0x80-0x9A) is
// taken as DosHebrew.
fntType textFontType(const FontClassification& font, std::u16string_view str);

}  // namespace vrn::encoding
