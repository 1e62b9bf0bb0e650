#include "com/class_registration.h"

#include <windows.h>
#include <wrl/client.h>

#include <stdexcept>
#include <vector>

#include "com/bstr.h"
#include "host/utf8.h"

namespace vrn::com {
namespace {

[[noreturn]] void fail(const std::u16string& what, long code) {
  throw std::runtime_error("Registration failed: " + utf16ToUtf8(what) + " (" +
                           std::to_string(code) + ")");
}

// Creates `key` under the classes root and sets its default value and, when
// given, one named value.
void writeKey(const std::u16string& key, const std::u16string& value, const wchar_t* name = nullptr,
              const std::u16string& named = {}) {
  HKEY handle = nullptr;
  LONG status = RegCreateKeyExW(HKEY_CLASSES_ROOT, wide(key), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                KEY_SET_VALUE, nullptr, &handle, nullptr);
  if (status != ERROR_SUCCESS) fail(key, status);
  const auto set = [&](const wchar_t* valueName, const std::u16string& data) {
    const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(char16_t));
    return RegSetValueExW(handle, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                          bytes);
  };
  status = set(nullptr, value);
  if (status == ERROR_SUCCESS && name != nullptr) status = set(name, named);
  RegCloseKey(handle);
  if (status != ERROR_SUCCESS) fail(key, status);
}

void removeTree(const std::u16string& key) {
  const LONG status = RegDeleteTreeW(HKEY_CLASSES_ROOT, wide(key));
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) fail(key, status);
  // RegDeleteTree empties the key; the key itself goes here.
  const LONG removed = RegDeleteKeyW(HKEY_CLASSES_ROOT, wide(key));
  if (removed != ERROR_SUCCESS && removed != ERROR_FILE_NOT_FOUND) fail(key, removed);
}

std::u16string fromWide(const wchar_t* text) { return fromBstr(text); }

}  // namespace

std::u16string guidText(const GUID& guid) {
  wchar_t text[40];
  StringFromGUID2(guid, text, 40);
  return fromWide(text);
}

std::u16string modulePath() {
  HMODULE module = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&modulePath), &module);
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) throw std::runtime_error("The module's path cannot be read");
    if (length < path.size())
      return std::u16string(reinterpret_cast<const char16_t*>(path.data()), length);
    path.resize(path.size() * 2);
  }
}

std::u16string registeredModulePath() {
  const std::u16string path = modulePath();
  if (path.find(u' ') == std::u16string::npos) return path;
  std::vector<wchar_t> shortPath(path.size() + 1);
  const DWORD length =
      GetShortPathNameW(wide(path), shortPath.data(), static_cast<DWORD>(shortPath.size()));
  // No short name (8.3 names switched off on the volume): the long path still works.
  if (length == 0 || length >= shortPath.size()) return path;
  return std::u16string(reinterpret_cast<const char16_t*>(shortPath.data()), length);
}

void registerClass(const ClassEntry& entry, const std::u16string& serverPath) {
  const std::u16string clsid = guidText(entry.clsid);
  const std::u16string classKey = u"CLSID\\" + clsid;
  writeKey(classKey, entry.description);
  writeKey(classKey + u"\\InprocServer32", serverPath, L"ThreadingModel", u"Apartment");
  writeKey(classKey + u"\\ProgID", entry.progId);
  writeKey(classKey + u"\\Version", entry.version);
  if (entry.typeLibrary) writeKey(classKey + u"\\TypeLib", guidText(*entry.typeLibrary));
  writeKey(entry.progId, entry.description);
  writeKey(entry.progId + u"\\Clsid", clsid);
}

void unregisterClass(const ClassEntry& entry) {
  removeTree(u"CLSID\\" + guidText(entry.clsid));
  removeTree(entry.progId);
}

void registerTypeLibrary(const std::u16string& path) {
  Microsoft::WRL::ComPtr<ITypeLib> library;
  HRESULT hr = LoadTypeLibEx(wide(path), REGKIND_NONE, &library);
  // Registered with the path as given, so the entry names the file the
  // classes entry names.
  if (SUCCEEDED(hr)) hr = RegisterTypeLib(library.Get(), const_cast<wchar_t*>(wide(path)), nullptr);
  if (FAILED(hr)) fail(u"type library of " + path, hr);
}

void unregisterTypeLibrary(const GUID& library, unsigned short major, unsigned short minor,
                           LCID locale) {
  // Not registered (any more) is what removal wants.
  BSTR registeredPath = nullptr;
  if (FAILED(QueryPathOfRegTypeLib(library, major, minor, locale, &registeredPath))) return;
  SysFreeString(registeredPath);
  const HRESULT hr = UnRegisterTypeLib(library, major, minor, locale, SYS_WIN64);
  if (FAILED(hr)) fail(u"type library", hr);
}

}  // namespace vrn::com
