#pragma once
// The byte form's code page: Windows-1255, one byte per UTF-16 unit.
//
//   bytes -> wide  Windows' own table: every byte 0x00-0xFF has a unit, so
//                  any byte string survives a trip through wide text (the
//                  undefined bytes map to U+0080-U+009F or U+F88D-U+F896).
//   wide -> bytes  the unit's Windows-1255 byte; else the byte that carries
//                  it in Windows-1252 or Latin-1 (a-grave to u-acute, S-caron,
//                  OE ...), so letter codes from drawings saved under another
//                  single-byte code page survive; else the default character.
//
// A surrogate pair becomes two default characters: lengths never change.

#include <string>
#include <string_view>

namespace vrn::platform {

inline constexpr char kCodePageDefaultChar = '?';

std::u16string fromByteForm(std::string_view bytes);
std::string toByteForm(std::u16string_view wide);

// The same into a caller's buffer, whose storage is reused.
void fromByteForm(std::string_view bytes, std::u16string& wide);
void toByteForm(std::u16string_view wide, std::string& bytes);

}  // namespace vrn::platform
