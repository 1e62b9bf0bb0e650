#pragma once
// The user's folders that the data directory is looked for in.
//
//               Windows                      POSIX
//   documents   shell folder Personal        $XDG_DOCUMENTS_DIR, else the
//                                            XDG_DOCUMENTS_DIR line of
//                                            user-dirs.dirs, else ~/Documents
//   app data    shell folder AppData         $XDG_CONFIG_HOME, else ~/.config
//   machine     c:\Vornel\                   /opt/Vornel/
//
// A folder that cannot be determined (no home directory) is nullopt. None
// of these calls creates a folder or tells whether it exists.

#include <filesystem>
#include <optional>

namespace vrn::platform {

std::optional<std::filesystem::path> documentsFolder();
std::optional<std::filesystem::path> roamingAppDataFolder();

// The fixed, machine-wide data directory of the last resort, with a
// trailing separator.
std::filesystem::path machineDataFolder();

}  // namespace vrn::platform
