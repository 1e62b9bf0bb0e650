#pragma once
// BSTR <-> UTF-16 text. Windows' wchar_t is a UTF-16 unit, so the text passes
// unit for unit; a null BSTR is the empty string, as OLE Automation treats it.

#include <windows.h>

#include <string>
#include <string_view>

namespace vrn::com {

std::u16string fromBstr(const wchar_t* text);
std::u16string fromBstr(BSTR text);
// A new BSTR the caller owns; null only when memory runs out.
BSTR toBstr(std::u16string_view text);

inline const wchar_t* wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

}  // namespace vrn::com
