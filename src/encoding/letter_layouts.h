#pragma once
// The four letter layouts (font types 0-3) as chains of the character
// tables. Each stores the Windows letters of a text mapped to its own
// codes, in reverse reading order, except DosEnglishR, which stores them in
// reading order:
//
//   type          to Windows letters        from Windows letters
//   DosHebrew     DosToWin                  WinToDos
//   DosEnglish    DosToWin(EngToDos)        DosToEng(WinToDos)
//   DosEnglishR   DosToWin(EngToDos)        DosToEng(WinToDos)
//   WindowsHeb    as it is                  as it is
//
// A stored text reaches reading order by the map, the reversal and
// FixRuns; the way back takes the same steps the other way round. The maps
// work byte by byte, so they commute with both reorderings, and FixRuns
// commutes with a reversal. Byte form in and out; no font state is read,
// and the backward flag and bracket mirroring are the callers' business.

#include <string>
#include <string_view>

#include "encoding/font_type.h"

namespace vrn::encoding {

bool isLetterLayout(fntType type);  // types 0-3
// DosEnglishR stores its text in reading order, so it is the one layout
// whose conversion does not reverse.
bool reversesOrder(fntType type);

std::string toWindowsLetters(std::string s, fntType type);
std::string fromWindowsLetters(std::string s, fntType type);

// FixRuns of the Windows letters in reading order, and back.
std::string storedToReadingOrder(std::string stored, fntType type);
std::string readingOrderToStored(std::string text, fntType type);

// The English-only shortcuts: DosHebrew and WindowsHeb keep a text without
// letters of their layout as it is. Stored: the letters of the type's own
// layout; reading order: Windows letters. The keyboard layouts have no
// shortcut, since every Latin key may stand for a letter.
bool storedIsEnglishOnly(std::string_view stored, fntType type);
bool readingOrderIsEnglishOnly(std::string_view text, fntType type);

}  // namespace vrn::encoding
