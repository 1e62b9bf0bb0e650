#include "com/bstr.h"

namespace vrn::com {

std::u16string fromBstr(const wchar_t* text) {
  if (text == nullptr) return {};
  return std::u16string(reinterpret_cast<const char16_t*>(text));
}

std::u16string fromBstr(BSTR text) {
  if (text == nullptr) return {};
  // A BSTR carries its length and may hold null units.
  return std::u16string(reinterpret_cast<const char16_t*>(text), SysStringLen(text));
}

BSTR toBstr(std::u16string_view text) {
  return SysAllocStringLen(reinterpret_cast<const wchar_t*>(text.data()),
                           static_cast<UINT>(text.size()));
}

}  // namespace vrn::com
