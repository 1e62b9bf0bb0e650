#pragma once
// UTF-16 text for the W functions: on Windows a wchar_t is one UTF-16 unit.

#include <string>
#include <string_view>

namespace vrn::platform::win32 {

inline const wchar_t* wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

inline std::u16string fromWide(const wchar_t* text, std::size_t length) {
  return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

inline std::u16string fromWide(const wchar_t* text) {
  return text == nullptr ? std::u16string()
                         : std::u16string(reinterpret_cast<const char16_t*>(text));
}

}  // namespace vrn::platform::win32
