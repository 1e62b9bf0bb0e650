#pragma once
// The current user's registry, read only: AutoCAD-side routines keep the
// value histories of blocks there. Nothing here ever writes to it.

#include <optional>
#include <string>
#include <string_view>

namespace vrn::platform {

// The string value `name` of the key `keyPath` under HKEY_CURRENT_USER
// ("\Software\Palwen\Lisp\Blocks"; a leading backslash is allowed), or
// nullopt when the key cannot be opened for reading, the value is missing or
// it is not a string. POSIX reads an INI file that mirrors the key (see
// posix/registry.cpp).
std::optional<std::u16string> readUserRegistryString(std::u16string_view keyPath,
                                                     std::u16string_view name);

}  // namespace vrn::platform
