#include "platform/registry.h"

#include <windows.h>

#include <vector>

#include "platform/win32/wide_text.h"

namespace vrn::platform {

using win32::fromWide;
using win32::wide;

std::optional<std::u16string> readUserRegistryString(std::u16string_view keyPath,
                                                     std::u16string_view name) {
  while (!keyPath.empty() && keyPath.front() == u'\\') keyPath.remove_prefix(1);
  const std::u16string path(keyPath);
  const std::u16string valueName(name);
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, wide(path), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return std::nullopt;
  std::optional<std::u16string> result;
  DWORD type = 0;
  DWORD bytes = 0;
  if (RegQueryValueExW(key, wide(valueName), nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ)) {
    std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key, wide(valueName), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer.data()), &size) == ERROR_SUCCESS) {
      result = fromWide(buffer.data());  // stops at the terminator the value may or may not have
    }
  }
  RegCloseKey(key);
  return result;
}

}  // namespace vrn::platform
