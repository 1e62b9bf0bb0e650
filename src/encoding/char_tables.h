#pragma once
// The character-level maps between the three Hebrew letter layouts, the
// English-only test and bracket mirroring (string reversal is in
// encoding/reversal.h). All are pure: none reads the current font state.
//
// The 27 letters, alef to tav, keep one offset in every layout:
//
//   DOS (code page 862)        0x80-0x9A
//   Windows (Windows-1255)     0xE0-0xFA
//   Unicode                    U+05D0-U+05EA
//
// DosEnglish fonts draw the letters in place of the keys of the Hebrew
// keyboard:
//
//   key   t  c  d  s  v  u  z  j  y  h  l  f  k  o  n  i  b  x  g  ;  p  .  m  e  r  a  ,
//   DOS  80 81 82 83 84 85 86 87 88 89 8A 8B 8C 8D 8E 8F 90 91 92 93 94 95 96 97 98 99 9A
//
//   and four punctuation keys:  '->,   /->.   w->'   q->/ (DOS) or \ (Windows)
//
// Byte-form routines take their string by value and return it changed, so a
// chain of them works on one buffer.

#include <string>
#include <string_view>

#include "encoding/font_type.h"

namespace vrn::encoding {

// Byte form <-> wide form through the system's code page.
std::string byteForm(std::u16string_view wide);
std::u16string wideForm(std::string_view bytes);

std::string DosToWin(std::string s);  // 0x80-0x9A -> 0xE0-0xFA
std::string WinToDos(std::string s);  // 0xE0-0xFA -> 0x80-0x9A
// Wide text with DOS letters, delivered as U+0080-U+009A or as the
// Windows-1255 characters of bytes 0x80-0x9A, to Unicode Hebrew.
std::u16string DosToUni(std::u16string_view s);

std::string EngToDos(std::string s);  // keys -> DOS letters
std::string EngToWin(std::string s);  // keys -> Windows letters
char DosToEngChar(char c);            // DOS letter -> key
std::string DosToEng(std::string s);  // DosToEngChar on every byte
std::string WinToEng(std::string s);  // Windows letters -> keys

// True when s holds no Hebrew letter of the layout of ft: DOS letters for
// DosHebrew, the keys 0x60-0x7A for DosEnglish(R), Windows letters for
// WindowsHeb and TrueType. Types 0-3 look at the byte form; TrueType looks
// at the letters themselves, so a character the code page lacks (e-acute,
// whose fallback byte is yod's) is no Hebrew letter. Empty text and unknown
// types are English-only.
bool isEnglishOnly(std::u16string_view s, fntType ft);
// The same on byte form, except that DosEnglish(R) always answer true.
bool IsEnglishOnlyBytes(std::string_view s, fntType ft);

// Swap "(" with ")" and "<" with ">"; square and curly brackets stay.
std::string mirrorBrackets(std::string s);
std::u16string mirrorBrackets(std::u16string s);

// Hooks for symbol fonts on the DosHebrew paths; they change nothing.
inline std::u16string Symbtoacad(std::u16string ss) { return ss; }
inline std::u16string Symbtoedit(std::u16string ss) { return ss; }

// Order only, letter codes untouched: a visually stored line to reading
// order, and back. Wide in, wide out.
std::u16string cDosToWin(std::u16string_view s);
std::u16string cWinToDos(std::u16string_view s);

}  // namespace vrn::encoding
