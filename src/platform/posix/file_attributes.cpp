#include "platform/file_attributes.h"

#include <sys/stat.h>
#include <unistd.h>

namespace vrn::platform {

bool isReadOnlyFile(const std::filesystem::path& file) {
  struct stat status {};
  if (::stat(file.c_str(), &status) != 0) return false;
  return ::access(file.c_str(), W_OK) != 0 || (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

void keepOwnerAndMode(const std::filesystem::path& original, const std::filesystem::path& copy) {
  struct stat status {};
  if (::stat(original.c_str(), &status) != 0) return;
  // Owner and group first: a change of owner may clear set-user-ID bits.
  const bool ownerKept = ::chown(copy.c_str(), status.st_uid, status.st_gid) == 0;
  if (!ownerKept && ::chown(copy.c_str(), static_cast<uid_t>(-1), status.st_gid) != 0) {
    // Neither: the copy stays this process's own, as every file it creates.
  }
  ::chmod(copy.c_str(), status.st_mode & 07777);
}

}  // namespace vrn::platform
