#include "encoding/string_conversion.h"

#include "encoding/char_tables.h"
#include "encoding/reorder.h"
#include "encoding/reversal.h"

namespace vrn::encoding {

std::string AcadToStr(std::string_view text, fntType type, bool backward) {
  if (text.empty()) {
    return {};
  }
  std::string work = backward ? RevStr(std::string(text)) : std::string(text);
  std::string result;
  switch (type) {
    case fntType::DosHebrew:
      result = IsEnglishOnlyBytes(work, fntType::DosHebrew)
                   ? std::move(work)
                   : FixRuns(RevStr(DosToWin(std::move(work))));
      break;
    case fntType::DosEnglish:
      result = FixRuns(RevStr(DosToWin(EngToDos(std::move(work)))));
      break;
    case fntType::DosEnglishR:
      result = FixRuns(DosToWin(EngToDos(std::move(work))));
      break;
    case fntType::WindowsHeb:
      result = IsEnglishOnlyBytes(work, fntType::WindowsHeb) ? std::move(work)
                                                             : RevStr(FixRuns(std::move(work)));
      break;
    case fntType::TrueType:
      return RevStr(LeftToRightDC(work));
    default:
      return {};
  }
  return mirrorBrackets(std::move(result));
}

std::string StrToAcad(std::string_view text, fntType type, bool backward) {
  if (text.empty()) {
    return {};
  }
  std::string work(text);
  std::string result;
  switch (type) {
    case fntType::DosHebrew:
      result = IsEnglishOnlyBytes(work, fntType::WindowsHeb)
                   ? std::move(work)
                   : WinToDos(RevStr(FixRuns(std::move(work))));
      break;
    case fntType::DosEnglish:
      result = DosToEng(WinToDos(RevStr(FixRuns(std::move(work)))));
      break;
    case fntType::DosEnglishR:
      result = DosToEng(WinToDos(FixRuns(std::move(work))));
      break;
    case fntType::WindowsHeb:
      result = IsEnglishOnlyBytes(work, fntType::WindowsHeb) ? std::move(work)
                                                             : RevStr(FixRuns(std::move(work)));
      break;
    case fntType::TrueType:
      return RightToLeftDC(work);
    default:
      return {};
  }
  if (backward) {
    result = RevStr(std::move(result));
  }
  return mirrorBrackets(std::move(result));
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
