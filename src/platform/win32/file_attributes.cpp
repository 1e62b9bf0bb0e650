#include "platform/file_attributes.h"

#include <windows.h>

namespace vrn::platform {

bool isReadOnlyFile(const std::filesystem::path& file) {
  const DWORD attributes = GetFileAttributesW(file.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

void keepOwnerAndMode(const std::filesystem::path&, const std::filesystem::path&) {}

}  // namespace vrn::platform
