// Windows-1255 through Windows' own converter. A unit that code page 1255
// cannot carry is tried in Windows-1252 and then in Latin-1, exactly (no
// best fit), so letter codes from drawings saved under another single-byte
// code page keep their bytes.

#include "platform/code_page.h"

#include <windows.h>

#include <array>
#include <optional>

#include "platform/wide_to_byte_table.h"

namespace vrn::platform {
namespace {

constexpr UINT kHebrewCodePage = 1255;
constexpr UINT kFallbackCodePages[] = {1255, 1252, 28591};

std::optional<unsigned char> exactByte(UINT codePage, wchar_t unit) {
  char byte = 0;
  BOOL usedDefault = FALSE;
  const int written = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, &unit, 1, &byte, 1,
                                          nullptr, &usedDefault);
  if (written != 1 || usedDefault) return std::nullopt;
  return static_cast<unsigned char>(byte);
}

}  // namespace

// One conversion per unit, once: every unit on its own, so a surrogate
// (never convertible alone) keeps its place as a default character.
WideToByteTable buildWideToByte() {
  WideToByteTable table;
  table.fill(static_cast<unsigned char>(kCodePageDefaultChar));
  for (std::size_t unit = 0; unit < table.size(); ++unit) {
    if (unit >= 0xD800 && unit <= 0xDFFF) continue;
    for (UINT codePage : kFallbackCodePages) {
      if (auto byte = exactByte(codePage, static_cast<wchar_t>(unit))) {
        table[unit] = *byte;
        break;
      }
    }
  }
  return table;
}

void fromByteForm(std::string_view bytes, std::u16string& wide) {
  wide.resize(bytes.size());
  if (bytes.empty()) return;
  const int length =
      MultiByteToWideChar(kHebrewCodePage, 0, bytes.data(), static_cast<int>(bytes.size()),
                          reinterpret_cast<wchar_t*>(wide.data()), static_cast<int>(wide.size()));
  // A single-byte code page gives one unit per byte.
  wide.resize(static_cast<std::size_t>(length > 0 ? length : 0));
}

}  // namespace vrn::platform
