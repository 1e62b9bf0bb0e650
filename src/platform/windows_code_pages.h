#pragma once
// Windows' code pages by number (1252, 437, 28592, 932 ...), for reading
// and writing text that programs on Windows wrote in them. The byte form's
// own code page is code_page.h.
//
//   single byte  each byte 0x00-0xFF converted on its own: one UTF-16 unit,
//                or nothing where the code page leaves the byte undefined
//                (every byte, when this system does not know the code page)
//   double byte  an East Asian code page (932, 936, 949, 950, 1361) whole:
//                each byte on its own as above; each lead and trail byte pair
//                that is one UTF-16 unit; and the other way, the bytes the
//                code page writes for each UTF-16 unit. Nothing anywhere when
//                this system does not know the code page.
//
// No fallback and no best fit: a caller decides what an undefined byte means.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace vrn::platform {

using SingleByteTable = std::array<std::optional<char16_t>, 256>;

SingleByteTable singleByteTable(unsigned codePage);

struct DoubleByteTable {
  SingleByteTable bytes;
  // By lead << 8 | trail.
  std::vector<std::optional<char16_t>> pairs = std::vector<std::optional<char16_t>>(0x10000);
  // By unit: a single byte as itself, a pair as lead << 8 | trail (a lead
  // byte is 0x80 or above, so the two never meet).
  std::vector<std::optional<std::uint16_t>> units =
      std::vector<std::optional<std::uint16_t>>(0x10000);
};

DoubleByteTable doubleByteTable(unsigned codePage);

}  // namespace vrn::platform
