#include "platform/disk_flush.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vrn::platform {

std::string flushFileToDisk(const std::filesystem::path& file) {
  const int fd = ::open(file.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return std::strerror(errno);
  const bool flushed = ::fsync(fd) == 0;
  const int error = errno;
  ::close(fd);
  return flushed ? std::string() : std::strerror(error);
}

// Some file systems refuse fsync on a folder (EINVAL); the rename is done
// by then, so there is nothing better to do than carry on.
void flushFolderToDisk(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace vrn::platform
