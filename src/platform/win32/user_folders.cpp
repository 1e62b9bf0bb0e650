// The shell's own folders: Personal (Documents) and AppData (roaming).

#include "platform/user_folders.h"

#include <shlobj.h>
#include <windows.h>

namespace vrn::platform {
namespace {

std::optional<std::filesystem::path> shellFolder(int folder) {
  wchar_t path[MAX_PATH];
  if (FAILED(SHGetFolderPathW(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path)) ||
      path[0] == L'\0') {
    return std::nullopt;
  }
  return std::filesystem::path(path);
}

}  // namespace

std::optional<std::filesystem::path> documentsFolder() { return shellFolder(CSIDL_PERSONAL); }

std::optional<std::filesystem::path> roamingAppDataFolder() { return shellFolder(CSIDL_APPDATA); }

std::filesystem::path machineDataFolder() { return std::filesystem::path(L"c:\\Vornel\\"); }

}  // namespace vrn::platform
