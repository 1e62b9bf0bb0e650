// POSIX has no registry. The current user's keys are mirrored, read only,
// by one INI file in the config folder: each key is a section named by its
// path under HKEY_CURRENT_USER without the leading backslash, each string
// value a line of it. For example $XDG_CONFIG_HOME/vrn/HKEY_CURRENT_USER.ini:
//
//   [Software\Palwen\Lisp\Blocks]
//   ROOM-TAG={"ROOM":{"A":["Office","Lab"],"B":["1","2"],"S":"NAME"}}
//
// As in the registry, value names match without regard to case. Nothing
// here writes the file.

#include "platform/registry.h"

#include "platform/ini_file.h"
#include "platform/user_folders.h"

namespace vrn::platform {

std::optional<std::u16string> readUserRegistryString(std::u16string_view keyPath,
                                                     std::u16string_view name) {
  const auto config = roamingAppDataFolder();
  if (!config) return std::nullopt;
  while (!keyPath.empty() && keyPath.front() == u'\\') keyPath.remove_prefix(1);
  return openIniFile(*config / "vrn" / "HKEY_CURRENT_USER.ini")->findString(keyPath, name);
}

}  // namespace vrn::platform
