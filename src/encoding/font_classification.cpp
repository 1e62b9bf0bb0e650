#include "encoding/font_classification.h"

#include <algorithm>

#include "ascii/letter_case.h"
#include "encoding/char_tables.h"

namespace vrn::encoding {
namespace {

struct SplitName {
  std::u16string_view withoutExtension;  // folder kept
  std::u16string_view fileName;          // no folder
  std::u16string_view fileStem;          // no folder, no extension
  std::u16string_view extension;         // with its dot
};

SplitName splitName(std::u16string_view fsname) {
  std::size_t folderEnd = fsname.find_last_of(u"\\/:");
  std::size_t nameStart = folderEnd == std::u16string_view::npos ? 0 : folderEnd + 1;
  std::u16string_view fileName = fsname.substr(nameStart);
  std::size_t dot = fileName.rfind(u'.');
  std::size_t stemLength = dot == std::u16string_view::npos ? fileName.size() : dot;
  return {fsname.substr(0, nameStart + stemLength), fileName, fileName.substr(0, stemLength),
          fileName.substr(stemLength)};
}

bool holdsDosLetter(std::u16string_view str) {
  std::string bytes = byteForm(str);
  return std::any_of(bytes.begin(), bytes.end(), [](char c) {
    auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 && byte <= 0x9A;
  });
}

}  // namespace

std::u16string_view mappingWordOf(fntType type) {
  switch (type) {
    case fntType::DosHebrew:
    case fntType::DosEnglish:
    case fntType::DosEnglishR:
    case fntType::WindowsHeb:
      return kFontMappingWords[static_cast<std::size_t>(type)];
    default:
      return u"TrueType";
  }
}

std::optional<fntType> typeOfMappingWord(std::u16string_view word) {
  for (std::size_t i = 0; i < kFontMappingWords.size(); ++i) {
    if (equalsIgnoringAsciiCase(word, kFontMappingWords[i])) return static_cast<fntType>(i);
  }
  return std::nullopt;
}

std::u16string fontMapKey(std::u16string_view fsname) {
  return upperAscii(splitName(fsname).fileStem);
}

FontClassification classifyFont(std::u16string_view fsname, const FontMapGrid& fontmaps) {
  SplitName name = splitName(fsname);
  FontClassification result;
  result.emptyFileName = name.fileName.empty();
  if (result.emptyFileName) result.type = fntType::TrueType;
  result.cStFont = upperAscii(name.withoutExtension);
  if (result.cStFont.starts_with(u"VORNEL")) {
    result.type = fntType::WindowsHeb;
    result.by = ClassifiedBy::VornelName;
    return result;
  }
  if (equalsIgnoringAsciiCase(name.extension, u".TTF")) {
    result.type = fntType::TrueType;
    result.by = ClassifiedBy::TrueTypeExtension;
    return result;
  }
  if (auto row = fontmaps.findKey(name.fileStem)) {
    if (auto mapped = typeOfMappingWord(fontmaps.row(*row).mapping)) result.type = *mapped;
  }
  return result;
}

fntType textFontType(const FontClassification& font, std::u16string_view str) {
  if (font.by == ClassifiedBy::FontMap && font.type == fntType::WindowsHeb && !str.empty() &&
      holdsDosLetter(str)) {
    return fntType::DosHebrew;
  }
  return font.type;
}

}  // namespace vrn::encoding
