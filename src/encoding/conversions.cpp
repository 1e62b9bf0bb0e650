#include "encoding/conversions.h"

#include "encoding/char_tables.h"
#include "encoding/reorder.h"

#include <cstddef>

namespace vrn::encoding {

std::u16string AcadToEditDos(std::u16string_view ss, FontState font) {
  if (ss.empty()) {
    return {};
  }
  std::string d = font.backward ? RevStr(byteForm(ss)) : byteForm(ss);
  switch (font.type) {
    case fntType::DosHebrew:
      return Symbtoedit(wideForm(DosToWin(std::move(d))));
    case fntType::DosEnglish:
      return wideForm(DosToWin(EngToDos(std::move(d))));
    case fntType::DosEnglishR:
      return wideForm(DosToWin(EngToDos(RevStr(std::move(d)))));
    case fntType::WindowsHeb:
      return font.backward ? wideForm(d) : std::u16string(ss);
    case fntType::TrueType:
      return IsEnglishOnlyBytes(d, fntType::TrueType) ? std::u16string(ss)
                                                      : wideForm(VisualOrder(d));
  }
  return {};
}

std::u16string EditToacadDos(std::u16string_view ss, FontState font) {
  if (ss.empty()) {
    return {};
  }
  std::u16string r;
  switch (font.type) {
    case fntType::DosHebrew:
      r = Symbtoacad(wideForm(WinToDos(byteForm(ss))));
      break;
    case fntType::DosEnglish:
      r = wideForm(DosToEng(WinToDos(byteForm(ss))));
      break;
    case fntType::DosEnglishR:
      r = wideForm(RevStr(DosToEng(WinToDos(byteForm(ss)))));
      break;
    case fntType::WindowsHeb:
      r = ss;
      break;
    case fntType::TrueType:
      r = wideForm(VisualOrder(byteForm(ss)));
      break;
    default:
      return {};
  }
  return font.backward ? wideForm(RevStr(byteForm(r))) : r;
}

std::u16string AcadToEditWin(std::u16string_view ss, FontState font) {
  if (ss.empty()) {
    return {};
  }
  std::string d = font.backward ? RevStr(byteForm(ss)) : byteForm(ss);
  std::u16string r;
  switch (font.type) {
    case fntType::DosHebrew:
      if (IsEnglishOnlyBytes(d, fntType::DosHebrew)) {
        r = Symbtoedit(wideForm(d));
      } else {
        // The letters come from the input itself, however the host
        // delivered them (C1 controls or their Windows-1255 characters).
        std::string e = byteForm(DosToUni(ss));
        r = wideForm(FixRuns(font.backward ? std::move(e) : RevStr(std::move(e))));
      }
      break;
    case fntType::DosEnglish:
      r = wideForm(FixRuns(RevStr(DosToWin(EngToDos(std::move(d))))));
      break;
    case fntType::DosEnglishR:
      r = wideForm(FixRuns(DosToWin(EngToDos(std::move(d)))));
      break;
    case fntType::WindowsHeb:
      r = IsEnglishOnlyBytes(d, fntType::WindowsHeb) ? wideForm(d)
                                                     : wideForm(RevStr(FixRuns(std::move(d))));
      break;
    case fntType::TrueType:
      return wideForm(RevStr(FixRuns(VisualOrder(d))));
    default:
      return {};
  }
  return mirrorBrackets(std::move(r));
}

std::u16string EditToacadWin(std::u16string_view ss, FontState font, bool reverseTTF) {
  if (ss.empty()) {
    return {};
  }
  // The editor holds Windows letters, so even the DosHebrew shortcut tests
  // the Windows range.
  std::string b = byteForm(ss);
  const bool englishOnly = IsEnglishOnlyBytes(b, fntType::WindowsHeb);
  std::u16string r;
  switch (font.type) {
    case fntType::DosHebrew:
      r = Symbtoacad(englishOnly ? std::u16string(ss)
                                 : wideForm(WinToDos(RevStr(FixRuns(std::move(b))))));
      break;
    case fntType::DosEnglish:
      r = wideForm(DosToEng(WinToDos(RevStr(FixRuns(std::move(b))))));
      break;
    case fntType::DosEnglishR:
      r = wideForm(DosToEng(WinToDos(FixRuns(std::move(b)))));
      break;
    case fntType::WindowsHeb:
      r = englishOnly ? std::u16string(ss) : wideForm(RevStr(FixRuns(std::move(b))));
      break;
    case fntType::TrueType:
      return reverseTTF ? ConvertRightToLeft(ss) : wideForm(RevStr(byteForm(ConvertRightToLeft(ss))));
    default:
      return {};
  }
  if (font.backward) {
    r = wideForm(RevStr(byteForm(r)));
  }
  return mirrorBrackets(std::move(r));
}

std::u16string ConvertRightToLeft(std::u16string_view s) {
  return wideForm(VisualOrder(FixRuns(byteForm(s))));
}

std::u16string ConvertLeftToRight(std::u16string_view s) {
  return wideForm(FixRuns(VisualOrder(byteForm(s))));
}

std::u16string ConvertRightToLeftW(std::u16string_view s) {
  return VisualOrderW(FixRunsW(std::u16string(s)));
}

std::u16string ConvertLeftToRightW(std::u16string_view s) {
  return FixRunsW(VisualOrderW(s));
}

std::string fAcadToEditWinL(std::string_view ss, std::int16_t ftype, std::int16_t backward,
                            bool RightToLeft) {
  std::string d = backward != 0 ? RevStr(std::string(ss)) : std::string(ss);
  std::string x;
  switch (ftype) {
    case 0:
      if (IsEnglishOnlyBytes(d, fntType::DosHebrew)) {
        return d;
      }
      x = FixRuns(RevStr(DosToWin(std::move(d))));
      break;
    case 1:
      x = FixRuns(RevStr(DosToWin(EngToDos(std::move(d)))));
      break;
    case 2:
      x = FixRuns(DosToWin(EngToDos(std::move(d))));
      break;
    case 3:
      if (IsEnglishOnlyBytes(d, fntType::WindowsHeb)) {
        return d;
      }
      x = RevStr(FixRuns(std::move(d)));
      break;
    case 4:
      return VisualOrder(d);
    default:
      return {};
  }
  std::string r = RightToLeft ? std::move(x) : RevStr(VisualOrder(FixRuns(std::move(x))));
  return mirrorBrackets(std::move(r));
}

std::u16string AAcadToEditWin(std::u16string_view ss, FontState font, bool RightToLeft,
                              bool reverseTTF) {
  std::string bytes = byteForm(ss);
  fntType type = font.type;
  for (std::size_t i = 0; i < ss.size(); ++i) {
    if (ss[i] < 256) {
      bytes[i] = static_cast<char>(ss[i]);
    }
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (font.type == fntType::DosHebrew && byte >= 0xE0 && byte <= 0xFA) {
      type = fntType::WindowsHeb;
    } else if (font.type == fntType::WindowsHeb && byte >= 0x80 && byte <= 0x9A) {
      type = fntType::DosHebrew;
    }
  }
  std::string r = fAcadToEditWinL(bytes, static_cast<std::int16_t>(type),
                                  font.backward ? 1 : 0, RightToLeft);
  return wideForm(reverseTTF ? RevStr(std::move(r)) : r);
}

}  // namespace vrn::encoding
