#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <mutex>
#include <utility>

namespace vrn::platform {
namespace {

using FileId = std::pair<dev_t, ino_t>;

// flock() locks belong to an open file description, so a second open of
// the same file in this process would be refused by our own lock: every
// lock this process holds is kept here by the file's identity and shared.
class PosixFileLock;
std::mutex heldMutex;
std::map<FileId, std::weak_ptr<PosixFileLock>> held;

class PosixFileLock final : public FileLock {
 public:
  PosixFileLock(int fd, FileId id) : fd_(fd), id_(id) {}
  ~PosixFileLock() override {
    const std::lock_guard guard(heldMutex);
    if (const auto it = held.find(id_); it != held.end() && it->second.expired()) held.erase(it);
    ::close(fd_);  // releases the lock
  }
  PosixFileLock(const PosixFileLock&) = delete;
  PosixFileLock& operator=(const PosixFileLock&) = delete;

 private:
  int fd_;
  FileId id_;
};

}  // namespace

FileLockAttempt tryLockFile(const std::filesystem::path& file) {
  for (;;) {
    // Only regular files are locked. Opening a FIFO would connect its writer
    // to a reader that leaves at once; opening is non-blocking in case the
    // name is swapped for one after this look.
    struct stat named {};
    if (::stat(file.c_str(), &named) != 0 || !S_ISREG(named.st_mode)) return {};
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return {};
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
      ::close(fd);
      return {};
    }
    const FileId id{opened.st_dev, opened.st_ino};
    const std::lock_guard guard(heldMutex);
    if (auto mine = held[id].lock()) {
      ::close(fd);
      return {mine, false};
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
      ::close(fd);
      return {nullptr, true};
    }
    // Another process may have renamed a new file over the name between our
    // open and our lock: then the lock is on a file that no longer has the
    // name, and the name's new file is the one to lock.
    if (::stat(file.c_str(), &named) != 0 || named.st_dev != id.first ||
        named.st_ino != id.second) {
      ::close(fd);
      continue;
    }
    auto lock = std::make_shared<PosixFileLock>(fd, id);
    held[id] = lock;
    return {lock, false};
  }
}

}  // namespace vrn::platform
