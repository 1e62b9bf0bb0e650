#include "encoding/font_conversion.h"

#include <utility>

#include "encoding/char_tables.h"
#include "encoding/conversions.h"
#include "encoding/reorder.h"
#include "encoding/reversal.h"

namespace vrn::encoding {
namespace {

bool isEnglishKeys(fntType t) { return t == fntType::DosEnglish || t == fntType::DosEnglishR; }

// Letters of layout a as those of layout b, both of 0-3; order untouched.
std::string mapLetters(std::string d, fntType a, fntType b) {
  if (a == b || (isEnglishKeys(a) && isEnglishKeys(b))) return d;
  if (a == fntType::DosHebrew)
    return b == fntType::WindowsHeb ? DosToWin(std::move(d)) : DosToEng(std::move(d));
  if (isEnglishKeys(a))
    return b == fntType::DosHebrew ? EngToDos(std::move(d)) : EngToWin(std::move(d));
  return b == fntType::DosHebrew ? WinToDos(std::move(d)) : WinToEng(std::move(d));
}

}  // namespace

std::string ConvertFntType(std::string x, fntType a, bool ab, fntType b, bool bb) {
  if (!isKnownFontType(a) || !isKnownFontType(b) || b == fntType::TrueType) return {};
  std::string d = ab == bb ? std::move(x) : RevStr(std::move(x));
  if (a == b) return d;
  if (a == fntType::TrueType) {
    d = VisualOrderDC(d);
    a = fntType::WindowsHeb;
    if (b == fntType::WindowsHeb) return d;
  }
  // DosEnglishR fonts store reading order, the other shape fonts visual
  // order: the letters are reversed only between the two kinds.
  const bool reversed = (a == fntType::DosEnglishR) != (b == fntType::DosEnglishR);
  d = mapLetters(std::move(d), a, b);
  return reversed ? RevStr(std::move(d)) : d;
}

std::u16string ConvertFntTypeW(std::u16string_view t, fntType a, bool ab, fntType b, bool bb) {
  if (a == fntType::TrueType || !isKnownFontType(a)) {
    return wideForm(ConvertFntType(byteForm(t), a, ab, b, bb));
  }
  StoredBytes stored = readStoredBytes(t, a);
  return wideForm(ConvertFntType(std::move(stored.bytes), stored.type, ab, b, bb));
}

std::u16string RemapLetters(std::u16string_view t, fntType a, fntType b) {
  const bool changes =
      a != fntType::TrueType && isKnownFontType(a) &&
      (b == fntType::DosHebrew || b == fntType::DosEnglish || b == fntType::WindowsHeb);
  if (!changes) return std::u16string(t);
  return wideForm(mapLetters(byteForm(t), a, b));
}

}  // namespace vrn::encoding
