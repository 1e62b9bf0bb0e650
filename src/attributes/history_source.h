#pragma once
// Where a block's value history is read from: the BlocksAttr row of the
// block name in the library database, else the string value of that name
// under the current user's registry key "\Software\Palwen\Lisp\Blocks"
// (read only; on POSIX the INI file that mirrors the registry, see
// platform/registry.h). Empty when neither has one.

#include <string>
#include <string_view>

namespace vrn::library {
class Tdb;
}

namespace vrn::attributes {

inline constexpr char16_t kBlocksRegistryKey[] = u"\\Software\\Palwen\\Lisp\\Blocks";

// Database errors propagate: they end the call before any window shows.
std::u16string readHistoryText(library::Tdb& db, std::u16string_view blockName);

}  // namespace vrn::attributes
