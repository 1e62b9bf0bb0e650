// POSIX has no registry: the histories come from the database only.

#include "platform/registry.h"

namespace vrn::platform {

std::optional<std::u16string> readUserRegistryString(std::u16string_view, std::u16string_view) {
  return std::nullopt;
}

}  // namespace vrn::platform
