#include "encoding/letter_layouts.h"

#include "encoding/char_tables.h"
#include "encoding/reorder.h"
#include "encoding/reversal.h"

namespace vrn::encoding {
namespace {

bool hasEnglishOnlyShortcut(fntType type) {
  return type == fntType::DosHebrew || type == fntType::WindowsHeb;
}

std::string inReadingOrder(std::string s, fntType type) {
  return reversesOrder(type) ? RevStr(std::move(s)) : s;
}

}  // namespace

bool isLetterLayout(fntType type) { return static_cast<unsigned>(type) <= 3; }

bool reversesOrder(fntType type) { return type != fntType::DosEnglishR; }

std::string toWindowsLetters(std::string s, fntType type) {
  switch (type) {
    case fntType::DosHebrew:
      return DosToWin(std::move(s));
    case fntType::DosEnglish:
    case fntType::DosEnglishR:
      return DosToWin(EngToDos(std::move(s)));
    default:
      return s;
  }
}

std::string fromWindowsLetters(std::string s, fntType type) {
  switch (type) {
    case fntType::DosHebrew:
      return WinToDos(std::move(s));
    case fntType::DosEnglish:
    case fntType::DosEnglishR:
      return DosToEng(WinToDos(std::move(s)));
    default:
      return s;
  }
}

std::string storedToReadingOrder(std::string stored, fntType type) {
  return FixRuns(inReadingOrder(toWindowsLetters(std::move(stored), type), type));
}

std::string readingOrderToStored(std::string text, fntType type) {
  return fromWindowsLetters(inReadingOrder(FixRuns(std::move(text)), type), type);
}

bool storedIsEnglishOnly(std::string_view stored, fntType type) {
  return hasEnglishOnlyShortcut(type) && IsEnglishOnlyBytes(stored, type);
}

bool readingOrderIsEnglishOnly(std::string_view text, fntType type) {
  return hasEnglishOnlyShortcut(type) && IsEnglishOnlyBytes(text, fntType::WindowsHeb);
}

}  // namespace vrn::encoding
