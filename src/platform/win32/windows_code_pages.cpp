// Windows' code pages through MultiByteToWideChar, which fails on a byte
// the code page leaves undefined (MB_ERR_INVALID_CHARS) and on a code page
// this system does not have.

#include "platform/windows_code_pages.h"

#include <windows.h>

namespace vrn::platform {
namespace {

std::optional<char16_t> singleUnit(unsigned codePage, const char* bytes, int length) {
  wchar_t out[4];
  const int written = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes, length, out, 4);
  if (written != 1) return std::nullopt;
  return static_cast<char16_t>(out[0]);
}

}  // namespace

SingleByteTable singleByteTable(unsigned codePage) {
  SingleByteTable table{};
  if (!IsValidCodePage(codePage)) return table;
  for (unsigned b = 0; b < table.size(); ++b) {
    const char byte = static_cast<char>(b);
    table[b] = singleUnit(codePage, &byte, 1);
  }
  return table;
}

std::optional<char16_t> doubleByteCharacter(unsigned codePage, unsigned char lead,
                                            unsigned char trail) {
  const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
  return singleUnit(codePage, bytes, 2);
}

}  // namespace vrn::platform
