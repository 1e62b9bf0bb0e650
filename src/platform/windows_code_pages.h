#pragma once
// Windows' code pages by number (1252, 437, 28592, 932 ...), for reading
// text that programs on Windows wrote in them. The byte form's own code
// page is code_page.h.
//
//   single byte  each byte 0x00-0xFF converted on its own: one UTF-16 unit,
//                or nothing where the code page leaves the byte undefined
//                (every byte, when this system does not know the code page)
//   double byte  one lead and trail byte of an East Asian code page (932,
//                936, 949, 950): the character, or nothing when there is
//                none or it is not a single UTF-16 unit
//
// No fallback and no best fit: a caller decides what an undefined byte means.

#include <array>
#include <optional>

namespace vrn::platform {

using SingleByteTable = std::array<std::optional<char16_t>, 256>;

SingleByteTable singleByteTable(unsigned codePage);

std::optional<char16_t> doubleByteCharacter(unsigned codePage, unsigned char lead,
                                            unsigned char trail);

}  // namespace vrn::platform
