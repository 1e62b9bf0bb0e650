#include "encoding/string_conversion.h"

#include "encoding/char_tables.h"
#include "encoding/letter_layouts.h"
#include "encoding/reorder.h"
#include "encoding/reversal.h"

namespace vrn::encoding {

std::string AcadToStr(std::string_view text, fntType type, bool backward) {
  if (text.empty()) {
    return {};
  }
  std::string work = backward ? RevStr(std::string(text)) : std::string(text);
  if (type == fntType::TrueType) {
    return RevStr(LeftToRightDC(work));
  }
  if (!isLetterLayout(type)) {
    return {};
  }
  if (!storedIsEnglishOnly(work, type)) {
    work = storedToReadingOrder(std::move(work), type);
  }
  return mirrorBrackets(std::move(work));
}

std::string StrToAcad(std::string_view text, fntType type, bool backward) {
  if (text.empty()) {
    return {};
  }
  if (type == fntType::TrueType) {
    return RightToLeftDC(text);  // neither reversed for backward nor mirrored
  }
  if (!isLetterLayout(type)) {
    return {};
  }
  std::string work(text);
  if (!readingOrderIsEnglishOnly(work, type)) {
    work = readingOrderToStored(std::move(work), type);
  }
  if (backward) {
    work = RevStr(std::move(work));
  }
  return mirrorBrackets(std::move(work));
}

// The screen context reads right to left (VisualOrderDC).
std::u16string AcadToStr(std::u16string_view text, fntType type, bool backward) {
  if (type != fntType::TrueType) {
    return wideForm(AcadToStr(byteForm(text), type, backward));
  }
  // RevStr(LeftToRightDC(work))
  return leftToRightWide(backward ? reverseCharacters(std::u16string(text)) : text,
                         platform::ReadingDirection::RightToLeft, true);
}

std::u16string StrToAcad(std::u16string_view text, fntType type, bool backward) {
  if (type != fntType::TrueType) {
    return wideForm(StrToAcad(byteForm(text), type, backward));
  }
  // RightToLeftDC(text); no reversal for backward
  return rightToLeftWide(text, platform::ReadingDirection::RightToLeft, false);
}

}  // namespace vrn::encoding
