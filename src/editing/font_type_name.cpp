#include "editing/font_type_name.h"

namespace vrn::editing {

std::u16string fontTypeName(fntType type) {
  switch (type) {
    case fntType::DosHebrew:
      return u"Dos Hebrew";
    case fntType::DosEnglish:
      return u"Dos English";
    case fntType::DosEnglishR:
      return u"Dos English Reversed";
    case fntType::WindowsHeb:
      return u"Windows";
    case fntType::TrueType:
      return u"True Type";
  }
  return {};
}

fntType nextFontType(fntType type) {
  return type == fntType::TrueType ? fntType::DosHebrew
                                   : static_cast<fntType>(static_cast<int>(type) + 1);
}

}  // namespace vrn::editing
