// The tables of windows_code_pages.h, built from this system's converter
// one character at a time (once per code page: callers keep them).

#include "platform/windows_code_pages.h"

#include "platform/code_page_converter.h"

namespace vrn::platform {
namespace {

SingleByteTable bytesOf(CodePageConverter& converter) {
  SingleByteTable table{};
  for (unsigned b = 0; b < table.size(); ++b)
    table[b] = converter.unitOf(std::string(1, static_cast<char>(b)));
  return table;
}

bool isSurrogate(unsigned unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

}  // namespace

SingleByteTable singleByteTable(unsigned codePage) {
  const auto converter = CodePageConverter::open(codePage);
  return converter ? bytesOf(*converter) : SingleByteTable{};
}

DoubleByteTable doubleByteTable(unsigned codePage) {
  DoubleByteTable table;
  const auto converter = CodePageConverter::open(codePage);
  if (!converter) return table;
  table.bytes = bytesOf(*converter);
  for (unsigned lead = 0x80; lead < 0x100; ++lead) {
    if (table.bytes[lead]) continue;  // a character of its own
    for (unsigned trail = 0; trail < 0x100; ++trail) {
      const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      table.pairs[(lead << 8) | trail] = converter->unitOf(std::string_view(pair, 2));
    }
  }
  for (unsigned unit = 0; unit < table.units.size(); ++unit) {
    if (isSurrogate(unit)) continue;  // no character on its own
    const std::string bytes = converter->bytesOf(static_cast<char16_t>(unit));
    if (bytes.size() == 1) table.units[unit] = static_cast<unsigned char>(bytes[0]);
    if (bytes.size() == 2) {
      table.units[unit] = static_cast<std::uint16_t>((static_cast<unsigned char>(bytes[0]) << 8) |
                                                     static_cast<unsigned char>(bytes[1]));
    }
  }
  return table;
}

}  // namespace vrn::platform
